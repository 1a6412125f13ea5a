#ifndef IGRAPHICSMACBUNDLE_H
#define IGRAPHICSMACBUNDLE_H

// The plug-in bundle's files as the macOS back end finds them: images and
// the skin text are resources of the bundle with the plug-in's identifier
// (used as given, space and all), named by the last path component of the
// file name without its extension. Called on the main thread.

#include "KIT_String.h"

class PIX_IBitmap;

// At most this many bytes of a bundle text are read.
constexpr int kBundleTextMax = 4096;

// "images/knob.png" gives "knob"; the extension is what follows the last
// dot of the whole name ("" for none).
void BundleResourceName(const char* fileName, KIT_String* pName);
void FileNameExtension(const char* fileName, KIT_String* pExtension);
// Whether the extension is "png" in any case.
bool IsPNGFileName(const char* fileName);

// The path of the resource of that name and type; false when the bundle or
// the resource is not there.
bool BundleResourcePath(const char* bundleID, const char* fileName, const char* type, KIT_String* pPath);
// A new bitmap of the bundle's PNG resource; null for a name that is not a
// PNG's or any failure.
PIX_IBitmap* LoadBundlePNG(const char* bundleID, const char* fileName);
// At most kBundleTextMax bytes of the bundle's "txt" resource, as an owned,
// terminated copy; false, the text unchanged, when there is none.
bool LoadBundleText(const char* bundleID, const char* fileName, KIT_String* pText);
// The bundle's executable, and the folder holding the bundle followed by
// "/"; false when there is no such bundle.
bool BundleExecutablePath(const char* bundleID, KIT_String* pPath);
bool BundleFolder(const char* bundleID, KIT_String* pPath);

#endif
