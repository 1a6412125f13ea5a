// Memory contexts: a Quartz bitmap context over zeroed pixels of the
// record's own, flipped so that row 0 is the top row, as a Windows DIB
// section is.
#include <stdlib.h>

#include "MacDrawingRecords.h"

namespace {
const size_t kAlignment = 64;
const int kBitsPerComponent = 8;
const int kBytesPerPixel = 4;

// The first aligned byte of a buffer allocated kAlignment - 1 bytes over.
void* AlignedPixels(void* buffer)
{
  return (void*)(((uintptr_t)buffer + kAlignment - 1) & ~(uintptr_t)(kAlignment - 1));
}
}  // namespace

ContextRecord* CreateMemContext(ContextRecord* reference, int width, int height)
{
  // No surface holds more than 2 GB, as no PIX bitmap does.
  if (width <= 0 || height <= 0 || (int64_t)width * height > INT32_MAX / kBytesPerPixel) return nullptr;
  const size_t rowBytes = (size_t)width * kBytesPerPixel;
  void* buffer = calloc(rowBytes * (size_t)height + kAlignment - 1, 1);
  if (!buffer) return nullptr;
  void* pixels = AlignedPixels(buffer);

  CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
  CGContextRef context = space ? CGBitmapContextCreate(pixels, (size_t)width, (size_t)height, kBitsPerComponent,
                                                       rowBytes, space, kCGImageAlphaNoneSkipFirst)
                               : nullptr;
  if (space) CGColorSpaceRelease(space);
  ContextRecord* record = context ? AllocContextRecord() : nullptr;
  if (!record) {
    if (context) CGContextRelease(context);
    free(buffer);
    return nullptr;
  }
  CGContextTranslateCTM(context, 0, (CGFloat)height);
  CGContextScaleCTM(context, 1, -1);
  record->mContext = context;
  record->mBuffer = buffer;
  SetContextTextColor(record, 0);
  return record;
}

void* GetContextBits(ContextRecord* context)
{
  if (!context || !context->mBuffer) return nullptr;
  return AlignedPixels(context->mBuffer);
}

void DeleteContext(ContextRecord* context)
{
  if (!context || context->mFree) return;
  if (context->mBuffer) {
    CGContextRelease(context->mContext);
    free(context->mBuffer);
  }
  ReleaseContextTextColor(context);
  ReturnContextRecord(context);
}
