#include <gtest/gtest.h>

#include "PIX_Blend.h"
#include "raster_test_util.h"

namespace {

struct CombineCase {
  int32_t mode;
  int32_t w;
  RGBA src, dst, expected;
};

const RGBA kD = {100, 200, 50, 128};
const RGBA kS = {200, 40, 255, 64};
const RGBA kRed = {255, 0, 0, 33};

const CombineCase kCases[] = {
    // copy
    {0x00, 256, kS, kD, kS},
    {0x00, 128, kS, kD, {150, 120, 153, 96}},
    {0x00, 64, kS, kD, {125, 160, 102, 112}},
    {0x00, 0, kS, kD, kD},
    {0x00, -10, kS, kD, kD},
    // copy with source alpha
    {0x10000, 256, kS, kD, {126, 159, 103, 111}},
    {0x10000, 256, {200, 40, 255, 0}, kD, kD},
    {0x10000, 256, {200, 40, 255, 255}, kD, {200, 40, 255, 255}},
    {0x10000, 128, kS, kD, {113, 180, 76, 120}},
    {0x10000, 77, {200, 40, 255, 0}, kD, kD},
    // add
    {0x01, 256, kS, kD, {255, 240, 255, 192}},
    {0x01, 128, kS, kD, {200, 220, 177, 160}},
    {0x01, -256, kS, kD, {0, 160, 0, 64}},
    {0x01, 256, {255, 255, 255, 255}, {1, 2, 3, 4}, {255, 255, 255, 255}},
    {0x10001, 256, kS, kD, {150, 210, 114, 144}},
    {0x10001, 256, {200, 40, 255, 0}, kD, kD},
    // dodge
    {0x02, 256, kS, kD, {255, 237, 255, 170}},
    {0x02, 256, {255, 255, 255, 255}, {0, 1, 128, 0}, {0, 255, 255, 0}},
    // multiply
    {0x03, 256, kS, kD, {78, 31, 49, 32}},
    {0x03, 128, kS, kD, {89, 115, 49, 80}},
    {0x03, 256, {255, 255, 255, 255}, {255, 255, 255, 255}, {254, 254, 254, 254}},
    {0x10003, 256, {200, 40, 255, 0}, kD, kD},
    // overlay
    {0x04, 256, kS, kD, {134, 169, 89, 96}},
    // HSV adjust: a neutral adjustment keeps the colour and takes the alpha
    {0x05, 256, {128, 128, 128, 77}, kRed, {255, 0, 0, 77}},
    {0x05, 256, {255, 128, 128, 200}, kRed, {0, 255, 247, 200}},
    {0x05, 256, {128, 128, 0, 10}, kRed, {0, 0, 0, 10}},
    {0x10005, 256, {255, 128, 128, 0}, kRed, {255, 0, 0, 0}},
    // modes that draw nothing; bits above 16 are ignored
    {0x06, 256, kS, kD, kD},
    {0xEF, 256, kS, kD, kD},
    {0xF3, 256, kS, kD, kD},
    {0x100006, 256, kS, kD, kD},
    {0x20001, 128, kS, kD, {200, 220, 177, 160}},
    {0x101, 128, kS, kD, {200, 220, 177, 160}},
};

}  // namespace

TEST(Combiners, TableOfCases)
{
  for (const CombineCase& c : kCases) {
    PIX_Pixel d = Px(c.dst);
    PIX_CombinePixel(&d, c.src.r, c.src.g, c.src.b, c.src.a, c.w, c.mode);
    EXPECT_EQ(c.expected, Channels(d)) << "mode " << std::hex << c.mode << std::dec << " w " << c.w;

    // The clamping forms agree for weights 0..256, and so does the by-value form.
    PIX_Pixel clamped = Px(c.dst);
    PIX_CombinePixelClamped(&clamped, c.src.r, c.src.g, c.src.b, c.src.a, c.w, c.mode);
    if (c.w >= 0 && c.w <= 256) {
      EXPECT_EQ(d, clamped) << "mode " << std::hex << c.mode;
    }
    if (c.w == 256 || c.w == 128 || c.w == 64 || c.w == 0) {
      EXPECT_EQ(d, PIX_CombinePixelValue(Px(c.dst), Px(c.src), c.w / 256.0f, c.mode)) << "mode " << std::hex << c.mode;
    }

    PIX_Pixel viaPointer = Px(c.dst);
    if (PIX_CombinerFn fn = PIX_BlendCombinerFn(c.mode, c.w)) fn(&viaPointer, c.src.r, c.src.g, c.src.b, c.src.a, c.w);
    EXPECT_EQ(d, viaPointer) << "mode " << std::hex << c.mode;
  }
}

TEST(Combiners, StoringAndClampingFormsDifferAboveFullWeight)
{
  // Copy toward a colour at weight 512 overshoots: the storing form keeps
  // the low byte, the clamping form stops at 0..255.
  PIX_Pixel storing = Px({100, 100, 100, 100}), clamping = storing;
  PIX_CombinePixel(&storing, 200, 0, 100, 100, 512, 0);
  PIX_CombinePixelClamped(&clamping, 200, 0, 100, 100, 512, 0);
  EXPECT_EQ((RGBA{44, 156, 100, 100}), Channels(storing));
  EXPECT_EQ((RGBA{255, 0, 100, 100}), Channels(clamping));
}

TEST(Combiners, WeightFromAlpha)
{
  EXPECT_EQ(256, PIX_AlphaToWeight(1.0f));
  EXPECT_EQ(128, PIX_AlphaToWeight(0.5f));
  EXPECT_EQ(0, PIX_AlphaToWeight(0.003f));
  EXPECT_EQ(-25, PIX_AlphaToWeight(-0.1f));
  EXPECT_EQ(0, PIX_AlphaToWeight(std::numeric_limits<float>::quiet_NaN()));
  // Absurd alphas are held where no combiner's arithmetic overflows.
  EXPECT_EQ(4096, PIX_AlphaToWeight(1e30f));
  EXPECT_EQ(-4096, PIX_AlphaToWeight(-std::numeric_limits<float>::infinity()));
}

TEST(Combiners, ExtremeWeightsStayInRange)
{
  // Every mode at the largest weights: no overflow (UBSan watches) and
  // every channel a byte.
  for (int32_t mode : {0, 1, 2, 3, 4, 5, 0x10000, 0x10001, 0x10002, 0x10003, 0x10004, 0x10005})
    for (int32_t w : {4096, -4096})
      for (int v : {0, 255}) {
        PIX_Pixel d = Px({v, 255 - v, v, 255 - v});
        PIX_CombinePixel(&d, 255 - v, v, 255, v, w, mode);
        PIX_CombinePixelClamped(&d, 255 - v, v, 255, v, w, mode);
      }
}
