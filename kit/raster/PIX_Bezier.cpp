// Bezier curves as chains of float lines, and cubic curves filled down to a
// base row or column. Curves are evaluated in double precision.
#include "PIX_Bezier.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "PIX_FLine.h"
#include "PIX_Line.h"
#include "PIX_Polygon.h"

namespace {

struct Point {
  double x, y;
};

// However long the curve, this many lines are enough: a curve that long
// cannot lie in any bitmap, and the walk must stay short.
constexpr double kMaxSegments = 65536.0;

int32_t SegmentCount(double length, float tolerance)
{
  const double tol = tolerance > 0.0f && std::isfinite(tolerance) ? tolerance : 1.0;
  const double n = std::trunc(length / tol);
  return (int32_t)std::min(std::max(n, 1.0), kMaxSegments);
}

double Distance(const Point& a, const Point& b) { return std::hypot(b.x - a.x, b.y - a.y); }

bool AllFinite(std::initializer_list<float> values)
{
  for (float v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

void Join(PIX_IBitmap* bitmap, const Point& a, const Point& b, PIX_Pixel color, float alpha, int32_t mode, bool aa)
{
  PIX_FLine(bitmap, (float)a.x, (float)a.y, (float)b.x, (float)b.y, color, alpha, mode, aa);
}

// y of the quadratic curve where its x reaches x (x0 <= x2).
double QuadraticYAt(const Point* p, double x)
{
  if (x <= p[0].x) return p[0].y;
  if (x >= p[2].x) return p[2].y;
  const double a = p[0].x - 2 * p[1].x + p[2].x, b = 2 * (p[1].x - p[0].x), c = p[0].x - x;
  if (a == 0) {
    const double t = (x - p[0].x) / (p[2].x - p[0].x);
    return p[0].y + (p[2].y - p[0].y) * t;
  }
  const double t = (std::sqrt(std::max(b * b - 4 * a * c, 0.0)) - b) / (2 * a);
  return (1 - t) * (1 - t) * p[0].y + 2 * (1 - t) * t * p[1].y + t * t * p[2].y;
}

// p(t) = a t^3 + b t^2 + c t + d per axis.
struct Cubic {
  double ax, bx, cx, dx, ay, by, cy, dy;

  explicit Cubic(const Point* p)
  {
    cx = 3 * (p[1].x - p[0].x);
    bx = 3 * (p[2].x - p[1].x) - cx;
    ax = p[3].x - p[0].x - cx - bx;
    dx = p[0].x;
    cy = 3 * (p[1].y - p[0].y);
    by = 3 * (p[2].y - p[1].y) - cy;
    ay = p[3].y - p[0].y - cy - by;
    dy = p[0].y;
  }
  double X(double t) const { return ((ax * t + bx) * t + cx) * t + dx; }
  Point At(double t) const { return Point{X(t), ((ay * t + by) * t + cy) * t + dy}; }

  // The first (or last) t in [0, 1] where x(t) = v: the range is cut where
  // x turns, and each monotone piece that brackets v is bisected.
  bool SolveX(double v, bool last, double* t) const
  {
    double cuts[4] = {0.0, 0.0, 0.0, 1.0};
    int n = 1;
    const double qa = 3 * ax, qb = 2 * bx, qc = cx;
    auto addCut = [&](double r) {
      if (r > 0.0 && r < 1.0) cuts[n++] = r;
    };
    if (qa != 0) {
      const double disc = qb * qb - 4 * qa * qc;
      if (disc >= 0) {
        const double s = std::sqrt(disc);
        addCut((-qb - s) / (2 * qa));
        addCut((-qb + s) / (2 * qa));
      }
    } else if (qb != 0) {
      addCut(-qc / qb);
    }
    if (n == 3 && cuts[1] > cuts[2]) std::swap(cuts[1], cuts[2]);
    cuts[n++] = 1.0;
    bool found = false;
    for (int i = 0; i + 1 < n; ++i) {
      double lo = cuts[i], hi = cuts[i + 1];
      const double flo = X(lo) - v, fhi = X(hi) - v;
      double root;
      if (flo == 0) {
        root = lo;
      } else if (fhi == 0) {
        root = hi;
      } else if ((flo > 0) == (fhi > 0)) {
        continue;
      } else {
        for (int k = 0; k < 64; ++k) {
          const double mid = 0.5 * (lo + hi), fmid = X(mid) - v;
          if ((fmid > 0) == (flo > 0))
            lo = mid;
          else
            hi = mid;
        }
        root = 0.5 * (lo + hi);
      }
      *t = root;
      found = true;
      if (!last) return true;
    }
    return found;
  }
};

// The curve ordered along x (or y), its parameter range cut to the columns
// of the bitmap, and the end points of that range.
struct CubicRange {
  Point p[4];
  double t0 = 0.0, t1 = 1.0;
  Point start, end;
  bool visible = false;

  CubicRange(const Point* points, bool byY, int32_t width)
  {
    std::copy(points, points + 4, p);
    if (byY ? p[0].y > p[3].y : p[0].x > p[3].x) {
      std::swap(p[0], p[3]);
      std::swap(p[1], p[2]);
    }
    const Cubic curve(p);
    if (p[0].x < 0 && !curve.SolveX(0.0, false, &t0)) return;
    if (p[3].x >= width && !curve.SolveX(width - 1.0, true, &t1)) return;
    start = curve.At(t0);
    end = curve.At(t1);
    if (t0 > t1 || (byY ? start.y > end.y : start.x > end.x)) return;
    visible = true;
  }

  int32_t Segments(float tolerance) const
  {
    return SegmentCount((Distance(p[0], p[1]) + Distance(p[1], p[2]) + Distance(p[2], p[3])) * (t1 - t0), tolerance);
  }
};

// A curve coordinate as a pixel position, held far from the int32 limits.
int32_t ToPixel(double v)
{
  constexpr double kLimit = 1073741824.0;
  return (int32_t)std::min(std::max(v, -kLimit), kLimit);
}

// Fills between the curve and a base line. u runs along the curve's
// direction (x for a base row, y for a base column), v across it.
struct BaseFill {
  PIX_IBitmap* bitmap;
  bool byY;
  int32_t base;
  PIX_Pixel color;
  float alpha;
  int32_t mode;

  void Polygon(std::initializer_list<Point> uv) const
  {
    int32_t x[4], y[4], n = 0;
    for (const Point& q : uv) {
      x[n] = ToPixel(byY ? q.y : q.x);
      y[n] = ToPixel(byY ? q.x : q.y);
      ++n;
    }
    PIX_FillConvexPolygon(bitmap, x, y, n, color, alpha, mode);
  }

  // Across from the curve at u to the base, both included as the polygons
  // include them.
  void Across(int32_t u, int32_t v) const
  {
    if (byY)
      PIX_Line(bitmap, v, u, base, u, color, alpha, mode, false);
    else
      PIX_Line(bitmap, u, v, u, base, color, alpha, mode, false);
  }

  // The columns (or rows) from u0 up to u1, not including u1, which the next
  // piece starts on.
  void Piece(int32_t u0, int32_t v0, int32_t u1, int32_t v1) const
  {
    if (u1 - u0 == 1) return Across(u0, v0);
    const double ue = u1 - 1.0;
    const double ve = std::floor(v0 + (double)(v1 - v0) * (ue - u0) / (u1 - u0) + 0.5);
    const double b = base;
    if ((v0 - b) * (ve - b) >= 0) return Polygon({{(double)u0, (double)v0}, {ue, ve}, {ue, b}, {(double)u0, b}});
    const double uc = std::floor(u0 + (b - v0) * (ue - u0) / (ve - v0) + 0.5);
    Polygon({{(double)u0, (double)v0}, {uc, b}, {(double)u0, b}});
    Polygon({{uc, b}, {ue, ve}, {ue, b}});
  }
};

void FillCubic(PIX_IBitmap* bitmap, const Point* points, bool byY, int32_t base, PIX_Pixel color, float alpha,
               int32_t mode, float tolerance)
{
  if (!bitmap) return;
  const CubicRange range(points, byY, bitmap->GetWidth());
  if (!range.visible) return;
  const Cubic curve(range.p);
  const int32_t n = range.Segments(tolerance);
  const BaseFill fill{bitmap, byY, base, color, alpha, mode};
  auto along = [&](const Point& q) { return ToPixel(std::trunc(byY ? q.y : q.x)); };
  auto across = [&](const Point& q) { return ToPixel(std::floor((byY ? q.x : q.y) + 0.5)); };
  int32_t u = along(range.start), v = across(range.start);
  for (int32_t i = 1; i <= n; ++i) {
    const Point q = i == n ? range.end : curve.At(range.t0 + i * (range.t1 - range.t0) / n);
    const int32_t qu = along(q), qv = across(q);
    if (qu - u >= 1) {
      fill.Piece(u, v, qu, qv);
      u = qu;
      v = qv;
    }
  }
  fill.Across(u, v);
}

}  // namespace

void PIX_DrawQBezier(PIX_IBitmap* bitmap, float x0, float y0, float x1, float y1, float x2, float y2, PIX_Pixel color,
                     float alpha, int32_t mode, bool aa, float tolerance)
{
  if (!bitmap || !AllFinite({x0, y0, x1, y1, x2, y2})) return;
  Point p[3] = {{x0, y0}, {x1, y1}, {x2, y2}};
  if (p[0].x > p[2].x) std::swap(p[0], p[2]);
  const double width = bitmap->GetWidth();
  const Point first = p[0].x < 0 ? Point{0.0, QuadraticYAt(p, 0.0)} : p[0];
  const Point last = p[2].x >= width ? Point{width - 1, QuadraticYAt(p, width - 1)} : p[2];
  if (first.x > last.x) return;
  const int32_t n = SegmentCount(Distance(p[0], p[1]) + Distance(p[1], p[2]), tolerance);
  const float step = 1.0f / (float)n;
  float t = 0.0f;
  Point previous = first;
  for (int32_t i = 1; i < n; ++i) {
    t += step;
    const double s = 1.0 - t;
    const Point q{s * s * p[0].x + 2 * s * t * p[1].x + (double)t * t * p[2].x,
                  s * s * p[0].y + 2 * s * t * p[1].y + (double)t * t * p[2].y};
    Join(bitmap, previous, q, color, alpha, mode, aa);
    previous = q;
  }
  Join(bitmap, previous, last, color, alpha, mode, aa);
}

void PIX_DrawCBezier(PIX_IBitmap* bitmap, float x0, float y0, float x1, float y1, float x2, float y2, float x3,
                     float y3, PIX_Pixel color, float alpha, int32_t mode, bool aa, float tolerance)
{
  if (!bitmap || !AllFinite({x0, y0, x1, y1, x2, y2, x3, y3})) return;
  const Point points[4] = {{x0, y0}, {x1, y1}, {x2, y2}, {x3, y3}};
  const CubicRange range(points, false, bitmap->GetWidth());
  if (!range.visible) return;
  const Cubic curve(range.p);
  const int32_t n = range.Segments(tolerance);
  Point previous = range.start;
  for (int32_t i = 1; i < n; ++i) {
    const Point q = curve.At(range.t0 + i * (range.t1 - range.t0) / n);
    Join(bitmap, previous, q, color, alpha, mode, aa);
    previous = q;
  }
  Join(bitmap, previous, range.end, color, alpha, mode, aa);
}

void PIX_FillCBezier(PIX_IBitmap* bitmap, float x0, float y0, float x1, float y1, float x2, float y2, float x3,
                     float y3, int32_t baseY, PIX_Pixel color, float alpha, int32_t mode, float tolerance)
{
  if (!AllFinite({x0, y0, x1, y1, x2, y2, x3, y3})) return;
  const Point points[4] = {{x0, y0}, {x1, y1}, {x2, y2}, {x3, y3}};
  FillCubic(bitmap, points, false, baseY, color, alpha, mode, tolerance);
}

void PIX_FillCBezierToColumn(PIX_IBitmap* bitmap, float x0, float y0, float x1, float y1, float x2, float y2, float x3,
                             float y3, int32_t baseX, PIX_Pixel color, float alpha, int32_t mode, float tolerance)
{
  if (!AllFinite({x0, y0, x1, y1, x2, y2, x3, y3})) return;
  const Point points[4] = {{x0, y0}, {x1, y1}, {x2, y2}, {x3, y3}};
  FillCubic(bitmap, points, true, baseX, color, alpha, mode, tolerance);
}
