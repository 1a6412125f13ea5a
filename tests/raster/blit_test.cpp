#include <gtest/gtest.h>

#include <climits>

#include "PIX_Blend.h"
#include "PIX_Blit.h"
#include "raster_test_util.h"

namespace {

// Source pixels with every interesting alpha.
PIX_Pixel Source(int x, int y)
{
  static const int kAlpha[] = {0, 1, 64, 128, 200, 254, 255};
  const PIX_Pixel p = Pattern(x, y, 7);
  return Px({PIX_PixelR(p), PIX_PixelG(p), PIX_PixelB(p), kAlpha[(x + 3 * y) % 7]});
}

// What a blit does to one pixel, from the combiner table and the blit's copy shortcuts.
PIX_Pixel Expected(PIX_Pixel d, PIX_Pixel s, float alpha, int32_t mode)
{
  if ((mode & 0xFF) >= 0xF0) {
    reinterpret_cast<uint8_t*>(&d)[(mode >> 2) & 3] = reinterpret_cast<uint8_t*>(&s)[mode & 3];
    return d;
  }
  if ((mode & 0x100FF) == 0 && alpha == 0.5f) return PIX_Half(d) + PIX_Half(s);
  PIX_CombinePixel(&d, PIX_PixelR(s), PIX_PixelG(s), PIX_PixelB(s), PIX_PixelA(s), PIX_AlphaToWeight(alpha), mode);
  return d;
}

}  // namespace

TEST(Blit, EveryModeAndAlpha)
{
  PIX_MemBitmap src(21, 7), dest(581, 9);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 21; ++x) At(src, x, y) = Source(x, y);
  const int32_t modes[] = {0,       1,       2,       3,       4,       5,       6,       0xEF,  0xF3,   0xFC,
                           0x10000, 0x10001, 0x10002, 0x10003, 0x10004, 0x10005, 0x10006, 0x101, 0x10100};
  const float alphas[] = {1.0f, 0.5f, 0.25f, 0.75f, 0.9f, 0.002f, -0.5f, 1.5f};
  for (int32_t mode : modes)
    for (float alpha : alphas) {
      FillPattern(dest, 3);
      const std::vector<PIX_Pixel> before = Snapshot(dest);
      PIX_Blit(&dest, &src, 560, 1, 0, 0, 21, 7, alpha, mode);
      for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 581; ++x) {
          const PIX_Pixel old = before[(size_t)y * 581 + x];
          const bool inside = x >= 560 && y >= 1 && y < 8;
          const PIX_Pixel want = inside ? Expected(old, Source(x - 560, y - 1), alpha, mode) : old;
          ASSERT_EQ(want, At(dest, x, y))
              << "mode " << std::hex << mode << std::dec << " alpha " << alpha << " at " << x << "," << y;
        }
    }
}

TEST(Blit, CopyShortcuts)
{
  PIX_MemBitmap src(3, 1), dest(3, 1);
  At(src, 0, 0) = Px({255, 255, 255, 255});
  At(dest, 0, 0) = Px({255, 255, 255, 10});
  PIX_Blit(&dest, &src, 0, 0, 0, 0, 1, 1, 0.5f, 0);
  EXPECT_EQ((RGBA{254, 254, 254, 132}), Channels(At(dest, 0, 0)));
  At(src, 1, 0) = Px({1, 2, 3, 0});
  PIX_Blit(&dest, &src, 1, 0, 1, 0, 1, 1, 1.0f, 0);
  EXPECT_EQ((RGBA{1, 2, 3, 0}), Channels(At(dest, 1, 0)));  // alpha copied too

  // Channel copy 0xF3: source byte 3 into destination byte 0; alpha plays no part.
  At(src, 2, 0) = 0xA1B2C3D4;
  At(dest, 2, 0) = 0x11223344;
  PIX_Blit(&dest, &src, 2, 0, 2, 0, 1, 1, 0.1f, 0xF3);
  EXPECT_EQ(0x112233A1u, At(dest, 2, 0));
}

namespace {

struct ClipCase {
  int32_t x, y;
  PIX_Rect rect;
};

// Destination pixel (X, Y) shows source pixel (X - x + left, Y - y + top)
// wherever that lies inside both the rectangle and the source.
void CheckClippedBlit(const ClipCase& c)
{
  PIX_MemBitmap src(13, 5), dest(581, 7);
  FillPattern(src, 1);
  FillPattern(dest, 2);
  const std::vector<PIX_Pixel> before = Snapshot(dest);
  PIX_BlitRect(&dest, &src, c.x, c.y, &c.rect, 1.0f, 0);
  for (int64_t y = 0; y < 7; ++y)
    for (int64_t x = 0; x < 581; ++x) {
      const int64_t sx = x - c.x + c.rect.left, sy = y - c.y + c.rect.top;
      const bool drawn = sx >= std::max<int64_t>(c.rect.left, 0) && sx < std::min<int64_t>(c.rect.right, 13) &&
                         sy >= std::max<int64_t>(c.rect.top, 0) && sy < std::min<int64_t>(c.rect.bottom, 5);
      const PIX_Pixel want = drawn ? At(src, (int)sx, (int)sy) : before[(size_t)y * 581 + x];
      ASSERT_EQ(want, At(dest, (int)x, (int)y)) << "case " << c.x << "," << c.y << " at " << x << "," << y;
    }
}

}  // namespace

TEST(Blit, ClipsAtEveryEdge)
{
  const ClipCase cases[] = {
      {0, 0, {0, 0, 13, 5}},
      {-4, 0, {0, 0, 13, 5}},
      {0, -3, {0, 0, 13, 5}},
      {575, 0, {0, 0, 13, 5}},
      {0, 4, {0, 0, 13, 5}},
      {572, 5, {0, 0, 13, 5}},
      {10, 1, {-3, -2, 6, 4}},
      {10, 1, {5, 1, 40, 30}},
      {-20, 0, {0, 0, 13, 5}},
      {581, 0, {0, 0, 13, 5}},
      {0, 7, {0, 0, 13, 5}},
      {3, 3, {8, 2, 8, 4}},
      {3, 3, {9, 2, 8, 4}},
      {INT_MIN, 0, {0, 0, 13, 5}},
      {INT_MAX, INT_MAX, {0, 0, 13, 5}},
      {0, 0, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}},
      {5, 2, {-INT_MAX, 0, 13, 5}},
      {INT_MAX, 0, {INT_MIN, 0, 13, 5}},
  };
  for (const ClipCase& c : cases) CheckClippedBlit(c);
}

TEST(Blit, NothingForNullBitmapsAndEmptyInput)
{
  PIX_MemBitmap src(4, 4), dest(4, 4), empty;
  FillPattern(src);
  FillPattern(dest, 1);
  const auto before = Snapshot(dest);
  PIX_Blit(nullptr, &src, 0, 0, 0, 0, 4, 4, 1.0f, 0);
  PIX_Blit(&dest, nullptr, 0, 0, 0, 0, 4, 4, 1.0f, 0);
  PIX_Blit(&dest, &empty, 0, 0, 0, 0, 4, 4, 1.0f, 0);
  PIX_Blit(&empty, &src, 0, 0, 0, 0, 4, 4, 1.0f, 0);
  PIX_Blit(&dest, &src, 0, 0, 0, 0, 4, 4, 0.0f, 0);
  PIX_Blit(&dest, &src, 0, 0, 0, 0, 4, 4, 0.001f, 1);
  PIX_Blit(&dest, &src, 0, 0, 0, 0, INT_MAX, INT_MAX, 0.0f, 0);
  PIX_BlitRect(&dest, &src, 0, 0, nullptr, std::numeric_limits<float>::quiet_NaN(), 1);
  EXPECT_EQ(before, Snapshot(dest));
}

TEST(Blit, HonoursFlippedBitmaps)
{
  FlippedBitmap src(5, 3), dest(5, 3);
  FillPattern(src);
  PIX_MemBitmap plain(5, 3);
  PIX_Blit(&plain, &src, 0, 0, 0, 0, 5, 3, 1.0f, 0);
  PIX_Blit(&dest, &plain, 0, 0, 0, 0, 5, 3, 0.75f, 1);
  for (int y = 0; y < 3; ++y) {
    EXPECT_EQ(src.StoredRow(2 - y)[4], At(plain, 4, y));
    EXPECT_EQ(At(src, 1, y), At(plain, 1, y));
  }
}

TEST(Blit, CopyResizesTheDestination)
{
  PIX_MemBitmap src(581, 3), dest(2, 2), empty;
  FillPattern(src);
  PIX_Copy(&dest, &src);
  EXPECT_EQ(Snapshot(src), Snapshot(dest));
  PIX_Copy(&dest, &empty);
  EXPECT_EQ(0, dest.GetWidth());
  EXPECT_EQ(0, dest.GetHeight());
  PIX_Copy(nullptr, &src);
  PIX_Copy(&dest, nullptr);
}

TEST(FillRect, ShortcutsAndModes)
{
  const PIX_Pixel colour = Px({200, 100, 40, 77});
  const RGBA d0 = {10, 20, 30, 40};
  struct Case {
    float alpha;
    int32_t mode;
    RGBA expected;
  } cases[] = {
      {1.0f, 0, {200, 100, 40, 77}},      // the colour word, alpha included
      {0.5f, 0, {105, 60, 35, 58}},       // even mix
      {0.25f, 0, {57, 40, 32, 49}},       // three quarters pixel, a quarter colour
      {0.75f, 0, {152, 80, 37, 67}},      // a quarter pixel, three quarters colour
      {0.1f, 0, {29, 28, 31, 38}},        // copy toward, the weight (25) standing for alpha
      {0.5f, 1, {110, 70, 50, 104}},      // add: alpha grows by w x w / 256
      {1.0f, 0x10000, {68, 45, 34, 52}},  // source alpha folds into the weight (77)
      {0.5f, 6, d0},
      {0.0f, 1, d0},
      {0.003f, 1, d0},
  };
  for (const Case& c : cases) {
    PIX_MemBitmap bm(7, 3);
    PIX_FillRect(&bm, 0, 0, 7, 3, Px(d0), 1.0f, 0);
    PIX_FillRect(&bm, 2, 1, 3, 1, colour, c.alpha, c.mode);
    EXPECT_EQ(c.expected, Channels(At(bm, 3, 1))) << "alpha " << c.alpha << " mode " << c.mode;
    EXPECT_EQ(d0, Channels(At(bm, 1, 1)));
    EXPECT_EQ(d0, Channels(At(bm, 5, 1)));
    EXPECT_EQ(d0, Channels(At(bm, 3, 0)));
  }
  // Bit 16 with a transparent colour draws nothing.
  PIX_MemBitmap bm(2, 2);
  PIX_FillRect(&bm, 0, 0, 2, 2, Px(d0), 1.0f, 0);
  PIX_FillRect(&bm, 0, 0, 2, 2, Px({1, 2, 3, 0}), 1.0f, 0x10000);
  EXPECT_EQ(d0, Channels(At(bm, 1, 1)));
}

TEST(FillRect, ClipsAndSurvivesHugeRectangles)
{
  PIX_MemBitmap bm(581, 5);
  const PIX_Pixel c = 0xDEADBEEF;
  PIX_FillRect(&bm, 0, 0, 581, 5, 0, 1.0f, 0);
  PIX_FillRect(&bm, -10, -10, 12, 12, c, 1.0f, 0);                    // top left 2 x 2
  PIX_FillRect(&bm, 579, 3, INT_MAX, INT_MAX, c, 1.0f, 0);            // bottom right 2 x 2
  PIX_FillRect(&bm, INT_MIN, INT_MIN, INT_MAX, INT_MAX, c, 1.0f, 0);  // ends before the bitmap
  PIX_FillRect(&bm, INT_MAX, 0, INT_MAX, 5, c, 1.0f, 0);
  PIX_FillRect(nullptr, 0, 0, 1, 1, c, 1.0f, 0);
  int count = 0;
  for (PIX_Pixel p : Snapshot(bm)) count += p == c;
  EXPECT_EQ(8, count);
  EXPECT_EQ(c, At(bm, 1, 1));
  EXPECT_EQ(c, At(bm, 580, 4));
}

TEST(ClearRectAndFillBitmap, MaskAndStore)
{
  PIX_MemBitmap bm(581, 3);
  PIX_FillBitmap(&bm, 0x12345678);
  PIX_ClearRect(&bm, 580, -1, 5, 2, 0x00FFFFFF, 0x01000000);
  EXPECT_EQ(0x01345678u, At(bm, 580, 0));
  EXPECT_EQ(0x12345678u, At(bm, 579, 0));
  EXPECT_EQ(0x12345678u, At(bm, 580, 1));
  PIX_MemBitmap empty;
  PIX_FillBitmap(&empty, 1);
  PIX_FillBitmap(nullptr, 1);
}

TEST(Pixels, GetAndPut)
{
  FlippedBitmap bm(3, 2);
  for (int k = 0; k < 2; ++k)
    for (int x = 0; x < 3; ++x) bm.StoredRow(k)[x] = Px({10, 20, 30, 40});
  PIX_PutPixel(&bm, 2, 0, Px({200, 100, 50, 250}), 1.0f, 0);
  EXPECT_EQ(Px({200, 100, 50, 250}), bm.StoredRow(1)[2]);  // row 0 is stored last
  EXPECT_EQ(Px({200, 100, 50, 250}), PIX_GetPixel(&bm, 2, 0));

  struct Case {
    float alpha;
    int32_t mode;
    RGBA expected;
  } cases[] = {
      {0.5f, 0, {105, 60, 40, 145}},  {0.25f, 0, {57, 40, 34, 92}},
      {0.75f, 0, {152, 80, 44, 197}}, {0.1f, 0, {29, 28, 32, 61}},
      {1.0f, 1, {210, 120, 80, 255}}, {1.0f, 0x10000, {200, 100, 50, 250}},  // only the low byte counts: a plain copy
      {1.0f, 6, {10, 20, 30, 40}},
  };
  for (const Case& c : cases) {
    PIX_PutPixel(&bm, 1, 1, Px({10, 20, 30, 40}), 1.0f, 0);
    PIX_PutPixel(&bm, 1, 1, Px({200, 100, 50, 250}), c.alpha, c.mode);
    EXPECT_EQ(c.expected, Channels(PIX_GetPixel(&bm, 1, 1))) << c.alpha << " " << c.mode;
  }
  for (auto xy : {std::pair<int, int>{-1, 0}, {0, -1}, {3, 0}, {0, 2}, {INT_MIN, INT_MAX}}) {
    EXPECT_EQ(0u, PIX_GetPixel(&bm, xy.first, xy.second));
    PIX_PutPixel(&bm, xy.first, xy.second, 0xFFFFFFFF, 1.0f, 0);
  }
  EXPECT_EQ(0u, PIX_GetPixel(nullptr, 0, 0));
  EXPECT_EQ(Px({10, 20, 30, 40}), bm.StoredRow(1)[0]);
}

TEST(Glyph, CoverageWeightsAndClipping)
{
  const uint8_t coverage[] = {0,   255, 128, 64,  //
                              255, 255, 255, 255};
  PIX_MemBitmap bm(5, 3);
  PIX_FillBitmap(&bm, Px({0, 0, 0, 0}));
  PIX_DrawGlyph(&bm, -1, 2, Px({200, 100, 50, 255}), coverage, 4, 2, 1.0f, 0);
  // Row 0 of the glyph lands on row 2 from column -1: coverage 255 gives
  // weight 255, whose remainder truncates away.
  EXPECT_EQ((RGBA{200, 100, 50, 255}), Channels(At(bm, 0, 2)));
  EXPECT_EQ((RGBA{100, 50, 25, 128}), Channels(At(bm, 1, 2)));
  EXPECT_EQ((RGBA{50, 25, 13, 64}), Channels(At(bm, 2, 2)));
  EXPECT_EQ((RGBA{0, 0, 0, 0}), Channels(At(bm, 3, 2)));
  EXPECT_EQ((RGBA{0, 0, 0, 0}), Channels(At(bm, 0, 1)));

  PIX_DrawGlyph(&bm, 0, 0, Px({50, 50, 50, 50}), coverage, 4, 2, 1.0f, 1);
  EXPECT_EQ((RGBA{49, 49, 49, 49}), Channels(At(bm, 0, 1)));
  const auto before = Snapshot(bm);
  PIX_DrawGlyph(&bm, 0, 0, 0xFFFFFFFF, coverage, 4, 2, 1.0f, 6);
  PIX_DrawGlyph(&bm, 0, 0, 0xFFFFFFFF, coverage, 4, 2, 0.0f, 1);
  PIX_DrawGlyph(&bm, 0, 0, 0xFFFFFFFF, coverage, 4, 2, -1.0f, 0);
  PIX_DrawGlyph(&bm, INT_MIN, INT_MAX, 0xFFFFFFFF, coverage, 4, 2, 1.0f, 0);
  PIX_DrawGlyph(&bm, 5, 0, 0xFFFFFFFF, coverage, 4, 2, 1.0f, 0);
  PIX_DrawGlyph(&bm, 0, 0, 0xFFFFFFFF, nullptr, 4, 2, 1.0f, 0);
  PIX_DrawGlyph(nullptr, 0, 0, 0xFFFFFFFF, coverage, 4, 2, 1.0f, 0);
  EXPECT_EQ(before, Snapshot(bm));
}
