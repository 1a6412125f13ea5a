#include "AUPropertyList.h"

#include <cstring>
#include <new>

namespace {
// A key as a CFString for as long as it is needed.
class DictKey {
public:
  explicit DictKey(const char* key) : mKey(CFStringFromCString(key)) {}
  ~DictKey()
  {
    if (mKey) CFRelease(mKey);
  }
  DictKey(const DictKey&) = delete;
  DictKey& operator=(const DictKey&) = delete;
  CFStringRef Get() const { return mKey; }

private:
  CFStringRef mKey;
};

// The value of the key when it is of the given kind, else null.
CFTypeRef GetValueOfType(CFDictionaryRef pDict, const char* key, CFTypeID typeID)
{
  const DictKey cfKey(key);
  const void* value = pDict && cfKey.Get() ? CFDictionaryGetValue(pDict, cfKey.Get()) : nullptr;
  return value && CFGetTypeID(value) == typeID ? value : nullptr;
}

// Stores and releases the value; nothing when it could not be made.
void PutValue(CFMutableDictionaryRef pDict, const char* key, CFTypeRef value)
{
  if (!value) return;
  const DictKey cfKey(key);
  if (cfKey.Get()) CFDictionarySetValue(pDict, cfKey.Get(), value);
  CFRelease(value);
}
}  // namespace

void DictPutNumber(CFMutableDictionaryRef pDict, const char* key, SInt32 value)
{
  PutValue(pDict, key, CFNumberCreate(kCFAllocatorDefault, kCFNumberSInt32Type, &value));
}

void DictPutString(CFMutableDictionaryRef pDict, const char* key, const char* text)
{
  CFStringRef str = CFStringFromCString(text ? text : "");
  if (!str) str = CFStringFromCString("");
  PutValue(pDict, key, str);
}

void DictPutData(CFMutableDictionaryRef pDict, const char* key, const IChunk* pChunk)
{
  PutValue(pDict, key, CFDataCreate(kCFAllocatorDefault, pChunk->GetBytes(), pChunk->Size()));
}

bool DictGetNumber(CFDictionaryRef pDict, const char* key, SInt32* pValue)
{
  CFNumberRef number = (CFNumberRef)GetValueOfType(pDict, key, CFNumberGetTypeID());
  SInt32 value = 0;
  if (!number || !CFNumberGetValue(number, kCFNumberSInt32Type, &value)) return false;
  *pValue = value;
  return true;
}

bool DictGetString(CFDictionaryRef pDict, const char* key, KIT_String* pText)
{
  char* text = CStringFromCFString((CFStringRef)GetValueOfType(pDict, key, CFStringGetTypeID()));
  if (text) pText->Set(text);
  const bool found = text != nullptr;
  delete[] text;
  return found;
}

bool DictGetData(CFDictionaryRef pDict, const char* key, IChunk* pChunk)
{
  CFDataRef data = (CFDataRef)GetValueOfType(pDict, key, CFDataGetTypeID());
  if (!data) return false;
  const CFIndex n = CFDataGetLength(data);
  if (n < 0 || n > INT32_MAX) return false;
  pChunk->Resize((int)n);
  if (pChunk->Size() != (int)n) return false;
  if (n) std::memcpy(pChunk->GetBytes(), CFDataGetBytePtr(data), (size_t)n);
  return true;
}

CFStringRef CFStringFromCString(const char* text)
{
  return CFStringCreateWithCString(kCFAllocatorDefault, text, kCFStringEncodingUTF8);
}

char* CStringFromCFString(CFStringRef str)
{
  if (!str) return nullptr;
  const CFIndex size = CFStringGetMaximumSizeForEncoding(CFStringGetLength(str), kCFStringEncodingUTF8) + 1;
  char* text = new (std::nothrow) char[size];
  if (text && CFStringGetCString(str, text, size, kCFStringEncodingUTF8)) return text;
  delete[] text;
  return nullptr;
}
