#ifndef PIX_CLIPLINE_H
#define PIX_CLIPLINE_H

// Clipping of line segments, with integer or float end points, to a bitmap's
// size or to a rectangle anywhere in the plane.

#include <cstdint>

#include "PIX_Rect.h"

// Clips the segment to [0, width - 1] x [0, height - 1] and writes the end
// points back (also when it rejects); false when nothing of it remains.
bool PIX_ClipLine(int32_t* x1, int32_t* y1, int32_t* x2, int32_t* y2, int32_t width, int32_t height);
// PIX_ClipLine for float end points.
bool PIX_ClipLineF(float* x1, float* y1, float* x2, float* y2, int32_t width, int32_t height);
// Clip to a rectangle (right and bottom exclusive) anywhere in the plane.
bool PIX_ClipLineToRect(int32_t* x1, int32_t* y1, int32_t* x2, int32_t* y2, const PIX_Rect& rect);
bool PIX_ClipLineToRectF(float* x1, float* y1, float* x2, float* y2, const PIX_Rect& rect);

#endif
