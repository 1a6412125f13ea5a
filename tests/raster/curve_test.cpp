#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "PIX_Bezier.h"
#include "PIX_ClipLine.h"
#include "PIX_FLine.h"
#include "PIX_Line.h"
#include "shape_test_bitmap.h"

namespace {

const PIX_Pixel kWhite = Grey(255);

void ExpectGrid(ShapeTestBitmap& bm, const std::vector<std::vector<int>>& want, const char* what)
{
  for (int32_t y = 0; y < bm.GetHeight(); ++y)
    for (int32_t x = 0; x < bm.GetWidth(); ++x)
      EXPECT_EQ(bm.At(x, y), Grey((uint32_t)want[y][x])) << what << " at " << x << "," << y;
}

TEST(PIX_FLine, WithoutAntialiasingIsTheIntegerLineOfTheTruncatedEnds)
{
  const float ends[][4] = {
      {0.9f, 0.2f, 6.7f, 3.9f}, {-0.9f, 4.99f, 7.5f, -0.5f}, {2.5f, 2.5f, 2.5f, 2.5f}, {-20.2f, 1.7f, 30.1f, 2.2f}};
  for (const auto& e : ends) {
    ShapeTestBitmap f(8, 5), i(8, 5);
    PIX_FLine(&f, e[0], e[1], e[2], e[3], kWhite, 1.0f, 0, false);
    PIX_Line(&i, (int32_t)e[0], (int32_t)e[1], (int32_t)e[2], (int32_t)e[3], kWhite, 1.0f, 0, false);
    EXPECT_EQ(f.Art(), i.Art()) << e[0] << "," << e[1];
  }
}

// Two pixels per column share 255 by the fraction of the exact position,
// from the first whole column on; white over black shows the weights.
TEST(PIX_FLine, AntialiasedColumnsShareByTheFraction)
{
  ShapeTestBitmap down(7, 5);
  PIX_FLine(&down, 0.5f, 1.25f, 4.5f, 2.25f, kWhite, 1.0f, 0, true);
  ExpectGrid(down,
             {{0, 0, 0, 0, 0, 0, 0},
              {0, 159, 95, 31, 0, 0, 0},
              {0, 96, 160, 224, 223, 0, 0},
              {0, 0, 0, 0, 32, 0, 0},
              {0, 0, 0, 0, 0, 0, 0}},
             "falling");
  ShapeTestBitmap up(7, 5);
  PIX_FLine(&up, 4.5f, 1.25f, 0.5f, 2.25f, kWhite, 1.0f, 0, true);  // rising, given right to left
  ExpectGrid(up,
             {{0, 0, 0, 0, 0, 0, 0},
              {0, 0, 31, 95, 159, 0, 0},
              {0, 223, 224, 160, 96, 0, 0},
              {0, 32, 0, 0, 0, 0, 0},
              {0, 0, 0, 0, 0, 0, 0}},
             "rising");
}

TEST(PIX_FLine, AntialiasedLinesStayInsideForAnyInput)
{
  const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
  const float ends[][4] = {{-3, -2, 30, 12},
                           {6.99f, 0, 6.99f, 4.99f},
                           {0, 4.999f, 6.999f, 4.999f},
                           {-1e30f, 3, 1e30f, 2},
                           {3e38f, -3e38f, -3e38f, 3e38f},
                           {nan, 1, 2, 3},
                           {inf, 1, 2, 3},
                           {3, 2, 3, 2},
                           {6.5f, 0.2f, 0.1f, 4.8f}};
  for (const auto& e : ends)
    for (bool flipped : {false, true}) {
      ShapeTestBitmap bm(7, 5, 0, flipped);
      PIX_FLine(&bm, e[0], e[1], e[2], e[3], kWhite, 0.9f, 4, true);
      PIX_FLine(&bm, e[0], e[1], e[2], e[3], kWhite, 0.9f, 4, false);
      EXPECT_TRUE(bm.GuardIntact()) << e[0] << "," << e[1] << " to " << e[2] << "," << e[3];
    }
}

TEST(PIX_ClipLineF, ClipsToTheRectangleAnywhereInThePlane)
{
  float x1 = -10, y1 = 5, x2 = 20, y2 = 5;
  EXPECT_TRUE(PIX_ClipLineF(&x1, &y1, &x2, &y2, 10, 10));
  EXPECT_EQ((std::vector<float>{x1, y1, x2, y2}), (std::vector<float>{0, 5, 9, 5}));
  int32_t a = 0, b = 15, c = 40, d = 15;
  EXPECT_TRUE(PIX_ClipLineToRect(&a, &b, &c, &d, PIX_Rect{10, 10, 30, 20}));
  EXPECT_EQ((std::vector<int32_t>{a, b, c, d}), (std::vector<int32_t>{10, 15, 29, 15}));
  float fa = 0, fb = 5, fc = 40, fd = 5;
  EXPECT_FALSE(PIX_ClipLineToRectF(&fa, &fb, &fc, &fd, PIX_Rect{10, 10, 30, 20}));
  fa = std::numeric_limits<float>::quiet_NaN();
  EXPECT_FALSE(PIX_ClipLineF(&fa, &fb, &fc, &fd, 10, 10));
}

TEST(PIX_DashedLine, DashesFromTheLowerEndAndNotTheHigherEnd)
{
  struct Case {
    int32_t x1, y1, x2, y2, on, off;
    const char* row;  // row 0, or column 0 read downward
  };
  const Case cases[] = {
      {0, 0, 10, 0, 3, 2, "###..###....."},
      {12, 0, 0, 0, 3, 2, "###..###..##."},  // given right to left
      {0, 0, 12, 0, 1, 0, "############."},
      {0, 0, 0, 12, 1, 1, "#.#.#.#.#.#.."},
      {0, 0, 0, 11, 2, 1, "##.##.##.##.."},
      {0, 0, 12, 5, 1, 1, "............."},   // diagonal: nothing
      {0, 0, 12, 0, 0, 0, "............."},   // no dashes: nothing, and it ends
      {0, 0, 12, 0, 2, -1, "............."},  // a negative gap: nothing
      {0, 0, 12, 0, INT32_MAX, INT32_MAX, "############."},
  };
  for (const Case& c : cases) {
    ShapeTestBitmap bm(13, 13);
    PIX_DashedLine(&bm, c.x1, c.y1, c.x2, c.y2, c.on, c.off, kWhite, 0.6f, 0);
    std::string got;
    for (int32_t i = 0; i < 13; ++i) got += (c.x1 == c.x2 ? bm.At(0, i) : bm.At(i, 0)) ? '#' : '.';
    EXPECT_EQ(got, c.row) << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2 << " " << c.on << "/" << c.off;
    EXPECT_TRUE(bm.GuardIntact());
  }
  // Dashes take rows as stored, also on a flipped bitmap.
  ShapeTestBitmap flipped(5, 3, 0, true);
  PIX_DashedLine(&flipped, 0, 0, 4, 0, 1, 1, kWhite, 1.0f, 0);
  EXPECT_EQ(flipped.Art(), "...../...../#.#..");

  // The opaque one-on-one-off vertical fast path draws what the general
  // writer draws.
  ShapeTestBitmap fast(3, 9), general(3, 9);
  PIX_DashedLine(&fast, 1, 0, 1, 8, 1, 1, kWhite, 1.0f, 0);
  PIX_DashedLine(&general, 1, 0, 1, 8, 1, 1, kWhite, 1.0001f, 0);
  EXPECT_EQ(fast.Art(), general.Art());
  EXPECT_EQ(fast.Changed(), 4);
}

TEST(PIX_Bezier, StraightCurvesDrawTheirLine)
{
  ShapeTestBitmap q(12, 5), c(12, 5), line(12, 5);
  PIX_DrawQBezier(&q, 10, 2, 5, 2, 0, 2, kWhite, 1.0f, 0, false, 1.0f);
  PIX_DrawCBezier(&c, 0, 2, 3, 2, 7, 2, 10, 2, kWhite, 1.0f, 0, false, 1.0f);
  PIX_Line(&line, 0, 2, 10, 2, kWhite, 1.0f, 0, false);
  EXPECT_EQ(q.Art(), line.Art());
  EXPECT_EQ(c.Art(), line.Art());
}

TEST(PIX_Bezier, ClippedToTheColumnsAndZeroToleranceIsOne)
{
  auto quad = [](float x0, float x2, float tolerance) {
    ShapeTestBitmap bm(20, 12);
    PIX_DrawQBezier(&bm, x0, 10, 8, -6, x2, 10, kWhite, 1.0f, 0, true, tolerance);
    return bm.Art() + (bm.GuardIntact() ? "" : " guard");
  };
  EXPECT_EQ(quad(-30, -2, 1.0f).find('#'), std::string::npos);  // wholly left
  EXPECT_EQ(quad(22, 40, 1.0f).find('#'), std::string::npos);   // wholly right
  EXPECT_EQ(quad(1, 17, 0.0f), quad(1, 17, 1.0f));
  EXPECT_EQ(quad(1, 17, -3.0f), quad(1, 17, 1.0f));
  EXPECT_NE(quad(-10, 30, 1.0f).find('#'), std::string::npos);  // crossing the whole bitmap

  auto cubic = [](float x0, float x1, float x2, float x3) {
    ShapeTestBitmap bm(20, 12);
    PIX_DrawCBezier(&bm, x0, 10, x1, -8, x2, 20, x3, 2, kWhite, 1.0f, 0, true, 0.5f);
    return bm.Art() + (bm.GuardIntact() ? "" : " guard");
  };
  EXPECT_EQ(cubic(-30, -20, -10, -2).find('#'), std::string::npos);  // wholly left
  EXPECT_EQ(cubic(21, 25, 28, 30).find('#'), std::string::npos);     // wholly right
  // The range is cut to the columns: its end left of where its start was
  // moved to draws nothing, though the curve swings through the bitmap.
  EXPECT_EQ(cubic(-30, 30, 30, -2).find('#'), std::string::npos);
  EXPECT_NE(cubic(-10, 3, 15, 30).find('#'), std::string::npos);
  EXPECT_EQ(cubic(-10, 3, 15, 30).find("guard"), std::string::npos);
}

TEST(PIX_Bezier, HugeOrOddControlPointsEnd)
{
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float pts[][8] = {{0, 0, 1e30f, 1e30f, -1e30f, 5, 10, 10},
                          {0, 0, 3e38f, -3e38f, 3e38f, 3e38f, 9, 9},
                          {5, 5, 5, 5, 5, 5, 5, 5},
                          {-1e9f, 3, 2, 1e9f, 7, -1e9f, 1e9f, 4},
                          {nan, 0, 1, 1, 2, 2, 3, 3},
                          {9, 9, 1, 1, 5, 5, 0, 0}};
  for (const auto& p : pts)
    for (float tolerance : {1.0f, 1e-30f, std::numeric_limits<float>::quiet_NaN()}) {
      ShapeTestBitmap bm(13, 9, 0, tolerance != 1.0f);
      PIX_DrawQBezier(&bm, p[0], p[1], p[2], p[3], p[6], p[7], kWhite, 0.5f, 1, true, tolerance);
      PIX_DrawCBezier(&bm, p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], kWhite, 0.5f, 1, false, tolerance);
      PIX_FillCBezier(&bm, p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], 4, kWhite, 0.5f, 1, tolerance);
      PIX_FillCBezierToColumn(&bm, p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], 6, kWhite, 0.5f, 1, tolerance);
      EXPECT_TRUE(bm.GuardIntact()) << p[0] << "," << p[1] << " .. " << p[2] << "," << p[3];
    }
}

// The region between the curve and the base, each pixel once.
TEST(PIX_FillCBezier, FillsDownToTheBaseRowOrAcrossToTheBaseColumn)
{
  ShapeTestBitmap row(9, 8);
  PIX_FillCBezier(&row, 6, 2, 4, 2, 2, 2, 0, 2, 5, Grey(1), 1.0f, 1, 1.0f);
  EXPECT_EQ(row.Art(), "........./........./#######../#######../#######../#######../........./.........");
  ShapeTestBitmap column(8, 9);
  PIX_FillCBezierToColumn(&column, 2, 0, 2, 2, 2, 4, 2, 6, 5, Grey(1), 1.0f, 1, 1.0f);
  EXPECT_EQ(column.Art(), "..####../..####../..####../..####../..####../..####../..####../......../........");
  for (ShapeTestBitmap* bm : {&row, &column})
    for (int32_t y = 0; y < bm->GetHeight(); ++y)
      for (int32_t x = 0; x < bm->GetWidth(); ++x) EXPECT_LE(bm->At(x, y), Grey(1)) << x << "," << y;

  // A curve crossing the base row fills above it on one side and below it
  // on the other.
  ShapeTestBitmap cross(9, 9);
  PIX_FillCBezier(&cross, 0, 0, 2.67f, 2.67f, 5.33f, 5.33f, 8, 8, 4, kWhite, 1.0f, 0, 1.0f);
  EXPECT_EQ(cross.At(0, 0), kWhite);
  EXPECT_EQ(cross.At(0, 4), kWhite);
  EXPECT_EQ(cross.At(0, 6), 0u);
  EXPECT_EQ(cross.At(8, 8), kWhite);
  EXPECT_EQ(cross.At(8, 4), kWhite);
  EXPECT_EQ(cross.At(8, 1), 0u);
  EXPECT_TRUE(cross.GuardIntact());
}

}  // namespace
