#ifndef PIX_RECTOPS_H
#define PIX_RECTOPS_H

// Whole-rectangle operations: gradient fill, blur, channel scale and offset,
// pixel walks, colour keying, flood fill, half-size reduction, comparison.

#include <cstdint>

#include "PIX_IBitmap.h"

// Colours and alpha in 0..1, with steps per pixel and per row.
void PIX_GradientRect(PIX_IBitmap* dest, int32_t x, int32_t y, int32_t width, int32_t height, float r, float g, float b,
                      float a, float drdx, float dgdx, float dbdx, float dadx, float drdy, float dgdy, float dbdy,
                      float dady, int32_t mode);
// dest and src may be the same bitmap.
void PIX_BlurRect(PIX_IBitmap* dest, PIX_IBitmap* src, int32_t destX, int32_t destY, int32_t srcX, int32_t srcY,
                  int32_t srcWidth, int32_t srcHeight);
void PIX_ScaleAddRect(PIX_IBitmap* bitmap, int32_t x, int32_t y, int32_t width, int32_t height, float rScale,
                      float gScale, float bScale, float aScale, float rAdd, float gAdd, float bAdd, float aAdd);
void PIX_ForEachPixel(PIX_IBitmap* bitmap, int32_t x, int32_t y, int32_t width, int32_t height,
                      void (*callback)(PIX_Pixel* pixel, void* user), void* user);
// Pixels whose colour is the key become transparent, all others opaque.
void PIX_KeyColorToAlpha(PIX_IBitmap* bitmap, uint32_t keyColor);
void PIX_FloodFillColumn(PIX_IBitmap* bitmap, int32_t x, int32_t y, uint32_t newBits, uint32_t compareMask,
                         uint32_t keepMask);
void PIX_HalfSizeBlit(PIX_IBitmap* dest, PIX_IBitmap* src);

// Left, top, width, height of the region where two bitmaps differ.
struct PIX_DiffRect {
  int32_t x, y, width, height;
};
int32_t PIX_CompareBitmaps(PIX_IBitmap* a, PIX_IBitmap* b, PIX_DiffRect* differing);

#endif
