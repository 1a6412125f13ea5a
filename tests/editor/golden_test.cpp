// The test plug-in's editor rendered by the window-less back end, pixel for
// pixel against committed goldens: as it opens, and after a click, a drag
// and a wheel turn, each of which changes its own control's rectangle only.
// TOLVO_UPDATE_GOLDENS=1 writes the goldens instead.

#include <stdlib.h>

#include <memory>
#include <string>

#include "EditorFixture.h"
#include "PIX_Blit.h"
#include "PIX_MemBitmap.h"
#include "PIX_PNG.h"
#include "PIX_RectOps.h"

namespace {
bool Updating()
{
  const char* update = getenv("TOLVO_UPDATE_GOLDENS");
  return update && update[0] == '1';
}

std::string GoldenPath(const char* name) { return std::string(EDITOR_GOLDEN_DIR) + "/" + name; }

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
  void ExpectGolden(const char* name)
  {
    if (Updating()) {
      ASSERT_TRUE(gui->SaveScreen(GoldenPath(name).c_str()));
      return;
    }
    std::unique_ptr<PIX_IBitmap> golden(PIX_LoadPNG(GoldenPath(name).c_str(), nullptr));
    ASSERT_NE(golden, nullptr) << name;
    PIX_DiffRect diff;
    EXPECT_EQ(PIX_CompareBitmaps(golden.get(), gui->Screen(), &diff), 0)
        << name << " differs in " << diff.x << "," << diff.y << " " << diff.width << "x" << diff.height;
  }

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
