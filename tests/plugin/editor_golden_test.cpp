// The editor rendered by the window-less back end, pixel for pixel against
// committed goldens: as it opens, with bars drawn by the mouse, with a chord
// arpeggiating, with the about box open, and with the status line after a
// knob turn.

#include "GoldenImages.h"
#include "ICustomRadioButtonsControl.h"
#include "ParamTable.h"
#include "PluginEditorFixture.h"

using namespace TolvoParams;

namespace {
const int kStepModeControl = 147;
const int kTransposeKnob = 172;
const int kAboutTrigger = 363;
// The pattern view's bars: 22 pixels wide every 25 from x 153, values
// from y 223 down 111 pixels.
int BarX(int step) { return 153 + 25 * step + 11; }
const int kBarsTop = 223;
}  // namespace

using EditorGolden = PluginEditorFixture;

TEST_F(EditorGolden, AsItOpens) { ExpectGoldenScreen(gui, Golden("opened.png")); }

TEST_F(EditorGolden, BarsDrawnWithTheMouse)
{
  const IRECT* gate = static_cast<ICustomRadioButtonsControl*>(Control(kStepModeControl))->GetButtonRECT(1);
  Click((gate->L + gate->R) / 2, (gate->T + gate->B) / 2);
  gui->MouseButtonDown(BarX(0), kBarsTop + 10, kKeyStateLButton);
  for (int step = 1; step < 16; ++step) gui->MouseMove(BarX(step), kBarsTop + (step * 37) % 111, kKeyStateLButton);
  gui->MouseButtonUp(BarX(15), kBarsTop + 100, 0);
  gui->Tick();
  ExpectGoldenScreen(gui, Golden("bars_drawn.png"));
}

TEST_F(EditorGolden, AChordArpeggiating)
{
  Set(kStepRate, 4);  // "1/16"
  Midi(0x90, 60, 100);
  Midi(0x90, 64, 100);
  Midi(0x90, 67, 100);
  for (int block = 0; block < 40; ++block) {
    Block();
    if (block % 4 == 3) gui->Tick();
  }
  ExpectGoldenScreen(gui, Golden("chord.png"));
}

TEST_F(EditorGolden, AboutBoxOpen)
{
  ClickControl(kAboutTrigger);
  gui->Tick();
  ExpectGoldenScreen(gui, Golden("about.png"));
}

TEST_F(EditorGolden, StatusLineAfterAKnobTurn)
{
  Block();
  Drag(X(kTransposeKnob), Y(kTransposeKnob), X(kTransposeKnob), Y(kTransposeKnob) - 20);
  gui->Tick();
  EXPECT_STREQ(plug->GetStatusText(), "Transpose: 3");
  ExpectGoldenScreen(gui, Golden("status.png"));
}

// The main job's phrase: C4, E4 and G4 held for two bars at 120 BPM in
// 512-frame blocks, "Step rate" "1/16"; the editor drawn before the last
// block lets them go. scripts/tolvo play pictures the Windows editor so.
TEST_F(EditorGolden, AfterTheMainJobsPhrase)
{
  Set(kStepRate, 4);
  Midi(0x90, 60, 100);
  Midi(0x90, 64, 100);
  Midi(0x90, 67, 100);
  const int64_t length = 2 * 4 * 22050;
  for (int64_t pos = 0; pos + 512 <= length; pos += 512) Block();
  // The window is painted as it opens, then on its timer's first tick.
  gui->Tick();
  gui->Tick();
  ExpectGoldenScreen(gui, Golden("phrase.png"));
}

// As scripts/tolvo play has it: the editor opens only after the phrase, and
// shows what one open all along shows.
TEST_F(EditorGolden, OpenedAfterTheMainJobsPhrase)
{
  Create();
  gui = static_cast<IGraphicsHeadless*>(plug->GetGUI());
  Set(kStepRate, 4);
  Midi(0x90, 60, 100);
  Midi(0x90, 64, 100);
  Midi(0x90, 67, 100);
  for (int64_t pos = 0; pos + 512 <= 2 * 4 * 22050; pos += 512) Block();
  Dispatch(effEditOpen, 0, 0, this);
  gui->Tick();
  gui->Tick();
  ExpectGoldenScreen(gui, Golden("phrase.png"));
}
