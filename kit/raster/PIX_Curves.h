#ifndef PIX_CURVES_H
#define PIX_CURVES_H

// Lines with float end points, dashed horizontal and vertical lines, and
// quadratic and cubic Bezier curves drawn as chains of float lines or filled
// down to a base row or column. Only the low byte of the mode counts (0 copy
// .. 5 HSV adjust); a higher one draws nothing.

#include <cstdint>

#include "PIX_Blit.h"
#include "PIX_IBitmap.h"

// Without antialiasing the end points are truncated and drawn as PIX_Line;
// with it, two pixels per column share each column's weight.
void PIX_FLine(PIX_IBitmap* bitmap, float x1, float y1, float x2, float y2, PIX_Pixel color, float alpha, int32_t mode,
               bool aa);

// PIX_ClipLine for float end points: clips to [0, width - 1] x [0, height - 1].
bool PIX_ClipLineF(float* x1, float* y1, float* x2, float* y2, int32_t width, int32_t height);
// Clip to a rectangle (right and bottom exclusive) anywhere in the plane.
bool PIX_ClipLineToRect(int32_t* x1, int32_t* y1, int32_t* x2, int32_t* y2, const PIX_Rect& rect);
bool PIX_ClipLineToRectF(float* x1, float* y1, float* x2, float* y2, const PIX_Rect& rect);

// Horizontal or vertical only (any other line draws nothing): `on` pixels
// drawn, `off` skipped, from the lower end; the higher end is not drawn.
void PIX_DashedLine(PIX_IBitmap* bitmap, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t on, int32_t off,
                    PIX_Pixel color, float alpha, int32_t mode);

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
