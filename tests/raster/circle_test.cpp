#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "PIX_Blit.h"
#include "PIX_Circle.h"
#include "shape_test_bitmap.h"

namespace {

const PIX_Pixel kWhite = Grey(255);

// Every pixel is the grey of its table entry. In add mode with a colour of
// 1 the entry counts how often a pixel is combined.
void ExpectGreys(ShapeTestBitmap& bm, const std::vector<std::vector<int>>& counts, const char* what)
{
  for (int32_t y = 0; y < bm.GetHeight(); ++y)
    for (int32_t x = 0; x < bm.GetWidth(); ++x)
      EXPECT_EQ(bm.At(x, y), Grey((uint32_t)counts[y][x])) << what << " at " << x << "," << y;
}

TEST(PIX_Circle, SmallPlainOutlinesAndHowOftenEachPixelIsDrawn)
{
  // Radius 0: the centre pixel four times.
  ShapeTestBitmap r0(3, 3);
  PIX_Circle(&r0, 1.0f, 1.0f, 0.0f, Grey(1), 1.0f, 1, false);
  ExpectGreys(r0, {{0, 0, 0}, {0, 4, 0}, {0, 0, 0}}, "radius 0");
  // Radius 1: the four neighbours, three times each.
  ShapeTestBitmap r1(3, 3);
  PIX_Circle(&r1, 1.0f, 1.0f, 1.0f, Grey(1), 1.0f, 1, false);
  ExpectGreys(r1, {{0, 3, 0}, {3, 0, 3}, {0, 3, 0}}, "radius 1");
  // Radius 2 rasterised (PIX_Circle stamps it): axis pixels once, the
  // others twice.
  ShapeTestBitmap r2(7, 7);
  PIX_CircleDispatch(&r2, 3.0f, 3.0f, 2.0f, Grey(1), 256, false, false, 1, PIX_Rect{0, 0, 7, 7}, true);
  ExpectGreys(r2,
              {{0, 0, 0, 0, 0, 0, 0},
               {0, 0, 2, 1, 2, 0, 0},
               {0, 2, 0, 0, 0, 2, 0},
               {0, 1, 0, 0, 0, 1, 0},
               {0, 2, 0, 0, 0, 2, 0},
               {0, 0, 2, 1, 2, 0, 0},
               {0, 0, 0, 0, 0, 0, 0}},
              "radius 2");
}

// Radius 10 is the midpoint circle: one octant of offsets, mirrored eightfold.
TEST(PIX_Circle, PlainRadiusTenIsTheMidpointCircle)
{
  const int32_t octant[][2] = {{0, 10}, {1, 10}, {2, 10}, {3, 10}, {4, 9}, {5, 9}, {6, 8}, {7, 7}};
  std::vector<std::vector<int>> want(25, std::vector<int>(25, 0));
  for (const auto& o : octant)
    for (int sx : {-1, 1})
      for (int sy : {-1, 1}) {
        want[12 + sy * o[1]][12 + sx * o[0]] = 255;
        want[12 + sy * o[0]][12 + sx * o[1]] = 255;
      }
  ShapeTestBitmap bm(25, 25);
  PIX_Circle(&bm, 12.0f, 12.0f, 10.0f, kWhite, 1.0f, 0, false);
  ExpectGreys(bm, want, "radius 10");
}

TEST(PIX_Circle, AntialiasedWalkSplitsEachEdgeByTheFraction)
{
  // Radius 2.2: on the axes the outer pixel takes 51 of 256 and the inner
  // 205; one row on, the edge is at 1.9596, so 245 and 11. Add mode with 64
  // adds a quarter of each weight; the axis pixels are written twice.
  ShapeTestBitmap bm(11, 11);
  PIX_Circle(&bm, 5.0f, 5.0f, 2.2f, Grey(64), 1.0f, 1, true);
  std::vector<std::vector<int>> want(11, std::vector<int>(11, 0));
  auto set = [&](int x, int y, int v) { want[y][x] = v; };
  for (int k : {-1, 1}) {
    set(5, 5 + 3 * k, 24), set(5, 5 + 2 * k, 102), set(5 + 3 * k, 5, 24), set(5 + 2 * k, 5, 102);
    for (int j : {-1, 1}) set(5 + j, 5 + 2 * k, 61), set(5 + 2 * k, 5 + j, 61), set(5 + j, 5 + k, 4);
  }
  ExpectGreys(bm, want, "radius 2.2");

  // Radius 1 is whole: the four neighbours at the full weight, twice each.
  ShapeTestBitmap r1(3, 3);
  PIX_Circle(&r1, 1.0f, 1.0f, 1.0f, Grey(1), 1.0f, 1, true);
  ExpectGreys(r1, {{0, 2, 0}, {2, 0, 2}, {0, 2, 0}}, "antialiased radius 1");
}

TEST(PIX_Circle, SmallRadiiAreStampedFromPatterns)
{
  static const uint8_t kRadius3[7][7] = {
      {0x00, 0x8f, 0xff, 0xff, 0xff, 0x8f, 0x00}, {0x8f, 0xff, 0x61, 0x40, 0x61, 0xff, 0x8f},
      {0xff, 0x70, 0x00, 0x00, 0x00, 0x70, 0xff}, {0xff, 0x30, 0x00, 0x00, 0x00, 0x30, 0xff},
      {0xff, 0x70, 0x00, 0x00, 0x00, 0x70, 0xff}, {0x8f, 0xff, 0x61, 0x40, 0x61, 0xff, 0x8f},
      {0x00, 0x8f, 0xff, 0xff, 0xff, 0x8f, 0x00}};
  ShapeTestBitmap stamped(10, 10), glyph(10, 10);
  PIX_Circle(&stamped, 4.7f, 4.2f, 3.0f, kWhite, 0.8f, 0, true);
  PIX_DrawGlyph(&glyph, 1, 1, kWhite, &kRadius3[0][0], 7, 7, 0.8f, 0);
  EXPECT_EQ(stamped.Art(), glyph.Art());
  for (int32_t y = 0; y < 10; ++y)
    for (int32_t x = 0; x < 10; ++x) ASSERT_EQ(stamped.At(x, y), glyph.At(x, y)) << x << "," << y;

  // Every stamp radius answers true, anything else false and draws nothing.
  for (float r : {1.5f, 2.0f, 2.5f, 3.0f, 3.5f, 4.0f}) {
    ShapeTestBitmap bm(12, 12);
    EXPECT_TRUE(PIX_SmallCircleStamp(&bm, 5.0f, 5.0f, r, kWhite, 1.0f, 0, false)) << r;
    EXPECT_EQ(bm.At(5, (int32_t)(5.0f - r)), kWhite) << r;  // the top of each plain pattern
  }
  ShapeTestBitmap none(12, 12);
  EXPECT_FALSE(PIX_SmallCircleStamp(&none, 5.0f, 5.0f, 3.001f, kWhite, 1.0f, 0, false));
  EXPECT_EQ(none.Changed(), 0);

  // 3.001 is rasterised, and discs are never stamped.
  ShapeTestBitmap walked(12, 12), dispatched(12, 12);
  PIX_Circle(&walked, 5.0f, 5.0f, 3.001f, kWhite, 1.0f, 0, false);
  PIX_CircleDispatch(&dispatched, 5.0f, 5.0f, 3.001f, kWhite, 256, false, false, 0, PIX_Rect{0, 0, 12, 12}, true);
  EXPECT_EQ(walked.Art(), dispatched.Art());
  ShapeTestBitmap disc(12, 12), discWalk(12, 12);
  PIX_FillCircle(&disc, 5.0f, 5.0f, 3.0f, kWhite, 1.0f, 0, true);
  PIX_CircleDispatch(&discWalk, 5.0f, 5.0f, 3.0f, kWhite, 256, true, true, 0, PIX_Rect{0, 0, 12, 12}, true);
  EXPECT_EQ(disc.Art(), discWalk.Art());
}

// Plain copy: weight 256 stores the colour, 128 averages each channel (no
// whole-word masking), other weights copy with alpha. The centre of a disc
// of radius 1 is combined three times.
TEST(PIX_FillCircle, CopyWeightsOnTheCentreOfARadiusOneDisc)
{
  struct Case {
    float alpha;
    int32_t mode;
    PIX_Pixel old, color, expect;
  };
  const Case cases[] = {
      {1.0f, 0, Grey(9), PIX_MakePixel(1, 2, 3, 0), PIX_MakePixel(1, 2, 3, 0)},
      {0.5f, 0, Grey(1), Grey(1), Grey(1)},
      {0.5f, 0, Grey(0), Grey(255), Grey(223)},   // 127, 191, 223
      {0.25f, 0, Grey(0), Grey(255), Grey(148)},  // 64, 112, 148
      {1.0f, 0x10000, Grey(9), Grey(0), Grey(0)},
      {1.0f, 0x10001, Grey(9), Grey(1), Grey(12)},
      {-1.0f, 0, Grey(9), Grey(0), Grey(9)},
      {-1.0f, 1, Grey(90), Grey(10), Grey(60)},
      {1.0f, 6, Grey(9), Grey(0), Grey(9)},
  };
  for (const Case& c : cases) {
    ShapeTestBitmap bm(5, 5, c.old);
    PIX_FillCircle(&bm, 2.0f, 2.0f, 1.0f, c.color, c.alpha, c.mode, false);
    EXPECT_EQ(bm.At(2, 2), c.expect) << c.alpha << " mode " << c.mode;
  }
}

TEST(PIX_FillCircle, PlainDiscOfRadiusTenHasNoGapsAndStaysInItsOutline)
{
  ShapeTestBitmap disc(25, 25), ring(25, 25);
  PIX_FillCircle(&disc, 12.0f, 12.0f, 10.0f, kWhite, 1.0f, 0, false);
  PIX_CircleDispatch(&ring, 12.0f, 12.0f, 10.0f, kWhite, 256, false, false, 0, PIX_Rect{0, 0, 25, 25}, true);
  for (int32_t y = 0; y < 25; ++y) {
    int32_t first = -1, last = -1, ringFirst = -1, ringLast = -1;
    for (int32_t x = 0; x < 25; ++x) {
      if (disc.At(x, y)) {
        if (first < 0) first = x;
        last = x;
      }
      if (ring.At(x, y)) {
        if (ringFirst < 0) ringFirst = x;
        ringLast = x;
        EXPECT_TRUE(disc.At(x, y)) << "outline pixel not filled at " << x << "," << y;
      }
    }
    EXPECT_EQ(first, ringFirst) << "row " << y;
    EXPECT_EQ(last, ringLast) << "row " << y;
    for (int32_t x = first; first >= 0 && x <= last; ++x) EXPECT_TRUE(disc.At(x, y)) << "gap at " << x << "," << y;
  }
  EXPECT_EQ(disc.Art().substr(0, 25), ".........................");  // rows 2 to 22 only
  EXPECT_EQ(disc.At(12, 2), kWhite);
  EXPECT_EQ(disc.At(12, 22), kWhite);
  EXPECT_EQ(disc.At(2, 12), kWhite);
  EXPECT_EQ(disc.At(22, 12), kWhite);
  // Every outline pixel lies within a pixel of the true circle.
  for (int32_t y = 0; y < 25; ++y)
    for (int32_t x = 0; x < 25; ++x)
      if (ring.At(x, y)) {
        EXPECT_LT(std::fabs(std::hypot(x - 12.0, y - 12.0) - 10.0), 1.0) << x << "," << y;
      }
}

TEST(PIX_Circle, ClipsAtTheBorderAndEndsForAnyInput)
{
  // Centred at (4, 10) the radius-5 circle reaches column -1: those pixels
  // are dropped, the rest drawn as the unclipped circle further right.
  ShapeTestBitmap left(20, 20), right(20, 20);
  PIX_Circle(&left, 4.0f, 10.0f, 5.0f, kWhite, 1.0f, 0, false);
  PIX_Circle(&right, 10.0f, 10.0f, 5.0f, kWhite, 1.0f, 0, false);
  EXPECT_TRUE(left.GuardIntact());
  for (int32_t y = 0; y < 20; ++y)
    for (int32_t x = 0; x < 14; ++x) EXPECT_EQ(left.At(x, y), right.At(x + 6, y)) << x << "," << y;

  const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
  const float odd[][3] = {{5, 5, -3},       {5, 5, -0.5f},       {5, 5, 0.7f},        {5, 5, 1.3f},   {5, 5, 2.9f},
                          {5, 5, 3.9f},     {5, 5, 1e6},         {5, 5, 3e38f},       {5, 5, inf},    {nan, 5, 3},
                          {5, 5, nan},      {-1e6f + 3, 5, 1e6}, {1e9, 1e9, 1e9},     {-3, -3, 2.5f}, {11, 8, 4},
                          {5.5f, 4.5f, 30}, {-inf, 0, 1},        {0.5f, 0.5f, 1e-30f}};
  for (const auto& c : odd)
    for (int variant = 0; variant < 4; ++variant) {
      ShapeTestBitmap bm(11, 8, 0, variant & 1);
      if (variant & 2)
        PIX_FillCircle(&bm, c[0], c[1], c[2], kWhite, 0.6f, 2, variant & 1);
      else
        PIX_Circle(&bm, c[0], c[1], c[2], kWhite, 0.6f, 2, variant & 1);
      EXPECT_TRUE(bm.GuardIntact()) << c[0] << "," << c[1] << " radius " << c[2];
    }

  // A disc far larger than the bitmap covers all of it; beyond the size a
  // float can step through, nothing is drawn.
  ShapeTestBitmap big(11, 8);
  PIX_FillCircle(&big, 5.0f, 4.0f, 1e6f, kWhite, 1.0f, 0, false);
  EXPECT_EQ(big.Changed(), 11 * 8);
  ShapeTestBitmap beyond(11, 8);
  PIX_FillCircle(&beyond, 5.0f, 4.0f, 1e8f, kWhite, 1.0f, 0, true);
  EXPECT_EQ(beyond.Changed(), 0);
  PIX_Circle(nullptr, 5.0f, 5.0f, 3.0f, kWhite, 1.0f, 0, true);
  PIX_FillCircle(nullptr, 5.0f, 5.0f, 3.0f, kWhite, 1.0f, 0, true);
}

TEST(PIX_Circle, FlippedBitmapTurnsTheCentreOver)
{
  ShapeTestBitmap flipped(12, 12, 0, true), plain(12, 12);
  PIX_FillCircle(&flipped, 5.0f, 3.0f, 2.6f, kWhite, 1.0f, 0, true);
  PIX_FillCircle(&plain, 5.0f, 8.0f, 2.6f, kWhite, 1.0f, 0, true);
  for (int32_t y = 0; y < 12; ++y)
    for (int32_t x = 0; x < 12; ++x) EXPECT_EQ(flipped.At(x, 11 - y), plain.At(x, y)) << x << "," << y;
}

}  // namespace
