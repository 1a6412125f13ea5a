// CoreFoundation for the tests: reference-counted objects that delete
// themselves at their last release.

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "AppleTesting.h"

namespace {
long sLiveObjects = 0;

enum ETypeID : CFTypeID {
  kStringType = 7,
  kNumberType,
  kDataType,
  kDictionaryType,
  kArrayType,
  kBundleType,
  kURLType,
};
}  // namespace

struct CFObject {
  explicit CFObject(CFTypeID typeID) : mTypeID(typeID) { ++sLiveObjects; }
  virtual ~CFObject() { --sLiveObjects; }
  CFTypeID mTypeID;
  CFIndex mRetainCount = 1;
};

struct OpaqueCFString : CFObject {
  explicit OpaqueCFString(const std::string& text) : CFObject(kStringType), mText(text) {}
  std::string mText;  // UTF-8
};

struct OpaqueCFNumber : CFObject {
  explicit OpaqueCFNumber(SInt32 value) : CFObject(kNumberType), mValue(value) {}
  SInt32 mValue;
};

struct OpaqueCFData : CFObject {
  OpaqueCFData(const UInt8* bytes, CFIndex n) : CFObject(kDataType), mBytes(bytes, bytes + n) {}
  std::vector<UInt8> mBytes;
};

struct OpaqueCFDictionary : CFObject {
  OpaqueCFDictionary() : CFObject(kDictionaryType) {}
  ~OpaqueCFDictionary() override;
  std::vector<std::pair<CFTypeRef, CFTypeRef>> mEntries;
};

struct OpaqueCFArray : CFObject {
  explicit OpaqueCFArray(const CFArrayCallBacks* callBacks) : CFObject(kArrayType)
  {
    if (callBacks) mCallBacks = *callBacks;
  }
  ~OpaqueCFArray() override
  {
    if (mCallBacks.release)
      for (const void* v : mValues) mCallBacks.release(kCFAllocatorDefault, v);
  }
  CFArrayCallBacks mCallBacks{};
  std::vector<const void*> mValues;
};

struct OpaqueCFBundle : CFObject {
  OpaqueCFBundle(const char* identifier, const char* folder)
    : CFObject(kBundleType), mIdentifier(new OpaqueCFString(identifier)), mFolder(folder)
  {}
  ~OpaqueCFBundle() override { CFRelease(mIdentifier); }
  CFStringRef mIdentifier;
  std::string mFolder;
};

struct OpaqueCFURL : CFObject {
  explicit OpaqueCFURL(const std::string& path) : CFObject(kURLType), mPath(path) {}
  std::string mPath;
};

namespace {
CFObject* Obj(CFTypeRef cf) { return (CFObject*)cf; }

bool Equal(CFTypeRef a, CFTypeRef b)
{
  if (a == b) return true;
  if (!a || !b || CFGetTypeID(a) != kStringType || CFGetTypeID(b) != kStringType) return false;
  return ((CFStringRef)a)->mText == ((CFStringRef)b)->mText;
}

// Bundles live as long as the process, past its static destructors.
std::map<std::string, OpaqueCFBundle*>& Bundles()
{
  static auto* bundles = new std::map<std::string, OpaqueCFBundle*>;
  return *bundles;
}
OpaqueCFBundle* sMainBundle = nullptr;

// The number of UTF-16 units of valid UTF-8 text, or -1.
CFIndex UTF16Length(const std::string& text)
{
  CFIndex n = 0;
  for (size_t i = 0; i < text.size();) {
    const unsigned char c = (unsigned char)text[i];
    const int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (!len || i + len > text.size()) return -1;
    for (int k = 1; k < len; ++k)
      if (((unsigned char)text[i + k] >> 6) != 2) return -1;
    n += len == 4 ? 2 : 1;
    i += len;
  }
  return n;
}

const void* RetainValue(CFAllocatorRef, const void* value) { return CFRetain(value); }
void ReleaseValue(CFAllocatorRef, const void* value) { CFRelease(value); }
}  // namespace

OpaqueCFDictionary::~OpaqueCFDictionary()
{
  for (auto& e : mEntries) {
    CFRelease(e.first);
    CFRelease(e.second);
  }
}

extern "C" {

const CFAllocatorRef kCFAllocatorDefault = nullptr;
const CFArrayCallBacks kCFTypeArrayCallBacks = {0, RetainValue, ReleaseValue, nullptr, nullptr};
const CFDictionaryKeyCallBacks kCFTypeDictionaryKeyCallBacks = {0,       RetainValue, ReleaseValue,
                                                                nullptr, nullptr,     nullptr};
const CFDictionaryValueCallBacks kCFTypeDictionaryValueCallBacks = {0, RetainValue, ReleaseValue, nullptr, nullptr};

CFTypeRef CFRetain(CFTypeRef cf)
{
  ++Obj(cf)->mRetainCount;
  return cf;
}

void CFRelease(CFTypeRef cf)
{
  if (--Obj(cf)->mRetainCount == 0) delete Obj(cf);
}

CFIndex CFGetRetainCount(CFTypeRef cf) { return Obj(cf)->mRetainCount; }
CFTypeID CFGetTypeID(CFTypeRef cf) { return Obj(cf)->mTypeID; }

CFTypeID CFStringGetTypeID(void) { return kStringType; }
CFTypeID CFNumberGetTypeID(void) { return kNumberType; }
CFTypeID CFDataGetTypeID(void) { return kDataType; }
CFTypeID CFDictionaryGetTypeID(void) { return kDictionaryType; }
CFTypeID CFArrayGetTypeID(void) { return kArrayType; }

CFStringRef CFStringCreateWithCString(CFAllocatorRef, const char* cStr, CFStringEncoding encoding)
{
  if (!cStr || encoding != kCFStringEncodingUTF8 || UTF16Length(cStr) < 0) return nullptr;
  return new OpaqueCFString(cStr);
}

CFIndex CFStringGetLength(CFStringRef theString) { return UTF16Length(theString->mText); }

CFIndex CFStringGetMaximumSizeForEncoding(CFIndex length, CFStringEncoding) { return 3 * length; }

Boolean CFStringGetCString(CFStringRef theString, char* buffer, CFIndex bufferSize, CFStringEncoding encoding)
{
  const std::string& text = theString->mText;
  if (encoding != kCFStringEncodingUTF8 || (CFIndex)text.size() + 1 > bufferSize) return false;
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  return true;
}

CFNumberRef CFNumberCreate(CFAllocatorRef, CFNumberType theType, const void* valuePtr)
{
  if (theType != kCFNumberSInt32Type) return nullptr;
  return new OpaqueCFNumber(*(const SInt32*)valuePtr);
}

Boolean CFNumberGetValue(CFNumberRef number, CFNumberType theType, void* valuePtr)
{
  if (theType != kCFNumberSInt32Type) return false;
  *(SInt32*)valuePtr = number->mValue;
  return true;
}

CFDataRef CFDataCreate(CFAllocatorRef, const UInt8* bytes, CFIndex length)
{
  return length < 0 || (length && !bytes) ? nullptr : new OpaqueCFData(bytes, length);
}

CFIndex CFDataGetLength(CFDataRef theData) { return (CFIndex)theData->mBytes.size(); }
const UInt8* CFDataGetBytePtr(CFDataRef theData) { return theData->mBytes.data(); }

CFMutableDictionaryRef CFDictionaryCreateMutable(CFAllocatorRef, CFIndex, const CFDictionaryKeyCallBacks*,
                                                 const CFDictionaryValueCallBacks*)
{
  return new OpaqueCFDictionary();
}

void CFDictionarySetValue(CFMutableDictionaryRef theDict, const void* key, const void* value)
{
  CFRetain(key);
  CFRetain(value);
  CFDictionaryRemoveValue(theDict, key);
  theDict->mEntries.emplace_back(key, value);
}

const void* CFDictionaryGetValue(CFDictionaryRef theDict, const void* key)
{
  for (const auto& e : theDict->mEntries)
    if (Equal(e.first, key)) return e.second;
  return nullptr;
}

CFIndex CFDictionaryGetCount(CFDictionaryRef theDict) { return (CFIndex)theDict->mEntries.size(); }

void CFDictionaryRemoveValue(CFMutableDictionaryRef theDict, const void* key)
{
  auto& entries = theDict->mEntries;
  for (auto it = entries.begin(); it != entries.end(); ++it) {
    if (!Equal(it->first, key)) continue;
    CFRelease(it->first);
    CFRelease(it->second);
    entries.erase(it);
    return;
  }
}

CFMutableArrayRef CFArrayCreateMutable(CFAllocatorRef, CFIndex, const CFArrayCallBacks* callBacks)
{
  return new OpaqueCFArray(callBacks);
}

void CFArrayAppendValue(CFMutableArrayRef theArray, const void* value)
{
  if (theArray->mCallBacks.retain) value = theArray->mCallBacks.retain(kCFAllocatorDefault, value);
  theArray->mValues.push_back(value);
}

CFIndex CFArrayGetCount(CFArrayRef theArray) { return (CFIndex)theArray->mValues.size(); }
const void* CFArrayGetValueAtIndex(CFArrayRef theArray, CFIndex idx) { return theArray->mValues.at((size_t)idx); }

CFBundleRef CFBundleGetMainBundle(void) { return sMainBundle; }

CFBundleRef CFBundleGetBundleWithIdentifier(CFStringRef bundleID)
{
  auto it = Bundles().find(TestCFText(bundleID));
  return it == Bundles().end() ? nullptr : it->second;
}

CFStringRef CFBundleGetIdentifier(CFBundleRef bundle) { return bundle->mIdentifier; }
CFURLRef CFBundleCopyBundleURL(CFBundleRef bundle) { return new OpaqueCFURL(bundle->mFolder); }

CFURLRef CFBundleCopyExecutableURL(CFBundleRef bundle)
{
  std::string name = bundle->mFolder.substr(bundle->mFolder.find_last_of('/') + 1);
  name = name.substr(0, name.find_last_of('.'));
  return new OpaqueCFURL(bundle->mFolder + "/Contents/MacOS/" + name);
}

CFURLRef CFBundleCopyResourceURL(CFBundleRef bundle, CFStringRef resourceName, CFStringRef resourceType,
                                 CFStringRef subDirName)
{
  std::string path = bundle->mFolder + "/Contents/Resources/";
  if (subDirName) path += TestCFText(subDirName) + "/";
  path += TestCFText(resourceName);
  if (resourceType) path += "." + TestCFText(resourceType);
  FILE* file = fopen(path.c_str(), "rb");
  if (!file) return nullptr;
  fclose(file);
  return new OpaqueCFURL(path);
}

Boolean CFURLGetFileSystemRepresentation(CFURLRef url, Boolean, UInt8* buffer, CFIndex maxBufLen)
{
  if ((CFIndex)url->mPath.size() >= maxBufLen) return false;
  std::memcpy(buffer, url->mPath.c_str(), url->mPath.size() + 1);
  return true;
}

CFStringRef CFURLCopyFileSystemPath(CFURLRef anURL, CFURLPathStyle) { return new OpaqueCFString(anURL->mPath); }

}  // extern "C"

long TestCFLiveObjects() { return sLiveObjects; }

std::string TestCFText(CFStringRef str) { return str ? str->mText : std::string(); }

void TestCFRegisterBundle(const char* identifier, const char* folder)
{
  OpaqueCFBundle*& bundle = Bundles()[identifier];
  OpaqueCFBundle* old = bundle;
  bundle = new OpaqueCFBundle(identifier, folder);
  if (sMainBundle == old) sMainBundle = bundle;
  if (old) CFRelease(old);
}

void TestCFSetMainBundle(const char* identifier)
{
  if (!identifier) {
    sMainBundle = nullptr;
    return;
  }
  if (!Bundles().count(identifier)) TestCFRegisterBundle(identifier, "/Applications/Host.app");
  sMainBundle = Bundles()[identifier];
}
