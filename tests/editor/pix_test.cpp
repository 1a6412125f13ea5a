// The PIX drawing layer and the bitmap cache, on small editors of the
// window-less back end without a plug-in.

#include <gtest/gtest.h>

#include <stdio.h>

#include <memory>
#include <string>

#include "BitmapCache.h"
#include "EditorFixture.h"
#include "PIX_Blit.h"
#include "PIX_MemBitmap.h"
#include "PIX_PNGWrite.h"

namespace {
// A bitmap whose pixel (x, y) holds x in red and y in green.
PIX_MemBitmap* Ramp(int w, int h)
{
  PIX_MemBitmap* bm = new PIX_MemBitmap(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bm->GetBits()[y * bm->GetRowSpan() + x] = PIX_MakePixel(x, y, 0, 255);
  return bm;
}

struct Surface {
  IGraphicsHeadless gui{nullptr, 40, 120};
  Surface()
  {
    gui.SetResourceFolder(SkinFolder());
    gui.PrepareDrawing();
  }
  // The whole surface is what is being drawn.
  void DrawAll(IControl* pControl)
  {
    gui.AttachControl(pControl);
    const IRECT all(0, 0, 40, 120);
    gui.Draw(&all);
  }
  IColor At(int x, int y) { return gui.GetPoint(x, y); }
};

struct Blitter : IControl {
  IBitmapStrip mStrip;
  IRECT mDest;
  int mFrame;
  Blitter(const IBitmapStrip& strip, const IRECT& dest, int frame)
    : IControl(nullptr, IRECT(0, 0, 40, 120), -1, IChannelBlend(IChannelBlend::kBlendCopy)), mStrip(strip), mDest(dest),
      mFrame(frame)
  {}
  bool Draw(IGraphics* g) override { return g->DrawBitmapFrame(&mStrip, &mDest, mFrame, &mBlend); }
};
}  // namespace

TEST(IGraphicsPix, BlitCutOnTheLeftAndTopShiftsTheSource)
{
  std::unique_ptr<PIX_MemBitmap> ramp(Ramp(20, 20));
  Surface s;
  s.DrawAll(new Blitter(IBitmapStrip(ramp.get(), 20, 20, 1), IRECT(-3, -5, 17, 15), 1));
  EXPECT_EQ(s.At(0, 0), IColor(255, 3, 5, 0));
  EXPECT_EQ(s.At(10, 2), IColor(255, 13, 7, 0));
}

TEST(IGraphicsPix, FrameSourceRowsFollowTheRoundedFormula)
{
  std::unique_ptr<PIX_MemBitmap> ramp(Ramp(1, 100));
  struct Case {
    int n, frame, row;
  };
  // trunc(100 (k - 1) / N + 0.5)
  const Case cases[] = {{30, 1, 0}, {30, 2, 3}, {30, 3, 7}, {30, 30, 97}, {2, 2, 50}, {7, 4, 43}, {1, 5, 0}};
  for (const Case& c : cases) {
    Surface s;
    s.DrawAll(new Blitter(IBitmapStrip(ramp.get(), 1, 100, c.n), IRECT(0, 0, 1, 1), c.frame));
    EXPECT_EQ(s.At(0, 0).G, c.row) << c.n << " frames, frame " << c.frame;
  }
}

TEST(BitmapCache, EditorsShareLoadedBitmapsAndReleaseOnlyWhatWasRetained)
{
  Surface a, b;
  const int id = 9001;
  const IBitmapStrip one = a.gui.LoadBitmap(id, kTestImages[kImageKnob].mName, 16);
  const IBitmapStrip two = b.gui.LoadBitmap(id, kTestImages[kImageKnob].mName, 16);
  EXPECT_EQ(one.mBitmap, two.mBitmap);
  EXPECT_EQ(gBitmapCache.Find(id), one.mBitmap);
  EXPECT_EQ(one.W, 32);
  EXPECT_EQ(one.H, 512);

  // Never retained: left alone (the caller still owns and frees it).
  std::unique_ptr<PIX_MemBitmap> own(Ramp(4, 4));
  IBitmapStrip ownStrip(own.get(), 4, 4, 1);
  a.gui.ReleaseBitmap(&ownStrip);
  EXPECT_EQ(own->GetWidth(), 4);

  // Made at run time: retained under -1 and released for good.
  IBitmapStrip scaled = a.gui.ScaleBitmap(&one, 16, 256);
  EXPECT_EQ(scaled.N, 16);
  EXPECT_EQ(scaled.mBitmap->GetWidth(), 16);
  const IRECT frame2(0, 32, 32, 64);
  IBitmapStrip cropped = a.gui.CropBitmap(&one, &frame2);
  EXPECT_EQ(cropped.mBitmap->GetHeight(), 32);
  EXPECT_EQ(gBitmapCache.Find(BitmapCache::kRuntimeId), scaled.mBitmap);
  a.gui.ReleaseBitmap(&scaled);
  EXPECT_EQ(gBitmapCache.Find(BitmapCache::kRuntimeId), cropped.mBitmap);
  a.gui.ReleaseBitmap(&cropped);
  EXPECT_EQ(gBitmapCache.Find(BitmapCache::kRuntimeId), nullptr);
}

TEST(IGraphicsHeadless, LoadsPNGsByExtensionAndTextsAsOwnedCopies)
{
  Surface s;
  const std::string folder = SkinFolder();
  std::unique_ptr<PIX_MemBitmap> ramp(Ramp(3, 2));
  ASSERT_TRUE(PIX_SavePNG(ramp.get(), (folder + "/upper.PNG").c_str()));
  std::unique_ptr<PIX_IBitmap> upper(s.gui.LoadPlatformBitmap(1, "upper.PNG"));
  ASSERT_NE(upper, nullptr);
  EXPECT_EQ(upper->GetWidth(), 3);

  const char text[] = "1 2 3 4\n/ comment\n5 6 7 8";  // written without its terminator
  FILE* f = fopen((folder + "/skin.txt").c_str(), "wb");
  ASSERT_NE(f, nullptr);
  fwrite(text, 1, sizeof text - 1, f);
  fclose(f);
  EXPECT_EQ(s.gui.LoadPlatformBitmap(1, "skin.txt"), nullptr);
  KIT_String loaded("old");
  ASSERT_TRUE(s.gui.LoadText(100, "skin.txt", &loaded));
  EXPECT_STREQ(loaded.Get(), text);
  EXPECT_EQ(loaded.GetLength(), (int)sizeof text - 1);
  KIT_String missing("kept");
  EXPECT_FALSE(s.gui.LoadText(100, "no such file.txt", &missing));
  EXPECT_STREQ(missing.Get(), "kept");
}

#if !defined(_WIN32)
TEST(IGraphicsPixDeathTest, AMissingEditorImageStopsThePlugIn)
{
  Surface s;
  EXPECT_DEATH(s.gui.LoadBitmap(9100, "missing.png"), "imgResourceFound");
}
#endif

TEST(IGraphicsPix, ForcedPixelsOutsideTheSurfaceAreRefused)
{
  Surface s;
  const IColor red = COLOR_RED;
  EXPECT_TRUE(s.gui.ForcePixel(&red, 39, 119));
  EXPECT_EQ(s.gui.GetPoint(39, 119), red);
  EXPECT_FALSE(s.gui.ForcePixel(&red, 40, 0));
  EXPECT_FALSE(s.gui.ForcePixel(&red, 0, -1));
}
