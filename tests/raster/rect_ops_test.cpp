#include <gtest/gtest.h>

#include <climits>

#include "PIX_Blit.h"
#include "PIX_RectOps.h"
#include "raster_test_util.h"

TEST(BlurRect, UniformImageDarkensByTheMaskedTruncation)
{
  PIX_MemBitmap src(581, 4), dest(581, 4);
  PIX_FillBitmap(&src, 0xFFFFFFFF);
  PIX_BlurRect(&dest, &src, 0, 0, 0, 0, 581, 4);
  EXPECT_EQ((RGBA{251, 251, 251, 251}), Channels(At(dest, 5, 1)));  // 127 + 4 x 31
  EXPECT_EQ((RGBA{253, 253, 253, 253}), Channels(At(dest, 0, 0)));  // 127 + 2 x 63
  EXPECT_EQ((RGBA{253, 253, 253, 253}), Channels(At(dest, 580, 3)));
  EXPECT_EQ((RGBA{252, 252, 252, 252}), Channels(At(dest, 9, 0)));  // 127 + 2 x 31 + 63
  EXPECT_EQ((RGBA{252, 252, 252, 252}), Channels(At(dest, 0, 2)));
}

TEST(BlurRect, InPlaceEqualsBlurringACopy)
{
  PIX_MemBitmap image(581, 9), copy(581, 9), expected(581, 9);
  FillPattern(image);
  PIX_Copy(&copy, &image);
  PIX_Copy(&expected, &image);
  PIX_BlurRect(&expected, &copy, 3, 2, 3, 2, 570, 6);
  PIX_BlurRect(&image, &image, 3, 2, 3, 2, 570, 6);
  EXPECT_EQ(Snapshot(expected), Snapshot(image));
}

TEST(BlurRect, ClipsToBothBitmaps)
{
  PIX_MemBitmap src(10, 10), dest(10, 10);
  FillPattern(src);
  PIX_FillBitmap(&dest, 0);
  // Negative positions move the start; a 1-pixel-high remainder does nothing.
  PIX_BlurRect(&dest, &src, -2, 8, 0, 0, 10, 10);
  EXPECT_NE(0u, At(dest, 0, 8));
  EXPECT_EQ(0u, At(dest, 8, 8));
  const auto before = Snapshot(dest);
  PIX_BlurRect(&dest, &src, 0, 9, 0, 0, 10, 10);
  PIX_BlurRect(&dest, &src, INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MAX, INT_MAX);
  PIX_BlurRect(&dest, &src, INT_MAX, 0, 0, 0, 10, 10);
  PIX_BlurRect(&dest, nullptr, 0, 0, 0, 0, 10, 10);
  EXPECT_EQ(before, Snapshot(dest));
}

TEST(KeyColorToAlpha, KeyBecomesTransparentAndTheRestOpaque)
{
  PIX_MemBitmap bm(3, 1);
  At(bm, 0, 0) = Px({255, 0, 255, 200});
  At(bm, 1, 0) = Px({255, 1, 255, 0});
  At(bm, 2, 0) = Px({255, 0, 255, 255});
  PIX_KeyColorToAlpha(&bm, Px({255, 0, 255, 0}));
  EXPECT_EQ((RGBA{255, 0, 255, 0}), Channels(At(bm, 0, 0)));
  EXPECT_EQ((RGBA{255, 1, 255, 255}), Channels(At(bm, 1, 0)));
  EXPECT_EQ((RGBA{255, 0, 255, 0}), Channels(At(bm, 2, 0)));
}

TEST(CompareBitmaps, ResultsAndDifferingRegion)
{
  PIX_MemBitmap a(581, 7), b(581, 7), narrow(580, 7), shorter(581, 5);
  FillPattern(a);
  PIX_Copy(&b, &a);
  PIX_DiffRect r = {9, 9, 9, 9};
  EXPECT_EQ(0, PIX_CompareBitmaps(&a, &b, &r));
  EXPECT_EQ(0, r.x + r.y + r.width + r.height);
  EXPECT_EQ(0, PIX_CompareBitmaps(&a, &b, nullptr));

  At(b, 3, 2) ^= 1;
  At(b, 570, 5) ^= 0x100;
  EXPECT_EQ(1, PIX_CompareBitmaps(&a, &b, &r));
  EXPECT_EQ(3, r.x);
  EXPECT_EQ(2, r.y);
  EXPECT_EQ(568, r.width);
  EXPECT_EQ(4, r.height);
  EXPECT_NE(0, PIX_CompareBitmaps(&a, &b, nullptr));

  EXPECT_EQ(-1, PIX_CompareBitmaps(&a, &narrow, nullptr));
  EXPECT_EQ(-2, PIX_CompareBitmaps(&a, &shorter, nullptr));
  EXPECT_EQ(0, PIX_CompareBitmaps(nullptr, nullptr, nullptr));
  EXPECT_EQ(-1, PIX_CompareBitmaps(nullptr, &a, nullptr));
  EXPECT_EQ(1, PIX_CompareBitmaps(&a, nullptr, nullptr));
}

TEST(FloodFillColumn, FillsMatchingRunsThroughTheColumn)
{
  // 0 marks the region; the 1 wall stops the runs and the passes.
  const char* rows[] = {
      "0001000", "0000000", "0010100", "1111000", "0000000",
  };
  PIX_MemBitmap bm(7, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) At(bm, x, y) = rows[y][x] == '1' ? 0xFF000001 : 0xFF000000;
  PIX_FloodFillColumn(&bm, 1, 1, 0x00AB0000, 0x00FFFFFF, 0xFF000000);
  const char* expected[] = {
      "xxx1000", "xxxxxxx", "xx10100", "1111000", "0000000",
  };
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) {
      const uint32_t want = expected[y][x] == 'x' ? 0xFFAB0000 : expected[y][x] == '1' ? 0xFF000001 : 0xFF000000;
      EXPECT_EQ(want, At(bm, x, y)) << x << "," << y;
    }
  PIX_FloodFillColumn(&bm, 7, 0, 1, 1, 1);
  PIX_FloodFillColumn(&bm, -1, 0, 1, 1, 1);
  PIX_FloodFillColumn(nullptr, 0, 0, 1, 1, 1);
}

TEST(HalfSizeBlit, AveragesTwoByTwoBlocks)
{
  PIX_MemBitmap src(5, 4), dest(3, 3);
  PIX_FillBitmap(&dest, 0);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) At(src, x, y) = Px({40 * x, 40 * y, 100, 255});
  PIX_HalfSizeBlit(&dest, &src);
  EXPECT_EQ((RGBA{20, 20, 100, 252}), Channels(At(dest, 0, 0)));  // quarters of 255 are 63
  EXPECT_EQ((RGBA{100, 100, 100, 252}), Channels(At(dest, 1, 1)));
  EXPECT_EQ(0u, At(dest, 2, 0));  // 5 / 2 = 2 columns
  EXPECT_EQ(0u, At(dest, 0, 2));
}

TEST(ScaleAddRect, ScalesOffsetsAndClamps)
{
  PIX_MemBitmap bm(3, 1);
  PIX_FillBitmap(&bm, Px({100, 200, 50, 255}));
  PIX_ScaleAddRect(&bm, 1, -5, 10, 10, 0.5f, 2.0f, 1.0f, 1.0f, 25.0f, 0.0f, -60.0f, 0.0f);
  EXPECT_EQ((RGBA{100, 200, 50, 255}), Channels(At(bm, 0, 0)));
  EXPECT_EQ((RGBA{75, 255, 0, 255}), Channels(At(bm, 1, 0)));  // 50 + 25; 400; 50 - 60
  PIX_ScaleAddRect(&bm, 0, 0, 3, 1, 1e30f, -1e30f, 1.0f, 1.0f, 1e30f, 0, 0, 0);
  EXPECT_EQ((RGBA{255, 0, 50, 255}), Channels(At(bm, 0, 0)));
}

TEST(ForEachPixel, VisitsTheClippedRectangle)
{
  PIX_MemBitmap bm(581, 3);
  PIX_FillBitmap(&bm, 0);
  int count = 0;
  PIX_ForEachPixel(
      &bm, 579, -1, 5, 3, [](PIX_Pixel* p, void* user) { ++*p, ++*static_cast<int*>(user); }, &count);
  EXPECT_EQ(4, count);
  EXPECT_EQ(1u, At(bm, 580, 1));
  EXPECT_EQ(0u, At(bm, 580, 2));
  PIX_ForEachPixel(&bm, 0, 0, 5, 3, nullptr, nullptr);
}

TEST(GradientRect, RampsColourAndWeight)
{
  PIX_MemBitmap bm(581, 4);
  PIX_FillBitmap(&bm, Px({0, 0, 0, 0}));
  // Red rises by 1 per pixel from column -10: the clipped start moves along.
  const float step = 1.0f / 255.0f;
  PIX_GradientRect(&bm, -10, 0, 600, 2, 0.0f, 0.5f, 1.0f, 1.0f, step, 0, 0, 0, 0, 0, -step * 10, 0, 0);
  EXPECT_EQ((RGBA{10, 127, 255, 255}), Channels(At(bm, 0, 0)));
  EXPECT_EQ((RGBA{110, 127, 245, 255}), Channels(At(bm, 100, 1)));
  EXPECT_EQ((RGBA{255, 127, 255, 255}), Channels(At(bm, 580, 0)));  // clamped
  EXPECT_EQ((RGBA{0, 0, 0, 0}), Channels(At(bm, 0, 2)));

  // An alpha ramp blends: weight 128 at copy moves halfway.
  PIX_GradientRect(&bm, 0, 3, 2, 1, 1.0f, 1.0f, 1.0f, 0.5f, 0, 0, 0, 0.25f, 0, 0, 0, 0, 0);
  EXPECT_EQ((RGBA{128, 128, 128, 64}), Channels(At(bm, 0, 3)));
  EXPECT_EQ((RGBA{192, 192, 192, 144}), Channels(At(bm, 1, 3)));
  const auto before = Snapshot(bm);
  PIX_GradientRect(&bm, 0, 0, 10, 4, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 6);
  PIX_GradientRect(&bm, INT_MIN, 0, INT_MAX, 4, 1, 1, 1, 1, 1e30f, 0, 0, 1e30f, 0, 0, 0, 0, 1);
  EXPECT_EQ(before, Snapshot(bm));
}
