#include "IGraphicsMacBundle.h"

#include <CoreFoundation/CoreFoundation.h>
#include <limits.h>
#include <stdio.h>
#include <string.h>
#include <strings.h>

#include "PIX_PNG.h"

namespace {
const char* const kPNGType = "png";
const char* const kTextType = "txt";

const char* LastComponent(const char* path)
{
  const char* slash = strrchr(path, '/');
  return slash ? slash + 1 : path;
}

// A CoreFoundation object released at the end of its scope.
template <class Ref>
class CFOwned {
public:
  explicit CFOwned(Ref ref) : mRef(ref) {}
  ~CFOwned()
  {
    if (mRef) CFRelease(mRef);
  }
  CFOwned(const CFOwned&) = delete;
  CFOwned& operator=(const CFOwned&) = delete;
  Ref Get() const { return mRef; }

private:
  Ref mRef;
};

CFStringRef NewCFString(const char* text)
{
  return text ? CFStringCreateWithCString(kCFAllocatorDefault, text, kCFStringEncodingUTF8) : nullptr;
}

CFBundleRef FindBundle(const char* bundleID)
{
  CFOwned<CFStringRef> id(NewCFString(bundleID));
  return id.Get() ? CFBundleGetBundleWithIdentifier(id.Get()) : nullptr;
}

bool PathOfURL(CFURLRef url, KIT_String* pPath)
{
  UInt8 path[PATH_MAX];
  if (!url || !CFURLGetFileSystemRepresentation(url, true, path, sizeof path)) return false;
  pPath->Set((const char*)path);
  return true;
}
}  // namespace

void BundleResourceName(const char* fileName, KIT_String* pName)
{
  const char* name = LastComponent(fileName ? fileName : "");
  const char* dot = strrchr(name, '.');
  const int length = dot ? (int)(dot - name) : (int)strlen(name);
  pName->Set("");
  if (length > 0) pName->Set(name, length);
}

void FileNameExtension(const char* fileName, KIT_String* pExtension)
{
  const char* dot = fileName ? strrchr(fileName, '.') : nullptr;
  pExtension->Set("");
  if (dot) pExtension->Set(dot + 1);
}

bool IsPNGFileName(const char* fileName)
{
  KIT_String extension;
  FileNameExtension(fileName, &extension);
  return strcasecmp(extension.Get(), kPNGType) == 0;
}

bool BundleResourcePath(const char* bundleID, const char* fileName, const char* type, KIT_String* pPath)
{
  CFBundleRef bundle = FindBundle(bundleID);
  if (!bundle) return false;
  KIT_String name;
  BundleResourceName(fileName, &name);
  CFOwned<CFStringRef> resourceName(NewCFString(name.Get())), resourceType(NewCFString(type));
  if (!resourceName.Get() || !resourceType.Get()) return false;
  CFOwned<CFURLRef> url(CFBundleCopyResourceURL(bundle, resourceName.Get(), resourceType.Get(), nullptr));
  return PathOfURL(url.Get(), pPath);
}

PIX_IBitmap* LoadBundlePNG(const char* bundleID, const char* fileName)
{
  KIT_String path;
  if (!IsPNGFileName(fileName) || !BundleResourcePath(bundleID, fileName, kPNGType, &path)) return nullptr;
  return PIX_LoadPNG(path.Get(), nullptr);
}

bool LoadBundleText(const char* bundleID, const char* fileName, KIT_String* pText)
{
  KIT_String path;
  if (!pText || !BundleResourcePath(bundleID, fileName, kTextType, &path)) return false;
  FILE* file = fopen(path.Get(), "r");
  if (!file) {
    printf("failed to open file\n");
    return false;
  }
  char text[kBundleTextMax + 1];
  const size_t n = fread(text, 1, kBundleTextMax, file);
  const bool failed = ferror(file) != 0;
  fclose(file);
  if (failed) return false;
  text[n] = 0;
  pText->Set("");
  pText->Set(text, (int)n);
  return true;
}

bool BundleExecutablePath(const char* bundleID, KIT_String* pPath)
{
  CFBundleRef bundle = FindBundle(bundleID);
  if (!bundle) return false;
  CFOwned<CFURLRef> url(CFBundleCopyExecutableURL(bundle));
  return PathOfURL(url.Get(), pPath);
}

bool BundleFolder(const char* bundleID, KIT_String* pPath)
{
  CFBundleRef bundle = FindBundle(bundleID);
  if (!bundle) return false;
  CFOwned<CFURLRef> url(CFBundleCopyBundleURL(bundle));
  KIT_String path;
  if (!PathOfURL(url.Get(), &path)) return false;
  pPath->Set(path.Get(), (int)(LastComponent(path.Get()) - path.Get()));
  if (pPath->GetLength() == 0 || pPath->Get()[pPath->GetLength() - 1] != '/') pPath->Append("/");
  return true;
}
