#include <gtest/gtest.h>

#include "AppleTesting.h"
#include "MacDrawing.h"
#include "PIX_SysBitmap.h"

namespace {

struct ResizeCase {
  const char* what;
  int w, h;
  bool changed;
  int span;         // row span after
  bool samePixels;  // the pixels of the 100 x 50 bitmap kept
  bool hasPixels;
};

TEST(MacSysBitmap, ResizesAsTheWindowsFormAndKeepsItsContextWhenItFits)
{
  const ResizeCase cases[] = {
      {"narrower", 98, 50, true, 100, true, true},        {"lower", 100, 20, true, 100, true, true},
      {"the same size", 100, 50, false, 100, true, true}, {"wider", 101, 50, true, 104, false, true},
      {"taller", 100, 51, true, 100, false, true},        {"width 0", 0, 50, false, 0, false, false},
      {"height 0", 100, 0, false, 100, false, false},
  };
  for (const ResizeCase& c : cases) {
    SCOPED_TRACE(c.what);
    PIX_SysBitmap bm(100, 50);
    PIX_Pixel* bits = bm.GetBits();
    ASSERT_NE(nullptr, bits);
    ContextRecord* context = static_cast<ContextRecord*>(bm.GetDC());
    ASSERT_NE(nullptr, context);
    EXPECT_EQ(bits, GetContextBits(context));
    EXPECT_EQ(100, bm.GetRowSpan());

    EXPECT_EQ(c.changed, bm.Resize(c.w, c.h));
    EXPECT_EQ(c.span, bm.GetRowSpan());
    EXPECT_EQ(c.hasPixels, bm.GetBits() != nullptr);
    if (c.samePixels) {
      EXPECT_EQ(bits, bm.GetBits());
    }
    if (c.hasPixels) {
      EXPECT_EQ(c.w, bm.GetWidth());
      EXPECT_EQ(c.h, bm.GetHeight());
      ContextRecord* now = static_cast<ContextRecord*>(bm.GetDC());
      EXPECT_EQ((size_t)c.span * 4, CGBitmapContextGetBytesPerRow(now->mContext));
      EXPECT_EQ(bm.GetBits(), GetContextBits(now));
    } else {
      EXPECT_EQ(nullptr, bm.GetDC());
    }
  }
}

TEST(MacSysBitmap, AContextThatCannotBeMadeLeavesItEmptyButUsable)
{
  const long before = TestCGLiveObjects();
  {
    PIX_SysBitmap bm(10, 10);
    TestCGFailContexts(1);
    EXPECT_FALSE(bm.Resize(200, 10));
    EXPECT_EQ(0, bm.GetWidth());
    EXPECT_EQ(0, bm.GetHeight());
    EXPECT_EQ(nullptr, bm.GetBits());
    EXPECT_EQ(nullptr, bm.GetDC());

    EXPECT_TRUE(bm.Resize(200, 10));
    EXPECT_NE(nullptr, bm.GetBits());
    EXPECT_EQ(200, bm.GetRowSpan());
  }
  EXPECT_EQ(before, TestCGLiveObjects());

  TestCGFailContexts(1);
  PIX_SysBitmap failed(7, 7);
  EXPECT_EQ(nullptr, failed.GetBits());
  EXPECT_FALSE(failed.Resize(INT32_MAX, 2));
  EXPECT_EQ(nullptr, failed.GetBits());
}

}  // namespace
