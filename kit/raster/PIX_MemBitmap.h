#ifndef PIX_MEMBITMAP_H
#define PIX_MEMBITMAP_H

// A bitmap in a heap buffer: 64-byte aligned rows, growing with headroom so
// that scratch bitmaps resized often do not reallocate each time.

#include "PIX_IBitmap.h"

class PIX_MemBitmap : public PIX_IBitmap {
public:
  // Row alignment in pixels (a power of two); the system always passes 4.
  explicit PIX_MemBitmap(int32_t width = 0, int32_t height = 0, int32_t rowAlignment = 4);
  ~PIX_MemBitmap() override;

  PIX_MemBitmap(const PIX_MemBitmap&) = delete;
  PIX_MemBitmap& operator=(const PIX_MemBitmap&) = delete;

  PIX_Pixel* GetBits() override;
  int32_t GetWidth() override { return mWidth; }
  int32_t GetHeight() override { return mHeight; }
  int32_t GetRowSpan() override { return (int32_t)(((uint32_t)mWidth + mAlignMask) & ~mAlignMask); }
  bool Resize(int32_t width, int32_t height) override;

private:
  uint8_t* mBuffer = nullptr;  // owned; 63 bytes of slack for the alignment
  int32_t mWidth = 0;
  int32_t mHeight = 0;
  int32_t mAllocated = 0;  // bytes for pixels, slack not counted
  uint32_t mAlignMask = 0;
};

#endif
