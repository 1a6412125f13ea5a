#ifndef PIX_BLEND_H
#define PIX_BLEND_H

// The blend-mode word, the alpha-to-weight rule and the pixel combiners.
//
// A combiner lays one colour (r, g, b, a, each 0..255) onto one destination
// pixel with an integer weight w (256 = full). Each is a small type whose
// static Apply (also reachable as operator()) does one pixel, so a drawing
// loop written as a generic lambda is compiled once per combiner and its
// inner loop never tests the mode:
//
//   const int32_t w = PIX_AlphaToWeight(alpha);
//   PIX_WithPlainCombiner(mode, w, [&](auto combine) {
//     for (...) combine(pixel, r, g, b, a, w);
//   });
//
// PIX_WithBlendCombiner selects as the blits do (mode AND 0x100FF, source
// alpha honoured); PIX_WithPlainCombiner as fills, glyphs, single pixels,
// lines, polygons and circles do (low byte only, plain forms). Both return
// false, without calling the loop, when the mode and weight draw nothing.
// Whole-word fast paths (weights 256, 128, 64, 192 in copy mode) are the
// operation's own business and come before the dispatch. Combiners whose
// kBytewise is true treat all four channels alike: they define only Byte(d,
// s, w) for one channel, their Apply is made from it, and a loop over
// contiguous pixels may run byte by byte. Code that must call per pixel
// through a pointer (rotated and affine blits) takes PIX_BlendCombinerFn
// instead.

#include <cstdint>

#include "PIX_Pixel.h"

// Low byte: the combine mode.
enum : int32_t {
  PIX_MODE_COPY = 0,
  PIX_MODE_ADD = 1,
  PIX_MODE_DODGE = 2,
  PIX_MODE_MULTIPLY = 3,
  PIX_MODE_OVERLAY = 4,
  PIX_MODE_HSV_ADJUST = 5,
  PIX_MODE_CHANNEL_COPY = 0xF0,  // 0xF0..0xFF, blits only: bits 2-3 dest byte, bits 0-1 source byte
  PIX_MODE_MASK = 0xFF,
  PIX_MODE_FILTER_MASK = 0xFF00,
  PIX_MODE_BILINEAR = 0x100,  // filter field value 1
  PIX_MODE_SOURCE_ALPHA = 0x10000,
  PIX_MODE_BLEND_SELECT = 0x100FF,  // what the blits select their combiner by
};

// The filter field of a mode word (bits 8-15); 1 asks for bilinear sampling.
inline int32_t PIX_ModeFilter(int32_t mode) { return (mode & PIX_MODE_FILTER_MASK) >> 8; }

// trunc(alpha x 256). NaN gives 0, and the weight is held to +-4096 so that
// no combiner's integer arithmetic can overflow for an absurd alpha.
inline int32_t PIX_AlphaToWeight(float alpha)
{
  if (!(alpha == alpha)) return 0;
  if (alpha > 16.0f) return 4096;
  if (alpha < -16.0f) return -4096;
  return (int32_t)(alpha * 256.0f);
}

// The storing forms keep the low 8 bits of a result.
inline uint8_t PIX_Store8(int32_t v) { return (uint8_t)v; }

namespace pix_detail {

inline uint8_t* Bytes(PIX_Pixel* d) { return reinterpret_cast<uint8_t*>(d); }

// Runs op(destByte, sourceChannel) for the four channels, alpha included.
template <class Op>
inline void EachChannel(PIX_Pixel* d, int32_t r, int32_t g, int32_t b, int32_t a, Op op)
{
  uint8_t* p = Bytes(d);
  op(p[PIX_BYTE_R], r);
  op(p[PIX_BYTE_G], g);
  op(p[PIX_BYTE_B], b);
  op(p[PIX_BYTE_A], a);
}

inline uint8_t Out(bool clamp, int32_t v) { return clamp ? PIX_Clamp8(v) : PIX_Store8(v); }

inline int32_t SourceAlphaWeight(int32_t a, int32_t w) { return ((a + 1) * w) / 256; }

// What every combiner C offers beside its own Apply: the call form.
template <class C>
struct Combiner {
  static constexpr bool kBytewise = false;
  void operator()(PIX_Pixel* d, int32_t r, int32_t g, int32_t b, int32_t a, int32_t w) const
  {
    C::Apply(d, r, g, b, a, w);
  }
};

// A combiner that treats the four channels alike: its Apply runs C::Byte on each.
template <class C>
struct BytewiseCombiner : Combiner<C> {
  static constexpr bool kBytewise = true;
  static void Apply(PIX_Pixel* d, int32_t r, int32_t g, int32_t b, int32_t a, int32_t w)
  {
    EachChannel(d, r, g, b, a, [w](uint8_t& dc, int32_t s) { dc = C::Byte(dc, s, w); });
  }
};

}  // namespace pix_detail

// Mode 0 at weight 256: d = s.
template <bool Clamp>
struct PIX_CombineCopyT : pix_detail::BytewiseCombiner<PIX_CombineCopyT<Clamp>> {
  static uint8_t Byte(int32_t d, int32_t s, int32_t) { return pix_detail::Out(Clamp, s); }
};

// Mode 0 at any other weight: d = s + ((d - s) x (256 - w)) / 256.
template <bool Clamp>
struct PIX_CombineCopyAlphaT : pix_detail::BytewiseCombiner<PIX_CombineCopyAlphaT<Clamp>> {
  static uint8_t Byte(int32_t d, int32_t s, int32_t w)
  {
    return pix_detail::Out(Clamp, s + ((d - s) * (256 - w)) / 256);
  }
};

// Mode 1: d = clamp(d + s x w / 256).
struct PIX_CombineAdd : pix_detail::BytewiseCombiner<PIX_CombineAdd> {
  static uint8_t Byte(int32_t d, int32_t s, int32_t w) { return PIX_Clamp8(d + (s * w) / 256); }
};

// Mode 2: colour dodge.
struct PIX_CombineDodge : pix_detail::BytewiseCombiner<PIX_CombineDodge> {
  static uint8_t Byte(int32_t d, int32_t s, int32_t w)
  {
    const int32_t q = 256 - (s * w) / 256;
    return PIX_Clamp8(q >= 2 ? (d * 256) / q : d * 256);
  }
};

// Mode 3: d = d x (s x w + (256 - w) x 256) / 65536.
template <bool Clamp>
struct PIX_CombineMultiplyT : pix_detail::BytewiseCombiner<PIX_CombineMultiplyT<Clamp>> {
  static uint8_t Byte(int32_t d, int32_t s, int32_t w)
  {
    return pix_detail::Out(Clamp, (d * (s * w + (256 - w) * 256)) / 65536);
  }
};

// Mode 4: overlay.
struct PIX_CombineOverlay : pix_detail::BytewiseCombiner<PIX_CombineOverlay> {
  static uint8_t Byte(int32_t d, int32_t s, int32_t w)
  {
    const int32_t m = s * w + (256 - w) * 128;
    return PIX_Clamp8(((((32768 - m) * d) / 256 + m) * d) / 32768);
  }
};

// Mode 5: the colour is an adjustment, red a hue shift, green a saturation
// and blue a value change, each centred on 128; the alpha becomes a.
struct PIX_CombineHSVAdjust : pix_detail::Combiner<PIX_CombineHSVAdjust> {
  static void Apply(PIX_Pixel* d, int32_t r, int32_t g, int32_t b, int32_t a, int32_t w)
  {
    const uint8_t* p = pix_detail::Bytes(d);
    int32_t h, s, v;
    PIX_RGBToHSV(p[PIX_BYTE_R], p[PIX_BYTE_G], p[PIX_BYTE_B], &h, &s, &v);
    h += ((r + r / 2 - 192) * w) / 256;
    if (h < 0)
      h += 384;
    else if (h >= 384)
      h -= 384;
    s = PIX_Clamp8(s + ((g - 128) * w) / 128);
    v = PIX_Clamp8(v + ((b - 128) * w) / 128);
    *d = PIX_HSVToRGB(h, s, v, a);
  }
};

// The source-alpha form of a plain combiner: weight ((a + 1) x w) / 256,
// and nothing at all for a = 0 where SkipTransparent.
template <class Plain, bool SkipTransparent>
struct PIX_SourceAlpha : pix_detail::Combiner<PIX_SourceAlpha<Plain, SkipTransparent>> {
  static void Apply(PIX_Pixel* d, int32_t r, int32_t g, int32_t b, int32_t a, int32_t w)
  {
    if (SkipTransparent && a == 0) return;
    Plain::Apply(d, r, g, b, a, pix_detail::SourceAlphaWeight(a, w));
  }
};

// Mode 0x10000: the copy at weight ((a + 1) x w) / 256, nothing for a = 0.
template <bool Clamp>
using PIX_CombineCopySourceAlphaT = PIX_SourceAlpha<PIX_CombineCopyAlphaT<Clamp>, true>;

// Mode 0x10000 at weight 256: the same pixels, an opaque source a plain copy.
template <bool Clamp>
struct PIX_CombineCopySourceAlphaFullT : pix_detail::Combiner<PIX_CombineCopySourceAlphaFullT<Clamp>> {
  static void Apply(PIX_Pixel* d, int32_t r, int32_t g, int32_t b, int32_t a, int32_t)
  {
    if (a == 255)
      PIX_CombineCopyT<Clamp>::Apply(d, r, g, b, a, 256);
    else
      PIX_CombineCopySourceAlphaT<Clamp>::Apply(d, r, g, b, a, 256);
  }
};

// The storing forms, which every dispatcher selects.
using PIX_CombineCopy = PIX_CombineCopyT<false>;
using PIX_CombineCopyAlpha = PIX_CombineCopyAlphaT<false>;
using PIX_CombineCopySourceAlphaFull = PIX_CombineCopySourceAlphaFullT<false>;
using PIX_CombineCopySourceAlpha = PIX_CombineCopySourceAlphaT<false>;
using PIX_CombineMultiply = PIX_CombineMultiplyT<false>;
// The clamping forms (same pixels for weights 0..256) that the gradient
// fill uses; the dispatchers reach the others through their Clamp argument.
using PIX_CombineCopyAlphaClamped = PIX_CombineCopyAlphaT<true>;
using PIX_CombineMultiplyClamped = PIX_CombineMultiplyT<true>;

using PIX_CombineAddSourceAlpha = PIX_SourceAlpha<PIX_CombineAdd, true>;
using PIX_CombineDodgeSourceAlpha = PIX_SourceAlpha<PIX_CombineDodge, false>;
using PIX_CombineMultiplySourceAlpha = PIX_SourceAlpha<PIX_CombineMultiply, true>;
using PIX_CombineOverlaySourceAlpha = PIX_SourceAlpha<PIX_CombineOverlay, false>;
using PIX_CombineHSVAdjustSourceAlpha = PIX_SourceAlpha<PIX_CombineHSVAdjust, false>;

// Calls loop(combiner) with the combiner the blits select for mode AND
// 0x100FF and weight w; false when that draws nothing (w = 0, copy below
// weight 1, channel copy, low bytes 6..0xFF). Clamp picks the clamping forms.
template <bool Clamp = false, class Loop>
inline bool PIX_WithBlendCombiner(int32_t mode, int32_t w, Loop&& loop)
{
  if (w == 0) return false;
  switch (mode & PIX_MODE_BLEND_SELECT) {
    case PIX_MODE_COPY:
      if (w == 256)
        loop(PIX_CombineCopyT<Clamp>());
      else if (w >= 1)
        loop(PIX_CombineCopyAlphaT<Clamp>());
      else
        return false;
      return true;
    case PIX_MODE_ADD: loop(PIX_CombineAdd()); return true;
    case PIX_MODE_DODGE: loop(PIX_CombineDodge()); return true;
    case PIX_MODE_MULTIPLY: loop(PIX_CombineMultiplyT<Clamp>()); return true;
    case PIX_MODE_OVERLAY: loop(PIX_CombineOverlay()); return true;
    case PIX_MODE_HSV_ADJUST: loop(PIX_CombineHSVAdjust()); return true;
    case PIX_MODE_SOURCE_ALPHA | PIX_MODE_COPY:
      if (w == 256)
        loop(PIX_CombineCopySourceAlphaFullT<Clamp>());
      else
        loop(PIX_CombineCopySourceAlphaT<Clamp>());
      return true;
    case PIX_MODE_SOURCE_ALPHA | PIX_MODE_ADD: loop(PIX_CombineAddSourceAlpha()); return true;
    case PIX_MODE_SOURCE_ALPHA | PIX_MODE_DODGE: loop(PIX_CombineDodgeSourceAlpha()); return true;
    case PIX_MODE_SOURCE_ALPHA | PIX_MODE_MULTIPLY:
      loop(PIX_SourceAlpha<PIX_CombineMultiplyT<Clamp>, true>());
      return true;
    case PIX_MODE_SOURCE_ALPHA | PIX_MODE_OVERLAY: loop(PIX_CombineOverlaySourceAlpha()); return true;
    case PIX_MODE_SOURCE_ALPHA | PIX_MODE_HSV_ADJUST: loop(PIX_CombineHSVAdjustSourceAlpha()); return true;
    default: return false;
  }
}

// Calls loop(combiner) with the plain combiner of the mode's low byte (the
// source-alpha bit and higher bits are ignored); false when that draws
// nothing (w = 0, copy below weight 1, low byte above 5).
template <bool Clamp = false, class Loop>
inline bool PIX_WithPlainCombiner(int32_t mode, int32_t w, Loop&& loop)
{
  return PIX_WithBlendCombiner<Clamp>(mode & PIX_MODE_MASK, w, static_cast<Loop&&>(loop));
}

typedef void (*PIX_CombinerFn)(PIX_Pixel* d, int32_t r, int32_t g, int32_t b, int32_t a, int32_t w);

// The blit combiner as a function pointer, or null when nothing is drawn.
inline PIX_CombinerFn PIX_BlendCombinerFn(int32_t mode, int32_t w)
{
  PIX_CombinerFn fn = nullptr;
  PIX_WithBlendCombiner(mode, w, [&fn](auto combine) { fn = &decltype(combine)::Apply; });
  return fn;
}

// One colour into one pixel through the blit table (mode AND 0x100FF), for
// drawing code that combines single pixels: storing forms, clamping forms,
// and by value (colour as a pixel word, weight from a float alpha).
void PIX_CombinePixel(PIX_Pixel* d, int32_t r, int32_t g, int32_t b, int32_t a, int32_t w, int32_t mode);
void PIX_CombinePixelClamped(PIX_Pixel* d, int32_t r, int32_t g, int32_t b, int32_t a, int32_t w, int32_t mode);
PIX_Pixel PIX_CombinePixelValue(PIX_Pixel d, PIX_Pixel color, float alpha, int32_t mode);

#endif
