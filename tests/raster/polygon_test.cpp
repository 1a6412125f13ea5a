#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "PIX_Polygon.h"
#include "shape_test_bitmap.h"

namespace {

const PIX_Pixel kWhite = Grey(255);

struct PolygonCase {
  std::vector<int32_t> x, y;
  int32_t width, height;
  const char* art;
};

const PolygonCase kPolygons[] = {
    // Horizontal top edge: both top vertices start the chains, the top row in full.
    {{1, 6, 1}, {1, 1, 6}, 8, 8, "......../.######./.#####../.####.../.###..../.##...../.#....../........"},
    // Left and right chains end on different rows: three trapezoids.
    {{2, 6, 4, 0}, {0, 2, 7, 4}, 8, 8, "..#...../..###.../.######./.######./#######./.#####../..####../....#..."},
    // All on one row: one span from the smallest to the largest x.
    {{5, 1, 3}, {3, 3, 3}, 7, 5, "......./......./......./.#####./......."},
    // Reaching beyond both sides and above the top: clipped to the bitmap.
    {{-5, 12, 12, -5}, {-3, -3, 2, 2}, 8, 4, "########/########/########/........"},
    // One column wide at column 0 is drawn like one at column 3.
    {{0, 0, 0}, {1, 4, 2}, 5, 6, "...../#..../#..../#..../#..../....."},
    {{3, 3, 3}, {1, 4, 2}, 5, 6, "...../...#./...#./...#./...#./....."},
    // Wholly left, right, above or below.
    {{-9, -1, -5}, {0, 0, 5}, 5, 5, "...../...../...../...../....."},
    {{5, 9, 7}, {0, 0, 5}, 5, 5, "...../...../...../...../....."},
    {{0, 4, 2}, {-9, -9, -1}, 5, 5, "...../...../...../...../....."},
    {{0, 4, 2}, {5, 5, 9}, 5, 5, "...../...../...../...../....."},
    {{-5, -1, -3}, {2, 2, 2}, 5, 5, "...../...../...../...../....."},  // one row, all left of column 0
    // From row 0 on wholly left of column 0, though its first rows are not.
    {{-39, 19, 31, -35}, {0, -38, -38, 3}, 5, 5, "...../...../...../...../....."},
};

TEST(PIX_FillConvexPolygon, FillsTheseExactPixelsEachOnce)
{
  for (const PolygonCase& c : kPolygons) {
    // Add mode with a colour of 1: a pixel covered twice would read 2.
    ShapeTestBitmap bm(c.width, c.height);
    PIX_FillConvexPolygon(&bm, c.x.data(), c.y.data(), (int32_t)c.x.size(), Grey(1), 1.0f, 1);
    EXPECT_EQ(bm.Art(), c.art) << "first vertex " << c.x[0] << "," << c.y[0];
    for (int32_t y = 0; y < c.height; ++y)
      for (int32_t x = 0; x < c.width; ++x) EXPECT_LE(bm.At(x, y), Grey(1)) << x << "," << y;
    EXPECT_TRUE(bm.GuardIntact());

    // The order of the vertices does not matter.
    ShapeTestBitmap reversed(c.width, c.height);
    std::vector<int32_t> rx(c.x.rbegin(), c.x.rend()), ry(c.y.rbegin(), c.y.rend());
    PIX_FillConvexPolygon(&reversed, rx.data(), ry.data(), (int32_t)rx.size(), kWhite, 1.0f, 0);
    EXPECT_EQ(reversed.Art(), c.art);

    // A flipped bitmap stores row y at height - 1 - y: it holds what the
    // polygon with its rows turned over draws on a plain one.
    ShapeTestBitmap flipped(c.width, c.height, 0, true), turned(c.width, c.height);
    std::vector<int32_t> ty;
    for (int32_t v : c.y) ty.push_back(c.height - 1 - v);
    PIX_FillConvexPolygon(&flipped, c.x.data(), c.y.data(), (int32_t)c.x.size(), kWhite, 1.0f, 0);
    PIX_FillConvexPolygon(&turned, c.x.data(), ty.data(), (int32_t)c.x.size(), kWhite, 1.0f, 0);
    for (int32_t y = 0; y < c.height; ++y)
      for (int32_t x = 0; x < c.width; ++x) EXPECT_EQ(flipped.At(x, c.height - 1 - y), turned.At(x, y));
  }
}

TEST(PIX_FillTriangle, IsThePolygonOfItsThreeVertices)
{
  ShapeTestBitmap tri(8, 8), poly(8, 8);
  PIX_FillTriangle(&tri, 6, 1, 1, 6, 1, 1, kWhite, 1.0f, 0);
  const int32_t x[] = {1, 6, 1}, y[] = {1, 1, 6};
  PIX_FillConvexPolygon(&poly, x, y, 3, kWhite, 1.0f, 0);
  EXPECT_EQ(tri.Art(), poly.Art());
  EXPECT_EQ(tri.Changed(), 21);
}

// Both end columns of every row are filled, so two triangles that share an
// edge both cover it; one polygon covers each pixel once.
TEST(PIX_FillTriangle, TrianglesSharingAnEdgeBothCoverIt)
{
  ShapeTestBitmap halves(7, 7), whole(7, 7);
  PIX_FillTriangle(&halves, 0, 0, 6, 0, 0, 6, Grey(1), 1.0f, 1);
  PIX_FillTriangle(&halves, 6, 0, 6, 6, 0, 6, Grey(1), 1.0f, 1);
  const int32_t x[] = {0, 6, 6, 0}, y[] = {0, 0, 6, 6};
  PIX_FillConvexPolygon(&whole, x, y, 4, Grey(1), 1.0f, 1);
  for (int32_t py = 0; py < 7; ++py)
    for (int32_t px = 0; px < 7; ++px) {
      EXPECT_EQ(halves.At(px, py), Grey(px + py == 6 ? 2 : 1)) << px << "," << py;
      EXPECT_EQ(whole.At(px, py), Grey(1)) << px << "," << py;
    }
}

TEST(PIX_FillConvexPolygon, ManyVerticesGiveTheSameAsFew)
{
  // Twelve vertices of a convex shape, and the same list repeated past the
  // 512 that fit on the stack: repeated points change nothing.
  const std::vector<int32_t> x = {10, 14, 17, 18, 17, 14, 10, 6, 3, 2, 3, 6};
  const std::vector<int32_t> y = {2, 3, 6, 10, 14, 17, 18, 17, 14, 10, 6, 3};
  std::vector<int32_t> manyX, manyY;
  while (manyX.size() <= 512) {
    manyX.insert(manyX.end(), x.begin(), x.end());
    manyY.insert(manyY.end(), y.begin(), y.end());
  }
  ShapeTestBitmap few(21, 21), many(21, 21);
  PIX_FillConvexPolygon(&few, x.data(), y.data(), (int32_t)x.size(), kWhite, 1.0f, 0);
  PIX_FillConvexPolygon(&many, manyX.data(), manyY.data(), (int32_t)manyX.size(), kWhite, 1.0f, 0);
  EXPECT_EQ(few.Art(), many.Art());
  EXPECT_GT(few.Changed(), 200);
}

TEST(PIX_FillTrapezoid, SplitAtTheRightBorderCombinesTheCrossingRowTwice)
{
  // The right edge runs from column 10 on row 0 to column 2 on row 8 and
  // leaves a 6-wide bitmap at row 5, which both pieces fill.
  ShapeTestBitmap bm(6, 9);
  PIX_FillTrapezoid(&bm, 2, 10, 0, 2, 2, 8, kWhite, 0.5f, 0);
  EXPECT_EQ(bm.Art(), "..####/..####/..####/..####/..####/..####/..###./..##../..#...");
  EXPECT_EQ(bm.At(3, 4), Grey(0x7F));
  EXPECT_EQ(bm.At(3, 5), Grey(0xBE));
  EXPECT_EQ(bm.At(3, 6), Grey(0x7F));
  EXPECT_TRUE(bm.GuardIntact());
}

TEST(PIX_FillTrapezoid, RowsAndColumnsAreInclusiveAndClipped)
{
  ShapeTestBitmap flipped(6, 4, 0, true);
  PIX_FillTrapezoid(&flipped, 1, 2, 0, 1, 4, 2, kWhite, 1.0f, 0);
  EXPECT_EQ(flipped.Art(), ".##.../.###../.####./......");  // rows counted from the top as drawn

  ShapeTestBitmap bm(6, 4);
  PIX_FillTrapezoid(&bm, 4, 1, 3, -3, 9, -2, kWhite, 1.0f, 0);  // given bottom up and right to left
  EXPECT_EQ(bm.Art(), "######/######/######/.####.");
  ShapeTestBitmap column0(3, 3);
  PIX_FillTrapezoid(&column0, 0, 0, 0, -4, 0, 2, kWhite, 1.0f, 0);
  EXPECT_EQ(column0.Art(), "#../#../#..");
}

// Copy mode's whole-word paths go by the integer weight here (so 0.2501
// counts as 0.25); other weights copy with alpha.
TEST(PIX_FillConvexPolygon, CopyWeightsAndModes)
{
  struct Case {
    float alpha;
    int32_t mode;
    PIX_Pixel old, color, expect;
  };
  const Case cases[] = {
      {1.0f, 0, Grey(9), PIX_MakePixel(1, 2, 3, 4), PIX_MakePixel(1, 2, 3, 4)},
      {0.5f, 0, Grey(1), Grey(1), Grey(0)},
      {0.5001f, 0, Grey(1), Grey(1), Grey(0)},
      {0.2501f, 0, Grey(3), Grey(0), Grey(1)},
      {0.7501f, 0, Grey(0), Grey(3), Grey(1)},
      {0.3f, 0, Grey(0), Grey(255), Grey(76)},  // weight 76: 255 - 255 x 180 / 256
      {1.0f, 0x10000, Grey(9), Grey(0), Grey(0)},
      {-0.5f, 0, Grey(9), Grey(0), Grey(9)},
      {-0.5f, 1, Grey(100), Grey(200), Grey(0)},
      {1.0f, 6, Grey(9), Grey(0), Grey(9)},
      {0.001f, 1, Grey(9), Grey(255), Grey(9)},
  };
  const int32_t x[] = {0, 3, 3, 0}, y[] = {0, 0, 2, 2};
  for (const Case& c : cases) {
    ShapeTestBitmap bm(4, 3, c.old);
    PIX_FillConvexPolygon(&bm, x, y, 4, c.color, c.alpha, c.mode);
    EXPECT_EQ(bm.At(2, 1), c.expect) << c.alpha << " mode " << c.mode;
  }
}

TEST(PIX_FillConvexPolygon, DegenerateAndExtremeInputStaysInside)
{
  ShapeTestBitmap bm(7, 5);
  const int32_t two[] = {1, 5};
  PIX_FillConvexPolygon(&bm, two, two, 2, kWhite, 1.0f, 0);
  PIX_FillConvexPolygon(nullptr, two, two, 3, kWhite, 1.0f, 0);
  PIX_FillConvexPolygon(&bm, nullptr, two, 3, kWhite, 1.0f, 0);
  EXPECT_EQ(bm.Changed(), 0);

  const std::vector<std::vector<int32_t>> shapes[] = {
      {{INT_MIN, INT_MAX, 0}, {INT_MIN, INT_MIN, INT_MAX}},
      {{INT_MAX, INT_MAX, INT_MIN}, {INT_MIN, INT_MAX, 3}},
      {{3, 3, 3, 3}, {2, 2, 2, 2}},                // one point, repeated
      {{0, 6, 3, 6, 0}, {0, 4, 2, 0, 4}},          // self-intersecting
      {{-100000, 3, 200000}, {-50000, 4, 90000}},  // long thin sliver across
      {{1, 5, 2, 6, 0, 4}, {0, 1, 4, 2, 3, 4}},    // concave
  };
  for (const auto& s : shapes)
    for (bool flipped : {false, true}) {
      ShapeTestBitmap b(7, 5, 0, flipped);
      PIX_FillConvexPolygon(&b, s[0].data(), s[1].data(), (int32_t)s[0].size(), kWhite, 0.7f, 0);
      EXPECT_TRUE(b.GuardIntact()) << s[0][0] << "," << s[1][0];
    }
  ShapeTestBitmap t(7, 5);
  PIX_FillTrapezoid(&t, INT_MIN, INT_MAX, INT_MIN, INT_MAX, INT_MIN, INT_MAX, kWhite, 1.0f, 0);
  EXPECT_TRUE(t.GuardIntact());
}

}  // namespace
