#ifndef SHAPE_TEST_BITMAP_H
#define SHAPE_TEST_BITMAP_H

// A bitmap for shape tests: its pixels sit inside a guard frame (rows above
// and below, columns before and after, and the row padding), so a write
// outside the visible pixels shows; it can report itself flipped.

#include <cstdint>
#include <string>
#include <vector>

#include "PIX_IBitmap.h"
#include "PIX_Pixel.h"

class ShapeTestBitmap : public PIX_IBitmap {
public:
  static constexpr PIX_Pixel kGuard = 0xA5A5A5A5u;

  ShapeTestBitmap(int32_t width, int32_t height, PIX_Pixel fill = 0, bool flipped = false)
    : mWidth(width), mHeight(height), mSpan(width + 5), mFlipped(flipped),
      mStore((size_t)(height + 2 * kGuardRows) * mSpan + 2 * kGuardRows, kGuard)
  {
    Fill(fill);
  }

  PIX_Pixel* GetBits() override { return mStore.data() + kGuardRows + (size_t)kGuardRows * mSpan; }
  int32_t GetWidth() override { return mWidth; }
  int32_t GetHeight() override { return mHeight; }
  int32_t GetRowSpan() override { return mSpan; }
  bool IsFlipped() override { return mFlipped; }
  bool Resize(int32_t, int32_t) override { return false; }

  void Fill(PIX_Pixel p)
  {
    for (int32_t y = 0; y < mHeight; ++y)
      for (int32_t x = 0; x < mWidth; ++x) Stored(x, y) = p;
  }

  // Pixel at a logical position (row 0 at the top as drawn).
  PIX_Pixel& At(int32_t x, int32_t y) { return Stored(x, mFlipped ? mHeight - 1 - y : y); }

  // True when nothing outside the visible pixels has been written.
  bool GuardIntact() const
  {
    const PIX_Pixel* base = mStore.data() + kGuardRows + (size_t)kGuardRows * mSpan;
    for (size_t i = 0; i < mStore.size(); ++i) {
      const ptrdiff_t off = (ptrdiff_t)i - (base - mStore.data());
      const bool visible = off >= 0 && off / mSpan < mHeight && off % mSpan < mWidth;
      if (!visible && mStore[i] != kGuard) return false;
    }
    return true;
  }

  // One text row per pixel row: '.' where the pixel equals `background`,
  // '#' elsewhere; rows joined by '/'.
  std::string Art(PIX_Pixel background = 0)
  {
    std::string s;
    for (int32_t y = 0; y < mHeight; ++y) {
      if (y) s += '/';
      for (int32_t x = 0; x < mWidth; ++x) s += At(x, y) == background ? '.' : '#';
    }
    return s;
  }

  // Count of pixels that differ from `background`.
  int32_t Changed(PIX_Pixel background = 0)
  {
    int32_t n = 0;
    for (int32_t y = 0; y < mHeight; ++y)
      for (int32_t x = 0; x < mWidth; ++x) n += At(x, y) != background;
    return n;
  }

private:
  static constexpr int32_t kGuardRows = 2;
  PIX_Pixel& Stored(int32_t x, int32_t y) { return GetBits()[(ptrdiff_t)y * mSpan + x]; }

  int32_t mWidth, mHeight, mSpan;
  bool mFlipped;
  std::vector<PIX_Pixel> mStore;
};

// A grey pixel with every channel, alpha included, at v.
inline PIX_Pixel Grey(uint32_t v) { return PIX_MakePixel(v, v, v, v); }

#endif
