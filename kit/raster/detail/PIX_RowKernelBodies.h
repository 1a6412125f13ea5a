#ifndef PIX_ROWKERNELBODIES_H
#define PIX_ROWKERNELBODIES_H

// The row kernels, written once over a vector type V and compiled once per
// instruction set: a kernel file defines V and then includes this. V holds
// whole 128-bit lanes (V::kLanes of them, four pixels each) and names the
// operations below after what they do in every lane alike. Everything here
// has internal linkage, so that no code built for one instruction set can
// stand in for another's.
//
// The blends keep each channel's arithmetic exact in 16-bit lanes: a byte x
// scaled by f (0..256) and divided by 256 is the high half of (x << 8) x f.

#include <cstring>

#include "PIX_RowKernels.h"

namespace {

using pix_detail::BilinearTaps;

template <class V>
struct RowKernelBodies {
  using Vec = typename V::Vec;
  static constexpr int32_t kPixels = 4 * V::kLanes;

  // op(d, s) gives the new d, over whole vectors and then over the tail in
  // a padded copy, row after row.
  template <class Op>
  static void EachVector(PIX_Pixel* d, ptrdiff_t dStep, const PIX_Pixel* s, ptrdiff_t sStep, int32_t n, int32_t rows,
                         Op op)
  {
    const int32_t whole = n - n % kPixels;
    const size_t tail = (size_t)(n - whole) * sizeof(PIX_Pixel);
    for (; rows > 0; --rows, d += dStep, s += sStep) {
      int32_t i = 0;
      for (; i + 2 * kPixels <= whole; i += 2 * kPixels) {
        const Vec d0 = V::Load(d + i), d1 = V::Load(d + i + kPixels);
        const Vec s0 = V::Load(s + i), s1 = V::Load(s + i + kPixels);
        V::Store(d + i, op(d0, s0));
        V::Store(d + i + kPixels, op(d1, s1));
      }
      for (; i < whole; i += kPixels) V::Store(d + i, op(V::Load(d + i), V::Load(s + i)));
      if (tail == 0) continue;
      PIX_Pixel dt[kPixels] = {}, st[kPixels] = {};
      std::memcpy(dt, d + whole, tail);
      std::memcpy(st, s + whole, tail);
      V::Store(dt, op(V::Load(dt), V::Load(st)));
      std::memcpy(d + whole, dt, tail);
    }
  }

  static Vec AlphaMask() { return V::Set32((int32_t)(0xFFu << PIX_SHIFT_A)); }
  static Vec Half(Vec p) { return V::And(V::template ShiftRight16<1>(p), V::Set16(0x7F7F)); }
  static Vec Quarter(Vec p) { return V::And(V::template ShiftRight16<2>(p), V::Set16(0x3F3F)); }

  // (x x f) >> 8 per byte, f (0..256) per 16-bit lane of the low and the high half.
  static Vec ScaleBytes(Vec x, Vec fLow, Vec fHigh)
  {
    const Vec z = V::Zero();
    return V::PackUnsigned16(V::MulHigh16(V::UnpackLow8(z, x), fLow), V::MulHigh16(V::UnpackHigh8(z, x), fHigh));
  }

  // s + (d - s) x f / 256 per byte, truncated toward zero: the difference's
  // size scaled, then added or taken away.
  static Vec TowardSource(Vec d, Vec s, Vec fLow, Vec fHigh)
  {
    const Vec up = V::SubSaturate8(d, s), down = V::SubSaturate8(s, d);
    const Vec q = ScaleBytes(V::Or(up, down), fLow, fHigh);
    return V::Sub8(V::Add8(s, V::Min8(q, up)), V::Min8(q, down));
  }

  // Each pixel's alpha, from 16-bit channel lanes, in all four of its lanes.
  static Vec SpreadAlpha(Vec words)
  {
    constexpr int kAlpha = PIX_BYTE_A * 0x55;
    return V::template ShuffleHigh16<kAlpha>(V::template ShuffleLow16<kAlpha>(words));
  }

  // ((a + 1) x w) >> 8 per pixel, from 16-bit lanes of alpha; w = 256 as a + 1.
  template <bool kFull>
  static Vec SourceAlphaWeight(Vec alpha, Vec w)
  {
    const Vec a1 = V::Add16(alpha, V::Set16(1));
    return kFull ? a1 : V::template ShiftRight16<8>(V::MulLow16(a1, w));
  }

  static void MixHalf(PIX_Pixel* d, ptrdiff_t dStep, const PIX_Pixel* s, ptrdiff_t sStep, int32_t n, int32_t rows,
                      int32_t)
  {
    EachVector(d, dStep, s, sStep, n, rows, [](Vec dv, Vec sv) { return V::Add8(Half(dv), Half(sv)); });
  }

  static void MixQuarter(PIX_Pixel* d, ptrdiff_t dStep, const PIX_Pixel* s, ptrdiff_t sStep, int32_t n, int32_t rows,
                         int32_t)
  {
    EachVector(d, dStep, s, sStep, n, rows,
               [](Vec dv, Vec sv) { return V::Add8(V::Add8(Half(dv), Quarter(dv)), Quarter(sv)); });
  }

  static void MixThreeQuarters(PIX_Pixel* d, ptrdiff_t dStep, const PIX_Pixel* s, ptrdiff_t sStep, int32_t n,
                               int32_t rows, int32_t)
  {
    EachVector(d, dStep, s, sStep, n, rows,
               [](Vec dv, Vec sv) { return V::Add8(V::Add8(Quarter(dv), Quarter(sv)), Half(sv)); });
  }

  static void CopyAlpha(PIX_Pixel* d, ptrdiff_t dStep, const PIX_Pixel* s, ptrdiff_t sStep, int32_t n, int32_t rows,
                        int32_t w)
  {
    const Vec f = V::Set16(256 - w);
    EachVector(d, dStep, s, sStep, n, rows, [f](Vec dv, Vec sv) { return TowardSource(dv, sv, f, f); });
  }

  // Factor 255 - a, which makes an opaque pixel a plain copy; a transparent
  // one keeps the destination. Runs of either are common in real images.
  static void CopySourceAlphaFull(PIX_Pixel* d, ptrdiff_t dStep, const PIX_Pixel* s, ptrdiff_t sStep, int32_t n,
                                  int32_t rows, int32_t)
  {
    EachVector(d, dStep, s, sStep, n, rows, [](Vec dv, Vec sv) {
      const Vec a = V::And(sv, AlphaMask());
      if (V::MoveMask8(V::Equal32(a, AlphaMask())) == V::kAllBytes) return sv;
      const Vec clear = V::Equal32(a, V::Zero());
      if (V::MoveMask8(clear) == V::kAllBytes) return dv;
      const Vec inverse = V::Xor(sv, V::Set32(-1)), z = V::Zero();
      const Vec fLow = SpreadAlpha(V::UnpackLow8(inverse, z)), fHigh = SpreadAlpha(V::UnpackHigh8(inverse, z));
      return V::Select(clear, dv, TowardSource(dv, sv, fLow, fHigh));
    });
  }

  static void CopySourceAlpha(PIX_Pixel* d, ptrdiff_t dStep, const PIX_Pixel* s, ptrdiff_t sStep, int32_t n,
                              int32_t rows, int32_t w)
  {
    const Vec wv = V::Set16(w);
    EachVector(d, dStep, s, sStep, n, rows, [wv](Vec dv, Vec sv) {
      const Vec z = V::Zero(), full = V::Set16(256);
      const Vec fLow = V::Sub16(full, SourceAlphaWeight<false>(SpreadAlpha(V::UnpackLow8(sv, z)), wv));
      const Vec fHigh = V::Sub16(full, SourceAlphaWeight<false>(SpreadAlpha(V::UnpackHigh8(sv, z)), wv));
      const Vec clear = V::Equal32(V::And(sv, AlphaMask()), z);
      return V::Select(clear, dv, TowardSource(dv, sv, fLow, fHigh));
    });
  }

  static void Add(PIX_Pixel* d, ptrdiff_t dStep, const PIX_Pixel* s, ptrdiff_t sStep, int32_t n, int32_t rows,
                  int32_t w)
  {
    if (w == 256) {
      EachVector(d, dStep, s, sStep, n, rows, [](Vec dv, Vec sv) { return V::AddSaturate8(dv, sv); });
      return;
    }
    const Vec wv = V::Set16(w);
    EachVector(d, dStep, s, sStep, n, rows,
               [wv](Vec dv, Vec sv) { return V::AddSaturate8(dv, ScaleBytes(sv, wv, wv)); });
  }

  // A transparent source pixel gets weight 0 or 1, which adds nothing.
  template <bool kFull>
  static void AddSourceAlphaAt(PIX_Pixel* d, ptrdiff_t dStep, const PIX_Pixel* s, ptrdiff_t sStep, int32_t n,
                               int32_t rows, int32_t w)
  {
    const Vec wv = V::Set16(w);
    EachVector(d, dStep, s, sStep, n, rows, [wv](Vec dv, Vec sv) {
      const Vec z = V::Zero();
      const Vec wLow = SourceAlphaWeight<kFull>(SpreadAlpha(V::UnpackLow8(sv, z)), wv);
      const Vec wHigh = SourceAlphaWeight<kFull>(SpreadAlpha(V::UnpackHigh8(sv, z)), wv);
      return V::AddSaturate8(dv, ScaleBytes(sv, wLow, wHigh));
    });
  }

  static void AddSourceAlpha(PIX_Pixel* d, ptrdiff_t dStep, const PIX_Pixel* s, ptrdiff_t sStep, int32_t n,
                             int32_t rows, int32_t w)
  {
    if (w == 256)
      AddSourceAlphaAt<true>(d, dStep, s, sStep, n, rows, w);
    else
      AddSourceAlphaAt<false>(d, dStep, s, sStep, n, rows, w);
  }

  static void Fill(PIX_Pixel* d, ptrdiff_t dStep, int32_t n, int32_t rows, PIX_Pixel color)
  {
    const Vec c = V::Set32((int32_t)color);
    for (; rows > 0; --rows, d += dStep) {
      int32_t i = 0;
      for (; i + 4 * kPixels <= n; i += 4 * kPixels) {
        V::Store(d + i, c);
        V::Store(d + i + kPixels, c);
        V::Store(d + i + 2 * kPixels, c);
        V::Store(d + i + 3 * kPixels, c);
      }
      for (; i + kPixels <= n; i += kPixels) V::Store(d + i, c);
      for (; i < n; ++i) d[i] = color;
    }
  }

  static void NearestRow(PIX_Pixel* out, const PIX_Pixel* row, const int32_t* cols, int32_t n)
  {
    int32_t i = 0;
    for (; i + kPixels <= n; i += kPixels) V::Store(out + i, V::Gather(row, cols + i));
    for (; i < n; ++i) out[i] = row[cols[i]];
  }

  // Taps of the pixels that one half of a vector widens to 16-bit lanes:
  // pixels 2h and 2h + 1 of each 128-bit lane l, that is of the source
  // columns 4l + 2h and 4l + 2h + 1.
  template <bool kHigh>
  static void TapsOfHalf(BilinearTaps* taps, Vec p00, Vec p01, Vec p10, Vec p11)
  {
    const Vec z = V::Zero();
    auto widen = [z](Vec p) { return kHigh ? V::UnpackHigh8(p, z) : V::UnpackLow8(p, z); };
    const Vec w00 = widen(p00), w01 = widen(p01), w10 = widen(p10), w11 = widen(p11);
    const Vec a = V::Sub16(w01, w00), b = V::Sub16(w10, w00);
    const Vec c = V::Sub16(V::Sub16(w11, w10), a), ns = V::Sub16(V::Sub16(z, w00), w11);
    BilinearTaps* t = taps + 2 * kHigh;
    BilinearTaps* upper = t + 4 * (V::kLanes - 1);
    V::StoreTaps(t, upper, V::UnpackLow16(a, b), V::UnpackLow16(c, ns));
    V::StoreTaps(t + 1, upper + 1, V::UnpackHigh16(a, b), V::UnpackHigh16(c, ns));
  }

  // Taps of kPixels source columns.
  static void TapsOf(BilinearTaps* taps, const PIX_Pixel* r0, const PIX_Pixel* r1)
  {
    const Vec p00 = V::Load(r0), p01 = V::Load(r0 + 1), p10 = V::Load(r1), p11 = V::Load(r1 + 1);
    TapsOfHalf<false>(taps, p00, p01, p10, p11);
    TapsOfHalf<true>(taps, p00, p01, p10, p11);
  }

  static void BilinearTapsRow(BilinearTaps* taps, const PIX_Pixel* r0, const PIX_Pixel* r1, int32_t n)
  {
    int32_t k = 0;
    for (; k + kPixels <= n; k += kPixels) TapsOf(taps + k, r0 + k, r1 + k);
    if (k == n) return;
    const size_t pixels = (size_t)(n - k) + 1;
    PIX_Pixel t0[kPixels + 1] = {}, t1[kPixels + 1] = {};
    std::memcpy(t0, r0 + k, pixels * sizeof(PIX_Pixel));
    std::memcpy(t1, r1 + k, pixels * sizeof(PIX_Pixel));
    BilinearTaps t[kPixels];
    TapsOf(t, t0, t1);
    std::memcpy(taps + k, t, (pixels - 1) * sizeof(BilinearTaps));
  }

  // Pixels g and g + 4 of a block: lane l of the result holds the channel
  // sums of pixel g + 4l, shifted down to 0..255.
  template <int g>
  static Vec SampleOf(const BilinearTaps* taps, const int32_t* cols, Vec w1, Vec w2)
  {
    Vec ab, cn;
    V::LoadTaps(taps[cols[g]], taps[cols[g + 4 * (V::kLanes - 1)]], &ab, &cn);
    const Vec sum = V::Add32(V::MulAdd16(ab, V::template Shuffle32<g * 0x55>(w1)),
                             V::MulAdd16(cn, V::template Shuffle32<g * 0x55>(w2)));
    return V::template ShiftRightSigned32<16>(sum);
  }

  // The weight pairs of a block, a pixel's in each 32-bit lane, less 32768
  // as the taps want them: (fx, fy) and (f, 0) with f = (fx x fy) >> 16.
  static Vec SampleBlock(const BilinearTaps* taps, const int32_t* cols, const uint16_t* fx, uint32_t fy)
  {
    const Vec x = V::LoadWords(fx);
    const Vec a = V::Xor(x, V::Set32((int32_t)(0x8000u | ((fy ^ 0x8000u) << 16))));
    const Vec b = V::Xor(V::MulHigh16(x, V::Set32((int32_t)fy)), V::Set32((int32_t)0x80008000u));
    const Vec s01 = V::PackSigned32(SampleOf<0>(taps, cols, a, b), SampleOf<1>(taps, cols, a, b));
    const Vec s23 = V::PackSigned32(SampleOf<2>(taps, cols, a, b), SampleOf<3>(taps, cols, a, b));
    return V::PackUnsigned16(s01, s23);
  }

  static void BilinearRow(PIX_Pixel* out, const BilinearTaps* taps, const int32_t* cols, const uint16_t* fx,
                          uint32_t fy, int32_t n)
  {
    int32_t i = 0;
    for (; i + kPixels <= n; i += kPixels) V::Store(out + i, SampleBlock(taps, cols + i, fx + i, fy));
    if (i == n) return;
    // The tail repeats its first pixel to fill the block.
    int32_t c[kPixels];
    uint16_t f[kPixels];
    for (int32_t j = 0; j < kPixels; ++j) {
      const int32_t from = i + j < n ? i + j : i;
      c[j] = cols[from], f[j] = fx[from];
    }
    PIX_Pixel t[kPixels];
    V::Store(t, SampleBlock(taps, c, f, fy));
    std::memcpy(out + i, t, (size_t)(n - i) * sizeof(PIX_Pixel));
  }
};

template <class V>
constexpr pix_detail::RowKernels kRowKernelsOf = {
    &RowKernelBodies<V>::MixHalf,    &RowKernelBodies<V>::MixQuarter,          &RowKernelBodies<V>::MixThreeQuarters,
    &RowKernelBodies<V>::CopyAlpha,  &RowKernelBodies<V>::CopySourceAlphaFull, &RowKernelBodies<V>::CopySourceAlpha,
    &RowKernelBodies<V>::Add,        &RowKernelBodies<V>::AddSourceAlpha,      &RowKernelBodies<V>::Fill,
    &RowKernelBodies<V>::NearestRow, &RowKernelBodies<V>::BilinearTapsRow,     &RowKernelBodies<V>::BilinearRow,
};

}  // namespace

#endif
