// Float-coordinate lines (antialiased with two pixels per column, walked
// from one end), float clipping, and dashed horizontal and vertical lines.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "PIX_Clip.h"
#include "PIX_Curves.h"
#include "PIX_Line.h"
#include "PIX_ShapeCombine.h"

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

template <class Put>
void DrawDash(PIX_Pixel* p, ptrdiff_t step, int64_t from, int64_t end, int64_t on, int64_t off, const Put& put,
              int32_t w)
{
  auto dash = [&](int64_t at, int64_t n) {
    for (PIX_Pixel* q = p + (ptrdiff_t)at * step; n > 0; --n, q += step) put(q, w);
  };
  int64_t at = from;
  while (at < end - on) {
    dash(at, on);
    at += on + off;
  }
  const int64_t last = std::min(on, end - at);
  if (last >= 1) dash(at, last);
}

}  // namespace

bool PIX_ClipLineF(float* x1, float* y1, float* x2, float* y2, int32_t width, int32_t height)
{
  if (!std::isfinite(*x1) || !std::isfinite(*y1) || !std::isfinite(*x2) || !std::isfinite(*y2)) return false;
  double a = *x1, b = *y1, c = *x2, d = *y2;
  const bool kept = PIX_ClipSegment(a, b, c, d, width, height);
  *x1 = (float)a;
  *y1 = (float)b;
  *x2 = (float)c;
  *y2 = (float)d;
  return kept;
}

bool PIX_ClipLineToRect(int32_t* x1, int32_t* y1, int32_t* x2, int32_t* y2, const PIX_Rect& rect)
{
  const int64_t w = (int64_t)rect.right - rect.left, h = (int64_t)rect.bottom - rect.top;
  int32_t a = PIX_SaturateInt32((int64_t)*x1 - rect.left), b = PIX_SaturateInt32((int64_t)*y1 - rect.top);
  int32_t c = PIX_SaturateInt32((int64_t)*x2 - rect.left), d = PIX_SaturateInt32((int64_t)*y2 - rect.top);
  const bool kept = PIX_ClipLine(&a, &b, &c, &d, PIX_SaturateInt32(w), PIX_SaturateInt32(h));
  *x1 = PIX_SaturateInt32((int64_t)a + rect.left);
  *y1 = PIX_SaturateInt32((int64_t)b + rect.top);
  *x2 = PIX_SaturateInt32((int64_t)c + rect.left);
  *y2 = PIX_SaturateInt32((int64_t)d + rect.top);
  return kept;
}

bool PIX_ClipLineToRectF(float* x1, float* y1, float* x2, float* y2, const PIX_Rect& rect)
{
  if (!std::isfinite(*x1) || !std::isfinite(*y1) || !std::isfinite(*x2) || !std::isfinite(*y2)) return false;
  double a = (double)*x1 - rect.left, b = (double)*y1 - rect.top;
  double c = (double)*x2 - rect.left, d = (double)*y2 - rect.top;
  const bool kept = PIX_ClipSegment(a, b, c, d, (double)rect.right - rect.left, (double)rect.bottom - rect.top);
  *x1 = (float)(a + rect.left);
  *y1 = (float)(b + rect.top);
  *x2 = (float)(c + rect.left);
  *y2 = (float)(d + rect.top);
  return kept;
}

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

void PIX_DashedLine(PIX_IBitmap* bitmap, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t on, int32_t off,
                    PIX_Pixel color, float alpha, int32_t mode)
{
  if (!bitmap) return;
  PIX_Pixel* bits = bitmap->GetBits();
  const int32_t width = bitmap->GetWidth(), height = bitmap->GetHeight();
  const ptrdiff_t span = bitmap->GetRowSpan();
  if (!bits || width < 1 || height < 1 || span < width) return;
  if (!PIX_ClipLine(&x1, &y1, &x2, &y2, width, height)) return;
  if (y1 > y2) std::swap(y1, y2);
  if (x1 > x2) std::swap(x1, x2);
  // A dash must advance: no dashes or a negative gap would never finish.
  if (on < 1 || off < 0) return;
  if (y1 != y2 && x1 != x2) return;
  if ((mode & PIX_MODE_MASK) == PIX_MODE_COPY && alpha == 1.0f && on == 1 && off == 1 && x1 == x2) {
    PIX_Pixel* p = bits + y1 * span + x1;
    for (int32_t n = (y2 - y1 + 1) / 2; n > 0; --n, p += 2 * span) *p = color;
    return;
  }
  const int32_t w = PIX_AlphaToWeight(alpha);
  PIX_WithShapeWriter<true>(mode, w, PIX_InkOf(color), [&](const auto& put) {
    if (y1 == y2)
      DrawDash(bits + y1 * span, 1, x1, x2, on, off, put, w);
    else
      DrawDash(bits + x1, span, y1, y2, on, off, put, w);
  });
}
