#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "PIX_Blend.h"
#include "PIX_Blit.h"
#include "PIX_RotatedBlit.h"
#include "raster_test_util.h"

namespace {
const float kPi = 3.14159265358979f;
const PIX_Pixel kOld = 0x5A5A5A5A;
}  // namespace

TEST(RotatedBlit, WholeTurnsMoveEveryPixel)
{
  PIX_MemBitmap src(8, 8), dest(8, 8);
  FillPattern(src);
  struct Case {
    float angle;
    // Source pixel for destination (i, j), or false where it is left alone.
    bool (*source)(int i, int j, int* x, int* y);
  } cases[] = {
      {0.0f, [](int i, int j, int* x, int* y) { return *x = i, *y = j, true; }},
      // A quarter turn about the centre: column 0 maps one past the source's end.
      {kPi / 2, [](int i, int j, int* x, int* y) { return *x = j, *y = 8 - i, i >= 1; }},
      {kPi, [](int i, int j, int* x, int* y) { return *x = 8 - i, *y = 8 - j, i >= 1 && j >= 1; }},
  };
  for (const Case& c : cases)
    for (int32_t filter : {0, 0x100}) {
      PIX_FillBitmap(&dest, kOld);
      PIX_RotatedBlit(&dest, &src, 0, 0, 8, 8, 0, 0, 8, 8, c.angle, false, 1.0f, filter, 0, 0);
      for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 8; ++i) {
          int x, y;
          const PIX_Pixel want = c.source(i, j, &x, &y) ? At(src, x, y) : kOld;
          ASSERT_EQ(want, At(dest, i, j)) << "angle " << c.angle << " filter " << filter << " at " << i << "," << j;
        }
    }
}

TEST(RotatedBlit, FractionalAngleSamplesTheRotatedPosition)
{
  PIX_MemBitmap src(30, 20), dest(40, 30);
  FillPattern(src, 2);
  PIX_FillBitmap(&dest, kOld);
  const float angle = 0.3f;
  const int dx = -3, dy = 4, dw = 36, dh = 24;
  PIX_RotatedBlit(&dest, &src, dx, dy, dw, dh, 2, 1, 27, 18, angle, false, 1.0f, 0, 1.5f, -1);
  // The same mapping in double precision; positions near a pixel boundary
  // are skipped, where the 16.16 steps may round either way.
  const double c = std::cos(angle), s = std::sin(angle), xs = 27.0 / dw, ys = 18.0 / dh;
  const double dsdx = xs * c, dtdx = -ys * s, dsdy = xs * s, dtdy = ys * c;
  const double s0 = 2 - ((dh * dsdy + dw * dsdx - 27) * 0.5 - 1.5);
  const double t0 = 1 - ((dw * dtdx + dh * dtdy - 18) * 0.5 + 1);
  int drawn = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      const int i = x - dx, j = y - dy;
      PIX_Pixel want = kOld;
      if (i >= 0 && i < dw && j >= 0 && j < dh) {
        const double ps = s0 + i * dsdx + j * dsdy, pt = t0 + i * dtdx + j * dtdy;
        if (std::fabs(ps - std::round(ps)) < 1e-3 || std::fabs(pt - std::round(pt)) < 1e-3) continue;
        const int sx = (int)ps, sy = (int)pt;  // truncation toward zero, as the 16.16 loop
        if (sx >= 0 && sx < 30 && sy >= 0 && sy < 20) want = At(src, sx, sy), ++drawn;
      }
      ASSERT_EQ(want, At(dest, x, y)) << x << "," << y;
    }
  EXPECT_GT(drawn, 500);
}

TEST(RotatedBlit, ClipFlagKeepsSamplesInsideTheSourceRectangle)
{
  PIX_MemBitmap src(20, 20), dest(10, 10);
  PIX_FillBitmap(&src, 0xFF0000FF);
  PIX_FillRect(&src, 5, 5, 10, 10, 0xFF00FF00, 1.0f, 0);
  auto borderShows = [&](bool clip) {
    PIX_FillBitmap(&dest, kOld);
    PIX_RotatedBlit(&dest, &src, 0, 0, 10, 10, 5, 5, 10, 10, kPi / 4, clip, 1.0f, 0, 0, 0);
    for (PIX_Pixel p : Snapshot(dest))
      if (p == 0xFF0000FF) return true;
    return false;
  };
  EXPECT_TRUE(borderShows(false));
  EXPECT_FALSE(borderShows(true));
}

TEST(RotatedBlit, CentreOffsetShiftsTheSource)
{
  PIX_MemBitmap src(20, 4), dest(10, 4);
  FillPattern(src);
  PIX_RotatedBlit(&dest, &src, 0, 0, 10, 4, 0, 0, 10, 4, 0.0f, false, 1.0f, 0, 5, 0);
  for (int x = 0; x < 10; ++x) EXPECT_EQ(At(src, x + 5, 2), At(dest, x, 2));
}

TEST(RotatedBlit, MirroredStartsAtTheLastColumn)
{
  PIX_MemBitmap src(9, 5), dest(9, 5);
  FillPattern(src);
  PIX_RotatedBlit(&dest, &src, 9, 5, -9, -5, 0, 0, 9, 5, 0.0f, false, 1.0f, 0, 0, 0);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 9; ++x) ASSERT_EQ(At(src, 8 - x, 4 - y), At(dest, x, y)) << x << "," << y;
}

TEST(RotatedBlit, ModesAndBadInput)
{
  PIX_MemBitmap src(8, 8), dest(8, 8);
  FillPattern(src);
  PIX_FillBitmap(&dest, Px({10, 20, 30, 40}));
  PIX_RotatedBlit(&dest, &src, 0, 0, 8, 8, 0, 0, 8, 8, 0.0f, false, 0.5f, 1, 0, 0);
  PIX_Pixel want = Px({10, 20, 30, 40});
  const PIX_Pixel s = At(src, 3, 3);
  PIX_CombinePixel(&want, PIX_PixelR(s), PIX_PixelG(s), PIX_PixelB(s), PIX_PixelA(s), 128, 1);
  EXPECT_EQ(want, At(dest, 3, 3));

  const auto before = Snapshot(dest);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (int32_t mode : {6, 0x7F, 0xEF, 0xF3, 0x10006})
    PIX_RotatedBlit(&dest, &src, 0, 0, 8, 8, 0, 0, 8, 8, 0.0f, false, 1.0f, mode, 0, 0);
  PIX_RotatedBlit(&dest, &src, 0, 0, 8, 8, 0, 0, 8, 8, 0.0f, false, 0.0f, 1, 0, 0);
  PIX_RotatedBlit(&dest, &src, 0, 0, 8, 8, 0, 0, 8, 8, 0.0f, false, -1.0f, 0, 0, 0);
  PIX_RotatedBlit(&dest, &src, 0, 0, 8, 8, 0, 0, 8, 8, nan, false, 1.0f, 0, 0, 0);
  PIX_RotatedBlit(&dest, &src, 0, 0, 8, 8, nan, 0, 8, 8, 0.0f, false, 1.0f, 0, 0, 0);
  PIX_RotatedBlit(&dest, &src, 0, 0, 8, 8, 0, 0, 1e30f, 8, 0.0f, false, 1.0f, 0, 0, 0);
  PIX_RotatedBlit(&dest, &src, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0, 8, 8, 1.0f, false, 1.0f, 0, 0, 0);
  PIX_RotatedBlit(&dest, &src, 0, 0, 1, INT_MAX, 0, 0, 1e9f, 1e9f, 1.0f, false, 1.0f, 0, 0, 0);
  PIX_RotatedBlit(&dest, nullptr, 0, 0, 8, 8, 0, 0, 8, 8, 0.0f, false, 1.0f, 0, 0, 0);
  PIX_AffineBlit(&dest, &src, 0, 0, 8, 8, 0, 0, 8, 8, 1e300, 0, 0, 1, 0, 0, false, 1.0f, 0);
  PIX_AffineBlit(&dest, &src, 0, 0, 8, 8, 0, 0, 8, 8, 1, 0, 0, 1, nan, 0, false, 1.0f, 0);
  EXPECT_EQ(before, Snapshot(dest));
}

TEST(AffineAndMeshBlit, IdentityMappingsCopy)
{
  PIX_MemBitmap src(12, 9), dest(12, 9);
  FillPattern(src, 3);
  PIX_AffineBlit(&dest, &src, 0, 0, 12, 9, 0, 0, 12, 9, 1, 0, 0, 1, 0, 0, false, 1.0f, 0);
  EXPECT_EQ(Snapshot(src), Snapshot(dest));

  // A 4 x 4 grid of points lying on the source's own pixel grid.
  std::vector<float> points;
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 4; ++col) points.push_back(4.0f * col), points.push_back(3.0f * row);
  PIX_FillBitmap(&dest, kOld);
  PIX_MeshBlit(&dest, &src, 0, 0, 12, 9, points.data(), 4, 4, 1.0f, 0);
  EXPECT_EQ(Snapshot(src), Snapshot(dest));

  // A second-order step: each row's per-pixel step grows, so row j is
  // stretched by (1 + j / 8).
  PIX_FillBitmap(&dest, kOld);
  PIX_AffineBlit(&dest, &src, 0, 0, 12, 9, 0, 0, 12, 9, 1, 0, 0, 1, 0.125, 0, false, 1.0f, 0);
  EXPECT_EQ(At(src, 6, 4), At(dest, 4, 4));
  EXPECT_EQ(At(src, 10, 8), At(dest, 5, 8));

  PIX_MeshBlit(&dest, &src, 0, 0, 12, 9, points.data(), 1, 4, 1.0f, 0);
  PIX_MeshBlit(&dest, &src, 0, 0, 12, 9, nullptr, 4, 4, 1.0f, 0);
  PIX_MeshBlit(&dest, &src, INT_MAX, INT_MAX, 12, 9, points.data(), 4, 4, 1.0f, 0);
}
