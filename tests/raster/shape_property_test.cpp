// Random shapes of every kind: nothing is written outside the bitmap, and
// filled shapes cover what their outline encloses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "PIX_Arc.h"
#include "PIX_Bezier.h"
#include "PIX_Circle.h"
#include "PIX_FLine.h"
#include "PIX_Line.h"
#include "PIX_Polygon.h"
#include "shape_test_bitmap.h"

namespace {

const PIX_Pixel kWhite = Grey(255);

class Random {
public:
  explicit Random(uint32_t seed) : mEngine(seed) {}
  int32_t Int(int32_t lo, int32_t hi) { return std::uniform_int_distribution<int32_t>(lo, hi)(mEngine); }
  float Real(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(mEngine); }
  bool Chance(int32_t percent) { return Int(0, 99) < percent; }
  // Mostly near the bitmap, sometimes far outside it, now and then extreme.
  float Coord(int32_t size)
  {
    if (Chance(3)) return Chance(50) ? Real(-3e9f, 3e9f) : Real(-1e5f, 1e5f);
    return Real(-0.5f * size, 1.5f * size);
  }
  int32_t IntCoord(int32_t size)
  {
    if (Chance(3)) return Int(INT32_MIN, INT32_MAX);
    return Int(-size / 2, size + size / 2);
  }

private:
  std::mt19937 mEngine;
};

// Any mode and alpha a caller may pass, including ones that draw nothing.
struct Ink {
  PIX_Pixel color;
  float alpha;
  int32_t mode;
  bool aa;
};

Ink RandomInk(Random& r)
{
  static const float kAlphas[] = {1.0f, 0.5f, 0.25f, 0.75f, 0.3f, 0.0f, -0.4f, 1.7f, 0.5001f};
  return Ink{(PIX_Pixel)r.Int(INT32_MIN, INT32_MAX), kAlphas[r.Int(0, 8)], r.Int(0, 7) | (r.Chance(20) ? 0x10000 : 0),
             r.Chance(50)};
}

TEST(ShapeProperties, NothingIsWrittenOutsideTheBitmap)
{
  Random r(20261210);
  for (int iteration = 0; iteration < 3000; ++iteration) {
    const int32_t w = r.Chance(10) ? 581 : r.Int(1, 40), h = r.Chance(10) ? 400 : r.Int(1, 30);
    ShapeTestBitmap bm(w, h, 0x10203040, r.Chance(30));
    const Ink k = RandomInk(r);
    const int32_t kind = iteration % 12;
    switch (kind) {
      case 0:
        PIX_Line(&bm, r.IntCoord(w), r.IntCoord(h), r.IntCoord(w), r.IntCoord(h), k.color, k.alpha, k.mode, k.aa);
        break;
      case 1: PIX_FLine(&bm, r.Coord(w), r.Coord(h), r.Coord(w), r.Coord(h), k.color, k.alpha, k.mode, k.aa); break;
      case 2: {
        const int32_t n = r.Int(0, 9);
        std::vector<int32_t> x(n), y(n);
        for (int32_t i = 0; i < n; ++i) x[i] = r.IntCoord(w), y[i] = r.IntCoord(h);
        PIX_FillConvexPolygon(&bm, x.data(), y.data(), n, k.color, k.alpha, k.mode);
        break;
      }
      case 3:
        PIX_FillTrapezoid(&bm, r.IntCoord(w), r.IntCoord(w), r.IntCoord(h), r.IntCoord(w), r.IntCoord(w), r.IntCoord(h),
                          k.color, k.alpha, k.mode);
        break;
      case 4:
        PIX_Circle(&bm, r.Coord(w), r.Coord(h), r.Chance(20) ? r.Real(-5, 5) : r.Coord(w), k.color, k.alpha, k.mode,
                   k.aa);
        break;
      case 5:
        PIX_FillCircle(&bm, r.Coord(w), r.Coord(h), r.Chance(20) ? r.Real(-5, 5) : r.Coord(w), k.color, k.alpha, k.mode,
                       k.aa);
        break;
      case 6:
        PIX_Arc(&bm, r.Coord(w), r.Coord(h), r.Coord(w), r.Real(-20, 20), r.Real(-20, 20), k.color, k.alpha, k.mode,
                k.aa);
        break;
      case 7:
        PIX_RoundRect(&bm, r.Coord(w), r.Coord(h), r.Coord(w), r.Coord(h), r.Int(-3, 40), k.color, k.alpha, k.mode,
                      k.aa);
        break;
      case 8:
        PIX_DashedLine(&bm, r.IntCoord(w), r.IntCoord(h), r.IntCoord(w), r.IntCoord(h), r.Int(-1, 5), r.Int(-1, 5),
                       k.color, k.alpha, k.mode);
        if (r.Chance(50))
          PIX_DrawRect(&bm, r.IntCoord(w), r.IntCoord(h), r.IntCoord(w), r.IntCoord(h), k.color, k.alpha, k.mode);
        break;
      case 9:
        PIX_DrawQBezier(&bm, r.Coord(w), r.Coord(h), r.Coord(w), r.Coord(h), r.Coord(w), r.Coord(h), k.color, k.alpha,
                        k.mode, k.aa, r.Real(-1, 4));
        break;
      case 10:
        PIX_DrawCBezier(&bm, r.Coord(w), r.Coord(h), r.Coord(w), r.Coord(h), r.Coord(w), r.Coord(h), r.Coord(w),
                        r.Coord(h), k.color, k.alpha, k.mode, k.aa, r.Real(-1, 4));
        break;
      default:
        if (r.Chance(50))
          PIX_FillCBezier(&bm, r.Coord(w), r.Coord(h), r.Coord(w), r.Coord(h), r.Coord(w), r.Coord(h), r.Coord(w),
                          r.Coord(h), r.IntCoord(h), k.color, k.alpha, k.mode, r.Real(-1, 4));
        else
          PIX_FillCBezierToColumn(&bm, r.Coord(w), r.Coord(h), r.Coord(w), r.Coord(h), r.Coord(w), r.Coord(h),
                                  r.Coord(w), r.Coord(h), r.IntCoord(w), k.color, k.alpha, k.mode, r.Real(-1, 4));
        break;
    }
    ASSERT_TRUE(bm.GuardIntact()) << "iteration " << iteration << ", kind " << kind << ", " << w << " x " << h;
  }
}

// Convex polygons: every pixel well inside is filled, nothing well outside
// is touched; inside the bitmap each pixel once, while a polygon cut at the
// bitmap's sides fills the row of each cut again.
TEST(ShapeProperties, ConvexPolygonsCoverTheirInside)
{
  Random r(7);
  for (int iteration = 0; iteration < 400; ++iteration) {
    const int32_t w = r.Chance(20) ? 581 : 41, h = 40;
    const bool clipped = iteration % 2 == 1;
    // The convex hull of a few random points (monotone chains).
    std::vector<std::pair<int32_t, int32_t>> pts(r.Int(3, 12));
    for (auto& p : pts) {
      if (clipped)
        p = {r.Int(-w, 2 * w), r.Int(-h, 2 * h)};
      else
        p = {r.Int(0, w - 1), r.Int(0, h - 1)};
    }
    std::sort(pts.begin(), pts.end());
    pts.erase(std::unique(pts.begin(), pts.end()), pts.end());
    auto cross = [](const std::pair<int32_t, int32_t>& o, const std::pair<int32_t, int32_t>& a,
                    const std::pair<int32_t, int32_t>& b) {
      return (int64_t)(a.first - o.first) * (b.second - o.second) -
             (int64_t)(a.second - o.second) * (b.first - o.first);
    };
    std::vector<std::pair<int32_t, int32_t>> hull;
    for (int pass = 0; pass < 2; ++pass) {
      const size_t start = hull.size();
      for (const auto& p : pts) {
        while (hull.size() >= start + 2 && cross(hull[hull.size() - 2], hull.back(), p) <= 0) hull.pop_back();
        hull.push_back(p);
      }
      hull.pop_back();
      std::reverse(pts.begin(), pts.end());
    }
    if (hull.size() < 3) continue;
    std::vector<int32_t> x, y;
    for (const auto& p : hull) x.push_back(p.first), y.push_back(p.second);

    ShapeTestBitmap bm(w, h);
    PIX_FillConvexPolygon(&bm, x.data(), y.data(), (int32_t)x.size(), Grey(1), 1.0f, 1);
    // Signed distance of a pixel centre from the polygon (inside positive).
    double area = 0;
    for (size_t i = 0; i < hull.size(); ++i) area += cross({0, 0}, hull[i], hull[(i + 1) % hull.size()]);
    const double orientation = area > 0 ? 1.0 : -1.0;
    // A cut restarts the cut edge from a whole row, which moves it sideways
    // by up to its run per row: the cut polygon is judged with that slack.
    double slack = 0;
    for (size_t i = 0; clipped && i < hull.size(); ++i) {
      const auto& a = hull[i];
      const auto& b = hull[(i + 1) % hull.size()];
      if (a.second != b.second)
        slack = std::max(slack, 1.0 + std::fabs((double)(b.first - a.first) / (b.second - a.second)));
    }
    auto inside = [&](double px, double py) {
      double d = 1e9;
      for (size_t i = 0; i < hull.size(); ++i) {
        const auto& a = hull[i];
        const auto& b = hull[(i + 1) % hull.size()];
        const double ex = b.first - a.first, ey = b.second - a.second;
        d = std::min(d, orientation * (ex * (py - a.second) - ey * (px - a.first)) / std::hypot(ex, ey));
      }
      return d;
    };
    for (int32_t py = 0; py < h; ++py)
      for (int32_t px = 0; px < w; ++px) {
        const PIX_Pixel p = bm.At(px, py);
        // A row where the left and the right side are both cut lies in three pieces.
        ASSERT_LE(p, Grey(clipped ? 3 : 1)) << "covered too often at " << px << "," << py << " iteration " << iteration;
        const double d = inside(px, py);
        if (d > 1.0 + slack) {
          ASSERT_GE(p, Grey(1)) << "gap at " << px << "," << py << " iteration " << iteration;
        } else if (d < -1.5 - slack) {
          ASSERT_EQ(p, 0u) << "spill at " << px << "," << py << " iteration " << iteration;
        }
      }
  }
}

// Discs cover every pixel well inside their radius and nothing well outside;
// a plain disc's rows run without gaps between its outline's ends.
TEST(ShapeProperties, DiscsCoverTheirInside)
{
  Random r(11);
  for (int iteration = 0; iteration < 300; ++iteration) {
    const float cx = r.Real(-5, 46), cy = r.Real(-5, 36), radius = r.Real(0, 25);
    const bool aa = r.Chance(50);
    ShapeTestBitmap disc(41, 31), ring(41, 31);
    PIX_FillCircle(&disc, cx, cy, radius, kWhite, 1.0f, 0, aa);
    PIX_CircleDispatch(&ring, cx, cy, radius, kWhite, 256, aa, false, 0, PIX_Rect{0, 0, 41, 31}, true);
    for (int32_t y = 0; y < 31; ++y) {
      int32_t first = -1, last = -1, ringFirst = -1, ringLast = -1;
      for (int32_t x = 0; x < 41; ++x) {
        const double d = std::hypot(x - cx, y - cy);
        const PIX_Pixel p = disc.At(x, y);
        if (d < radius - 1.5) {
          ASSERT_EQ(p, kWhite) << cx << "," << cy << " r " << radius << " at " << x << "," << y;
        } else if (d > std::max(radius, 1.0f) + 3.0) {
          // The midpoint walk takes one step at any radius, and truncation
          // toward zero moves pixels left of column 0 one further right.
          ASSERT_EQ(p, 0u) << cx << "," << cy << " r " << radius << " at " << x << "," << y;
        }
        if (p) {
          if (first < 0) first = x;
          last = x;
        }
        if (ring.At(x, y)) {
          if (ringFirst < 0) ringFirst = x;
          ringLast = x;
        }
      }
      if (aa || first < 0 || radius < 1.0f) continue;  // below a pixel the walk leaves single pixels
      for (int32_t x = first; x <= last; ++x) ASSERT_EQ(disc.At(x, y), kWhite) << "gap at " << x << "," << y;
      // Where no column is clipped, rows end at the outline's outermost pixels.
      if (cx - radius > 1 && cx + radius < 39) {
        EXPECT_EQ(first, ringFirst) << cx << "," << cy << " r " << radius << " row " << y;
        EXPECT_EQ(last, ringLast) << cx << "," << cy << " r " << radius << " row " << y;
      }
    }
  }
}

}  // namespace
