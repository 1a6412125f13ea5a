#ifndef PIX_BEZIER_H
#define PIX_BEZIER_H

// Quadratic and cubic Bezier curves drawn as chains of float lines or filled
// down to a base row or column. Only the low byte of the mode counts (0 copy
// .. 5 HSV adjust); a higher one draws nothing.

#include <cstdint>

#include "PIX_IBitmap.h"

// tolerance: the length of curve one segment stands for (1 when not above 0).
void PIX_DrawQBezier(PIX_IBitmap* bitmap, float x0, float y0, float x1, float y1, float x2, float y2, PIX_Pixel color,
                     float alpha, int32_t mode, bool aa, float tolerance);
void PIX_DrawCBezier(PIX_IBitmap* bitmap, float x0, float y0, float x1, float y1, float x2, float y2, float x3,
                     float y3, PIX_Pixel color, float alpha, int32_t mode, bool aa, float tolerance);
// The region between the curve and row baseY, or column baseX.
void PIX_FillCBezier(PIX_IBitmap* bitmap, float x0, float y0, float x1, float y1, float x2, float y2, float x3,
                     float y3, int32_t baseY, PIX_Pixel color, float alpha, int32_t mode, float tolerance);
void PIX_FillCBezierToColumn(PIX_IBitmap* bitmap, float x0, float y0, float x1, float y1, float x2, float y2, float x3,
                             float y3, int32_t baseX, PIX_Pixel color, float alpha, int32_t mode, float tolerance);

#endif
