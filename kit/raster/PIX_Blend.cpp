// The single-pixel dispatchers of the combiner table.
#include "PIX_Blend.h"

void PIX_CombinePixel(PIX_Pixel* d, int32_t r, int32_t g, int32_t b, int32_t a, int32_t w, int32_t mode)
{
  PIX_WithBlendCombiner(mode, w, [&](auto combine) { combine(d, r, g, b, a, w); });
}

void PIX_CombinePixelClamped(PIX_Pixel* d, int32_t r, int32_t g, int32_t b, int32_t a, int32_t w, int32_t mode)
{
  PIX_WithBlendCombiner<true>(mode, w, [&](auto combine) { combine(d, r, g, b, a, w); });
}

PIX_Pixel PIX_CombinePixelValue(PIX_Pixel d, PIX_Pixel color, float alpha, int32_t mode)
{
  PIX_CombinePixel(&d, PIX_PixelR(color), PIX_PixelG(color), PIX_PixelB(color), PIX_PixelA(color),
                   PIX_AlphaToWeight(alpha), mode);
  return d;
}
