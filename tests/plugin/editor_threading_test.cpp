// The editor open while the host plays: an audio thread processes blocks
// of arpeggiated notes, automates parameters and moves a learnt control,
// while the user-interface thread draws and drags. Run under
// ThreadSanitizer (scripts/tolvo tsan) it shows the two threads share
// nothing unguarded; anywhere, that nothing deadlocks and every control
// ends showing its parameter.

#include <atomic>
#include <thread>

#include "ParamTable.h"
#include "PluginEditorFixture.h"

using namespace TolvoParams;

namespace {
const int kGateKnob = 175;
const int kSwingKnob = 176;
}  // namespace

using EditorThreading = PluginEditorFixture;

TEST_F(EditorThreading, DrawingWhileTheAudioThreadPlays)
{
  Set(kStepRate, 6);                // "1/64": many steps a block
  Set(kCCMapping + 7, kSwingKnob);  // controller 7 moves the swing knob
  Midi(0x90, 60, 100);
  Midi(0x90, 64, 100);
  std::atomic<bool> done{false};
  std::thread audio([&] {
    for (int b = 0; b < 400; ++b) {
      Midi(0xB0, 7, b % 128);
      effect()->setParameter(effect(), kGate, float(b % 100) / 100.0f);
      effect()->setParameter(effect(), kStepGate + b % 16, float(b % 7) / 7.0f);
      if (b % 50 == 0) Midi(0x90, 48 + b % 24, 90);
      Block(64);
    }
    done = true;
  });
  for (int i = 0; !done; ++i) {
    gui->Tick();
    const int x = X(kGateKnob), y = Y(kGateKnob);
    Drag(x, y, x, y - (i % 9));
    Click(153 + 25 * (i % 16) + 5, 223 + i % 111);  // a bar of the pattern view
  }
  audio.join();
  gui->Tick();
  for (int index : {int(kGate), int(kSwing), kStepGate + 3}) {
    const IParam* p = plug->GetParam(index);
    for (int c = 0; c < gui->NControls(); ++c) {
      if (gui->GetControl(c)->ParamIdx() != index) continue;
      EXPECT_NEAR(gui->GetControl(c)->GetValue(), p->GetNormalized(), 1e-9) << index;
    }
  }
}
