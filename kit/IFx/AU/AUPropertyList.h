#ifndef AUPROPERTYLIST_H
#define AUPROPERTYLIST_H

// CoreFoundation values as the Audio Unit hands them out and reads them
// back: UTF-8 strings both ways, and the entries of the saved-state
// dictionary (string keys, signed 32-bit numbers, strings, the state
// bytes). Dictionary readers answer false for a missing key and for a value
// of another kind, and then leave what they fill as it was.

#include <CoreFoundation/CoreFoundation.h>

#include "IChunk.h"
#include "KIT_String.h"

void DictPutNumber(CFMutableDictionaryRef pDict, const char* key, SInt32 value);
// Text that is not valid UTF-8 is stored as the empty string.
void DictPutString(CFMutableDictionaryRef pDict, const char* key, const char* text);
void DictPutData(CFMutableDictionaryRef pDict, const char* key, const IChunk* pChunk);

bool DictGetNumber(CFDictionaryRef pDict, const char* key, SInt32* pValue);
bool DictGetString(CFDictionaryRef pDict, const char* key, KIT_String* pText);
// The chunk is resized to the data and filled.
bool DictGetData(CFDictionaryRef pDict, const char* key, IChunk* pChunk);

// A new string of the UTF-8 text (the caller releases it); null when the
// text is not valid UTF-8.
CFStringRef CFStringFromCString(const char* text);
// A new UTF-8 copy of the string (delete[] it), with room for every
// character however many bytes it takes; null for a null string or one that
// cannot be converted.
char* CStringFromCFString(CFStringRef str);

#endif
