// Integer lines: classification and the writer family (runs,
// diagonals, the two-ended general line and their antialiased forms), and
// dashed lines.
#include "PIX_Line.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <utility>

#include "PIX_Blit.h"
#include "PIX_ClipLine.h"
#include "detail/PIX_Clip.h"
#include "detail/PIX_ShapeCombine.h"

namespace {

// Horizontal, vertical and plain diagonal runs: n pixels, step apart.
template <class Put>
void Run(PIX_Pixel* p, int32_t n, ptrdiff_t step, const Put& put, int32_t w)
{
  for (int32_t i = 0; i < n; ++i, p += step) put(p, w);
}

// Antialiased diagonal of n + 1 pixels: each but the last lends a share to
// its two neighbours toward the next one.
template <class Main, class Side>
void DiagonalAA(PIX_Pixel* p, int32_t n, ptrdiff_t xStep, ptrdiff_t yStep, const Main& main, const Side& side,
                int32_t wMain, int32_t wSide)
{
  for (int32_t i = 0; i < n; ++i, p += xStep + yStep) {
    main(p, wMain);
    side(p + xStep, wSide);
    side(p + yStep, wSide);
  }
  main(p, wMain);
}

// Drawn from both ends toward the middle so that the line is symmetric and
// swapping its end points draws the same pixels.
template <class Put>
void GeneralLine(PIX_Pixel* s, PIX_Pixel* e, int32_t slope, ptrdiff_t major, int32_t length, ptrdiff_t minor,
                 const Put& put, int32_t w)
{
  const int32_t half = (length + 1) / 2;
  int32_t error = 0;
  for (int32_t i = 0; i < half; ++i) {
    put(s, w);
    put(e, w);
    error += slope;
    if (error >= 32768) {
      s += minor;
      e -= minor;
      error -= 65536;
    }
    s += major;
    e -= major;
  }
  if ((length & 1) == 0) put(s, w);
}

// Wu's method from both ends: two pixels per column sharing 255 between them.
template <class Put>
void GeneralLineAA(PIX_Pixel* s, PIX_Pixel* e, int32_t slope, ptrdiff_t major, int32_t length, ptrdiff_t minor,
                   const Put& put, int32_t w)
{
  put(s, w);
  put(e, w);
  s += major;
  e -= major;
  const int32_t half = (length + 1) / 2;
  int32_t error = slope;
  for (int32_t i = 1; i < half; ++i) {
    const int32_t f = error >> 8;
    const int32_t near = (255 - f) * w / 256, far = f * w / 256;
    put(s, near);
    put(s + minor, far);
    put(e, near);
    put(e - minor, far);
    error += slope;
    if (error >= 65536) {
      error -= 65536;
      s += minor;
      e -= minor;
    }
    s += major;
    e -= major;
  }
  if ((length & 1) == 0) {
    const int32_t f = error >> 8;
    put(s, (255 - f) * w / 256);
    put(s + minor, f * w / 256);
  }
}

// Horizontal and vertical runs: copy mode has whole-word paths for the
// exact alphas 1, 0.5, 0.25 and 0.75.
void DrawRun(PIX_Pixel* p, int32_t n, ptrdiff_t step, PIX_Pixel color, float alpha, int32_t mode)
{
  if ((mode & PIX_MODE_MASK) == PIX_MODE_COPY) {
    if (alpha == 1.0f) return Run(p, n, step, PIX_StoreWriter{color}, 0);
    if (alpha == 0.5f) return Run(p, n, step, PIX_HalfWriter{PIX_Half(color)}, 0);
    if (alpha == 0.25f) return Run(p, n, step, PIX_QuarterWriter{PIX_Quarter(color)}, 0);
    if (alpha == 0.75f) return Run(p, n, step, PIX_ThreeQuartersWriter{PIX_ThreeQuartersOf(color)}, 0);
  }
  const int32_t w = PIX_AlphaToWeight(alpha);
  PIX_WithShapeWriter<true>(mode, w, PIX_InkOf(color), [&](const auto& put) { Run(p, n, step, put, w); });
}

void DrawDiagonal(PIX_Pixel* p, int32_t n, ptrdiff_t xStep, ptrdiff_t yStep, PIX_Pixel color, float alpha, int32_t mode,
                  bool aa)
{
  if ((mode & PIX_MODE_MASK) == PIX_MODE_COPY && alpha == 1.0f) {
    if (aa)
      DiagonalAA(p, n, xStep, yStep, PIX_ThreeQuartersWriter{PIX_ThreeQuartersOf(color)},
                 PIX_QuarterWriter{PIX_Quarter(color)}, 0, 0);
    else
      Run(p, n + 1, xStep + yStep, PIX_StoreWriter{color}, 0);
    return;
  }
  const int32_t w = PIX_AlphaToWeight(alpha);
  const PIX_Ink ink = PIX_InkOf(color);
  if (aa)
    PIX_WithShapeWriter<false>(mode, w, ink,
                               [&](const auto& put) { DiagonalAA(p, n, xStep, yStep, put, put, 3 * w / 4, w / 4); });
  else
    PIX_WithShapeWriter<true>(mode, w, ink, [&](const auto& put) { Run(p, n + 1, xStep + yStep, put, w); });
}

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

void PIX_Line(PIX_IBitmap* bitmap, int32_t x1, int32_t y1, int32_t x2, int32_t y2, PIX_Pixel color, float alpha,
              int32_t mode, bool aa)
{
  if (!bitmap) return;
  const int32_t width = bitmap->GetWidth(), height = bitmap->GetHeight();
  if (bitmap->IsFlipped()) {
    y1 = PIX_FlipRow(y1, height);
    y2 = PIX_FlipRow(y2, height);
  }
  PIX_Pixel* bits = bitmap->GetBits();
  const ptrdiff_t span = bitmap->GetRowSpan();
  if (!bits || width < 1 || height < 1 || span < width) return;
  if ((mode & PIX_MODE_MASK) > PIX_MODE_HSV_ADJUST) return;
  if (!PIX_ClipLine(&x1, &y1, &x2, &y2, width, height)) return;

  const int32_t dx = x2 - x1, dy = y2 - y1;
  if (dy == 0) {
    DrawRun(bits + y1 * span + (x1 < x2 ? x1 : x2), std::abs(dx) + 1, 1, color, alpha, mode);
    return;
  }
  if (dx == 0) {
    DrawRun(bits + (y1 < y2 ? y1 : y2) * span + x1, std::abs(dy) + 1, span, color, alpha, mode);
    return;
  }
  if (std::abs(dx) == std::abs(dy)) {
    DrawDiagonal(bits + y1 * span + x1, std::abs(dx), x1 < x2 ? 1 : -1, y2 > y1 ? span : -span, color, alpha, mode, aa);
    return;
  }

  const bool xMajor = std::abs(dy) < std::abs(dx);
  PIX_Pixel* s = bits + y1 * span + x1;
  PIX_Pixel* e = bits + y2 * span + x2;
  int32_t dMajor = xMajor ? dx : dy, dMinor = xMajor ? dy : dx;
  const ptrdiff_t major = xMajor ? 1 : span;
  ptrdiff_t minor = xMajor ? span : 1;
  if (dMajor < 0) {
    std::swap(s, e);
    dMajor = -dMajor;
    dMinor = -dMinor;
  }
  if (dMinor < 0) {
    minor = -minor;
    dMinor = -dMinor;
  }
  const int32_t slope = (int32_t)((double)dMinor / (double)dMajor * 65536.0);
  const int32_t w = PIX_AlphaToWeight(alpha);
  const PIX_Ink ink = PIX_InkOf(color);
  if (aa)
    PIX_WithShapeWriter<false>(mode, w, ink,
                               [&](const auto& put) { GeneralLineAA(s, e, slope, major, dMajor, minor, put, w); });
  else
    PIX_WithShapeWriter<true>(mode, w, ink,
                              [&](const auto& put) { GeneralLine(s, e, slope, major, dMajor, minor, put, w); });
}

void PIX_DrawRect(PIX_IBitmap* bitmap, int32_t x, int32_t y, int32_t w, int32_t h, PIX_Pixel color, float alpha,
                  int32_t mode)
{
  const int32_t r = PIX_SaturateInt32((int64_t)x + w), b = PIX_SaturateInt32((int64_t)y + h);
  PIX_Line(bitmap, x, y, r, y, color, alpha, mode, false);
  PIX_Line(bitmap, r, y, r, b, color, alpha, mode, false);
  PIX_Line(bitmap, r, b, x, b, color, alpha, mode, false);
  PIX_Line(bitmap, x, b, x, y, color, alpha, mode, false);
}

void PIX_BorderedRect(PIX_IBitmap* bitmap, int32_t x, int32_t y, int32_t w, int32_t h, PIX_Pixel fillColor,
                      PIX_Pixel outlineColor, float alpha, int32_t mode)
{
  PIX_FillRect(bitmap, PIX_SaturateInt32((int64_t)x + 1), PIX_SaturateInt32((int64_t)y + 1),
               PIX_SaturateInt32((int64_t)w - 1), PIX_SaturateInt32((int64_t)h - 1), fillColor, alpha, mode);
  PIX_DrawRect(bitmap, x, y, w, h, outlineColor, alpha, mode);
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
