#ifndef PIX_SYSBITMAP_H
#define PIX_SYSBITMAP_H

// A bitmap whose pixels the platform can copy to a window. In the Windows
// builds it is a DIB section selected into a memory device context; on
// macOS the pixels of a memory context of the Quartz drawing layer
// (kit/mac-drawing); elsewhere a memory-only stand-in with the same
// interface and allocation rules.

#include "PIX_IBitmap.h"

class PIX_SysBitmap : public PIX_IBitmap {
public:
  PIX_SysBitmap(int32_t width = 0, int32_t height = 0);
  ~PIX_SysBitmap() override;

  PIX_SysBitmap(const PIX_SysBitmap&) = delete;
  PIX_SysBitmap& operator=(const PIX_SysBitmap&) = delete;

  PIX_Pixel* GetBits() override { return mBits; }
  int32_t GetWidth() override { return mWidth; }
  int32_t GetHeight() override { return mHeight; }
  // The allocated width, a multiple of 4.
  int32_t GetRowSpan() override { return mAllocWidth; }
  bool Resize(int32_t width, int32_t height) override;
  // The memory device context: an HDC in the Windows builds, the drawing
  // layer's ContextRecord on macOS; null in the stand-in.
  void* GetDC() override { return mDC; }

private:
  enum EResize { kResizeSame, kResizeFits, kResizeNew };
  // What every platform's Resize does first: nothing for the same size;
  // else the size is stored and, unless the surface holds it, the new
  // allocation (the width rounded up to 4, or 0 when that is too wide).
  EResize BeginResize(int32_t width, int32_t height);

  int32_t mWidth = 0;
  int32_t mHeight = 0;
  void* mDC = nullptr;         // HDC or ContextRecord, owned
  PIX_Pixel* mBits = nullptr;  // the DIB's or the context's pixels (in the stand-in an owned buffer)
  int32_t mAllocWidth = 0;
  int32_t mAllocHeight = 0;
#if defined(_WIN32)
  void* mDIB = nullptr;        // HBITMAP, owned
  void* mOldBitmap = nullptr;  // HBITMAP selected back before deletion
#endif
};

inline PIX_SysBitmap::EResize PIX_SysBitmap::BeginResize(int32_t width, int32_t height)
{
  if (width == mWidth && height == mHeight) return kResizeSame;
  mWidth = width < 0 ? 0 : width;
  mHeight = height < 0 ? 0 : height;
  if (mWidth != 0 && mHeight != 0 && mWidth <= mAllocWidth && mHeight <= mAllocHeight && mBits) return kResizeFits;
  const int64_t allocWidth = ((int64_t)mWidth + 3) & ~(int64_t)3;
  mAllocWidth = allocWidth > INT32_MAX ? 0 : (int32_t)allocWidth;
  mAllocHeight = mHeight;
  return kResizeNew;
}

#endif
