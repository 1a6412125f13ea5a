// The plug-in's editor under the user's hand, on the window-less back end:
// the about box, the menus of the controls, the step switches, the pattern
// view's bars and markers, the status line, the incoming-note light, MIDI
// learn through the menus, and the state with the editor open.

#include <string>
#include <vector>

#include "ControlRegistry.h"
#include "ICustomRadioButtonsControl.h"
#include "ICustomTextControl.h"
#include "ParamTable.h"
#include "PatternView.h"
#include "PluginEditorFixture.h"
#include "SceneView.h"

using namespace TolvoParams;

namespace {

// Control indices, fixed by the attach order.
const int kPatternViewControl = 1;
const int kNoteLight = 2;
const int kFirstMappingCarrier = 3;
const int kCC1TeachButton = 143;
const int kCC2TeachButton = 144;
const int kStepModeControl = 147;
const int kFirstStepButton = 148;
const int kStepRateSwitch = 164;
const int kDirectionSwitch = 166;
const int kResetOnNewNoteSwitch = 169;
const int kResetOnBeatSwitch = 171;
const int kTransposeKnob = 172;
const int kGateKnob = 175;
const int kFirstStepControl = 187;
const int kAboutTrigger = 363;
const int kAboutBox = 364;
const int kVersionText = 365;

// The pattern view at (149, 202): bar i from x 153 + 25i, 22 wide; values
// from y 223 over 111 pixels.
int BarX(int step) { return 153 + 25 * step + 11; }
const int kViewTop = 202, kBarsTop = 223;

std::vector<std::string> Titles(const IGraphicsHeadless::PopupRecord& popup) { return popup.mTitles; }

}  // namespace

class EditorTest : public PluginEditorFixture {
protected:
  PatternView* View() { return plug->GetPatternView(); }
  void ChooseLane(int lane)
  {
    const IRECT* b = static_cast<ICustomRadioButtonsControl*>(Control(kStepModeControl))->GetButtonRECT(lane);
    Click((b->L + b->R) / 2, (b->T + b->B) / 2);
  }
  // Right-clicks and picks the menu's item.
  void Choose(int x, int y, int item)
  {
    gui->AnswerPopup(item);
    RightClick(x, y);
  }
};

TEST_F(EditorTest, TheAboutTriggerShowsAndHidesTheBoxWithItsVersion)
{
  EXPECT_TRUE(Control(kAboutBox)->IsHidden());
  EXPECT_STREQ(static_cast<ICustomTextControl*>(Control(kVersionText))->GetTextString(), "v. 1.2");
  for (const auto& corner : {std::make_pair(435, 0), std::make_pair(571, 40)}) {
    Click(corner.first, corner.second);
    EXPECT_FALSE(Control(kAboutBox)->IsHidden());
    EXPECT_FALSE(Control(kVersionText)->IsHidden());
    Click(200, 250);  // on the box, away from the trigger and the version
    EXPECT_TRUE(Control(kAboutBox)->IsHidden());
    EXPECT_TRUE(Control(kVersionText)->IsHidden());
  }
}

TEST_F(EditorTest, RightClicksOpenTheLearnMenus)
{
  for (int control : {kStepRateSwitch, kStepRateSwitch + 1, kTransposeKnob, kGateKnob, kGateKnob + 2}) {
    RightClick(X(control), Y(control));
    ASSERT_FALSE(gui->Popups().empty()) << control;
    EXPECT_EQ(Titles(gui->Popups().back()), (std::vector<std::string>{"MIDI learn", "MIDI unlearn"})) << control;
  }
  RightClick(BarX(3), kBarsTop + 20);
  EXPECT_EQ(Titles(gui->Popups().back()), (std::vector<std::string>{"MIDI learn", "MIDI unlearn", "Reset steps"}));
  EXPECT_EQ(gui->Popups().back().mRect.L, BarX(3));  // at the mouse
  EXPECT_EQ(gui->Popups().back().mRect.B, kBarsTop + 20);
  // The light has no menu; a right click only pushes its value again.
  const size_t popups = gui->Popups().size();
  edits.clear();
  RightClick(X(kNoteLight), Y(kNoteLight));
  EXPECT_EQ(gui->Popups().size(), popups);
  EXPECT_TRUE(edits.empty());
}

TEST_F(EditorTest, NoCarrierCanBeHit)
{
  for (int y = 0; y < 400; ++y)
    for (int x = 0; x < 581; ++x) {
      const int hit = gui->GetMouseControlIdx(x, y);
      ASSERT_FALSE(hit >= kFirstMappingCarrier && hit < kFirstMappingCarrier + kNumControllers) << x << "," << y;
      ASSERT_FALSE(hit >= kFirstStepControl && hit < kFirstStepControl + 144 + 32) << x << "," << y;
    }
}

TEST_F(EditorTest, AStepSwitchTurnsItsStepOffAndOn)
{
  ClickControl(kFirstStepButton + 3);
  EXPECT_EQ(Value(kStepOn + 3), 0.0);
  EXPECT_EQ(edits, (std::vector<HostCall>{Begin(kStepOn + 3), Automate(kStepOn + 3, 0.0), Automate(kStepOn + 3, 0.0),
                                          End(kStepOn + 3)}));
  ClickControl(kFirstStepButton + 3);
  EXPECT_EQ(Value(kStepOn + 3), 1.0);
}

TEST_F(EditorTest, TextSwitchesOpenTheirParametersMenu)
{
  gui->AnswerPopup(2);
  ClickControl(kDirectionSwitch);
  const IGraphicsHeadless::PopupRecord& menu = gui->Popups().back();
  EXPECT_EQ(Titles(menu), (std::vector<std::string>{"Up", "Down", "Up Alt", "Down Alt"}));
  EXPECT_TRUE(menu.mFlags[0] & IPopupMenuItem::kChecked);
  EXPECT_EQ(Value(kDirection), 2.0);
  ASSERT_FALSE(edits.empty());
  EXPECT_EQ(edits.front(), Begin(kDirection));
  EXPECT_EQ(edits.back(), End(kDirection));
}

TEST_F(EditorTest, TheWheelTurnsAKnob)
{
  gui->MouseWheel(X(kGateKnob), Y(kGateKnob), 0, 3 * kWheelDelta);
  EXPECT_NEAR(Value(kGate), 6.0, 1e-9);
  EXPECT_EQ(edits, (std::vector<HostCall>{Begin(kGate), Automate(kGate, 0.53), End(kGate)}));
}

TEST_F(EditorTest, BarsSetTheShownLaneFromTopToBottom)
{
  // Length: 1..8. Above the bars is the maximum (under the step-mode
  // buttons but for a few rows), below them the minimum.
  Drag(BarX(0), kViewTop + 19, BarX(0), kViewTop + 19);
  EXPECT_EQ(Value(kStepLength), 8.0);
  Drag(BarX(1), kViewTop + 137, BarX(1), kViewTop + 137);
  EXPECT_EQ(Value(kStepLength + 1), 1.0);
  edits.clear();
  Drag(BarX(2), kBarsTop + 111 - 48, BarX(2), kBarsTop + 111 - 48);  // 48 / 111 of 7 over 1
  EXPECT_EQ(Value(kStepLength + 2), 4.0);
  EXPECT_EQ(edits, (std::vector<HostCall>{Begin(kStepLength + 2), Automate(kStepLength + 2, 48.0 / 111.0),
                                          End(kStepLength + 2)}));
  // Gate: -100..100 about a zero line; a double click goes back to it.
  ChooseLane(1);
  EXPECT_EQ(View()->GetShownLane(), kStepGate);
  EXPECT_EQ(Value(kStepMode), 1.0);
  Drag(BarX(4), kViewTop + 2, BarX(7), kViewTop + 2);  // through bars 4 to 7
  EXPECT_EQ(Value(kStepGate + 4), 100.0);
  EXPECT_EQ(Value(kStepGate + 5), 0.0);  // passed over, never dragged at
  EXPECT_EQ(Value(kStepGate + 7), 100.0);
  DoubleClick(BarX(7), kBarsTop + 50);
  EXPECT_EQ(Value(kStepGate + 7), 0.0);
  // Nothing between the bars.
  Drag(BarX(8) + 12, kBarsTop + 10, BarX(8) + 12, kBarsTop + 10);
  EXPECT_EQ(Value(kStepGate + 8), 0.0);
  EXPECT_EQ(Value(kStepGate + 9), 0.0);
}

TEST_F(EditorTest, BarLabelsFollowTheLane)
{
  Set(kStepData + 0, 0);  // "Play": no label
  Set(kStepData + 1, 7);
  ChooseLane(6);
  gui->Tick();
  std::vector<std::string> labels;
  for (const auto& text : gui->DrawnTexts()) labels.push_back(text.mText);
  EXPECT_EQ(labels, (std::vector<std::string>{"Chrd"}));
  EXPECT_EQ(gui->DrawnTexts()[0].mRect, IRECT(BarX(1) - 10, kBarsTop, BarX(1) + 12, kBarsTop + 10));

  Set(kStepLength + 2, 3);  // a length of 1 has no label either
  ChooseLane(0);
  gui->Tick();
  labels.clear();
  for (const auto& text : gui->DrawnTexts()) labels.push_back(text.mText);
  EXPECT_EQ(labels, (std::vector<std::string>{"3"}));
}

TEST_F(EditorTest, TheStatusLineSpeaksFromTheFirstBlock)
{
  const int x = X(kTransposeKnob), y = Y(kTransposeKnob);
  Drag(x, y, x, y - 20);
  EXPECT_STREQ(plug->GetStatusText(), "-- WELCOME --");
  Block();
  Drag(x, y, x, y - 20);
  EXPECT_EQ(plug->GetStatusText(), "Transpose: " + std::to_string((int)Value(kTranspose)));
  EXPECT_GT(Value(kTranspose), 0.0);
  // A right-button event on a knob shows its status without changing it.
  gui->MouseButtonUp(X(kGateKnob), Y(kGateKnob), kKeyStateRButton);
  EXPECT_STREQ(plug->GetStatusText(), "Gate: 0.0");
}

TEST_F(EditorTest, ADoubleClickOnTheLightStopsEveryNote)
{
  Midi(0x90, 60, 100);
  Block();
  DoubleClick(X(kNoteLight), Y(kNoteLight));
  EXPECT_TRUE(plug->IsAllNotesOffPending());
  sent.clear();
  Block();
  ASSERT_GE(sent.size(), 128u);
  EXPECT_EQ(sent[127], (SentMidi{1, 0, 0x80, 127, 127}));
}

TEST_F(EditorTest, TheLightShowsIncomingNotesAndFades)
{
  EXPECT_DOUBLE_EQ(Control(kNoteLight)->GetValue(), 1.0 / 30.0);
  Midi(0x90, 60, 100);
  gui->Tick();
  EXPECT_DOUBLE_EQ(Control(kNoteLight)->GetValue(), 29.0 / 30.0);
  for (int i = 0; i < 40; ++i) gui->Tick();
  EXPECT_DOUBLE_EQ(Control(kNoteLight)->GetValue(), 1.0 / 30.0);
  Midi(0x91, 60, 100);  // another channel: not for the arpeggiator
  gui->Tick();
  EXPECT_DOUBLE_EQ(Control(kNoteLight)->GetValue(), 1.0 / 30.0);
}

TEST_F(EditorTest, MarkersFollowTheirStepAndFade)
{
  Set(kStepRate, 4);  // "1/16": a step of 5512.5 samples
  Set(kTranspose, 2);
  Midi(0x90, 60, 100);
  Block();
  ASSERT_EQ(View()->NMarkers(), 1);
  const NoteMarker first = View()->GetMarker(0);
  EXPECT_EQ(first.note, 62);  // as the output sends it
  EXPECT_EQ(first.step, 0);
  for (int i = 0; i < 5; ++i) gui->Tick();
  EXPECT_EQ(View()->GetMarker(0).age, first.age);  // its step still plays
  for (int i = 0; i < 10; ++i) Block();            // to step 1
  EXPECT_EQ(View()->GetMarker(0).step, 0);
  const int age = View()->GetMarker(0).age;
  EXPECT_GT(age, 0);
  for (int i = age; i < 31; ++i) {
    EXPECT_EQ(View()->GetMarker(0).step, 0);
    gui->Tick();
  }
  EXPECT_NE(View()->GetMarker(0).step, 0);  // gone at 31
}

TEST_F(EditorTest, LearnThroughAKnobsMenuThenTheControllerMovesIt)
{
  Choose(X(kTransposeKnob), Y(kTransposeKnob), 0);
  EXPECT_EQ(plug->GetLearnTarget(), kTransposeKnob);
  edits.clear();
  Midi(0xB0, 7, 127);
  EXPECT_EQ(Value(kCCMapping + 7), kTransposeKnob);
  EXPECT_EQ(Value(kTranspose), 12.0);
  gui->Tick();  // the knob shows it from the editor's tick on
  EXPECT_DOUBLE_EQ(Control(kTransposeKnob)->GetValue(), 1.0);
  Midi(0xB0, 7, 0);
  EXPECT_EQ(Value(kTranspose), -12.0);
  EXPECT_EQ(edits, (std::vector<HostCall>{Automate(kTranspose, 1.0), Automate(kTranspose, 0.0)}));
  EXPECT_TRUE(sent.empty());

  Choose(X(kTransposeKnob), Y(kTransposeKnob), 1);  // "MIDI unlearn"
  EXPECT_EQ(Value(kCCMapping + 7), -1.0);
  Midi(0xB0, 7, 64);
  EXPECT_EQ(sent.size(), 1u);
}

TEST_F(EditorTest, ThePatternViewsMenuLearnsAStepAndResetsTheLane)
{
  ChooseLane(3);  // transpose: -24..24
  Choose(BarX(5), kBarsTop + 40, 0);
  EXPECT_EQ(plug->GetLearnTarget(), kFirstStepControl + (kStepTranspose - kStepLength) + 5);
  Midi(0xB0, 20, 127);
  EXPECT_EQ(Value(kStepTranspose + 5), 24.0);
  Choose(BarX(5), kBarsTop + 40, 1);
  EXPECT_EQ(Value(kCCMapping + 20), -1.0);
  const int learnt = plug->GetLearnTarget();
  Choose(BarX(5) + 12, kBarsTop + 40, 0);  // between bars: nothing
  EXPECT_EQ(plug->GetLearnTarget(), learnt);

  Set(kStepTranspose + 9, -5);
  Choose(BarX(0), kBarsTop + 40, 2);  // "Reset steps"
  for (int s = 0; s < 16; ++s) EXPECT_EQ(Value(kStepTranspose + s), 0.0) << s;
  ChooseLane(0);
  Set(kStepLength + 4, 6);
  Choose(BarX(0), kBarsTop + 40, 2);
  for (int s = 0; s < 16; ++s) EXPECT_EQ(Value(kStepLength + s), 1.0) << s;  // its least
}

TEST_F(EditorTest, SwitchesShowWhatTheRouterSays)
{
  Set(kResetOnNewNote, 1);
  gui->Tick();  // what the router posts shows from the editor's tick on
  EXPECT_EQ(Control(kResetOnNewNoteSwitch)->GetValue(), 1.0);
  Set(kResetOnBeat, 1);
  gui->Tick();
  EXPECT_EQ(Control(kResetOnBeatSwitch)->GetValue(), 1.0);
  Set(kCC2Teach, 1);
  ClickControl(kCC1TeachButton);
  EXPECT_EQ(Value(kCC1Teach), 1.0);
  EXPECT_EQ(Control(kCC2TeachButton)->GetValue(), 0.0);
  EXPECT_FALSE(plug->IsCCTeachOn(false));
}

TEST_F(EditorTest, TheRegistryFindsControlsByPageKeyAndPlace)
{
  const ControlRegistry* r = plug->GetRegistry();
  EXPECT_EQ(r->FindNth(ControlRegistry::kPatternPage, kStepGate, 15)->ParamIdx(), kStepGate + 15);
  EXPECT_EQ(r->FindNth(ControlRegistry::kPatternPage, kStepGate, 16), nullptr);
  EXPECT_EQ(r->Find(ControlRegistry::kPatternPage, kCCMapping)->GetControlIdx(), kFirstMappingCarrier);
  EXPECT_EQ(r->Find(ControlRegistry::kScenePage, kPatternSwitch)->ParamIdx(), kPatternSwitch);
  EXPECT_EQ(r->GetPage(ControlRegistry::kScenePage)->GetSize(), 32);
  EXPECT_EQ(r->Find(2, kStepGate), nullptr);
}

TEST_F(EditorTest, AStateSavedWithTheEditorOpenRestoresEverything)
{
  ChooseLane(3);
  Drag(BarX(12), kViewTop + 2, BarX(12), kViewTop + 2);  // the carried parameter, step 13 of transpose
  Drag(X(kGateKnob), Y(kGateKnob), X(kGateKnob), Y(kGateKnob) - 30);
  Midi(0xB0, 123, 0);
  Choose(X(kTransposeKnob), Y(kTransposeKnob), 0);
  Midi(0xB0, 9, 100);
  std::vector<double> values;
  for (int i = 0; i < 391; ++i) values.push_back(Value(i));
  const std::vector<uint8_t> chunk = GetChunk(true);
  double carried;
  std::memcpy(&carried, &chunk[8], 8);
  EXPECT_EQ(carried, 1.0);

  for (bool open : {false, true}) {
    Create();
    if (open) Dispatch(effEditOpen, 0, 0, this);
    ASSERT_EQ(SetChunk(chunk, true), 1);
    for (int i = 0; i < 391; ++i) EXPECT_EQ(Value(i), values[i]) << i;
    EditorTick();  // the controls show the state from the editor's tick on
    EXPECT_EQ(plug->GetGUI()->GetControl(kFirstStepControl + (kStepTranspose + 12 - kStepLength))->GetValue(), 1.0);
    EXPECT_EQ(GetChunk(true), chunk);
  }
}

// Scenes come with version 2.0; their view stands ready.
TEST_F(EditorTest, ASceneViewSetsTheScenePagesControls)
{
  SceneView* scenes =
      new SceneView(plug.get(), plug.get(), IRECT(148, 160, 352, 320), -1, plug->Engine().GetSceneList());
  gui->AttachControl(scenes);  // the last attached is hit first
  scenes->SetStepValue(kPatternSwitch, 2, 0.0, 100.0, 40.0);
  scenes->SetStepValue(kStepGate, 3, 0.0, 100.0, 70.0);  // not its lane
  Drag(148 + 4 + 12 * 5 + 3, 162, 148 + 4 + 12 * 5 + 3, 162);
  EXPECT_EQ(plug->GetRegistry()->FindNth(ControlRegistry::kScenePage, kPatternSwitch, 5)->GetValue(), 1.0);
  gui->Tick();
  std::vector<std::string> labels;
  for (const auto& text : gui->DrawnTexts())
    if (text.mRect.T == 181) labels.push_back(text.mText);
  EXPECT_EQ(labels, (std::vector<std::string>{"25", "25", "40", "25", "25", "25", "25", "25", "25", "25", "25", "25",
                                              "25", "25", "25", "25"}));
}
