// A context's text colour, kept as the NSColor text drawing takes.
#import <Cocoa/Cocoa.h>

#include "MacDrawingRecords.h"

void SetContextTextColor(ContextRecord* context, uint32_t rgb)
{
  if (!context || context->mFree) return;
  NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
  NSColor* color = [[NSColor colorWithCalibratedRed:((rgb >> 16) & 0xFF) / 255.0
                                              green:((rgb >> 8) & 0xFF) / 255.0
                                               blue:(rgb & 0xFF) / 255.0
                                              alpha:1.0] retain];
  [pool release];
  [context->mTextColor release];
  context->mTextColor = color;
  context->mTextColorValue = rgb & 0xFFFFFF;
}

void ReleaseContextTextColor(ContextRecord* context)
{
  [context->mTextColor release];
  context->mTextColor = nil;
}
