// The test plug-in's editor rendered by the window-less back end, pixel for
// pixel against committed goldens: as it opens, after a click, a drag and a
// wheel turn, each of which changes its own control's rectangle only, and
// with values automated by a host. The Windows back end's tests compare
// their screenshots with the same goldens, and its library carries the
// committed skin. TOLVO_UPDATE_GOLDENS=1 writes goldens and skin instead.

#include <fstream>
#include <memory>
#include <string>

#include "EditorFixture.h"
#include "GoldenImages.h"
#include "PIX_Blit.h"
#include "PIX_MemBitmap.h"
#include "PIX_PNG.h"
#include "PIX_RectOps.h"

namespace {
std::string GoldenPath(const char* name) { return std::string(EDITOR_GOLDEN_DIR) + "/" + name; }

bool CopyFile(const std::string& from, const std::string& to)
{
  std::ifstream in(from, std::ios::binary);
  std::ofstream out(to, std::ios::binary);
  out << in.rdbuf();
  return in && out;
}

// A copy of the screen as it is now.
std::unique_ptr<PIX_MemBitmap> Snapshot(IGraphicsHeadless* gui)
{
  std::unique_ptr<PIX_MemBitmap> copy(new PIX_MemBitmap);
  PIX_Copy(copy.get(), gui->Screen());
  return copy;
}
}  // namespace

class GoldenTest : public EditorTest {
protected:
  void ExpectGolden(const char* name) { ExpectGoldenScreen(gui, GoldenPath(name)); }

  // The screen changed, and only inside the control's rectangle.
  void ExpectChangeWithin(const PIX_MemBitmap& before, int ctrlIdx)
  {
    PIX_DiffRect d;
    ASSERT_NE(PIX_CompareBitmaps(const_cast<PIX_MemBitmap*>(&before), gui->Screen(), &d), 0) << ctrlIdx;
    const IRECT r = Control(ctrlIdx)->GetRECT();
    EXPECT_GE(d.x, r.L) << ctrlIdx;
    EXPECT_GE(d.y, r.T) << ctrlIdx;
    EXPECT_LE(d.x + d.width, r.R) << ctrlIdx;
    EXPECT_LE(d.y + d.height, r.B) << ctrlIdx;
  }
};

TEST_F(GoldenTest, OpenedThenClickedDraggedAndWheeled)
{
  ExpectGolden("opened.png");
  // The texts were recorded where they would be drawn.
  ASSERT_EQ(gui->DrawnTexts().size(), 2u);
  EXPECT_EQ(gui->DrawnTexts()[0].mText, "4 steps");
  EXPECT_EQ(gui->DrawnTexts()[1].mText, "Ready");
  EXPECT_EQ(gui->DrawnTexts()[1].mRect, Control(kCtrlStatus)->GetRECT());

  std::unique_ptr<PIX_MemBitmap> before = Snapshot(gui);
  ClickControl(kCtrlSwitch);
  gui->Tick();
  ExpectChangeWithin(*before, kCtrlSwitch);

  before = Snapshot(gui);
  DragControl(kCtrlKnob, 0, -40);
  gui->Tick();
  ExpectChangeWithin(*before, kCtrlKnob);

  before = Snapshot(gui);
  gui->MouseWheel(X(kCtrlRotater), Y(kCtrlRotater), 0, 30 * kWheelDelta);
  gui->Tick();
  ExpectChangeWithin(*before, kCtrlRotater);

  // Every other control in a state of its own, for the second golden.
  gui->AnswerPopup(1);
  RightClickControl(kCtrlRadio);
  DragControl(kCtrlKnobLine, 0, -20);
  DragControl(kCtrlFader, 0, -30);
  DragControl(kCtrlMask, 0, 30);
  ClickControl(kCtrlOverlay);
  gui->SetParameterFromPlug(kLevel, 1.0, true);
  gui->Tick();
  gui->Tick();
  ExpectGolden("gestures.png");
}

// The values the Windows back end's test host automates from its audio
// thread while the editor is open, and the switch it clicks meanwhile:
// exact in single precision, as a host sends them.
TEST_F(GoldenTest, AutomatedValues)
{
  const struct {
    int mParam;
    double mValue;
  } kFinal[] = {{kGain, 0.25},  {kPan, 0.75},    {kShift, 0.125}, {kRate, 0.875},
                {kTone, 0.625}, {kLevel, 0.375}, {kHold, 1.0}};
  for (const auto& f : kFinal) gui->SetParameterFromPlug(f.mParam, f.mValue, true);
  gui->Tick();
  ExpectGolden("automated.png");
}

TEST(TestSkin, CommittedImagesAreTheGeneratedOnes)
{
  for (const TestImage& image : kTestImages) {
    const std::string committed = std::string(EDITOR_RESOURCE_DIR) + "/" + image.mName;
    const std::string generated = std::string(SkinFolder()) + "/" + image.mName;
    if (UpdatingGoldens()) {
      EXPECT_TRUE(CopyFile(generated, committed)) << committed;
      continue;
    }
    std::unique_ptr<PIX_IBitmap> a(PIX_LoadPNG(committed.c_str(), nullptr)), b(PIX_LoadPNG(generated.c_str(), nullptr));
    ASSERT_NE(a, nullptr) << committed;
    ASSERT_NE(b, nullptr) << generated;
    EXPECT_EQ(PIX_CompareBitmaps(a.get(), b.get(), nullptr), 0) << image.mName;
  }
}
