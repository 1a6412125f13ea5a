// One slow per-pixel reference of the blend arithmetic, written apart from
// the library, against every operation that offers the blend modes: each of
// them runs its own loop per mode, so a wrong one among them shows here.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "PIX_Blit.h"
#include "PIX_Circle.h"
#include "PIX_Line.h"
#include "PIX_MemBitmap.h"
#include "PIX_Polygon.h"
#include "PIX_RotatedBlit.h"
#include "PIX_ScaledBlit.h"
#include "shape_test_bitmap.h"

namespace ref {

struct Rgba {
  int r, g, b, a;
};

Rgba Split(PIX_Pixel p) { return Rgba{PIX_PixelR(p), PIX_PixelG(p), PIX_PixelB(p), PIX_PixelA(p)}; }
PIX_Pixel Join(const Rgba& c) { return PIX_MakePixel(c.r & 255, c.g & 255, c.b & 255, c.a & 255); }
int Clamp(int v) { return v < 0 ? 0 : v > 255 ? 255 : v; }
int Weight(float alpha) { return (int)(alpha * 256.0f); }

int Reciprocal(int i) { return i == 0 ? 0 : 65536 / i - 1; }

void RgbToHsv(int r, int g, int b, int* h, int* s, int* v)
{
  const int hi = std::max(r, std::max(g, b));
  int base, num, delta;
  if (g > r && g > b)
    base = 128, num = b - r, delta = g - std::min(r, b);
  else if (g > r)
    base = 256, num = r - g, delta = b - r;
  else if (b < r && g >= b)
    base = 0, num = g - b, delta = r - b;
  else if (b < r)
    base = 383, num = g - b, delta = r - g;
  else
    base = 256, num = r - g, delta = b - std::min(g, r);
  *h = base + ((Reciprocal(delta) + 1) * num) / 1024;
  *s = (Reciprocal(hi) * delta) / 256;
  *v = hi;
}

Rgba HsvToRgb(int h, int s, int v, int a)
{
  const int p = v * (256 - s) / 256;
  auto t = [&](int k) { return v * (16384 - k * s) / 16384; };
  if (h < 64) return {v, t(64 - h), p, a};
  if (h < 128) return {t(h - 64), v, p, a};
  if (h < 192) return {p, v, t(192 - h), a};
  if (h < 256) return {p, t(h - 192), v, a};
  if (h < 320) return {t(320 - h), p, v, a};
  return {v, p, t(h - 320), a};
}

// The plain combiner of mode m (0..5) at weight w, storing forms.
PIX_Pixel Combine(PIX_Pixel dest, const Rgba& s, int w, int m)
{
  Rgba d = Split(dest);
  auto each = [&](auto f) { d.r = f(d.r, s.r), d.g = f(d.g, s.g), d.b = f(d.b, s.b), d.a = f(d.a, s.a); };
  switch (m) {
    case 0: each([&](int dc, int sc) { return sc + ((dc - sc) * (256 - w)) / 256; }); break;
    case 1: each([&](int dc, int sc) { return Clamp(dc + (sc * w) / 256); }); break;
    case 2:
      each([&](int dc, int sc) {
        const int q = 256 - (sc * w) / 256;
        return Clamp(q >= 2 ? (dc * 256) / q : dc * 256);
      });
      break;
    case 3: each([&](int dc, int sc) { return (dc * (sc * w + (256 - w) * 256)) / 65536; }); break;
    case 4:
      each([&](int dc, int sc) {
        const int mm = sc * w + (256 - w) * 128;
        return Clamp(((((32768 - mm) * dc) / 256 + mm) * dc) / 32768);
      });
      break;
    case 5: {
      int h, sat, v;
      RgbToHsv(d.r, d.g, d.b, &h, &sat, &v);
      h += ((s.r + s.r / 2 - 192) * w) / 256;
      if (h < 0)
        h += 384;
      else if (h >= 384)
        h -= 384;
      sat = Clamp(sat + ((s.g - 128) * w) / 128);
      v = Clamp(v + ((s.b - 128) * w) / 128);
      d = HsvToRgb(h, sat, v, s.a);
      break;
    }
  }
  return Join(d);
}

PIX_Pixel Half(PIX_Pixel p) { return (p >> 1) & 0x7F7F7F7F; }
PIX_Pixel Quarter(PIX_Pixel p) { return (p >> 2) & 0x3F3F3F3F; }
PIX_Pixel MixHalf(PIX_Pixel d, PIX_Pixel c) { return Half(d) + Half(c); }
PIX_Pixel MixQuarterColor(PIX_Pixel d, PIX_Pixel c) { return Half(d) + Quarter(d) + Quarter(c); }
PIX_Pixel MixThreeQuarterColor(PIX_Pixel d, PIX_Pixel c) { return Quarter(d) + Quarter(c) + Half(c); }

// Blits: the table by mode AND 0x100FF, source alpha honoured.
PIX_Pixel BlendPixel(PIX_Pixel d, PIX_Pixel src, int w, int mode)
{
  const Rgba s = Split(src);
  const int sw = ((s.a + 1) * w) / 256;
  if (w == 0) return d;
  switch (mode & 0x100FF) {
    case 0: return w == 256 ? src : w >= 1 ? Combine(d, s, w, 0) : d;
    case 1:
    case 2:
    case 3:
    case 4:
    case 5: return Combine(d, s, w, mode & 0xFF);
    case 0x10000: {
      if (s.a == 0) return d;
      if (w == 256 && s.a == 255) return src;
      const int f = w == 256 ? 255 - s.a : 256 - sw;
      Rgba o = Split(d);
      auto mix = [&](int dc, int sc) { return sc + ((dc - sc) * f) / 256; };
      return Join({mix(o.r, s.r), mix(o.g, s.g), mix(o.b, s.b), mix(o.a, s.a)});
    }
    case 0x10001:
    case 0x10003: return s.a == 0 ? d : Combine(d, s, sw, mode & 0xFF);
    case 0x10002:
    case 0x10004:
    case 0x10005: return Combine(d, s, sw, mode & 0xFF);
    default: return d;
  }
}

PIX_Pixel BlitPixel(PIX_Pixel d, PIX_Pixel s, float alpha, int mode)
{
  if ((mode & 0xFF) >= 0xF0) {
    const int to = (mode >> 2) & 3, from = mode & 3;
    return (d & ~(0xFFu << (8 * to))) | (((s >> (8 * from)) & 0xFF) << (8 * to));
  }
  if ((mode & 0x100FF) == 0 && alpha == 1.0f) return s;
  if ((mode & 0x100FF) == 0 && alpha == 0.5f) return MixHalf(d, s);
  return BlendPixel(d, s, Weight(alpha), mode);
}

// The whole-word copy shortcuts of single pixels and fills; false for other weights.
bool CopyShortcut(PIX_Pixel d, PIX_Pixel c, int w, PIX_Pixel* out)
{
  switch (w) {
    case 256: *out = c; return true;
    case 128: *out = MixHalf(d, c); return true;
    case 64: *out = MixQuarterColor(d, c); return true;
    case 192: *out = MixThreeQuarterColor(d, c); return true;
    default: return false;
  }
}

PIX_Pixel PutPixel(PIX_Pixel d, PIX_Pixel c, float alpha, int mode)
{
  const int w = Weight(alpha), m = mode & 0xFF;
  PIX_Pixel shortcut;
  if (m == 0 && CopyShortcut(d, c, w, &shortcut)) return shortcut;
  if (m == 0 && w < 1) return d;
  return w == 0 || m > 5 ? d : Combine(d, Split(c), w, m);
}

PIX_Pixel FillPixel(PIX_Pixel d, PIX_Pixel c, float alpha, int mode)
{
  if (mode & 0x10000) alpha *= PIX_PixelA(c) * 0.003921569f;
  const int w = Weight(alpha), m = mode & 0xFF;
  PIX_Pixel shortcut;
  if (m == 0 && CopyShortcut(d, c, w, &shortcut)) return shortcut;
  if (m == 0 && w < 1) return d;
  Rgba s = Split(c);
  s.a = w;  // the weight stands for the colour's alpha
  return w == 0 || m > 5 ? d : Combine(d, s, w, m);
}

// One write of a shape at the weight of its alpha.
enum class Shape {
  Run,      // horizontal and vertical lines: whole-word paths at the exact alphas
  Plain,    // other plain lines and circles: store at 256, average at 128
  Polygon,  // polygon spans: whole-word paths at the weights 256, 128, 64, 192
  Blended,  // antialiased walks: copy with alpha at every weight
};

PIX_Pixel ShapePixel(PIX_Pixel d, PIX_Pixel c, float alpha, int mode, Shape shape, int w)
{
  const int m = mode & 0xFF;
  if (m > 5) return d;
  if (m == 0) {
    if (shape == Shape::Run) {
      if (alpha == 1.0f) return c;
      if (alpha == 0.5f) return MixHalf(d, c);
      if (alpha == 0.25f) return MixQuarterColor(d, c);
      if (alpha == 0.75f) return MixThreeQuarterColor(d, c);
    }
    if (shape == Shape::Polygon) {
      if (w == 256) return c;
      if (w == 128) return MixHalf(d, c);
      if (w == 64) return MixQuarterColor(d, c);
      if (w == 192) return MixThreeQuarterColor(d, c);
    }
    if (shape == Shape::Run || shape == Shape::Plain) {
      if (w == 256) return c;
      if (w == 128) {
        const Rgba o = Split(d), s = Split(c);
        return Join({(o.r + s.r) >> 1, (o.g + s.g) >> 1, (o.b + s.b) >> 1, (o.a + s.a) >> 1});
      }
    }
    if (w < 1) return d;
  }
  return w == 0 ? d : Combine(d, Split(c), w, m);
}

}  // namespace ref

namespace {

const int32_t kModes[] = {0,       1,       2,       3,       4,       5,       6,       0xEF,  0xF3,    0xFC,
                          0x10000, 0x10001, 0x10002, 0x10003, 0x10004, 0x10005, 0x10006, 0x101, 0x10100, 0x20003};
const float kAlphas[] = {1.0f, 0.5f, 0.25f, 0.75f, 0.5001f, 0.2501f, 0.3f, 0.9f, 0.002f, -0.5f, 1.5f};
const PIX_Pixel kColors[] = {PIX_MakePixel(200, 90, 30, 255), PIX_MakePixel(17, 240, 128, 0),
                             PIX_MakePixel(255, 255, 255, 128), PIX_MakePixel(3, 130, 77, 1)};

PIX_Pixel Pattern(int32_t x, int32_t y, int32_t seed)
{
  uint32_t h = (uint32_t)x * 73856093u ^ (uint32_t)y * 19349663u ^ (uint32_t)seed * 83492791u;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  h ^= h >> 15;
  return h;
}

void FillPattern(ShapeTestBitmap& bm, int32_t seed)
{
  for (int32_t y = 0; y < bm.GetHeight(); ++y)
    for (int32_t x = 0; x < bm.GetWidth(); ++x) bm.At(x, y) = Pattern(x, y, seed);
}

// Width 581, so that the row span and the width differ.
constexpr int32_t kW = 581, kH = 7;

std::string What(int32_t mode, float alpha, PIX_Pixel color)
{
  std::ostringstream s;
  s << "mode 0x" << std::hex << mode << std::dec << " alpha " << alpha << " colour 0x" << std::hex << color;
  return s.str();
}

// Compares every pixel of the bitmap with want(x, y, old pixel).
template <class Want>
void ExpectPixels(ShapeTestBitmap& bm, const std::vector<PIX_Pixel>& old, const std::string& what, Want want)
{
  for (int32_t y = 0; y < kH; ++y)
    for (int32_t x = 0; x < kW; ++x) {
      const PIX_Pixel o = old[(size_t)y * kW + x];
      ASSERT_EQ(bm.At(x, y), want(x, y, o)) << what << " at " << x << "," << y << " old 0x" << std::hex << o;
    }
  ASSERT_TRUE(bm.GuardIntact()) << what;
}

std::vector<PIX_Pixel> Snapshot(ShapeTestBitmap& bm)
{
  std::vector<PIX_Pixel> v;
  for (int32_t y = 0; y < kH; ++y)
    for (int32_t x = 0; x < kW; ++x) v.push_back(bm.At(x, y));
  return v;
}

TEST(ReferenceCombiner, Blits)
{
  ShapeTestBitmap src(23, kH);
  FillPattern(src, 5);
  for (int32_t mode : kModes)
    for (float alpha : kAlphas) {
      const std::string what = What(mode, alpha, 0);
      auto want = [&](int32_t x, int32_t y, PIX_Pixel o) {
        return x >= 560 ? ref::BlitPixel(o, src.At(x - 558, y), alpha, mode) : o;
      };
      ShapeTestBitmap dest(kW, kH);
      FillPattern(dest, 3);
      const std::vector<PIX_Pixel> old = Snapshot(dest);
      PIX_Blit(&dest, &src, 560, 0, 2, 0, 21, kH, alpha, mode);
      ExpectPixels(dest, old, "blit " + what, want);

      // A scaled blit at equal size is the blit.
      FillPattern(dest, 3);
      PIX_ScaledBlit(&dest, &src, 560, 0, 21, kH, 2.0f, 0.0f, 21.0f, (float)kH, alpha, mode);
      ExpectPixels(dest, old, "scaled blit " + what, want);

      // A rotated blit at angle 0 knows neither channel copy nor the blit's
      // copy shortcuts.
      FillPattern(dest, 3);
      PIX_RotatedBlit(&dest, &src, 560, 0, 21, kH, 2.0f, 0.0f, 21.0f, (float)kH, 0.0f, false, alpha, mode, 0.0f, 0.0f);
      ExpectPixels(dest, old, "rotated blit " + what, [&](int32_t x, int32_t y, PIX_Pixel o) {
        return x >= 560 ? ref::BlendPixel(o, src.At(x - 558, y), ref::Weight(alpha), mode) : o;
      });
    }
}

TEST(ReferenceCombiner, PutPixelAndFill)
{
  for (int32_t mode : kModes)
    for (float alpha : kAlphas)
      for (PIX_Pixel color : kColors) {
        const std::string what = What(mode, alpha, color);
        ShapeTestBitmap dest(kW, kH);
        FillPattern(dest, 9);
        const std::vector<PIX_Pixel> old = Snapshot(dest);
        PIX_PutPixel(&dest, 580, 3, color, alpha, mode);
        PIX_PutPixel(&dest, 0, 6, color, alpha, mode);
        ExpectPixels(dest, old, "put pixel " + what, [&](int32_t x, int32_t y, PIX_Pixel o) {
          return (x == 580 && y == 3) || (x == 0 && y == 6) ? ref::PutPixel(o, color, alpha, mode) : o;
        });
        FillPattern(dest, 9);
        PIX_FillRect(&dest, 3, 1, 578, 5, color, alpha, mode);
        ExpectPixels(dest, old, "fill " + what, [&](int32_t x, int32_t y, PIX_Pixel o) {
          return x >= 3 && y >= 1 && y < 6 ? ref::FillPixel(o, color, alpha, mode) : o;
        });
      }
}

// Shapes whose every write is at the weight of the alpha: a count of the
// writes per pixel (add mode with 1) tells how often the reference applies.
TEST(ReferenceCombiner, LinesPolygonsAndCircles)
{
  struct Op {
    const char* name;
    ref::Shape shape;
    void (*draw)(PIX_IBitmap*, PIX_Pixel, float, int32_t);
  };
  const Op ops[] = {
      {"horizontal line", ref::Shape::Run,
       [](PIX_IBitmap* b, PIX_Pixel c, float a, int32_t m) { PIX_Line(b, 600, 2, 3, 2, c, a, m, false); }},
      {"vertical line", ref::Shape::Run,
       [](PIX_IBitmap* b, PIX_Pixel c, float a, int32_t m) { PIX_Line(b, 579, -3, 579, 9, c, a, m, true); }},
      {"diagonal line", ref::Shape::Plain,
       [](PIX_IBitmap* b, PIX_Pixel c, float a, int32_t m) { PIX_Line(b, 574, 0, 580, 6, c, a, m, false); }},
      {"general line", ref::Shape::Plain,
       [](PIX_IBitmap* b, PIX_Pixel c, float a, int32_t m) { PIX_Line(b, 500, 6, 580, 1, c, a, m, false); }},
      {"polygon", ref::Shape::Polygon,
       [](PIX_IBitmap* b, PIX_Pixel c, float a, int32_t m) {
         const int32_t x[] = {560, 580, 575, 556}, y[] = {0, 1, 6, 4};
         PIX_FillConvexPolygon(b, x, y, 4, c, a, m);
       }},
      {"circle", ref::Shape::Plain,
       [](PIX_IBitmap* b, PIX_Pixel c, float a, int32_t m) { PIX_Circle(b, 570.0f, 3.0f, 5.3f, c, a, m, false); }},
      {"filled circle", ref::Shape::Plain,
       [](PIX_IBitmap* b, PIX_Pixel c, float a, int32_t m) { PIX_FillCircle(b, 577.5f, 3.2f, 3.4f, c, a, m, false); }},
  };
  for (const Op& op : ops) {
    ShapeTestBitmap counts(kW, kH);
    op.draw(&counts, Grey(1), 1.0f, 1);
    for (int32_t mode : kModes)
      for (float alpha : kAlphas)
        for (PIX_Pixel color : kColors) {
          ShapeTestBitmap dest(kW, kH);
          FillPattern(dest, 4);
          const std::vector<PIX_Pixel> old = Snapshot(dest);
          op.draw(&dest, color, alpha, mode);
          ExpectPixels(dest, old, std::string(op.name) + " " + What(mode, alpha, color),
                       [&](int32_t x, int32_t y, PIX_Pixel o) {
                         for (uint32_t n = counts.At(x, y) & 0xFF; n > 0; --n)
                           o = ref::ShapePixel(o, color, alpha, mode, op.shape, ref::Weight(alpha));
                         return o;
                       });
        }
  }
}

// The antialiased diagonal writes each pixel once: three quarters of the
// weight on the line, a quarter on the two neighbours toward the next pixel.
TEST(ReferenceCombiner, AntialiasedDiagonal)
{
  for (int32_t mode : kModes)
    for (float alpha : kAlphas)
      for (PIX_Pixel color : kColors) {
        ShapeTestBitmap dest(kW, kH);
        FillPattern(dest, 6);
        const std::vector<PIX_Pixel> old = Snapshot(dest);
        PIX_Line(&dest, 580, 0, 574, 6, color, alpha, mode, true);
        const int32_t w = ref::Weight(alpha);
        const bool whole = (mode & 0xFF) == 0 && alpha == 1.0f;
        ExpectPixels(dest, old, "antialiased diagonal " + What(mode, alpha, color),
                     [&](int32_t x, int32_t y, PIX_Pixel o) {
                       // Pixel (x, y) lends to (x - 1, y) and (x, y + 1), all but the last.
                       const bool on = x + y == 580, side = (x + y == 579 && y < 6) || (x + y == 581 && y > 0);
                       if (whole && on) return ref::MixThreeQuarterColor(o, color);
                       if (whole && side) return ref::MixQuarterColor(o, color);
                       if (on) return ref::ShapePixel(o, color, alpha, mode, ref::Shape::Blended, 3 * w / 4);
                       if (side) return ref::ShapePixel(o, color, alpha, mode, ref::Shape::Blended, w / 4);
                       return o;
                     });
      }
}

}  // namespace
