#include <gtest/gtest.h>

#include <cstring>

#if defined(_WIN32)
#include <windows.h>
#endif

#include "PIX_MemBitmap.h"
#include "PIX_SysBitmap.h"
#include "raster_test_util.h"

TEST(PixelLayout, ChannelsSitAtTheBuildsBytePositions)
{
  const PIX_Pixel p = PIX_MakePixel(0x11, 0x22, 0x33, 0x44);
  uint8_t bytes[4];
  std::memcpy(bytes, &p, 4);
#if defined(PIX_MAC_PIXELS) && PIX_MAC_PIXELS
  const uint8_t expected[4] = {0x44, 0x11, 0x22, 0x33};  // A, R, G, B
#else
  const uint8_t expected[4] = {0x33, 0x22, 0x11, 0x44};  // B, G, R, A
  EXPECT_EQ(0x44112233u, p);
#endif
  EXPECT_EQ(0, std::memcmp(expected, bytes, 4));
  EXPECT_EQ((RGBA{0x11, 0x22, 0x33, 0x44}), Channels(p));
}

TEST(MemBitmap, EmptyBitmapHoldsNoBuffer)
{
  PIX_MemBitmap bm;
  EXPECT_EQ(nullptr, bm.GetBits());
  EXPECT_EQ(0, bm.GetWidth());
  EXPECT_EQ(0, bm.GetHeight());
  EXPECT_FALSE(bm.IsFlipped());
  EXPECT_EQ(nullptr, bm.GetDC());
}

TEST(MemBitmap, RowSpanFollowsTheAlignment)
{
  struct Case {
    int alignment, width, span;
  } cases[] = {{4, 5, 8}, {4, 581, 584}, {4, 8, 8}, {1, 581, 581}, {0, 7, 7}, {2, 7, 8}, {6, 7, 8}, {16, 17, 32}};
  for (const Case& c : cases) {
    PIX_MemBitmap bm(c.width, 3, c.alignment);
    EXPECT_EQ(c.span, bm.GetRowSpan()) << "alignment " << c.alignment << " width " << c.width;
    EXPECT_EQ(0u, (uintptr_t)bm.GetBits() % 64);
  }
}

TEST(MemBitmap, ResizeKeepsOrFreesTheBuffer)
{
  PIX_MemBitmap bm(581, 40);
  At(bm, 580, 39) = 0x12345678;
  EXPECT_FALSE(bm.Resize(581, 40));  // same size: nothing changes
  EXPECT_EQ(0x12345678u, At(bm, 580, 39));

  PIX_Pixel* bits = bm.GetBits();
  EXPECT_TRUE(bm.Resize(100, 40));  // smaller: the buffer stays
  EXPECT_EQ(bits, bm.GetBits());
  EXPECT_EQ(100, bm.GetWidth());

  EXPECT_TRUE(bm.Resize(0, 7));  // no pixels: freed
  EXPECT_EQ(nullptr, bm.GetBits());

  EXPECT_TRUE(bm.Resize(3, 3));
  EXPECT_NE(nullptr, bm.GetBits());
}

TEST(MemBitmap, ImpossibleSizesLeaveItEmpty)
{
  PIX_MemBitmap bm(16, 16);
  for (auto size : {std::pair<int32_t, int32_t>{INT32_MAX, INT32_MAX}, {65536, 65536}, {INT32_MAX, 1}}) {
    EXPECT_TRUE(bm.Resize(size.first, size.second));
    EXPECT_EQ(0, bm.GetWidth());
    EXPECT_EQ(0, bm.GetHeight());
    EXPECT_EQ(nullptr, bm.GetBits());
    bm.Resize(16, 16);
  }
  EXPECT_TRUE(bm.Resize(-5, 10));  // a negative size is no size
  EXPECT_EQ(0, bm.GetWidth());
  EXPECT_EQ(nullptr, bm.GetBits());
}

TEST(SysBitmap, KeepsItsSurfaceWhenShrinkingAndRecreatesWhenGrowing)
{
  PIX_SysBitmap bm(5, 4);
  ASSERT_NE(nullptr, bm.GetBits());
  EXPECT_EQ(8, bm.GetRowSpan());
#if defined(_WIN32)
  EXPECT_NE(nullptr, bm.GetDC());
#endif
  PIX_Pixel* bits = bm.GetBits();
  EXPECT_TRUE(bm.Resize(3, 2));
  EXPECT_EQ(bits, bm.GetBits());
  EXPECT_EQ(8, bm.GetRowSpan());
  EXPECT_EQ(3, bm.GetWidth());
  EXPECT_FALSE(bm.Resize(3, 2));

  EXPECT_TRUE(bm.Resize(581, 40));
  EXPECT_EQ(584, bm.GetRowSpan());
  At(bm, 580, 39) = 1;  // the whole surface is writable

  EXPECT_FALSE(bm.Resize(0, 40));
  EXPECT_EQ(nullptr, bm.GetBits());

#if defined(PIX_MAC_PIXELS) && PIX_MAC_PIXELS
  // The macOS form answers false when it cannot make its context.
  EXPECT_FALSE(bm.Resize(INT32_MAX, 2));
#else
  EXPECT_TRUE(bm.Resize(INT32_MAX, 2));
#endif
  EXPECT_EQ(0, bm.GetWidth());
  EXPECT_EQ(nullptr, bm.GetBits());
}

#if defined(_WIN32)
TEST(SysBitmap, IsATopDownDIBInItsDeviceContext)
{
  PIX_SysBitmap bm(5, 3);
  HDC dc = static_cast<HDC>(bm.GetDC());
  ASSERT_NE(nullptr, dc);
  DIBSECTION dib = {};
  ASSERT_EQ((int)sizeof dib, GetObject(GetCurrentObject(dc, OBJ_BITMAP), sizeof dib, &dib));
  EXPECT_EQ(bm.GetBits(), dib.dsBm.bmBits);
  EXPECT_EQ(32, dib.dsBm.bmBitsPixel);
  EXPECT_EQ(8, dib.dsBm.bmWidth);

  // GDI drawing lands where the pixel layout says: row 2 is the third row.
  SetPixel(dc, 4, 2, RGB(0x11, 0x22, 0x33));
  GdiFlush();
  EXPECT_EQ(0x11, PIX_PixelR(At(bm, 4, 2)));
  EXPECT_EQ(0x22, PIX_PixelG(At(bm, 4, 2)));
  EXPECT_EQ(0x33, PIX_PixelB(At(bm, 4, 2)));
}
#endif

TEST(Colour, ReciprocalTable)
{
  EXPECT_EQ(0, PIX_kReciprocal[0]);
  EXPECT_EQ(65535, PIX_kReciprocal[1]);
  EXPECT_EQ(32767, PIX_kReciprocal[2]);
  EXPECT_EQ(21844, PIX_kReciprocal[3]);
  EXPECT_EQ(256, PIX_kReciprocal[255]);
}

TEST(Colour, HSVConversions)
{
  struct Case {
    RGBA rgb;
    int h, s, v;
  } cases[] = {
      {{255, 0, 0, 0}, 0, 255, 255},     {{0, 255, 0, 0}, 128, 255, 255},    {{0, 0, 255, 0}, 256, 255, 255},
      {{90, 90, 90, 0}, 256, 0, 90},     {{0, 0, 0, 0}, 256, 0, 0},          {{255, 255, 0, 0}, 63, 255, 255},
      {{255, 0, 128, 0}, 351, 255, 255}, {{100, 50, 200, 0}, 277, 191, 200},
  };
  for (const Case& c : cases) {
    int32_t h, s, v;
    PIX_RGBToHSV(c.rgb.r, c.rgb.g, c.rgb.b, &h, &s, &v);
    EXPECT_EQ(c.h, h) << c.rgb;
    EXPECT_EQ(c.s, s) << c.rgb;
    EXPECT_EQ(c.v, v) << c.rgb;
  }
  EXPECT_EQ((RGBA{0, 255, 0, 9}), Channels(PIX_HSVToRGB(128, 255, 255, 9)));
  EXPECT_EQ((RGBA{255, 0, 0, 1}), Channels(PIX_HSVToRGB(0, 255, 255, 1)));
  EXPECT_EQ((RGBA{0, 0, 255, 2}), Channels(PIX_HSVToRGB(256, 255, 255, 2)));
  EXPECT_EQ((RGBA{77, 77, 77, 3}), Channels(PIX_HSVToRGB(200, 0, 77, 3)));
}

TEST(Colour, StoreClampedPixel)
{
  PIX_Pixel p = 0;
  PIX_StoreClampedPixel(&p, -5, 300, 128, 256);
  EXPECT_EQ((RGBA{0, 255, 128, 255}), Channels(p));
}
