#ifndef PIX_SHAPECOMBINE_H
#define PIX_SHAPECOMBINE_H

// What the shape units (lines, polygons, circles, arcs) lay onto a pixel:
// the colour split into channels, the whole-word writers of the copy mode,
// and the choice of combiner by the shape rules. Internal to the library.
//
// A writer is a small callable put(pixel, weight); the drawing loops are
// templates over it, so each is compiled once per writer and no inner loop
// tests the mode.

#include <cmath>
#include <cstdint>

#include "PIX_Blend.h"
#include "PIX_Clip.h"

// The colour of a shape as the writers use it.
struct PIX_Ink {
  PIX_Pixel word;
  int32_t r, g, b, a;
};

inline PIX_Ink PIX_InkOf(PIX_Pixel color)
{
  return PIX_Ink{color, PIX_PixelR(color), PIX_PixelG(color), PIX_PixelB(color), PIX_PixelA(color)};
}

// Copy mode at weight 128 without whole-word masking: (p + c) >> 1 per channel.
struct PIX_CombineAverage {
  static void Apply(PIX_Pixel* d, int32_t r, int32_t g, int32_t b, int32_t a, int32_t)
  {
    pix_detail::EachChannel(d, r, g, b, a, [](uint8_t& dc, int32_t s) { dc = (uint8_t)((dc + s) >> 1); });
  }
};

// One of the combiners of the blend table, bound to the shape's colour.
template <class Combine>
struct PIX_InkWriter {
  PIX_Ink ink;
  void operator()(PIX_Pixel* p, int32_t w) const { Combine::Apply(p, ink.r, ink.g, ink.b, ink.a, w); }
};

template <class Combine>
inline PIX_InkWriter<Combine> PIX_WriterOf(Combine, const PIX_Ink& ink)
{
  return PIX_InkWriter<Combine>{ink};
}

// Whole-word writers of the copy mode; they ignore the weight.
struct PIX_StoreWriter {
  PIX_Pixel color;
  void operator()(PIX_Pixel* p, int32_t) const { *p = color; }
};
struct PIX_HalfWriter {  // half pixel, half colour
  PIX_Pixel halfColor;
  void operator()(PIX_Pixel* p, int32_t) const { *p = PIX_MixHalfPre(*p, halfColor); }
};
struct PIX_QuarterWriter {  // three quarters pixel, one quarter colour
  PIX_Pixel quarterColor;
  void operator()(PIX_Pixel* p, int32_t) const { *p = PIX_MixThreeQuartersPre(*p, quarterColor); }
};
struct PIX_ThreeQuartersWriter {  // one quarter pixel, three quarters colour
  PIX_Pixel threeQuarterColor;
  void operator()(PIX_Pixel* p, int32_t) const { *p = PIX_MixQuarterPre(*p, threeQuarterColor); }
};

// Calls loop(writer) with the writer of the mode's low byte at weight w and
// returns true; false, without calling it, when nothing is drawn (w = 0, a
// low byte above 5, copy below weight 1). In copy mode the weights 256 and
// 128 take the plain store and average when WholeWeights, copy with alpha
// otherwise (the antialiased walks blend every weight).
template <bool WholeWeights, class Loop>
inline bool PIX_WithShapeWriter(int32_t mode, int32_t w, const PIX_Ink& ink, Loop&& loop)
{
  const int32_t m = mode & PIX_MODE_MASK;
  if (w == 0 || m > PIX_MODE_HSV_ADJUST) return false;
  if (m == PIX_MODE_COPY) {
    if (w < 1) return false;
    if (WholeWeights && w == 256)
      loop(PIX_StoreWriter{ink.word});
    else if (WholeWeights && w == 128)
      loop(PIX_WriterOf(PIX_CombineAverage(), ink));
    else
      loop(PIX_WriterOf(PIX_CombineCopyAlpha(), ink));
    return true;
  }
  return PIX_WithPlainCombiner(m, w, [&](auto combine) { loop(PIX_WriterOf(combine, ink)); });
}

// Float coordinates the shape units accept. Beyond this a float has no
// fraction left and a pixel walk could not advance, and nothing that size
// can be meant for a bitmap; such shapes draw nothing.
constexpr float PIX_kShapeCoordLimit = 1048576.0f;

inline bool PIX_ShapeCoordOK(float v) { return std::fabs(v) <= PIX_kShapeCoordLimit; }  // false for NaN

// A pixel position from an accepted float coordinate: toward zero, as the
// circle and arc walks place their pixels.
inline int32_t PIX_Trunc(float v) { return (int32_t)v; }

// height - 1 - y without overflow, held to the int32 range.
inline int32_t PIX_FlipRow(int32_t y, int32_t height) { return PIX_SaturateInt32((int64_t)height - 1 - y); }

#endif
