#ifndef MACDRAWINGRECORDS_H
#define MACDRAWINGRECORDS_H

// What the drawing layer's own sources share about its records.

#include "MacDrawing.h"

// Back to the free list, cleared, under the lock; the caller has released
// what the record held. False when the record was free already.
bool ReturnContextRecord(ContextRecord* record);
bool ReturnGdiObject(GdiObject* object);
bool IsNullObject(const GdiObject* object);
// A context record in use, with a Quartz context to draw in.
inline bool IsLiveContext(const ContextRecord* context) { return context && !context->mFree && context->mContext; }
// Releases the record's text colour (an Objective-C object).
void ReleaseContextTextColor(ContextRecord* context);

#endif
