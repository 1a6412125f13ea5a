#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "PIX_Blend.h"
#include "PIX_Blit.h"
#include "PIX_ScaledBlit.h"
#include "raster_test_util.h"

namespace {

// Channels that grow linearly, so bilinear results are exact.
void FillRamp(PIX_IBitmap& bm, int step)
{
  for (int y = 0; y < bm.GetHeight(); ++y)
    for (int x = 0; x < bm.GetWidth(); ++x) At(bm, x, y) = Px({step * x, step * y, 7, 255});
}

const int32_t kBilinear = 0x100;

}  // namespace

TEST(ScaledBlit, NearestRepeatsPixels)
{
  PIX_MemBitmap src(10, 10), dest(20, 20);
  FillPattern(src);
  PIX_ScaledBlit(&dest, &src, 0, 0, 20, 20, 0, 0, 10, 10, 1.0f, 0);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(At(src, x / 2, y / 2), At(dest, x, y)) << x << "," << y;
}

TEST(ScaledBlit, BilinearInterpolatesAndTheLastColumnAndRowInOneDirection)
{
  PIX_MemBitmap src(10, 10), dest(20, 20);
  FillRamp(src, 20);
  PIX_ScaledBlit(&dest, &src, 0, 0, 20, 20, 0, 0, 10, 10, 1.0f, kBilinear);
  EXPECT_EQ((RGBA{10, 10, 7, 255}), Channels(At(dest, 1, 1)));    // four pixels
  EXPECT_EQ((RGBA{20, 20, 7, 255}), Channels(At(dest, 2, 2)));    // on a source pixel
  EXPECT_EQ((RGBA{180, 50, 7, 255}), Channels(At(dest, 19, 5)));  // last column: vertical only
  EXPECT_EQ((RGBA{50, 180, 7, 255}), Channels(At(dest, 5, 19)));  // last row: horizontal only
  EXPECT_EQ((RGBA{180, 180, 7, 255}), Channels(At(dest, 19, 19)));
}

TEST(ScaledBlit, EqualSizesAtWholePositionsAreABlit)
{
  PIX_MemBitmap src(30, 9), viaScaled(581, 9), viaBlit(581, 9);
  FillPattern(src, 4);
  for (int32_t mode : {0, 1, 3, 0x10000, 0x10004, 0xF3, kBilinear, kBilinear | 0x10002})
    for (float alpha : {1.0f, 0.5f, 0.3f}) {
      FillPattern(viaScaled, 5);
      FillPattern(viaBlit, 5);
      PIX_ScaledBlit(&viaScaled, &src, 570, -2, 30, 9, 2.02f, 0.98f, 30, 9, alpha, mode);
      PIX_Blit(&viaBlit, &src, 570, -2, 2, 1, 30, 9, alpha, mode);
      ASSERT_EQ(Snapshot(viaBlit), Snapshot(viaScaled)) << "mode " << mode << " alpha " << alpha;
    }
  // With the filter flag a half-pixel position interpolates instead.
  PIX_MemBitmap ramp(10, 4), dest(10, 4);
  FillRamp(ramp, 20);
  PIX_ScaledBlit(&dest, &ramp, 0, 0, 10, 4, 0.5f, 0, 10, 4, 1.0f, kBilinear);
  EXPECT_EQ((RGBA{10, 0, 7, 255}), Channels(At(dest, 0, 0)));
}

TEST(ScaledBlit, NegativeWidthMirrorsFromTheLastColumn)
{
  PIX_MemBitmap src(10, 3), dest(20, 3);
  FillPattern(src);
  PIX_FillBitmap(&dest, 0);
  PIX_ScaledBlit(&dest, &src, 10, 0, -10, 3, 0, 0, 10, 3, 1.0f, 0);
  for (int x = 0; x < 10; ++x) EXPECT_EQ(At(src, 9 - x, 1), At(dest, x, 1)) << x;
  EXPECT_EQ(0u, At(dest, 10, 1));

  // Stretched twice: each source column twice, in reverse.
  PIX_ScaledBlit(&dest, &src, 20, 0, -20, 3, 0, 0, 10, 3, 1.0f, 0x10001);
  PIX_MemBitmap mirrored(20, 3);
  PIX_ScaledBlit(&mirrored, &src, 20, 0, -20, 3, 0, 0, 10, 3, 1.0f, 0);
  for (int x = 0; x < 20; ++x) EXPECT_EQ(At(src, 9 - x / 2, 2), At(mirrored, x, 2)) << x;

  // Upside down, through the general path with a fractional height.
  PIX_MemBitmap flipped(10, 6);
  PIX_ScaledBlit(&flipped, &src, 0, 6, 10, -6, 0, 0, 10, 3, 1.0f, 0);
  for (int y = 0; y < 6; ++y) EXPECT_EQ(At(src, 4, 2 - y / 2), At(flipped, 4, y)) << y;
}

TEST(ScaledBlit, BoxFilterWhenShrinkingByMoreThanOnePointSeven)
{
  PIX_MemBitmap src(40, 40), half(20, 20), quarter(10, 10), oneWay(20, 40);
  FillRamp(src, 5);
  PIX_ScaledBlit(&half, &src, 0, 0, 20, 20, 0, 0, 40, 40, 1.0f, kBilinear);
  EXPECT_EQ((RGBA{20, 20, 7, 255}), Channels(At(half, 2, 2)));  // 3 x 3 around (4, 4)
  EXPECT_EQ((RGBA{2, 2, 7, 255}), Channels(At(half, 0, 0)));    // (0 + 5) / 2: outside rows and columns skipped

  PIX_ScaledBlit(&quarter, &src, 0, 0, 10, 10, 0, 0, 40, 40, 1.0f, kBilinear);
  EXPECT_EQ((RGBA{40, 40, 7, 255}), Channels(At(quarter, 2, 2)));  // 5 x 5 around (8, 8)
  EXPECT_EQ((RGBA{5, 5, 7, 255}), Channels(At(quarter, 0, 0)));    // (0 + 5 + 10) / 3

  // Shrinking in one direction only samples bilinearly.
  PIX_ScaledBlit(&oneWay, &src, 0, 0, 20, 40, 0, 0, 40, 40, 1.0f, kBilinear);
  EXPECT_EQ(At(src, 6, 5), At(oneWay, 3, 5));
}

TEST(ScaledBlit, DrawsTheLastValidSourceColumn)
{
  PIX_MemBitmap src(10, 10), dest(12, 10);
  FillPattern(src);
  PIX_FillBitmap(&dest, 0);
  // Step 1.0 across, 0.5 down: the general path.
  PIX_ScaledBlit(&dest, &src, 0, 0, 11, 10, 0, 0, 11, 5, 1.0f, 0);
  for (int x = 0; x < 10; ++x) EXPECT_EQ(At(src, x, 4), At(dest, x, 9)) << x;
  EXPECT_EQ(0u, At(dest, 10, 9));
  EXPECT_EQ(0u, At(dest, 11, 9));
}

TEST(ScaledBlit, ModesOnTheGeneralPath)
{
  PIX_MemBitmap src(8, 8), dest(16, 16);
  FillPattern(src, 9);
  for (int32_t mode : {0, 1, 2, 3, 4, 5, 6, 0xF3, 0x10000, 0x10001, 0x10002, 0x10003, 0x10004, 0x10005})
    for (float alpha : {1.0f, 0.5f, 0.7f}) {
      FillPattern(dest, 1);
      const auto before = Snapshot(dest);
      PIX_ScaledBlit(&dest, &src, 0, 0, 16, 16, 0, 0, 8, 8, alpha, mode);
      for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
          PIX_Pixel want = before[(size_t)y * 16 + x];
          const PIX_Pixel s = At(src, x / 2, y / 2);
          if ((mode & 0x100FF) == 0 && alpha == 0.5f)
            want = PIX_Half(want) + PIX_Half(s);
          else
            PIX_CombinePixel(&want, PIX_PixelR(s), PIX_PixelG(s), PIX_PixelB(s), PIX_PixelA(s),
                             PIX_AlphaToWeight(alpha), mode);
          ASSERT_EQ(want, At(dest, x, y)) << "mode " << std::hex << mode << std::dec << " alpha " << alpha;
        }
    }
}

TEST(ScaledBlit, ClipsAndIgnoresBadInput)
{
  PIX_MemBitmap src(10, 10), dest(581, 10);
  FillPattern(src);
  PIX_FillBitmap(&dest, 0);
  // Leading columns whose samples lie left of the source are dropped.
  PIX_ScaledBlit(&dest, &src, 0, 0, 20, 20, -2.5f, 0, 10, 10, 1.0f, 0);
  EXPECT_EQ(0u, At(dest, 4, 0));
  EXPECT_EQ(At(src, 0, 0), At(dest, 5, 0));
  EXPECT_EQ(At(src, 2, 4), At(dest, 10, 9));

  PIX_FillBitmap(&dest, 0);
  PIX_ScaledBlit(&dest, &src, 575, -4, 20, 20, 0, 0, 10, 10, 1.0f, 0);
  EXPECT_EQ(At(src, 2, 2), At(dest, 579, 0));
  EXPECT_EQ(At(src, 2, 6), At(dest, 580, 8));

  const auto before = Snapshot(dest);
  const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
  PIX_ScaledBlit(&dest, &src, 0, 0, 20, 20, nan, 0, 10, 10, 1.0f, 1);
  PIX_ScaledBlit(&dest, &src, 0, 0, 20, 20, 0, 0, inf, 10, 1.0f, 1);
  PIX_ScaledBlit(&dest, &src, 0, 0, 20, 20, 0, 0, 1e30f, 1e30f, 1.0f, 1);
  PIX_ScaledBlit(&dest, &src, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0, 10, 10, 1.0f, 1);
  PIX_ScaledBlit(&dest, &src, INT_MAX, 0, INT_MIN, 5, 0, 0, 10, 10, 1.0f, 1);
  PIX_ScaledBlit(&dest, &src, 0, 0, 20, 20, 1e9f, 1e9f, -1e9f, -1e9f, 1.0f, 1);
  PIX_ScaledBlit(&dest, &src, 0, 0, 20, 20, 0, 0, 10, 10, 0.0f, 1);
  PIX_ScaledBlit(&dest, &src, 0, 0, 0, 20, 0, 0, 10, 10, 1.0f, 1);
  PIX_ScaledBlit(&dest, nullptr, 0, 0, 20, 20, 0, 0, 10, 10, 1.0f, 1);
  PIX_ScaledBlit(nullptr, &src, 0, 0, 20, 20, 0, 0, 10, 10, 1.0f, 1);
  EXPECT_EQ(before, Snapshot(dest));
}
