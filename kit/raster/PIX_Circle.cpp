// The circle rasterisers: a float midpoint walk over one octant mirrored
// eightfold, and an antialiased walk that splits each edge pixel's weight
// by the fraction of the exact edge position. Each is compiled per writer
// and per clip setting, so the per-pixel code tests neither.
#include "PIX_Circle.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <initializer_list>

#include "detail/PIX_CirclePatterns.h"
#include "detail/PIX_ShapeCombine.h"

namespace {

// The pixel writer and the span writer of one combiner; with Clip they
// write only inside the clip box.
template <class Put, bool Clip>
struct Pen {
  PIX_Pixel* bits;
  ptrdiff_t span;
  PIX_Rect box;
  Put put;
  int32_t w;

  void Pixel(int32_t x, int32_t y, int32_t weight) const
  {
    if (Clip && (x < box.left || x >= box.right || y < box.top || y >= box.bottom)) return;
    put(bits + (ptrdiff_t)y * span + x, weight);
  }
  void Pixel(int32_t x, int32_t y) const { Pixel(x, y, w); }
  // Row y from x1 to x2, both included.
  void BlendHorizSpan(int32_t y, int32_t x1, int32_t x2) const
  {
    if (Clip) {
      if (y < box.top || y >= box.bottom) return;
      x1 = std::max(x1, box.left);
      x2 = std::min(x2, box.right - 1);
    }
    PIX_Pixel* p = bits + (ptrdiff_t)y * span;
    for (int32_t x = x1; x <= x2; ++x) put(p + x, w);
  }
};

// reach: no pixel of a step with Y beyond it can land in the clip box, so
// the walk ends there (a huge circle crossing a small bitmap ends early).
template <class P>
void PIX_CircleMidpoint(const P& pen, float cx, float cy, float radius, bool filled, float reach)
{
  float X = radius, Y = 0.0f, E = (5.0f - 4.0f * radius) * 0.25f;
  pen.Pixel(PIX_Trunc(cx), PIX_Trunc(cy + radius));
  pen.Pixel(PIX_Trunc(cx), PIX_Trunc(cy - radius));
  pen.Pixel(PIX_Trunc(cx + radius), PIX_Trunc(cy));
  pen.Pixel(PIX_Trunc(cx - radius), PIX_Trunc(cy));
  if (filled) pen.BlendHorizSpan(PIX_Trunc(cy), PIX_Trunc(cx - radius + 1), PIX_Trunc(cx + radius - 1));
  if (!(radius > 0.0f)) return;
  do {
    Y = Y + 1.0f;
    float D;
    if (E >= 0.0f) {
      X = X - 1.0f;
      D = Y - X;
    } else {
      D = Y;
    }
    E = E + 2.0f * D + 1.0f;
    pen.Pixel(PIX_Trunc(cx + Y), PIX_Trunc(cy + X));
    pen.Pixel(PIX_Trunc(cx - Y), PIX_Trunc(cy + X));
    pen.Pixel(PIX_Trunc(cx + Y), PIX_Trunc(cy - X));
    pen.Pixel(PIX_Trunc(cx - Y), PIX_Trunc(cy - X));
    pen.Pixel(PIX_Trunc(cx + X), PIX_Trunc(cy + Y));
    pen.Pixel(PIX_Trunc(cx - X), PIX_Trunc(cy + Y));
    pen.Pixel(PIX_Trunc(cx + X), PIX_Trunc(cy - Y));
    pen.Pixel(PIX_Trunc(cx - X), PIX_Trunc(cy - Y));
    if (filled) {
      pen.BlendHorizSpan(PIX_Trunc(cy - X), PIX_Trunc(cx - Y + 1), PIX_Trunc(cx + Y - 1));
      pen.BlendHorizSpan(PIX_Trunc(cy + X), PIX_Trunc(cx - Y + 1), PIX_Trunc(cx + Y - 1));
      pen.BlendHorizSpan(PIX_Trunc(cy - Y), PIX_Trunc(cx - X + 1), PIX_Trunc(cx + X - 1));
      pen.BlendHorizSpan(PIX_Trunc(cy + Y), PIX_Trunc(cx - X + 1), PIX_Trunc(cx + X - 1));
    }
  } while (Y < X && Y <= reach);
}

template <class P>
void PIX_CircleAntialiased(const P& pen, float cx, float cy, float radius, bool filled, float reach)
{
  if (!(radius + 1.0f > 0.0f)) return;
  const int32_t w = pen.w;
  const float rr = radius * radius;
  float X = radius, Y = 0.0f;
  for (;;) {
    const float f = X - std::floor(X);
    if (f != 0.0f) {
      const int32_t a1 = PIX_Trunc((float)w * f), a2 = w - a1;  // outer, inner
      for (const int32_t col : {PIX_Trunc(Y + cx), PIX_Trunc(cx - Y)}) {
        pen.Pixel(col, PIX_Trunc(cy + 1 + X), a1);
        pen.Pixel(col, PIX_Trunc(X + cy), a2);
        pen.Pixel(col, PIX_Trunc(cy - X + 1), a2);
        pen.Pixel(col, PIX_Trunc(cy - X), a1);
      }
      pen.Pixel(PIX_Trunc(cx + 1 + X), PIX_Trunc(Y + cy), a1);
      pen.Pixel(PIX_Trunc(X + cx), PIX_Trunc(Y + cy), a2);
      pen.Pixel(PIX_Trunc(cx + 1 + X), PIX_Trunc(cy - Y), a1);
      pen.Pixel(PIX_Trunc(X + cx), PIX_Trunc(cy - Y), a2);
      pen.Pixel(PIX_Trunc(cx - X + 1), PIX_Trunc(Y + cy), a2);
      pen.Pixel(PIX_Trunc(cx - X), PIX_Trunc(Y + cy), a1);
      pen.Pixel(PIX_Trunc(cx - X + 1), PIX_Trunc(cy - Y), a2);
      pen.Pixel(PIX_Trunc(cx - X), PIX_Trunc(cy - Y), a1);
    } else {
      pen.Pixel(PIX_Trunc(Y + cx), PIX_Trunc(X + cy));
      pen.Pixel(PIX_Trunc(Y + cx), PIX_Trunc(cy - X));
      pen.Pixel(PIX_Trunc(cx - Y), PIX_Trunc(X + cy));
      pen.Pixel(PIX_Trunc(cx - Y), PIX_Trunc(cy - X));
      pen.Pixel(PIX_Trunc(X + cx), PIX_Trunc(Y + cy));
      pen.Pixel(PIX_Trunc(X + cx), PIX_Trunc(cy - Y));
      pen.Pixel(PIX_Trunc(cx - X), PIX_Trunc(Y + cy));
      pen.Pixel(PIX_Trunc(cx - X), PIX_Trunc(cy - Y));
    }
    if (filled) {
      pen.BlendHorizSpan(PIX_Trunc(cy - X + 1), PIX_Trunc(cx - Y), PIX_Trunc(Y + cx));
      pen.BlendHorizSpan(PIX_Trunc(X + cy), PIX_Trunc(cx - Y), PIX_Trunc(Y + cx));
      pen.BlendHorizSpan(PIX_Trunc(cy - Y), PIX_Trunc(cx - X + 1), PIX_Trunc(X + cx));
      pen.BlendHorizSpan(PIX_Trunc(Y + cy), PIX_Trunc(cx - X + 1), PIX_Trunc(X + cx));
    }
    Y = Y + 1.0f;
    // For some small radii Y passes the radius before the walk's own end
    // test fails; the square root would have no value there.
    if (Y * Y > rr || Y > reach) break;
    X = std::sqrt(rr - Y * Y);
    if (!(Y < X + 1.0f)) break;
  }
}

// The circle with two pixels of margin lies inside [0, width) x [0, height).
bool InsideWithMargin(float cx, float cy, float radius, int32_t width, int32_t height)
{
  const float r = std::fabs(radius) + 2.0f;
  return cx - r >= 0.0f && cy - r >= 0.0f && cx + r < (float)width && cy + r < (float)height;
}

void DrawCircle(PIX_IBitmap* bitmap, float cx, float cy, float radius, PIX_Pixel color, float alpha, int32_t mode,
                bool aa, bool filled)
{
  const int32_t width = bitmap->GetWidth(), height = bitmap->GetHeight();
  if (bitmap->IsFlipped()) cy = (float)(height - 1) - cy;
  const int32_t w = PIX_AlphaToWeight(alpha);
  if (w == 0) return;
  const bool clip = !(cx - radius - 1 >= 0.0f && cy - radius - 1 >= 0.0f && cx + radius + 1 < (float)width &&
                      cy + radius + 1 < (float)height);
  PIX_CircleDispatch(bitmap, cx, cy, radius, color, w, aa, filled, mode, PIX_Rect{0, 0, width, height}, clip);
}

bool ShapeOK(float cx, float cy, float radius)
{
  return PIX_ShapeCoordOK(cx) && PIX_ShapeCoordOK(cy) && PIX_ShapeCoordOK(radius);
}

}  // namespace

void PIX_CircleDispatch(PIX_IBitmap* bitmap, float cx, float cy, float radius, PIX_Pixel color, int32_t w, bool aa,
                        bool filled, int32_t mode, PIX_Rect box, bool clip)
{
  if (!bitmap || !ShapeOK(cx, cy, radius)) return;
  PIX_Pixel* bits = bitmap->GetBits();
  const int32_t width = bitmap->GetWidth(), height = bitmap->GetHeight(), span = bitmap->GetRowSpan();
  if (!bits || width < 1 || height < 1 || span < width) return;
  // The clip box never reaches beyond the bitmap, and a caller's promise
  // that no clipping is needed is checked rather than trusted.
  box.left = std::max(box.left, 0);
  box.top = std::max(box.top, 0);
  box.right = std::min(box.right, width);
  box.bottom = std::min(box.bottom, height);
  if (!clip && !InsideWithMargin(cx, cy, radius, width, height)) {
    clip = true;
    box = PIX_Rect{0, 0, width, height};
  }
  if (box.left >= box.right || box.top >= box.bottom) return;
  const float r = std::fabs(radius) + 2.0f;
  if (cx + r < (float)box.left || cx - r >= (float)box.right || cy + r < (float)box.top || cy - r >= (float)box.bottom)
    return;
  const float reach = std::max(std::max(std::fabs((float)box.left - cx), std::fabs((float)box.right - cx)),
                               std::max(std::fabs((float)box.top - cy), std::fabs((float)box.bottom - cy))) +
                      2.0f;

  auto walk = [&](const auto& put) {
    using Put = std::decay_t<decltype(put)>;
    auto run = [&](const auto& pen) {
      if (aa)
        PIX_CircleAntialiased(pen, cx, cy, radius, filled, reach);
      else
        PIX_CircleMidpoint(pen, cx, cy, radius, filled, reach);
    };
    if (clip)
      run(Pen<Put, true>{bits, span, box, put, w});
    else
      run(Pen<Put, false>{bits, span, box, put, w});
  };
  const PIX_Ink ink = PIX_InkOf(color);
  if (aa)
    PIX_WithShapeWriter<false>(mode, w, ink, walk);
  else
    PIX_WithShapeWriter<true>(mode, w, ink, walk);
}

bool PIX_SmallCircleStamp(PIX_IBitmap* bitmap, float cx, float cy, float radius, PIX_Pixel color, float alpha,
                          int32_t mode, bool aa)
{
  for (const PIX_CirclePattern& pattern : PIX_kCirclePatterns) {
    if (radius != pattern.radius) continue;
    if (!bitmap || !ShapeOK(cx, cy, radius)) return true;  // nothing of it can show
    PIX_DrawGlyph(bitmap, PIX_Trunc(cx - radius), PIX_Trunc(cy - radius), color, aa ? pattern.aa : pattern.plain,
                  pattern.side, pattern.side, alpha, mode);
    return true;
  }
  return false;
}

void PIX_Circle(PIX_IBitmap* bitmap, float cx, float cy, float radius, PIX_Pixel color, float alpha, int32_t mode,
                bool aa)
{
  if (!bitmap || !ShapeOK(cx, cy, radius)) return;
  if (PIX_SmallCircleStamp(bitmap, cx, cy, radius, color, alpha, mode, aa)) return;
  DrawCircle(bitmap, cx, cy, radius, color, alpha, mode, aa, false);
}

void PIX_FillCircle(PIX_IBitmap* bitmap, float cx, float cy, float radius, PIX_Pixel color, float alpha, int32_t mode,
                    bool aa)
{
  if (!bitmap || !ShapeOK(cx, cy, radius)) return;
  DrawCircle(bitmap, cx, cy, radius, color, alpha, mode, aa, true);
}
