// Every stock control of the test plug-in's editor, driven through the
// window-less back end: the value each gesture leaves and what the host is
// told.

#include <math.h>

#include "EditorFixture.h"
#include "IBitmapControl.h"
#include "IFaderControl.h"
#include "IFileSelectorControl.h"
#include "IKnobControl.h"
#include "IRadioButtonsControl.h"

namespace {
enum EGesture { kClick, kDrag, kWheel, kDoubleClick };

struct Case {
  const char* mName;
  int mCtrl;
  EGesture mGesture;
  int mDX, mDY;  // drag: the move; wheel: mDX notches
  uint32_t mKeys;
  double mValue;  // the control's value afterwards
  std::vector<HostCall> mCalls;
};

const double kKnobUp8 = 8.0 / 32.0 / 4.0;  // an 8-pixel drag on a 32-pixel knob, gearing 4
}  // namespace

TEST_F(EditorTest, EveryStockControlAnswersItsGestures)
{
  const Case cases[] = {
      {"knob click", kCtrlKnob, kClick, 0, 0, 0, 0.5, {Begin(kGain), End(kGain)}},
      {"knob drag up",
       kCtrlKnob,
       kDrag,
       0,
       -8,
       0,
       0.5 + kKnobUp8,
       {Begin(kGain), Automate(kGain, 0.5 + kKnobUp8), End(kGain)}},
      {"knob drag with shift",
       kCtrlKnob,
       kDrag,
       0,
       -8,
       kKeyStateShift,
       0.5 + kKnobUp8 / 10,
       {Begin(kGain), Automate(kGain, 0.5 + kKnobUp8 / 10), End(kGain)}},
      {"knob drag with control",
       kCtrlKnob,
       kDrag,
       0,
       -8,
       kKeyStateControl,
       0.5 + kKnobUp8 / 10,
       {Begin(kGain), Automate(kGain, 0.5 + kKnobUp8 / 10), End(kGain)}},
      {"knob drag sideways", kCtrlKnob, kDrag, 8, 0, 0, 0.5, {Begin(kGain), Automate(kGain, 0.5), End(kGain)}},
      {"knob drag past the bottom", kCtrlKnob, kDrag, 0, 100, 0, 0.0, {Begin(kGain), Automate(kGain, 0.0), End(kGain)}},
      {"knob wheel", kCtrlKnob, kWheel, 1, 0, 0, 0.51, {Begin(kGain), Automate(kGain, 0.51), End(kGain)}},
      {"knob wheel back with shift",
       kCtrlKnob,
       kWheel,
       -1,
       0,
       kKeyStateShift,
       0.499,
       {Begin(kGain), Automate(kGain, 0.499), End(kGain)}},
      {"knob double click", kCtrlKnob, kDoubleClick, 0, 0, 0, 0.5, {Automate(kGain, 0.5)}},
      {"line knob drag up 16", kCtrlKnobLine, kDrag, 0, -16, 0, 0.625, {Begin(kPan), Automate(kPan, 0.625), End(kPan)}},
      {"plain 40-pixel knob drag up 10",
       kCtrlPlainKnob,
       kDrag,
       0,
       -10,
       0,
       0.5625,
       {Begin(kLevel), Automate(kLevel, 0.5625), End(kLevel)}},
      {"plain knob drag up 10 with shift",
       kCtrlPlainKnob,
       kDrag,
       0,
       -10,
       kKeyStateShift,
       0.50625,
       {Begin(kLevel), Automate(kLevel, 0.50625), End(kLevel)}},
      {"rotater drag up",
       kCtrlRotater,
       kDrag,
       0,
       -8,
       0,
       0.25 + kKnobUp8,
       {Begin(kRate), Automate(kRate, 0.25 + kKnobUp8), End(kRate)}},
      {"mask knob drag up",
       kCtrlMask,
       kDrag,
       0,
       -8,
       0,
       0.75 + 8.0 / 31.0 / 4.0,
       {Begin(kTone), Automate(kTone, 0.75 + 8.0 / 31.0 / 4.0), End(kTone)}},
      {"switch click", kCtrlSwitch, kClick, 0, 0, 0, 1.0, {Begin(kHold), Automate(kHold, 1.0), End(kHold)}},
      {"switch double click", kCtrlSwitch, kDoubleClick, 0, 0, 0, 1.0, {Automate(kHold, 1.0)}},
      {"switch wheel", kCtrlSwitch, kWheel, 1, 0, 0, 0.01, {Begin(kHold), Automate(kHold, 0.01), End(kHold)}},
      {"switch drag", kCtrlSwitch, kDrag, 3, 3, 0, 1.0, {Begin(kHold), Automate(kHold, 1.0), End(kHold)}},
      {"invisible switch click",
       kCtrlInvisible,
       kClick,
       0,
       0,
       0,
       1.0,
       {Begin(kBypass), Automate(kBypass, 1.0), End(kBypass)}},
      {"radio double click", kCtrlRadio, kDoubleClick, 0, 0, 0, 0.0, {Automate(kMode, 0.0)}},
      {"fader drag up 17",
       kCtrlFader,
       kDrag,
       0,
       -17,
       0,
       0.75,
       {Begin(kShift), Automate(kShift, 0.5), Automate(kShift, 0.75), End(kShift)}},
      {"fader wheel", kCtrlFader, kWheel, 2, 0, 0, 0.52, {Begin(kShift), Automate(kShift, 0.52), End(kShift)}},
      {"contact click",
       kCtrlContact,
       kClick,
       0,
       0,
       0,
       0.0,
       {Begin(kTrigger), Automate(kTrigger, 1.0), Automate(kTrigger, 0.0), End(kTrigger)}},
      {"overlay click in its area",
       kCtrlOverlay,
       kClick,
       0,
       0,
       0,
       1.0,
       {Begin(kPage), Automate(kPage, 1.0), End(kPage)}},
      {"meter click", kCtrlMeter, kClick, 0, 0, 0, 0.5, {Begin(kLevel), End(kLevel)}},
      {"meter wheel", kCtrlMeter, kWheel, -3, 0, 0, 0.47, {Begin(kLevel), Automate(kLevel, 0.47), End(kLevel)}},
      {"host-hidden knob drag", kCtrlHiddenKnob, kDrag, 0, -8, 0, 0.5 + kKnobUp8, {}},
      {"host-hidden knob wheel", kCtrlHiddenKnob, kWheel, 1, 0, 0, 0.51, {}},
  };
  for (const Case& c : cases) {
    SetUp();
    const int x = X(c.mCtrl), y = Y(c.mCtrl);
    switch (c.mGesture) {
      case kClick: ClickControl(c.mCtrl, kKeyStateLButton | c.mKeys); break;
      case kDrag: DragControl(c.mCtrl, c.mDX, c.mDY, c.mKeys); break;
      case kWheel: gui->MouseWheel(x, y, c.mKeys, c.mDX * kWheelDelta); break;
      case kDoubleClick:
        gui->MouseDoubleClick(x, y, kKeyStateLButton | c.mKeys);
        gui->MouseButtonUp(x, y, c.mKeys);
        break;
    }
    EXPECT_NEAR(Value(c.mCtrl), c.mValue, 1e-12) << c.mName;
    EXPECT_EQ(host, c.mCalls) << c.mName;
    const IParam* p = plug->GetParam(Control(c.mCtrl)->ParamIdx());
    EXPECT_NEAR(p->GetNormalized(), Value(c.mCtrl), p->Type() == IParam::kTypeDouble ? 1e-9 : 0.5) << c.mName;
  }
}

TEST_F(EditorTest, RadioButtonsPickTheButtonUnderTheMouse)
{
  const IRadioButtonsControl& radio = *static_cast<IRadioButtonsControl*>(Control(kCtrlRadio));
  ASSERT_EQ(radio.NButtons(), 3);
  EXPECT_EQ(*radio.GetButtonRECT(0), IRECT(16, 64, 32, 80));
  EXPECT_EQ(*radio.GetButtonRECT(2), IRECT(96, 64, 112, 80));

  Click(104, 72);
  EXPECT_DOUBLE_EQ(Value(kCtrlRadio), 1.0);
  EXPECT_EQ(Param(kMode), 2.0);
  host.clear();
  // Between two buttons: the value stays and is still sent.
  Click(45, 72);
  EXPECT_DOUBLE_EQ(Value(kCtrlRadio), 1.0);
  EXPECT_EQ(host, (std::vector<HostCall>{Begin(kMode), Automate(kMode, 1.0), End(kMode)}));
}

TEST_F(EditorTest, SwitchesStepThroughTheirFrames)
{
  for (int i = 0; i < 3; ++i) ClickControl(kCtrlSwitch);
  EXPECT_DOUBLE_EQ(Value(kCtrlSwitch), 1.0);  // 0 -> 1 -> 0 -> 1
  // One frame: 0 -> 1 -> 0; three frames: 0 -> 0.5 -> 1 -> 0.
  const IBitmapStrip knob = gui->LoadBitmap(kTestImages[kImageKnob].mID, kTestImages[kImageKnob].mName, 1);
  IBitmapStrip three = knob;
  three.N = 3;
  const int one = gui->AttachControl(new ISwitchControl(plug.get(), 0, 200, kHidden, knob));
  const int triple = gui->AttachControl(new ISwitchControl(plug.get(), 280, 200, kHidden, three));
  const double oneSteps[] = {1.0, 0.0, 1.0}, threeSteps[] = {0.5, 1.0, 0.0, 0.5};
  for (double v : oneSteps) {
    ClickControl(one);
    EXPECT_DOUBLE_EQ(Value(one), v);
  }
  Control(triple)->SetValueFromPlug(0.0);
  for (double v : threeSteps) {
    ClickControl(triple);
    EXPECT_DOUBLE_EQ(Value(triple), v);
  }
}

TEST_F(EditorTest, ObserversHearClicksButSwitchesKeepTheirPressToThemselves)
{
  ClickControl(kCtrlKnob);
  gui->MouseDoubleClick(X(kCtrlKnob), Y(kCtrlKnob), kKeyStateLButton);
  gui->MouseButtonUp(X(kCtrlKnob), Y(kCtrlKnob), 0);
  ClickControl(kCtrlInvisible);
  ClickControl(kCtrlSwitch);
  struct Heard {
    int ctrl, event;
  };
  const Heard expected[] = {{kCtrlKnob, ISubject::kEventMouseDown},    {kCtrlKnob, ISubject::kEventMouseUp},
                            {kCtrlKnob, ISubject::kEventDoubleClick},  {kCtrlKnob, ISubject::kEventMouseUp},
                            {kCtrlInvisible, ISubject::kEventMouseUp}, {kCtrlSwitch, ISubject::kEventMouseUp}};
  const std::vector<EditorPlug::Event>& e = plug->Events();
  ASSERT_EQ(e.size(), sizeof expected / sizeof expected[0]);
  for (size_t i = 0; i < e.size(); ++i) {
    EXPECT_EQ(e[i].mCtrlIdx, expected[i].ctrl) << i;
    EXPECT_EQ(e[i].mEvent, expected[i].event) << i;
  }
}

TEST_F(EditorTest, OverlayIsHitOnlyInItsOwnAreaWhileOff)
{
  const int outsideTarget = 90, y = 110;
  Click(outsideTarget, y);
  EXPECT_DOUBLE_EQ(Value(kCtrlOverlay), 0.0);
  ClickControl(kCtrlOverlay);
  gui->Tick();  // drawing it on moves its hit area to its frame
  Click(outsideTarget, y);
  EXPECT_DOUBLE_EQ(Value(kCtrlOverlay), 0.0);  // hit: switched off
  gui->Tick();
  Click(outsideTarget, y);
  EXPECT_DOUBLE_EQ(Value(kCtrlOverlay), 0.0);  // off again: the frame area no longer counts
}

TEST_F(EditorTest, FileSelectorAsksAndURLFallsBack)
{
  gui->AnswerFile("songs/a.fxp");
  gui->AnswerFile(nullptr);
  ClickControl(kCtrlFile);
  IFileSelectorControl* file = static_cast<IFileSelectorControl*>(Control(kCtrlFile));
  KIT_String chosen;
  file->GetLastSelectedFileForPlug(&chosen);
  EXPECT_STREQ(chosen.Get(), "songs/a.fxp");
  EXPECT_DOUBLE_EQ(Value(kCtrlFile), 1.0);
  ClickControl(kCtrlFile);  // cancelled: the file stays, the value still turns
  file->GetLastSelectedFileForPlug(&chosen);
  EXPECT_STREQ(chosen.Get(), "songs/a.fxp");
  EXPECT_DOUBLE_EQ(Value(kCtrlFile), 0.0);

  gui->AnswerURL(false);
  gui->AnswerURL(true);
  ClickControl(kCtrlURL);
  ASSERT_EQ(gui->URLs().size(), 2u);
  EXPECT_EQ(gui->URLs()[0], "https://example.org/tolvo");
  EXPECT_EQ(gui->URLs()[1], "https://example.org/");
  gui->AnswerURL(true);
  ClickControl(kCtrlURL);
  EXPECT_EQ(gui->URLs().size(), 3u);
}

TEST_F(EditorTest, DivisionsByZeroGiveDefinedValues)
{
  const IBitmapStrip radio = gui->LoadBitmap(kTestImages[kImageRadio].mID, kTestImages[kImageRadio].mName, 2);
  const int single =
      gui->AttachControl(new IRadioButtonsControl(plug.get(), IRECT(0, 200, 16, 216), kHidden, 1, radio));
  Control(single)->SetValueFromPlug(1.0);
  Click(8, 208);
  EXPECT_EQ(Value(single), 0.0);

  const IBitmapStrip handle = gui->LoadBitmap(kTestImages[kImageFader].mID, kTestImages[kImageFader].mName);
  const int still = gui->AttachControl(new IFaderControl(plug.get(), 240, 200, handle.H, kHidden, handle));
  Control(still)->SetValueFromPlug(1.0);
  Click(248, 205);
  EXPECT_EQ(Value(still), 0.0);

  IBitmapStrip empty = radio;
  empty.N = 0;
  const int frameless = gui->AttachControl(new ISwitchControl(plug.get(), 100, 200, kHidden, empty));
  ClickControl(frameless);
  EXPECT_EQ(Value(frameless), 1.0);
  gui->Tick();  // drawn as its first frame

  // A parameter of no range normalises to 0; NaN from the plug-in is the
  // control's low bound.
  IParam flat;
  flat.InitDouble("flat", 0.0, 0.0, 0.0, 1.0);
  EXPECT_EQ(flat.ToNormalized(0.0), 0.0);
  gui->SetParameterFromPlug(kGain, NAN, true);
  gui->ShowPlugChanges();  // as the next tick does
  EXPECT_EQ(Value(kCtrlKnob), 0.0);
  gui->SetParameterFromPlug(kGain, NAN, false);
  gui->ShowPlugChanges();
  EXPECT_EQ(Value(kCtrlKnob), 0.0);
}
