#include <gtest/gtest.h>

#include <climits>

#include "PIX_ClipLine.h"
#include "PIX_Line.h"
#include "shape_test_bitmap.h"

namespace {

const PIX_Pixel kWhite = Grey(255);

struct LineCase {
  int32_t x1, y1, x2, y2;
  int32_t width, height;
  const char* art;
};

// Plain lines in every direction, drawn opaque: which pixels are set.
const LineCase kPlainLines[] = {
    {0, 0, 4, 1, 5, 2, "##.../..###"},                                   // shallow, middle pixel rounds down the slope
    {4, 1, 0, 0, 5, 2, "##.../..###"},                                   // the same line reversed
    {0, 3, 4, 2, 5, 4, "...../...../..###/##..."},                       // rising to the right
    {0, 0, 5, 2, 6, 3, "##..../..##../....##"},                          // odd length
    {1, 0, 2, 4, 3, 5, ".#./.#./..#/..#/..#"},                           // steep
    {3, 0, 0, 5, 4, 6, "...#/..#./..#./.#../.#../#..."},                 // steep, leaning left
    {4, 2, 1, 2, 6, 3, "....../....../.####."},                          // horizontal
    {2, 3, 2, 0, 4, 4, "..#./..#./..#./..#."},                           // vertical
    {3, 3, 3, 3, 5, 5, "...../...../...../...#./....."},                 // a single point
    {0, 3, 3, 0, 4, 4, "...#/..#./.#../#..."},                           // diagonal
    {-10, 2, 20, 2, 10, 3, "........../........../##########"},          // clipped on both sides
    {-4, -2, 8, 4, 6, 3, "##..../..##../....##"},                        // clipped to the odd-length line above
    {-5, -5, -1, 9, 6, 6, "....../....../....../....../....../......"},  // wholly outside
};

TEST(PIX_Line, PlainLinesSetTheseExactPixels)
{
  for (const LineCase& c : kPlainLines) {
    ShapeTestBitmap bm(c.width, c.height);
    PIX_Line(&bm, c.x1, c.y1, c.x2, c.y2, kWhite, 1.0f, 0, false);
    EXPECT_EQ(bm.Art(), c.art) << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2;
    EXPECT_TRUE(bm.GuardIntact());
  }
}

// Every line is drawn once per pixel: in add mode a colour of 1 leaves 1
// wherever it went, so a pixel drawn twice would show 2.
TEST(PIX_Line, NoPixelIsDrawnTwice)
{
  const int32_t ends[][4] = {{0, 0, 9, 4}, {0, 0, 9, 3}, {9, 0, 0, 7}, {2, 9, 5, 0}, {0, 5, 9, 5}, {0, 0, 9, 9}};
  for (const auto& e : ends) {
    ShapeTestBitmap bm(10, 10);
    PIX_Line(&bm, e[0], e[1], e[2], e[3], Grey(1), 1.0f, 1, false);
    int32_t drawn = 0;
    for (int32_t y = 0; y < 10; ++y)
      for (int32_t x = 0; x < 10; ++x) {
        EXPECT_LE(bm.At(x, y), Grey(1));
        drawn += bm.At(x, y) == Grey(1);
      }
    EXPECT_EQ(drawn, std::max(std::abs(e[2] - e[0]), std::abs(e[3] - e[1])) + 1);
  }
}

// Antialiased: the ends alone at full weight, then two pixels per column
// whose weights share 255; white over black shows the weights directly.
TEST(PIX_Line, AntialiasedGeneralLineWeights)
{
  ShapeTestBitmap bm(5, 2);
  PIX_Line(&bm, 0, 0, 4, 1, kWhite, 1.0f, 0, true);
  const uint32_t expect[2][5] = {{255, 191, 127, 64, 0}, {0, 64, 128, 191, 255}};
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t x = 0; x < 5; ++x) EXPECT_EQ(bm.At(x, y), Grey(expect[y][x])) << x << "," << y;
}

TEST(PIX_Line, AntialiasedDiagonalLendsQuartersToItsNeighbours)
{
  // Opaque copy uses whole-word quarters: 3/4 of white is 0xBE, 1/4 is 0x3F.
  ShapeTestBitmap opaque(3, 3);
  PIX_Line(&opaque, 0, 0, 2, 2, kWhite, 1.0f, 0, true);
  const uint32_t full[3][3] = {{190, 63, 0}, {63, 190, 63}, {0, 63, 190}};
  // At alpha 0.5 the pixel takes 3 x 128 / 4 = 96 and each neighbour 32.
  ShapeTestBitmap half(3, 3);
  PIX_Line(&half, 0, 0, 2, 2, kWhite, 0.5f, 0, true);
  const uint32_t partial[3][3] = {{96, 32, 0}, {32, 96, 32}, {0, 32, 96}};
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 3; ++x) {
      EXPECT_EQ(opaque.At(x, y), Grey(full[y][x])) << x << "," << y;
      EXPECT_EQ(half.At(x, y), Grey(partial[y][x])) << x << "," << y;
    }
}

// Copy mode's whole-word paths take only the exact alphas, and only on
// horizontal and vertical runs; diagonals and general lines at alpha 0.5
// average each channel instead. Old pixel and colour below are chosen so
// that the two readings differ.
TEST(PIX_Line, CopyAlphaPathsArePinned)
{
  struct Case {
    int32_t x2, y2;  // from (0, 0)
    float alpha;
    PIX_Pixel old, color, expect;
  };
  const Case cases[] = {
      {3, 0, 0.5f, Grey(1), Grey(1), Grey(0)},     // masked halves lose both low bits
      {3, 0, 0.5001f, Grey(1), Grey(1), Grey(1)},  // weight 128 averages
      {0, 3, 0.5f, Grey(1), Grey(1), Grey(0)},     // vertical runs as horizontal ones
      {3, 3, 0.5f, Grey(1), Grey(1), Grey(1)},     // diagonal averages
      {3, 1, 0.5f, Grey(1), Grey(1), Grey(1)},     // general line averages
      {3, 0, 0.25f, Grey(3), Grey(0), Grey(1)},    // masked: 3/2 + 3/4
      {3, 0, 0.2501f, Grey(3), Grey(0), Grey(2)},  // copy with alpha at 64: 3 x 192 / 256
      {3, 0, 0.75f, Grey(0), Grey(3), Grey(1)},    // masked: 3/4 + 3/2
      {3, 0, 0.7501f, Grey(0), Grey(3), Grey(3)},  // copy with alpha at 192
  };
  for (const Case& c : cases) {
    ShapeTestBitmap bm(4, 4, c.old);
    PIX_Line(&bm, 0, 0, c.x2, c.y2, c.color, c.alpha, 0, false);
    EXPECT_EQ(bm.At(c.x2, c.y2), c.expect) << "to " << c.x2 << "," << c.y2 << " at " << c.alpha;
  }
}

TEST(PIX_Line, NothingIsDrawnForNullEmptyOrInvisibleInput)
{
  PIX_Line(nullptr, 0, 0, 5, 5, kWhite, 1.0f, 0, true);
  const struct {
    float alpha;
    int32_t mode;
  } none[] = {{0.0f, 0}, {0.003f, 0}, {-1.0f, 0}, {1.0f, 6}, {1.0f, 0xEF}, {1.0f, 0xF3}};
  for (const auto& n : none)
    for (bool aa : {false, true}) {
      ShapeTestBitmap bm(8, 8);
      PIX_Line(&bm, 0, 0, 7, 3, kWhite, n.alpha, n.mode, aa);
      PIX_Line(&bm, 0, 5, 7, 5, kWhite, n.alpha, n.mode, aa);
      EXPECT_EQ(bm.Changed(), 0) << n.alpha << " mode " << n.mode;
    }
  // A negative weight in add mode subtracts.
  ShapeTestBitmap sub(4, 1, Grey(100));
  PIX_Line(&sub, 0, 0, 3, 0, Grey(200), -0.5f, 1, false);
  EXPECT_EQ(sub.At(2, 0), Grey(0));
  // The source-alpha bit is ignored: 0x10000 draws as copy.
  ShapeTestBitmap sa(4, 1);
  PIX_Line(&sa, 0, 0, 3, 0, PIX_MakePixel(9, 9, 9, 0), 1.0f, 0x10000, false);
  EXPECT_EQ(sa.At(3, 0), PIX_MakePixel(9, 9, 9, 0));
}

TEST(PIX_Line, FlippedBitmapCountsRowsFromTheBottom)
{
  ShapeTestBitmap bm(4, 3, 0, true);
  PIX_Line(&bm, 0, 0, 3, 0, kWhite, 1.0f, 0, false);
  EXPECT_EQ(bm.Art(), "####/..../....");
  EXPECT_EQ(bm.GetBits()[2 * bm.GetRowSpan()], kWhite);  // the last stored row
}

TEST(PIX_Line, ExtremeCoordinatesStayInside)
{
  const int32_t ends[][4] = {{INT_MIN, INT_MIN, INT_MAX, INT_MAX},
                             {INT_MAX, INT_MIN, INT_MIN, INT_MAX},
                             {INT_MIN, 3, INT_MAX, 4},
                             {2, INT_MIN, 3, INT_MAX},
                             {INT_MIN, INT_MIN, INT_MIN, INT_MAX},
                             {-1, -1, 7, 7}};
  for (const auto& e : ends)
    for (bool aa : {false, true}) {
      ShapeTestBitmap bm(7, 5, 0, aa);
      PIX_Line(&bm, e[0], e[1], e[2], e[3], kWhite, 0.7f, 0, aa);
      EXPECT_TRUE(bm.GuardIntact()) << e[0] << "," << e[1] << " to " << e[2] << "," << e[3];
    }
}

TEST(PIX_ClipLine, MovesEndsOntoTheBorderOrRejects)
{
  int32_t x1 = -10, y1 = 5, x2 = 20, y2 = 5;
  EXPECT_TRUE(PIX_ClipLine(&x1, &y1, &x2, &y2, 10, 10));
  EXPECT_EQ((std::vector<int32_t>{x1, y1, x2, y2}), (std::vector<int32_t>{0, 5, 9, 5}));
  // The crossing on the right side is taken at x = width, then the point
  // placed on the last column.
  x1 = -4, y1 = -2, x2 = 8, y2 = 4;
  EXPECT_TRUE(PIX_ClipLine(&x1, &y1, &x2, &y2, 6, 3));
  EXPECT_EQ((std::vector<int32_t>{x1, y1, x2, y2}), (std::vector<int32_t>{0, 0, 5, 2}));
  x1 = -3, y1 = 0, x2 = -1, y2 = 9;
  EXPECT_FALSE(PIX_ClipLine(&x1, &y1, &x2, &y2, 10, 10));
  x1 = 0, y1 = 0, x2 = 5, y2 = 5;
  EXPECT_FALSE(PIX_ClipLine(&x1, &y1, &x2, &y2, 0, 10));  // an empty rectangle keeps nothing
}

TEST(PIX_DrawRect, OutlineCoversBothEndsAndCombinesCornersTwice)
{
  ShapeTestBitmap bm(6, 5);
  PIX_DrawRect(&bm, 1, 1, 3, 2, Grey(1), 1.0f, 1);
  const uint32_t expect[5][6] = {
      {0, 0, 0, 0, 0, 0}, {0, 2, 1, 1, 2, 0}, {0, 1, 0, 0, 1, 0}, {0, 2, 1, 1, 2, 0}, {0, 0, 0, 0, 0, 0}};
  for (int32_t y = 0; y < 5; ++y)
    for (int32_t x = 0; x < 6; ++x) EXPECT_EQ(bm.At(x, y), Grey(expect[y][x])) << x << "," << y;

  ShapeTestBitmap dot(3, 3);
  PIX_DrawRect(&dot, 1, 1, 0, 0, Grey(1), 1.0f, 1);
  EXPECT_EQ(dot.At(1, 1), Grey(4));
  EXPECT_EQ(dot.Changed(), 1);

  ShapeTestBitmap huge(4, 4);
  PIX_DrawRect(&huge, INT_MAX - 1, INT_MIN + 1, INT_MAX, INT_MAX, kWhite, 1.0f, 0);
  PIX_DrawRect(&huge, -2, -2, INT_MAX, INT_MAX, kWhite, 1.0f, 0);
  EXPECT_TRUE(huge.GuardIntact());
  EXPECT_EQ(huge.Art(), "..../..../..../....");
}

TEST(PIX_BorderedRect, FillsTheInsideThenDrawsTheOutline)
{
  ShapeTestBitmap bm(5, 5);
  PIX_BorderedRect(&bm, 0, 0, 4, 3, Grey(7), kWhite, 1.0f, 0);
  const uint32_t expect[5][5] = {
      {255, 255, 255, 255, 255}, {255, 7, 7, 7, 255}, {255, 7, 7, 7, 255}, {255, 255, 255, 255, 255}, {0, 0, 0, 0, 0}};
  for (int32_t y = 0; y < 5; ++y)
    for (int32_t x = 0; x < 5; ++x) EXPECT_EQ(bm.At(x, y), Grey(expect[y][x])) << x << "," << y;
}

}  // namespace
