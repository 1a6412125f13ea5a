#include "PIX_MemBitmap.h"

#include <cstdlib>

namespace {
// The allocated size is an int32 and the buffer carries 63 bytes of slack.
const int64_t kMaxPixelBytes = INT32_MAX - 63;
}  // namespace

PIX_MemBitmap::PIX_MemBitmap(int32_t width, int32_t height, int32_t rowAlignment)
{
  if (rowAlignment >= 2) {
    const uint32_t lowest = (uint32_t)rowAlignment & (0u - (uint32_t)rowAlignment);
    mAlignMask = lowest - 1 > 16 ? 16 : lowest - 1;
  }
  if (width != 0 || height != 0) Resize(width, height);
}

PIX_MemBitmap::~PIX_MemBitmap() { std::free(mBuffer); }

PIX_Pixel* PIX_MemBitmap::GetBits() { return reinterpret_cast<PIX_Pixel*>(((uintptr_t)mBuffer + 63) & ~(uintptr_t)63); }

bool PIX_MemBitmap::Resize(int32_t width, int32_t height)
{
  if (width == mWidth && height == mHeight) return false;
  // A negative size is no size.
  mWidth = width < 0 ? 0 : width;
  mHeight = height < 0 ? 0 : height;

  // Counted in 64 bits: a byte count beyond the int32 range cannot be held.
  const int64_t pixels = (int64_t)(((uint32_t)mWidth + mAlignMask) & ~mAlignMask) * mHeight;
  const int64_t needed = pixels > kMaxPixelBytes / 4 ? kMaxPixelBytes + 1 : pixels * 4;
  if (needed <= 0 || needed > kMaxPixelBytes) {
    std::free(mBuffer);
    mBuffer = nullptr;
    mAllocated = 0;
    if (needed > 0) mWidth = mHeight = 0;  // too big to hold: a failed allocation
    return true;
  }
  if (mBuffer && needed <= mAllocated) return true;
  if (mBuffer) {
    int64_t grown = needed + needed / 4;
    if (grown > kMaxPixelBytes) grown = kMaxPixelBytes;
    void* moved = std::realloc(mBuffer, (size_t)grown + 63);
    if (moved) {
      mBuffer = static_cast<uint8_t*>(moved);
      mAllocated = (int32_t)grown;
    } else {
      std::free(mBuffer);
      mBuffer = nullptr;
    }
  }
  if (!mBuffer) {
    mBuffer = static_cast<uint8_t*>(std::malloc((size_t)needed + 63));
    mAllocated = mBuffer ? (int32_t)needed : 0;
  }
  if (!mBuffer) mWidth = mHeight = 0;
  return true;
}
