#ifndef PIX_POLYGON_H
#define PIX_POLYGON_H

// Filled convex polygons, triangles and trapezoids of one colour, without
// antialiasing. Only the low byte of the mode counts (0 copy .. 5 HSV
// adjust); a higher one fills nothing.

#include <cstdint>

#include "PIX_IBitmap.h"

// x and y hold n vertices in any order; the polygon is taken to be convex.
void PIX_FillConvexPolygon(PIX_IBitmap* bitmap, const int32_t* x, const int32_t* y, int32_t n, PIX_Pixel color,
                           float alpha, int32_t mode);
void PIX_FillTriangle(PIX_IBitmap* bitmap, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3,
                      PIX_Pixel color, float alpha, int32_t mode);
// Row ya spanning columns x1a..x2a to row yb spanning x1b..x2b, with straight
// sides; rows and end columns inclusive.
void PIX_FillTrapezoid(PIX_IBitmap* bitmap, int32_t x1a, int32_t x2a, int32_t ya, int32_t x1b, int32_t x2b, int32_t yb,
                       PIX_Pixel color, float alpha, int32_t mode);

#endif
