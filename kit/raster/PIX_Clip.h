// Clipping shared by the rectangle operations. Coordinates are widened to
// 64 bits first so that huge positions and sizes cannot overflow.
#pragma once

#include <cstdint>

#include "PIX_IBitmap.h"

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
