// The PIX shapes beside pixman rasterising the same shapes as triangles and
// trapezoids, on the editor's 581 x 400 surface: a fan of plain and of
// antialiased lines, a plain and an antialiased filled circle, and a filled
// convex polygon. After the run, a table gives each PIX time as a ratio.
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "PIX_Blit.h"
#include "PIX_Circle.h"
#include "PIX_Line.h"
#include "PIX_MemBitmap.h"
#include "PIX_Polygon.h"
#include "RatioReporter.h"

namespace {

constexpr int kW = 581, kH = 400;
constexpr double kPi = 3.14159265358979323846;
const PIX_Pixel kColor = 0xFF3080C0;

pixman_fixed_t Fixed(double v) { return pixman_double_to_fixed(v); }
pixman_point_fixed_t Point(double x, double y) { return pixman_point_fixed_t{Fixed(x), Fixed(y)}; }

// 64 lines from the centre to points around the border.
struct Line {
  int x1, y1, x2, y2;
};
std::vector<Line> Fan()
{
  std::vector<Line> lines;
  for (int i = 0; i < 64; ++i) {
    const double t = 2 * kPi * i / 64;
    lines.push_back({kW / 2, kH / 2, (int)(kW / 2 + 280 * std::cos(t)), (int)(kH / 2 + 195 * std::sin(t))});
  }
  return lines;
}

// A line as pixman draws one: a quadrilateral one pixel wide through the
// pixel centres, as two triangles.
std::vector<pixman_triangle_t> LineTriangles(const std::vector<Line>& lines)
{
  std::vector<pixman_triangle_t> tris;
  for (const Line& l : lines) {
    const double dx = l.x2 - l.x1, dy = l.y2 - l.y1, len = std::hypot(dx, dy);
    const double nx = -dy / len * 0.5, ny = dx / len * 0.5;
    const double ax = l.x1 + 0.5, ay = l.y1 + 0.5, bx = l.x2 + 0.5, by = l.y2 + 0.5;
    const pixman_point_fixed_t p1 = Point(ax + nx, ay + ny), p2 = Point(bx + nx, by + ny), p3 = Point(bx - nx, by - ny),
                               p4 = Point(ax - nx, ay - ny);
    tris.push_back({p1, p2, p3});
    tris.push_back({p1, p3, p4});
  }
  return tris;
}

constexpr double kCircleX = 290.5, kCircleY = 200.5, kRadius = 150.0;

// The disc as a fan of 256 triangles about its centre.
std::vector<pixman_triangle_t> CircleTriangles()
{
  std::vector<pixman_triangle_t> tris;
  const int n = 256;
  for (int i = 0; i < n; ++i) {
    const double a = 2 * kPi * i / n, b = 2 * kPi * (i + 1) / n;
    tris.push_back({Point(kCircleX, kCircleY),
                    Point(kCircleX + kRadius * std::cos(a), kCircleY + kRadius * std::sin(a)),
                    Point(kCircleX + kRadius * std::cos(b), kCircleY + kRadius * std::sin(b))});
  }
  return tris;
}

// A convex 12-gon filling most of the surface.
struct Polygon {
  std::vector<int32_t> x, y;
};
Polygon TwelveGon()
{
  Polygon p;
  for (int i = 0; i < 12; ++i) {
    const double t = 2 * kPi * i / 12 + 0.1;
    p.x.push_back((int32_t)(kW / 2 + 270 * std::cos(t)));
    p.y.push_back((int32_t)(kH / 2 + 190 * std::sin(t)));
  }
  return p;
}

// The polygon cut into trapezoids between its vertex rows (pixel centres).
std::vector<pixman_trapezoid_t> PolygonTrapezoids(const Polygon& p)
{
  const size_t n = p.x.size();
  std::vector<double> rows(p.y.begin(), p.y.end());
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  auto edgeAt = [&](double y, bool left) {
    // The edge of the requested side crossing row y (x at its middle).
    double best = left ? 1e9 : -1e9;
    pixman_line_fixed_t line{};
    for (size_t i = 0; i < n; ++i) {
      const double x1 = p.x[i] + 0.5, y1 = p.y[i] + 0.5, x2 = p.x[(i + 1) % n] + 0.5, y2 = p.y[(i + 1) % n] + 0.5;
      if ((y < std::min(y1, y2)) || (y > std::max(y1, y2)) || y1 == y2) continue;
      const double x = x1 + (x2 - x1) * (y - y1) / (y2 - y1);
      if (left ? x < best : x > best) {
        best = x;
        line = pixman_line_fixed_t{Point(x1, y1), Point(x2, y2)};
      }
    }
    return line;
  };
  std::vector<pixman_trapezoid_t> traps;
  for (size_t i = 0; i + 1 < rows.size(); ++i) {
    const double top = rows[i] + 0.5, bottom = rows[i + 1] + 0.5, mid = 0.5 * (top + bottom);
    traps.push_back({Fixed(top), Fixed(bottom), edgeAt(mid, true), edgeAt(mid, false)});
  }
  return traps;
}

struct Scene {
  PIX_MemBitmap dest{kW, kH};
  pixman_image_t* pdest;
  pixman_image_t* solid;
  std::vector<Line> fan = Fan();
  std::vector<pixman_triangle_t> lineTris = LineTriangles(fan);
  std::vector<pixman_triangle_t> circleTris = CircleTriangles();
  Polygon polygon = TwelveGon();
  std::vector<pixman_trapezoid_t> polygonTraps = PolygonTrapezoids(polygon);

  Scene()
  {
    PIX_FillRect(&dest, 0, 0, kW, kH, 0xFF101010, 1.0f, 0);
    pdest = pixman_image_create_bits(PIXMAN_a8r8g8b8, kW, kH, reinterpret_cast<uint32_t*>(dest.GetBits()),
                                     dest.GetRowSpan() * 4);
    const pixman_color_t c{0x3030, 0x8080, 0xC0C0, 0xFFFF};
    solid = pixman_image_create_solid_fill(&c);
  }
  ~Scene()
  {
    pixman_image_unref(solid);
    pixman_image_unref(pdest);
  }
  void Triangles(const std::vector<pixman_triangle_t>& tris, pixman_format_code_t mask)
  {
    pixman_composite_triangles(PIXMAN_OP_OVER, solid, pdest, mask, 0, 0, 0, 0, (int)tris.size(), tris.data());
  }
};

struct Operation {
  const char* name;
  std::function<void(Scene&)> pix;
  std::function<void(Scene&)> pixman;
};

const Operation kOperations[] = {
    {"lines",
     [](Scene& s) {
       for (const Line& l : s.fan) PIX_Line(&s.dest, l.x1, l.y1, l.x2, l.y2, kColor, 1.0f, 0, false);
     },
     [](Scene& s) { s.Triangles(s.lineTris, PIXMAN_a1); }},
    {"aa-lines",
     [](Scene& s) {
       for (const Line& l : s.fan) PIX_Line(&s.dest, l.x1, l.y1, l.x2, l.y2, kColor, 1.0f, 0, true);
     },
     [](Scene& s) { s.Triangles(s.lineTris, PIXMAN_a8); }},
    {"filled-circle",
     [](Scene& s) {
       PIX_FillCircle(&s.dest, (float)kCircleX, (float)kCircleY, (float)kRadius, kColor, 1.0f, 0, false);
     },
     [](Scene& s) { s.Triangles(s.circleTris, PIXMAN_a1); }},
    {"aa-filled-circle",
     [](Scene& s) { PIX_FillCircle(&s.dest, (float)kCircleX, (float)kCircleY, (float)kRadius, kColor, 1.0f, 0, true); },
     [](Scene& s) { s.Triangles(s.circleTris, PIXMAN_a8); }},
    {"convex-polygon",
     [](Scene& s) {
       PIX_FillConvexPolygon(&s.dest, s.polygon.x.data(), s.polygon.y.data(), (int32_t)s.polygon.x.size(), kColor, 1.0f,
                             0);
     },
     [](Scene& s) {
       pixman_composite_trapezoids(PIXMAN_OP_OVER, s.solid, s.pdest, PIXMAN_a1, 0, 0, 0, 0, (int)s.polygonTraps.size(),
                                   s.polygonTraps.data());
     }},
};

}  // namespace

int main(int argc, char** argv)
{
  for (const Operation& op : kOperations)
    for (auto who : {std::make_pair("pix", op.pix), std::make_pair("pixman", op.pixman)}) {
      const auto run = who.second;
      benchmark::RegisterBenchmark((std::string(op.name) + "/581x400/" + who.first).c_str(),
                                   [run](benchmark::State& state) {
                                     Scene scene;
                                     for (auto _ : state) {
                                       run(scene);
                                       benchmark::ClobberMemory();
                                     }
                                   });
    }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  std::printf("\n%-28s %14s\n", "shape", "pix / pixman");
  for (const Operation& op : kOperations) {
    const std::string base = std::string(op.name) + "/581x400";
    if (!reporter.Has(base + "/pix") || !reporter.Has(base + "/pixman")) continue;
    std::printf("%-28s %14.2f\n", base.c_str(), reporter.Time(base + "/pix") / reporter.Time(base + "/pixman"));
  }
  benchmark::Shutdown();
  return 0;
}
