#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "PIX_Arc.h"
#include "PIX_Circle.h"
#include "PIX_Line.h"
#include "shape_test_bitmap.h"

namespace {

const PIX_Pixel kWhite = Grey(255);
const float kPi = 3.1415927f;

// The whole rasterised circle, in add mode with 1 so that counts show.
void WholeCircle(ShapeTestBitmap& bm, float cx, float cy, float r, bool aa)
{
  PIX_CircleDispatch(&bm, cx, cy, r, Grey(1), 256, aa, false, 1, PIX_Rect{0, 0, bm.GetWidth(), bm.GetHeight()}, true);
}

// An arc is the circle's own pixels (each as often as the circle draws it)
// within the rows of its two ends and on one side of the centre column.
TEST(PIX_Arc, IsTheCircleCutToItsRowsAndHalf)
{
  struct Case {
    float from, to;
    int32_t top, bottom;  // rows, inclusive
    bool right;           // x >= centre, else x < centre
  };
  const Case cases[] = {
      {0.0f, kPi / 2, 40, 50, true},         {kPi / 2, 0.0f, 40, 50, true},     {kPi / 2, kPi, 50, 60, true},
      {-kPi / 2, 0.0f, 40, 50, false},       {kPi, 3 * kPi / 2, 50, 60, false}, {kPi / 6, kPi / 3, 41, 45, true},
      {-2 * kPi + 0.5f, -kPi, 41, 60, true},
  };
  for (bool aa : {false, true}) {
    ShapeTestBitmap circle(101, 101);
    WholeCircle(circle, 50.0f, 50.0f, 10.0f, aa);
    for (const Case& c : cases) {
      ShapeTestBitmap arc(101, 101);
      PIX_Arc(&arc, 50.0f, 50.0f, 10.0f, c.from, c.to, Grey(1), 1.0f, 1, aa);
      for (int32_t y = 0; y < 101; ++y)
        for (int32_t x = 0; x < 101; ++x) {
          const bool kept = y >= c.top && y <= c.bottom && (c.right ? x >= 50 : x < 50);
          ASSERT_EQ(arc.At(x, y), kept ? circle.At(x, y) : 0u)
              << c.from << " to " << c.to << (aa ? " aa" : "") << " at " << x << "," << y;
        }
      EXPECT_GT(arc.Changed(), 0);
    }
  }
}

TEST(PIX_Arc, RangesAcrossZeroAndBeyondATurn)
{
  auto draw = [](float from, float to, float r = 6.0f) {
    ShapeTestBitmap bm(21, 21);
    PIX_Arc(&bm, 10.0f, 10.0f, r, from, to, Grey(1), 1.0f, 1, false);
    return bm.Art() + (bm.GuardIntact() ? "" : " guard");
  };
  auto pieces = [&](std::vector<std::pair<float, float>> ranges) {
    ShapeTestBitmap bm(21, 21);
    for (const auto& r : ranges) PIX_Arc(&bm, 10.0f, 10.0f, 6.0f, r.first, r.second, kWhite, 1.0f, 0, false);
    return bm.Art();
  };
  // Across 0 (straight up): the upper left and the upper right quarter.
  EXPECT_EQ(pieces({{-kPi / 2, kPi / 2}}), pieces({{3 * kPi / 2, 2 * kPi}, {0.0f, kPi / 2}}));
  EXPECT_EQ(pieces({{-kPi / 4, kPi / 4}}), pieces({{-kPi / 4, 0.0f}, {0.0f, kPi / 4}}));
  // An arc of no length is the circle's pixels at its angle: straight down
  // is the start of the left half, the columns left of the centre.
  std::string bottom;
  for (int32_t y = 0; y < 21; ++y)
    bottom += std::string(y ? "/" : "") + (y == 16 ? "........##..........." : std::string(21, '.'));
  EXPECT_EQ(pieces({{kPi, kPi}}), bottom);
  // Whole turns are taken off both ends.
  EXPECT_EQ(draw(5 * kPi / 2, 3 * kPi), draw(kPi / 2, kPi));
  EXPECT_EQ(draw(-3 * kPi, -5 * kPi / 2), draw(-kPi, -kPi / 2));
  // A full turn or more is the circle itself, stamps included: a radius-3
  // stamp combines at weight 255, so add mode with 1 leaves nothing, while
  // the rasterised arc just short of a turn adds 1.
  EXPECT_EQ(draw(0.0f, 2 * kPi, 6.0f), draw(-1.0f, 9.0f, 6.0f));
  EXPECT_EQ(draw(0.0f, 2 * kPi, 3.0f).find('#'), std::string::npos);
  EXPECT_NE(draw(0.0f, 2 * kPi - 0.01f, 3.0f).find('#'), std::string::npos);
}

TEST(PIX_Arc, FlippedBitmapMirrorsTheAngles)
{
  ShapeTestBitmap flipped(21, 21, 0, true), plain(21, 21);
  PIX_Arc(&flipped, 10.0f, 6.0f, 5.0f, 0.3f, 1.2f, kWhite, 1.0f, 0, true);
  PIX_Arc(&plain, 10.0f, 14.0f, 5.0f, kPi - 1.2f, kPi - 0.3f, kWhite, 1.0f, 0, true);
  EXPECT_GT(plain.Changed(), 0);
  for (int32_t y = 0; y < 21; ++y)
    for (int32_t x = 0; x < 21; ++x) EXPECT_EQ(flipped.At(x, 20 - y), plain.At(x, y)) << x << "," << y;
}

TEST(PIX_Arc, OddInputStaysInsideAndEnds)
{
  const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
  const float odd[][5] = {{5, 5, 3, nan, 1},
                          {5, 5, 3, 0, inf},
                          {5, 5, 3, -1e30f, 1e30f},
                          {5, 5, 3, 1e30f, 1e30f},
                          {5, 5, 3, 1e7f, 1e7f + 3},
                          {-40, 5, 44, 0.1f, 3},
                          {5, 5, -4, 0, 1},
                          {5, 5, 0.5f, -7, -6},
                          {1e9f, 5, 3, 0, 1},
                          {5, 5, 1e7f, 0, 1},
                          {5.5f, 3.5f, 2.2f, -12.5f, -6.4f}};
  for (const auto& c : odd)
    for (bool aa : {false, true}) {
      ShapeTestBitmap bm(11, 8, 0, aa);
      PIX_Arc(&bm, c[0], c[1], c[2], c[3], c[4], kWhite, 0.8f, 0, aa);
      EXPECT_TRUE(bm.GuardIntact()) << c[0] << "," << c[1] << " r " << c[2] << " " << c[3] << ".." << c[4];
      PIX_ArcSegment(40, 40, &bm, c[0], c[1], c[2], c[3], c[4], kWhite, 256, aa, 0);  // a box wider than the bitmap
      EXPECT_TRUE(bm.GuardIntact());
    }
  PIX_Arc(nullptr, 5, 5, 3, 0, 1, kWhite, 1.0f, 0, false);
  ShapeTestBitmap none(11, 8);
  PIX_Arc(&none, 5, 5, 3, 0, 1, kWhite, 0.001f, 0, false);
  EXPECT_EQ(none.Changed(), 0);
}

TEST(PIX_RoundRect, LinesAndQuarterArcs)
{
  ShapeTestBitmap bm(11, 9);
  PIX_RoundRect(&bm, 0.0f, 0.0f, 10.0f, 8.0f, 3, kWhite, 1.0f, 0, false);
  EXPECT_EQ(bm.Art(),
            "..#######../.#.......#./#.........#/#.........#/#.........#/#.........#/#.........#/.#.......#./"
            "..#######..");
}

TEST(PIX_RoundRect, CornerRadiusIsHeldToHalfTheSides)
{
  auto draw = [](float w, float h, int32_t r, bool aa) {
    ShapeTestBitmap bm(16, 44);
    PIX_RoundRect(&bm, 1.0f, 1.0f, w, h, r, kWhite, 1.0f, 0, aa);
    return bm.Art() + (bm.GuardIntact() ? "" : " guard");
  };
  EXPECT_EQ(draw(12.0f, 40.0f, 10, true), draw(12.0f, 40.0f, 6, true));
  EXPECT_EQ(draw(12.0f, 40.0f, 10, false), draw(12.0f, 40.0f, 6, false));
  EXPECT_EQ(draw(12.0f, 40.0f, 100, false), draw(12.0f, 40.0f, 6, false));
  // Below 2 after clamping: the plain outline, never antialiased.
  auto plainRect = [] {
    ShapeTestBitmap bm(16, 44);
    PIX_DrawRect(&bm, 1, 1, 3, 6, kWhite, 1.0f, 0);
    return bm.Art();
  }();
  for (int32_t r : {-5, 0, 1, 9})
    for (bool aa : {false, true}) EXPECT_EQ(draw(3.0f, 6.0f, r, aa), plainRect) << r;
}

TEST(PIX_RoundRect, OddInputStaysInside)
{
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float odd[][4] = {{-5, -5, 30, 30}, {3, 2, -8, -6}, {nan, 0, 5, 5}, {0, 0, 1e30f, 4}, {2, 2, 1e6f, 1e6f}};
  for (const auto& c : odd)
    for (bool aa : {false, true}) {
      ShapeTestBitmap bm(11, 8, 0, aa);
      PIX_RoundRect(&bm, c[0], c[1], c[2], c[3], 4, kWhite, 0.5f, 0, aa);
      PIX_RoundRect(&bm, c[0], c[1], c[2], c[3], INT32_MAX, kWhite, 0.5f, 3, aa);
      EXPECT_TRUE(bm.GuardIntact()) << c[0] << "," << c[1] << " " << c[2] << "x" << c[3];
    }
}

}  // namespace
