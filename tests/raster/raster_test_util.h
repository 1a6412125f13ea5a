#ifndef RASTER_TEST_UTIL_H
#define RASTER_TEST_UTIL_H

// Small helpers of the raster tests: patterned bitmaps and channel access.

#include <cstdint>
#include <ostream>
#include <vector>

#include "PIX_IBitmap.h"
#include "PIX_MemBitmap.h"

struct RGBA {
  int r, g, b, a;
  bool operator==(const RGBA& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
};

inline std::ostream& operator<<(std::ostream& os, const RGBA& c)
{
  return os << "(" << c.r << ", " << c.g << ", " << c.b << ", " << c.a << ")";
}

inline PIX_Pixel Px(const RGBA& c) { return PIX_MakePixel(c.r, c.g, c.b, c.a); }
inline RGBA Channels(PIX_Pixel p) { return RGBA{PIX_PixelR(p), PIX_PixelG(p), PIX_PixelB(p), PIX_PixelA(p)}; }

inline PIX_Pixel& At(PIX_IBitmap& bm, int x, int y) { return PIX_RowsAt(&bm, y).row[x]; }

// A deterministic pattern where neighbouring pixels and all four channels differ.
inline PIX_Pixel Pattern(int x, int y, int seed = 0)
{
  uint32_t h = (uint32_t)x * 73856093u ^ (uint32_t)y * 19349663u ^ (uint32_t)seed * 83492791u;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  h ^= h >> 15;
  return h;
}

inline void FillPattern(PIX_IBitmap& bm, int seed = 0)
{
  for (int y = 0; y < bm.GetHeight(); ++y)
    for (int x = 0; x < bm.GetWidth(); ++x) At(bm, x, y) = Pattern(x, y, seed);
}

inline std::vector<PIX_Pixel> Snapshot(PIX_IBitmap& bm)
{
  std::vector<PIX_Pixel> v;
  for (int y = 0; y < bm.GetHeight(); ++y)
    for (int x = 0; x < bm.GetWidth(); ++x) v.push_back(At(bm, x, y));
  return v;
}

// A bitmap stored bottom-up, to check that operations honour IsFlipped.
class FlippedBitmap : public PIX_IBitmap {
public:
  FlippedBitmap(int w, int h) : mMem(w, h) {}
  PIX_Pixel* GetBits() override { return mMem.GetBits(); }
  int32_t GetWidth() override { return mMem.GetWidth(); }
  int32_t GetHeight() override { return mMem.GetHeight(); }
  int32_t GetRowSpan() override { return mMem.GetRowSpan(); }
  bool IsFlipped() override { return true; }
  bool Resize(int32_t w, int32_t h) override { return mMem.Resize(w, h); }
  // Stored row k (0 = first in memory).
  PIX_Pixel* StoredRow(int k) { return mMem.GetBits() + (ptrdiff_t)k * mMem.GetRowSpan(); }

private:
  PIX_MemBitmap mMem;
};

#endif
