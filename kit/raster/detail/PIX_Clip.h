#ifndef PIX_CLIP_H
#define PIX_CLIP_H

// Clipping shared by the rectangle operations. Coordinates are widened to
// 64 bits first so that huge positions and sizes cannot overflow.

#include <cmath>
#include <cstdint>
#include <type_traits>

#include "PIX_IBitmap.h"

// A widened coordinate held to the int32 range.
inline int32_t PIX_SaturateInt32(int64_t v)
{
  return v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : (int32_t)v;
}

// A destination rectangle cut to the bitmap; empty when width or height <= 0.
struct PIX_ClippedRect {
  int32_t x, y, width, height;
  bool Empty() const { return width <= 0 || height <= 0; }
};

inline PIX_ClippedRect PIX_ClipToBitmap(PIX_IBitmap* bitmap, int64_t x, int64_t y, int64_t width, int64_t height)
{
  if (x < 0) width += x, x = 0;
  if (y < 0) height += y, y = 0;
  const int64_t bw = bitmap->GetWidth(), bh = bitmap->GetHeight();
  if (x + width > bw) width = bw - x;
  if (y + height > bh) height = bh - y;
  if (width <= 0 || height <= 0 || bitmap->GetRowSpan() < 1 || !bitmap->GetBits()) return PIX_ClippedRect{0, 0, 0, 0};
  return PIX_ClippedRect{(int32_t)x, (int32_t)y, (int32_t)width, (int32_t)height};
}

// Runs op on every pixel of a clipped rectangle, row by row.
template <class PixelOp>
void PIX_ForEachPixel(PIX_IBitmap* bitmap, const PIX_ClippedRect& r, PixelOp op)
{
  // Local bounds: pixel stores could otherwise alias the rectangle's ints.
  const int32_t width = r.width, height = r.height;
  PIX_Rows rows = PIX_RowsAt(bitmap, r.y);
  for (int32_t j = 0; j < height; ++j, rows.row += rows.step) {
    PIX_Pixel* p = rows.row + r.x;
    for (int32_t i = 0; i < width; ++i) op(p[i]);
  }
}

// Clips the segment (x1, y1)-(x2, y2) to [0, width) x [0, height), moving
// one end onto a border per pass; false when nothing of it is left. A point
// crossing the bottom or right side lands on row height - 1 or column
// width - 1. Crossings are computed in double; the integer form moves an
// end by the truncated distance, as the integer line walk expects.
template <class T>
bool PIX_ClipSegment(T& x1, T& y1, T& x2, T& y2, std::common_type_t<T> width, std::common_type_t<T> height)
{
  auto outCode = [width, height](T x, T y) {
    int32_t code = 0;
    if (x < 0)
      code |= 1;
    else if (x >= width)
      code |= 2;
    if (y < 0)
      code |= 4;
    else if (y >= height)
      code |= 8;
    return code;
  };
  auto step = [](double d) { return std::is_integral<T>::value ? std::trunc(d) : d; };
  // A few passes always settle it; the bound only guards against
  // truncation ping-pong.
  for (int pass = 0; pass < 16; ++pass) {
    const int32_t c1 = outCode(x1, y1), c2 = outCode(x2, y2);
    if ((c1 | c2) == 0) return true;
    if (c1 & c2) return false;
    const int32_t code = c1 ? c1 : c2;
    // The other end lies on the near side of the border being crossed, so
    // no denominator below is 0 and the crossing lies between the ends.
    const double X1 = x1, Y1 = y1, X2 = x2, Y2 = y2;
    T x, y;
    if (code & 8) {
      x = (T)(X1 + step((X2 - X1) * (height - Y1) / (Y2 - Y1)));
      y = height - 1;
    } else if (code & 4) {
      x = (T)(X1 - step((X2 - X1) * Y1 / (Y2 - Y1)));
      y = 0;
    } else if (code & 2) {
      y = (T)(Y1 + step((Y2 - Y1) * (width - X1) / (X2 - X1)));
      x = width - 1;
    } else {
      y = (T)(Y1 - step((Y2 - Y1) * X1 / (X2 - X1)));
      x = 0;
    }
    if (code == c1) {
      x1 = x;
      y1 = y;
    } else {
      x2 = x;
      y2 = y;
    }
  }
  return false;
}

#endif
