// The editor core through the test plug-in: the order in which controls are
// hit, hidden and grayed controls, strict drawing, prompts and their
// results, and the begin and end edits around them.

#include <string>

#include "EditorFixture.h"
#include "IKnobControl.h"

TEST_F(EditorTest, HitSearchGoesFromTheLastControlAndSkipsHiddenAndGrayed)
{
  const int x = 148, y = 80;  // where the invisible switch covers the switch
  Click(x, y);
  EXPECT_EQ(Param(kBypass), 1.0);
  EXPECT_EQ(Param(kHold), 0.0);

  gui->HideControl(kBypass, true);
  Click(x, y);
  EXPECT_EQ(Param(kHold), 1.0);

  gui->HideControl(kBypass, false);
  gui->GrayOutControl(kBypass, true);
  Click(x, y);
  EXPECT_EQ(Param(kHold), 0.0);
  EXPECT_EQ(Param(kBypass), 1.0);
  EXPECT_EQ(gui->GetMouseControlIdx(x, y), kCtrlSwitch);

  Control(kCtrlInvisible)->SetMOWhenGrayed(true);
  EXPECT_EQ(gui->GetMouseControlIdx(x, y, true), kCtrlInvisible);
  EXPECT_EQ(gui->GetMouseControlIdx(x, y, false), kCtrlSwitch);
  EXPECT_EQ(gui->GetMouseControlIdx(-5, -5), -1);
}

TEST_F(EditorTest, GesturesWithoutMovementOrCaptureDoNotReachTheControl)
{
  const int x = X(kCtrlKnob), y = Y(kCtrlKnob);
  gui->MouseButtonDown(x, y, kKeyStateLButton);
  gui->MouseMove(x, y, kKeyStateLButton);
  gui->MouseButtonUp(x, y, 0);
  EXPECT_EQ(host, (std::vector<HostCall>{Begin(kGain), End(kGain)}));

  // A double click neither begins an edit nor captures the mouse.
  host.clear();
  gui->MouseDoubleClick(x, y, kKeyStateLButton);
  gui->MouseMove(x, y - 8, kKeyStateLButton);
  EXPECT_EQ(Value(kCtrlKnob), 0.5);
  EXPECT_EQ(host, (std::vector<HostCall>{Automate(kGain, 0.5)}));

  // A control that takes the double click as a press does capture it.
  Control(kCtrlKnob)->SetDblAsSingleClick(true);
  gui->MouseDoubleClick(x, y, kKeyStateLButton);
  gui->MouseMove(x, y - 8, kKeyStateLButton);
  EXPECT_DOUBLE_EQ(Value(kCtrlKnob), 0.5625);
}

TEST_F(EditorTest, StrictDrawingCleansOnlyWhatTheUpdateMeets)
{
  gui->SetParameterFromPlug(kGain, 0.9, true);
  gui->SetParameterFromPlug(kHold, 1.0, true);
  IRECT dirty;
  ASSERT_TRUE(gui->IsDirty(&dirty));
  EXPECT_EQ(dirty, Control(kCtrlKnob)->GetRECT().Union(Control(kCtrlSwitch)->GetRECT()));

  // A value from the plug-in is drawn twice (it may have come while the
  // control was being drawn).
  const IRECT knob = Control(kCtrlKnob)->GetRECT();
  gui->Draw(&knob);
  EXPECT_TRUE(Control(kCtrlKnob)->IsDirty());
  gui->Draw(&knob);
  EXPECT_FALSE(Control(kCtrlKnob)->IsDirty());
  EXPECT_TRUE(Control(kCtrlSwitch)->IsDirty());
  dirty = IRECT();
  ASSERT_TRUE(gui->IsDirty(&dirty));
  EXPECT_EQ(dirty, Control(kCtrlSwitch)->GetRECT());

  gui->Tick();
  gui->Tick();
  dirty = IRECT();
  EXPECT_FALSE(gui->IsDirty(&dirty));
  EXPECT_TRUE(dirty.Empty());
}

TEST_F(EditorTest, FirstValueFromThePlugInIsTheSilentDefault)
{
  IBitmapStrip knob = gui->LoadBitmap(kTestImages[kImageKnob].mID, kTestImages[kImageKnob].mName, 16);
  const int idx = gui->AttachControl(new IKnobMultiControl(plug.get(), 0, 200, kHidden, knob));
  gui->Tick();
  gui->MouseDoubleClick(16, 216, kKeyStateLButton);  // no default yet
  EXPECT_EQ(Value(idx), 0.0);
  gui->SetParameterFromPlug(kHidden, 0.3, true);
  gui->ShowPlugChanges();  // as the next tick does
  EXPECT_DOUBLE_EQ(Value(idx), 0.3);
  EXPECT_FALSE(Control(idx)->IsDirty());
  gui->SetParameterFromPlug(kHidden, 0.6, true);
  gui->ShowPlugChanges();
  EXPECT_TRUE(Control(idx)->IsDirty());
  gui->MouseDoubleClick(16, 216, kKeyStateLButton);
  EXPECT_DOUBLE_EQ(Value(idx), 0.3);
}

TEST_F(EditorTest, ParameterChangesReachTheControlsBoundToThemHoweverTheyCame)
{
  IBitmapStrip knob = gui->LoadBitmap(kTestImages[kImageKnob].mID, kTestImages[kImageKnob].mName, 16);
  // Attached late, and two of them; a hidden one still follows its parameter.
  IControl* a = Control(gui->AttachControl(new IKnobMultiControl(plug.get(), 0, 200, kHidden, knob)));
  IControl* b = Control(gui->AttachControl(new IKnobMultiControl(plug.get(), 40, 200, kHidden, knob)));
  b->Hide(true);
  gui->SetParameterFromPlug(kHidden, 0.25, true);
  gui->SetParameterFromPlug(kGain, 0.75, true);
  gui->ShowPlugChanges();  // as the next tick does
  EXPECT_DOUBLE_EQ(a->GetValue(), 0.25);
  EXPECT_DOUBLE_EQ(b->GetValue(), 0.25);
  EXPECT_DOUBLE_EQ(Value(kCtrlKnob), 0.75);
  // Controls moved up by a background put under everything keep theirs.
  gui->AttachPanelBackground(&COLOR_BLACK);
  gui->SetParameterFromPlug(kHidden, 0.5, true);
  gui->ShowPlugChanges();
  EXPECT_DOUBLE_EQ(a->GetValue(), 0.5);
  EXPECT_DOUBLE_EQ(b->GetValue(), 0.5);
  // A resized editor starts with no controls, and files the new ones.
  gui->Resize(300, 200);
  gui->SetParameterFromPlug(kHidden, 0.1, true);
  const int c = gui->AttachControl(new IKnobMultiControl(plug.get(), 0, 0, kHidden, knob));
  gui->SetParameterFromPlug(kHidden, 0.2, true);
  gui->SetParameterFromPlug(kHidden, 0.4, true);
  gui->ShowPlugChanges();
  EXPECT_EQ(gui->NControls(), 1);
  EXPECT_DOUBLE_EQ(Control(c)->GetValue(), 0.4);
}

TEST_F(EditorTest, EnumParametersPromptWithAMenuOfTheirTexts)
{
  gui->AnswerPopup(2);
  RightClickControl(kCtrlRadio);
  ASSERT_EQ(gui->Popups().size(), 1u);
  const IGraphicsHeadless::PopupRecord& menu = gui->Popups()[0];
  EXPECT_EQ(menu.mTitles, (std::vector<std::string>{"Up", "Down", "Random"}));
  EXPECT_EQ(menu.mFlags, (std::vector<int>{IPopupMenuItem::kChecked, 0, 0}));
  EXPECT_EQ(menu.mRect, Control(kCtrlRadio)->GetRECT());
  EXPECT_EQ(Param(kMode), 2.0);
  EXPECT_DOUBLE_EQ(Value(kCtrlRadio), 1.0);
  EXPECT_EQ(host, (std::vector<HostCall>{Begin(kMode), Automate(kMode, 1.0), End(kMode)}));

  // Cancelled: nothing changes, and no begin is left without its end.
  host.clear();
  RightClickControl(kCtrlRadio);
  EXPECT_EQ(gui->Popups().back().mChosen, IGraphicsHeadless::kCancel);
  EXPECT_EQ(gui->Popups().back().mFlags, (std::vector<int>{0, 0, IPopupMenuItem::kChecked}));
  EXPECT_EQ(Param(kMode), 2.0);
  EXPECT_EQ(host, (std::vector<HostCall>{Begin(kMode), End(kMode)}));

  // A choice a user could not make counts as a cancel.
  gui->AnswerPopup(7);
  RightClickControl(kCtrlRadio);
  EXPECT_EQ(Param(kMode), 2.0);
}

TEST_F(EditorTest, BoolParametersWithTextsPromptWithAMenuToo)
{
  gui->AnswerPopup(1);
  RightClickControl(kCtrlSwitch);
  ASSERT_EQ(gui->Popups().size(), 1u);
  EXPECT_EQ(gui->Popups()[0].mTitles, (std::vector<std::string>{"off", "on"}));
  EXPECT_EQ(Param(kHold), 1.0);
  // The switch sends its value once more after the prompt.
  EXPECT_EQ(host, (std::vector<HostCall>{Begin(kHold), Automate(kHold, 1.0), Automate(kHold, 1.0), End(kHold)}));
}

TEST_F(EditorTest, OtherParametersPromptWithATextEntryAppliedOnTheNextTick)
{
  gui->AnswerTextEntry("0.25");
  RightClickControl(kCtrlKnob);
  ASSERT_EQ(gui->TextEntries().size(), 1u);
  const IGraphicsHeadless::TextEntryRecord& entry = gui->TextEntries()[0];
  EXPECT_EQ(entry.mText, "0.50");
  EXPECT_EQ(entry.mRect, Control(kCtrlKnob)->GetRECT());
  EXPECT_EQ(entry.mParamIdx, kGain);
  EXPECT_EQ(Param(kGain), 0.5);
  EXPECT_EQ(host, (std::vector<HostCall>{Begin(kGain), End(kGain)}));

  host.clear();
  gui->Tick();
  EXPECT_FALSE(gui->TextEntryOpen());
  EXPECT_DOUBLE_EQ(Param(kGain), 0.25);
  EXPECT_EQ(host, (std::vector<HostCall>{Begin(kGain), Automate(kGain, 0.25), End(kGain)}));
}

TEST_F(EditorTest, TextEntriesAreCutCancelledAndNegated)
{
  // Cut to 31 characters: the exponent that would make it 0.2 is lost.
  const std::string longText = "2" + std::string(29, '0') + "e-000000030";
  ASSERT_EQ(longText.size(), 41u);
  gui->AnswerTextEntry(longText.c_str());
  RightClickControl(kCtrlKnob);
  gui->Tick();
  EXPECT_EQ(Param(kGain), 1.0);

  // Shown negated, typed negated.
  gui->AnswerTextEntry("3");
  RightClickControl(kCtrlFader);
  EXPECT_EQ(gui->TextEntries().back().mText, "-0.0");
  gui->Tick();
  EXPECT_EQ(Param(kShift), -3.0);

  // A click elsewhere cancels an entry being edited, and goes no further.
  RightClickControl(kCtrlKnob);
  ASSERT_TRUE(gui->TextEntryOpen());
  host.clear();
  ClickControl(kCtrlSwitch);
  EXPECT_EQ(Param(kHold), 0.0);
  gui->Tick();
  EXPECT_FALSE(gui->TextEntryOpen());
  EXPECT_EQ(Param(kGain), 1.0);
  EXPECT_TRUE(host.empty());

  // So does the wheel; typing and Enter apply.
  RightClickControl(kCtrlKnob);
  gui->MouseWheel(X(kCtrlKnob), Y(kCtrlKnob), 0, kWheelDelta);
  gui->Tick();
  EXPECT_EQ(Param(kGain), 1.0);
  RightClickControl(kCtrlKnob);
  gui->TypeIntoTextEntry("0.75");
  gui->Tick();
  EXPECT_EQ(Param(kGain), 0.75);
}

TEST_F(EditorTest, AResizeTakesAnOpenEntryAwayWithItsControl)
{
  RightClickControl(kCtrlKnob);
  gui->TypeIntoTextEntry("0.25");
  ASSERT_TRUE(gui->TextEntryOpen());
  gui->Resize(kEditorWidth, kEditorHeight);
  EXPECT_FALSE(gui->TextEntryOpen());
  gui->Tick();
  EXPECT_EQ(Param(kGain), 0.5);
}

TEST_F(EditorTest, CaptionPromptsOverItsMiddleAndShowsItsValue)
{
  gui->Tick();
  ASSERT_FALSE(gui->DrawnTexts().empty());
  bool shown = false;
  for (const IGraphicsHeadless::TextRecord& t : gui->DrawnTexts()) shown |= t.mText == "4 steps";
  EXPECT_TRUE(shown);

  gui->AnswerTextEntry("9");
  ClickControl(kCtrlCaption);
  ASSERT_EQ(gui->TextEntries().size(), 1u);
  // 16 pixels high about the middle, from 18 left of the centre.
  EXPECT_EQ(gui->TextEntries()[0].mRect, IRECT(126, 18, 176, 34));
  gui->Tick();
  EXPECT_EQ(Param(kSteps), 9.0);
  gui->Tick();
  shown = false;
  for (const IGraphicsHeadless::TextRecord& t : gui->DrawnTexts()) shown |= t.mText == "9 steps";
  EXPECT_TRUE(shown);
}

TEST_F(EditorTest, KeysAndWheelReachTheControlUnderTheMouse)
{
  struct KeyRecorder : IControl {
    KeyRecorder(IFxBase* plug) : IControl(plug, IRECT(0, 200, 8, 208)) {}
    void OnKeyDown(int, int, int key) override { keys.push_back(key); }
    bool Draw(IGraphics*) override { return true; }
    std::vector<int> keys;
  };
  KeyRecorder* rec = new KeyRecorder(plug.get());
  gui->AttachControl(rec);
  for (int vk : {(int)kVirtualSpace, (int)kVirtualUp, (int)'Q', (int)'7', kVirtualNumpad0 + 3, 112 /* F1 */})
    gui->KeyDown(4, 204, vk);
  EXPECT_EQ(rec->keys, (std::vector<int>{kKeySpace, kKeyUp, kKeyA + 16, kKeyDigit0 + 7, kKeyDigit0 + 3}));

  gui->MouseWheel(X(kCtrlKnob), Y(kCtrlKnob), 0, kWheelDelta / 2);
  EXPECT_EQ(host, (std::vector<HostCall>{Begin(kGain), Automate(kGain, 0.5), End(kGain)}));
}
