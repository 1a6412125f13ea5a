#ifndef PIX_PNG_H
#define PIX_PNG_H

// PNG decoding into 32-bit PIX bitmaps. Every colour type ends in the same
// channel order; 16-bit channels keep their high byte; alpha is not
// premultiplied. Given a bitmap, the image is decoded into it (resized) and
// it is returned; otherwise a new PIX_MemBitmap the caller owns. Any failure
// (short, truncated or corrupt data, unreadable file) gives null.

#include <cstddef>
#include <cstdint>

#include "PIX_IBitmap.h"

PIX_IBitmap* PIX_LoadPNGFromMemory(const void* data, size_t length, PIX_IBitmap* bitmap);
// File name in UTF-8.
PIX_IBitmap* PIX_LoadPNG(const char* fileName, PIX_IBitmap* bitmap);
// With checkExtension, names not ending in ".png" (any case) give null.
PIX_IBitmap* PIX_LoadPNGByName(const char* fileName, bool checkExtension, PIX_IBitmap* bitmap);

#if defined(_WIN32)
// A resource of type "PNG" in the module (an HMODULE).
PIX_IBitmap* PIX_LoadPNGFromResource(void* module, uint16_t resourceId, PIX_IBitmap* bitmap);
#endif

// The image-loader records, linked at start-up.
struct PIX_ImageLoader {
  PIX_IBitmap* (*loadByName)(const char* fileName, bool checkExtension, PIX_IBitmap* bitmap);
  const char* (*fileTypes)();
  PIX_ImageLoader* next;
};
extern PIX_ImageLoader* PIX_gImageLoaders;

#endif
