#ifndef PIX_SAMPLING_H
#define PIX_SAMPLING_H

// Source sampling shared by the scaled, rotated and affine blits: 16.16
// positions, nearest pixel or bilinear with the edge rules of the last
// column and row, channel sums truncated.

#include <cmath>
#include <cstdint>

#include "PIX_IBitmap.h"

namespace pix_detail {

// Source rows by index, honouring a flipped bitmap.
struct SourceRows {
  const PIX_Pixel* bits;
  ptrdiff_t span;
  int32_t height;
  bool flipped;
  explicit SourceRows(PIX_IBitmap* src)
    : bits(src->GetBits()), span(src->GetRowSpan()), height(src->GetHeight()), flipped(src->IsFlipped())
  {}
  const PIX_Pixel* Row(int64_t y) const { return bits + (flipped ? height - 1 - y : y) * span; }
};

inline int32_t Ch(PIX_Pixel p, int shift) { return (int32_t)((p >> shift) & 0xFF); }

// Mixes two pixels, weight f (0..65536) on b.
template <class Emit>
inline void Mix2(PIX_Pixel a, PIX_Pixel b, uint32_t f, Emit emit)
{
  const uint32_t g = 65536 - f;
  auto mix = [&](int shift) { return (int32_t)((Ch(a, shift) * g + Ch(b, shift) * f) >> 16); };
  emit(mix(PIX_SHIFT_R), mix(PIX_SHIFT_G), mix(PIX_SHIFT_B), mix(PIX_SHIFT_A));
}

template <class Emit>
inline void Mix4(PIX_Pixel p00, PIX_Pixel p01, PIX_Pixel p10, PIX_Pixel p11, uint32_t fx, uint32_t fy, Emit emit)
{
  const uint32_t f = (fx * fy) >> 16;
  const uint32_t w11 = f, w01 = fx - f, w10 = fy - f, w00 = 65536 - fx - fy + f;
  auto mix = [&](int shift) {
    return (int32_t)((Ch(p00, shift) * w00 + Ch(p01, shift) * w01 + Ch(p10, shift) * w10 + Ch(p11, shift) * w11) >> 16);
  };
  emit(mix(PIX_SHIFT_R), mix(PIX_SHIFT_G), mix(PIX_SHIFT_B), mix(PIX_SHIFT_A));
}

template <class Emit>
inline void Single(PIX_Pixel p, Emit emit)
{
  emit(Ch(p, PIX_SHIFT_R), Ch(p, PIX_SHIFT_G), Ch(p, PIX_SHIFT_B), Ch(p, PIX_SHIFT_A));
}

// Samples within [left, right) x [top, bottom); false leaves the pixel alone.
struct Bounds {
  int64_t left, top, right, bottom;
};

template <class Emit>
inline bool SampleNearest(const SourceRows& src, const Bounds& b, int64_t x, int64_t y, Emit emit)
{
  if (x < b.left || x >= b.right || y < b.top || y >= b.bottom) return false;
  Single(src.Row(y)[x], emit);
  return true;
}

template <class Emit>
inline bool SampleBilinear(const SourceRows& src, const Bounds& b, int64_t x, int64_t y, uint32_t fx, uint32_t fy,
                           Emit emit)
{
  if (x < b.left || x >= b.right || y < b.top || y >= b.bottom) return false;
  const PIX_Pixel* r0 = src.Row(y) + x;
  if (y < b.bottom - 1) {
    const PIX_Pixel* r1 = src.Row(y + 1) + x;
    if (x < b.right - 1)
      Mix4(r0[0], r0[1], r1[0], r1[1], fx, fy, emit);
    else
      Mix2(r0[0], r1[0], fy, emit);
  } else if (x < b.right - 1) {
    Mix2(r0[0], r0[1], fx, emit);
  } else {
    Single(r0[0], emit);
  }
  return true;
}

// Float to integer, truncating toward zero and held to the int64 range a
// 16.16 position can use; NaN gives 0.
inline int64_t TruncToInt64(double v)
{
  if (!(v == v)) return 0;
  if (v > 4.0e18) return (int64_t)4e18;
  if (v < -4.0e18) return -(int64_t)4e18;
  return (int64_t)v;
}

// Source coordinates beyond this draw nothing: no bitmap reaches them.
inline bool SaneCoordinate(double v) { return std::fabs(v) <= 1073741824.0; }

}  // namespace pix_detail

#endif
