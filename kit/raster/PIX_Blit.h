#ifndef PIX_BLIT_H
#define PIX_BLIT_H

// Unscaled raster operations: blits, copies, fills, single pixels, glyphs.
// Every operation clips to its bitmaps and does nothing for null bitmaps,
// empty or off-bitmap rectangles and alphas whose weight truncates to 0.

#include <cstdint>

#include "PIX_IBitmap.h"
#include "PIX_Rect.h"

// Source rectangle null: the whole source.
void PIX_BlitRect(PIX_IBitmap* dest, PIX_IBitmap* src, int32_t x, int32_t y, const PIX_Rect* srcRect, float alpha,
                  int32_t mode);
void PIX_Blit(PIX_IBitmap* dest, PIX_IBitmap* src, int32_t x, int32_t y, int32_t srcX, int32_t srcY, int32_t srcWidth,
              int32_t srcHeight, float alpha, int32_t mode);
// Resizes dest to the source's size and copies it.
void PIX_Copy(PIX_IBitmap* dest, PIX_IBitmap* src);

void PIX_FillRect(PIX_IBitmap* bitmap, int32_t x, int32_t y, int32_t width, int32_t height, PIX_Pixel color,
                  float alpha, int32_t mode);
// pixel = (pixel AND andMask) OR orBits over the rectangle.
void PIX_ClearRect(PIX_IBitmap* bitmap, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t andMask,
                   uint32_t orBits);
void PIX_FillBitmap(PIX_IBitmap* bitmap, PIX_Pixel color);

// 0 outside the bitmap.
PIX_Pixel PIX_GetPixel(PIX_IBitmap* bitmap, int32_t x, int32_t y);
void PIX_PutPixel(PIX_IBitmap* bitmap, int32_t x, int32_t y, PIX_Pixel color, float alpha, int32_t mode);

// Coverage: glyphHeight rows of glyphWidth bytes, 0..255 each.
void PIX_DrawGlyph(PIX_IBitmap* bitmap, int32_t x, int32_t y, PIX_Pixel color, const uint8_t* coverage,
                   int32_t glyphWidth, int32_t glyphHeight, float alpha, int32_t mode);

#endif
