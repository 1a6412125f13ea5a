// What the views, the router and MIDI learn ask of the editor: controls
// found in the registry and set as the user would set them, the step
// editor kept up to date, the status line and the about box; and the
// editor's tick, which shows what the router posted.
#include "ControlRegistry.h"
#include "ICustomTextControl.h"
#include "IGraphics.h"
#include "ParamStatus.h"
#include "PatternView.h"
#include "Tolvo.h"

using namespace TolvoParams;

namespace {
// The registry keys of the three reset switches, by ShowResetSwitch's which.
const int kResetSwitchKeys[] = {kResetOnNewNote, kResetNoteList, kResetOnBeat};
}  // namespace

int Tolvo::StepViewPage(bool scenePage) const
{
  return scenePage ? ControlRegistry::kScenePage : mPatternView->GetCurrentPattern();
}

void Tolvo::SetControlFromView(int key, int n, double normalized, bool scenePage)
{
  IControl* pControl = mRegistry->FindNth(StepViewPage(scenePage), key, n);
  if (!pControl || pControl->GetValue() == normalized) return;
  // The view's own parameter is not the one it sets: each bar it moves is
  // a gesture of its own for the host.
  const IParam* p = GetParam(pControl->ParamIdx());
  const bool told = p && !p->IsHostHidden();
  if (told) BeginInformHostOfParamChange(pControl->ParamIdx());
  pControl->SetValueFromUserInput(normalized);
  if (told) EndInformHostOfParamChange(pControl->ParamIdx());
}

void Tolvo::UpdateStepView(int key, int n, bool scenePage)
{
  // The scene view comes with scenes, from version 2.0.
  if (scenePage) return;
  const int page = StepViewPage(false);
  if (page < 0 || key < 0) return;
  const IControl* pControl = mRegistry->FindNth(page, key, n);
  const IParam* p = pControl ? GetParam(pControl->ParamIdx()) : nullptr;
  if (!p) return;
  double minimum, maximum;
  p->GetBounds(&minimum, &maximum);
  mPatternView->PostStepValue(key, n, minimum, maximum, p->Value());
}

void Tolvo::HidePageControls(int page, bool hide)
{
  if (page == ControlRegistry::kPatternPage) mPageHiding = hide ? 1 : 0;
}

void Tolvo::OnPatternChanged(int pattern)
{
  HidePageControls(mPatternView->GetCurrentPattern(), true);
  if (pattern != 0) return;
  HidePageControls(pattern, false);
  mPatternView->SetCurrentPattern(pattern);
  for (int step = 0; step < kNumSteps; ++step) UpdateStepView(mPatternView->GetShownLane(), step, false);
}

// Scenes, and their view, come with version 2.0.
void Tolvo::OnSceneChanged(int scene) {}

void Tolvo::ShowResetSwitch(int which, bool on)
{
  if (which < 1 || which > 3) return;
  if (IControl* pSwitch = mRegistry->Find(StepViewPage(false), kResetSwitchKeys[which - 1]))
    pSwitch->PostValueFromPlug(on ? 1.0 : 0.0);
}

void Tolvo::PostStatus(int index, double value)
{
  // A change that says nothing leaves the line as it is; the text itself is
  // written on the editor's tick.
  ParamStatus status;
  if (mAudioStarted && DescribeParamStatus(index, value, GetParamDisplayText(index, value), &status))
    mStatusSlot.Put(index, value);
}

void Tolvo::SetStatusText(const char* text)
{
  if (!mAudioStarted || !mStatus) return;
  mStatus->SetTextFromPlug(text);
  mStatus->SetDirty(false);
  mStatus->SetRedraw(true);
}

void Tolvo::OnGUITick()
{
  int index;
  double value;
  ParamStatus status;
  if (mStatusSlot.Take(&index, &value) &&
      DescribeParamStatus(index, value, GetParamDisplayText(index, value), &status)) {
    char text[kStatusTextLen];
    WriteParamStatus(status, text, sizeof text);
    SetStatusText(text);
  }

  // Hidden or shown as the router last asked, each control redrawn.
  const int hiding = mPageHiding.exchange(kPageAsIs);
  if (hiding != kPageAsIs) {
    const ControlRegistry::Page* entries = mRegistry->GetPage(ControlRegistry::kPatternPage);
    for (int i = 0; i < entries->GetSize(); ++i) entries->Get()[i].mControl->Hide(hiding == 1);
  }

  if (mPatternView) mPatternView->ShowPostedSteps();
}

const char* Tolvo::GetStatusText() const { return mStatus->GetTextString(); }

void Tolvo::ToggleAboutBox()
{
  const bool hide = !mAboutBox->IsHidden();
  mAboutBox->Hide(hide);
  mVersionText->Hide(hide);
  if (mAboutExtra) mAboutExtra->Hide(hide);
}

const char* Tolvo::GetParamDisplayText(int index, double value) const
{
  const IParam* param = GetParam(index);
  return param ? param->GetDisplayText(int(value)) : "";
}

double Tolvo::GetParamValue(int index) const
{
  const IParam* param = GetParam(index);
  return param ? param->Value() : 0.0;
}
