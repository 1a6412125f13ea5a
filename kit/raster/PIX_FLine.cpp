// Float-coordinate lines, antialiased with two pixels per column, walked
// from one end.
#include "PIX_FLine.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "PIX_Line.h"
#include "detail/PIX_Clip.h"
#include "detail/PIX_ShapeCombine.h"

namespace {

// trunc(v) held to the int32 range; false for NaN.
bool TruncToInt32(float v, int32_t* out)
{
  if (!(v == v)) return false;
  *out = v >= 2147483647.0f ? INT32_MAX : v <= -2147483648.0f ? INT32_MIN : (int32_t)v;
  return true;
}

template <class Put>
struct FloatLineWalk {
  PIX_Pixel* bits;
  ptrdiff_t span;
  int64_t width, height;
  bool xMajor;
  Put put;

  // The walk keeps every pixel and its minor neighbour inside; the test
  // here only keeps a float slip of the first column off other memory.
  void Plot(int64_t major, int64_t minor, int32_t w) const
  {
    const int64_t x = xMajor ? major : minor, y = xMajor ? minor : major;
    if (x >= 0 && x < width && y >= 0 && y < height) put(bits + (ptrdiff_t)y * span + (ptrdiff_t)x, w);
  }

  void Run(int64_t first, int64_t columns, int64_t minor, int32_t minorStep, int32_t error, int32_t step,
           int32_t w) const
  {
    for (int64_t i = 0; i < columns; ++i) {
      const int32_t f = error / 256;
      Plot(first + i, minor, (255 - f) * w / 256);
      Plot(first + i, minor + minorStep, f * w / 256);
      error += step;
      if (error >= 65536) {
        error -= 65536;
        minor += minorStep;
      }
    }
  }
};

}  // namespace

void PIX_FLine(PIX_IBitmap* bitmap, float x1, float y1, float x2, float y2, PIX_Pixel color, float alpha, int32_t mode,
               bool aa)
{
  if (!bitmap) return;
  if (!aa) {
    int32_t ix1, iy1, ix2, iy2;
    if (TruncToInt32(x1, &ix1) && TruncToInt32(y1, &iy1) && TruncToInt32(x2, &ix2) && TruncToInt32(y2, &iy2))
      PIX_Line(bitmap, ix1, iy1, ix2, iy2, color, alpha, mode, false);
    return;
  }
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
  PIX_Pixel* bits = bitmap->GetBits();
  const int32_t width = bitmap->GetWidth(), height = bitmap->GetHeight(), span = bitmap->GetRowSpan();
  if (!bits || width < 1 || height < 1 || span < width) return;
  double ax = x1, ay = y1, bx = x2, by = y2;
  if (bitmap->IsFlipped()) {
    ay = (height - 1) - ay;
    by = (height - 1) - by;
  }
  // One row and column short of the bitmap, so that each pixel's neighbour
  // one step on along the minor axis lies in it too.
  if (!PIX_ClipSegment(ax, ay, bx, by, width - 1.0, height - 1.0)) return;
  if (ax == bx && ay == by) return;

  const bool xMajor = std::fabs(bx - ax) > std::fabs(by - ay);
  double a1 = xMajor ? ax : ay, b1 = xMajor ? ay : ax, a2 = xMajor ? bx : by, b2 = xMajor ? by : bx;
  if (a2 < a1) {
    std::swap(a1, a2);
    std::swap(b1, b2);
  }
  const int32_t minorStep = b2 < b1 ? -1 : 1;
  const double first = std::ceil(a1), last = std::floor(a2);
  if (last < first) return;
  const double slope = (b2 - b1) / (a2 - a1);
  const double m = std::min(std::max((first - a1) * slope + b1, std::min(b1, b2)), std::max(b1, b2));
  const double whole = std::floor(m);
  int32_t error = (int32_t)((m - whole) * 65536.0);
  int64_t minor = (int64_t)whole;
  if (minorStep < 0) {
    error = 65535 - error;
    minor += 1;
  }
  const int32_t step = (int32_t)(std::fabs(slope) * 65536.0);
  const int32_t w = PIX_AlphaToWeight(alpha);
  PIX_WithShapeWriter<false>(mode, w, PIX_InkOf(color), [&](const auto& put) {
    const FloatLineWalk<std::decay_t<decltype(put)>> walk{bits, span, width, height, xMajor, put};
    walk.Run((int64_t)first, (int64_t)(last - first) + 1, minor, minorStep, error, step, w);
  });
}
