// The audio thread pushes values and texts into the controls while the
// user-interface thread draws and handles the mouse: every push holds the
// plug lock and then the editor lock, drawing the editor lock only. Run it
// under ThreadSanitizer (scripts/tolvo tsan) and AddressSanitizer.

#include <atomic>
#include <string>
#include <thread>

#include "EditorFixture.h"
#include "ITextControl.h"

TEST_F(EditorTest, PushesFromASecondThreadWhileTheFirstDrawsAndEdits)
{
  std::atomic<bool> stop{false};
  ITextControl* status = static_cast<ITextControl*>(Control(kCtrlStatus));
  std::thread audio([&] {
    // What a host's automation and the plug-in's status line do, block
    // after block.
    const char* texts[] = {"Gain 0.25", "A longer status text, of the kind a knob writes", ""};
    for (int i = 0; !stop; ++i) {
      KIT_MutexLock lock(&plug->m_mutex);
      plug->GetParam(kGain)->SetNormalized((i % 100) / 100.0);
      gui->SetParameterFromPlug(kGain, (i % 100) / 100.0, true);
      gui->SetParameterFromPlug(kSteps, (double)(i % 16 + 1), false);
      gui->SetControlFromPlug(kCtrlMeter, (i % 8) / 8.0);
      status->SetTextFromPlug(texts[i % 3]);
      gui->HideControl(kPage, i % 2 == 0);
    }
  });

  for (int frame = 0; frame < 300; ++frame) {
    gui->Tick();
    DragControl(kCtrlFader, 0, frame % 2 ? -5 : 5);
    gui->MouseWheel(X(kCtrlRotater), Y(kCtrlRotater), 0, kWheelDelta);
    ClickControl(kCtrlSwitch);
    IRECT dirty;
    gui->IsDirty(&dirty);
  }
  stop = true;
  audio.join();
  gui->Tick();
  gui->Tick();
  IRECT dirty;
  EXPECT_FALSE(gui->IsDirty(&dirty));
}
