// Tolvo's Audio Unit as the macOS build has it: its editor drawn in the
// macOS pixel order into the macOS platform bitmap (a memory context of the
// Quartz drawing layer), against the Windows builds' golden after the
// channel swap (the PNG loader lays it out in this build's order), outside
// the text the system draws, over the macOS editor's 580 columns.

#include <memory>

#include "IGraphicsHeadless.h"
#include "PIX_PNG.h"
#include "PIX_SysBitmap.h"
#include "Tolvo.h"
#include "TolvoAU.h"

static_assert(PIX_BYTE_A == 0 && PIX_BYTE_R == 1 && PIX_BYTE_G == 2 && PIX_BYTE_B == 3, "the macOS pixel order");

namespace {

class TolvoAUMacPixelsTest : public OpenedTolvoEditor {
protected:
  bool InText(int x, int y)
  {
    for (const IGraphicsHeadless::TextRecord& t : gui->DrawnTexts())
      if (t.mRect.Contains(x, y)) return true;
    return false;
  }
};

TEST_F(TolvoAUMacPixelsTest, TheOpenedEditorIsTheWindowsGoldenInTheMacOSOrder)
{
  // The platform bitmap here is a memory context of the drawing layer.
  PIX_SysBitmap probe(4, 4);
  ASSERT_NE(probe.GetDC(), nullptr);

  std::unique_ptr<PIX_IBitmap> golden(PIX_LoadPNG(PLUGIN_GOLDEN_DIR "/opened.png", nullptr));
  ASSERT_NE(golden, nullptr);
  PIX_IBitmap* screen = gui->Screen();
  ASSERT_EQ(screen->GetWidth(), 580);
  ASSERT_EQ(golden->GetWidth(), 581);
  ASSERT_EQ(screen->GetHeight(), golden->GetHeight());
  int differing = 0, firstX = -1, firstY = -1;
  for (int y = 0; y < screen->GetHeight(); ++y) {
    const PIX_Pixel* s = screen->GetBits() + (ptrdiff_t)y * screen->GetRowSpan();
    const PIX_Pixel* g = golden->GetBits() + (ptrdiff_t)y * golden->GetRowSpan();
    for (int x = 0; x < screen->GetWidth(); ++x) {
      if (s[x] == g[x] || InText(x, y)) continue;
      if (!differing++) {
        firstX = x;
        firstY = y;
      }
    }
  }
  EXPECT_EQ(differing, 0) << "first at " << firstX << "," << firstY;
}

}  // namespace
