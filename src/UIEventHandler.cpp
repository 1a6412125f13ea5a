#include "UIEventHandler.h"

#include "EngineHolder.h"
#include "IControl.h"
#include "ParamTable.h"
#include "PatternEngine.h"
#include "PatternList.h"
#include "PatternView.h"
#include "Scene.h"
#include "Tolvo.h"
#include "TolvoApp.h"

using namespace TolvoParams;

UIEventHandler::UIEventHandler(Tolvo* plug, TolvoApp* app, EngineHolder* engine, PatternView* view)
  : mPlug(plug), mApp(app), mEngine(engine), mView(view)
{}

PatternEngine* UIEventHandler::Pattern() const { return mEngine->GetPatternList()->Get(0); }

void UIEventHandler::OnParamChange(int index, double value)
{
  RouteToEngine(index, value);
  ShowParamStatus(index, value);
}

void UIEventHandler::ShowParamStatus(int index, double value) { mPlug->PostStatus(index, value); }

// Every observed subject is one of the editor's controls.
void UIEventHandler::Notify(ISubject* pSubject, int x, int y, int event, const IMouseModifiers& mod)
{
  switch (pSubject->GetKind()) {
    case kKindNoteLight:
      if (event == ISubject::kEventDoubleClick) mPlug->RequestAllNotesOff();
      break;
    case kKindAbout:
      if (event == ISubject::kEventMouseUp) mPlug->ToggleAboutBox();
      break;
    case kKindKnob:
      if (mod.R) {
        const int index = static_cast<IControl*>(pSubject)->ParamIdx();
        ShowParamStatus(index, mPlug->GetParamValue(index));
      }
      break;
    default: break;
  }
}

void UIEventHandler::SetSplitNote() { mEngine->GetSceneList()->SetSplitNote(mSplitNoteName + 12 * (mSplitOctave + 1)); }

void UIEventHandler::RouteToEngine(int index, double value)
{
  const int v = int(value);
  PatternEngine* pattern = Pattern();
  PatternStepper& stepper = pattern->GetStepper();

  if (InGroup(index, kStepOn, kNumSteps)) {
    pattern->SetStepOn(index - kStepOn, v == 1);
    return;
  }
  if (InGroup(index, kCustomSortOrder, kNumCustomSlots)) {
    stepper.SetCustomOrder(index - kCustomSortOrder, v);
    return;
  }
  if (InGroup(index, kStepLength, kNumSteps * kNumLanes)) {
    const int lane = (index - kStepLength) / kNumSteps;
    const int base = kLaneBases[lane];
    const int step = index - base;
    switch (base) {
      case kStepLength: pattern->SetStepLength(step, value); break;
      case kStepGate: pattern->SetStepGate(step, value / 100.0); break;
      case kStepAccent: pattern->SetStepAccent(step, value); break;
      case kStepTranspose: pattern->SetStepTranspose(step, v); break;
      case kStepDiv: pattern->SetStepDiv(step, value + 1.0); break;
      case kStepShift: pattern->SetStepShift(step, value); break;
      case kStepData: pattern->SetStepData(step, v); break;
      case kStepCC1: pattern->SetStepCC(step, 1, v); break;
      case kStepCC2: pattern->SetStepCC(step, 2, v); break;
    }
    mPlug->UpdateStepView(base, step, false);
    return;
  }
  if (InGroup(index, kPatternSwitch, kNumPatternSwitches)) {
    const int step = (index - kPatternSwitch) % Scene::kSteps;
    mEngine->GetSceneList()->GetScene((index - kPatternSwitch) / Scene::kSteps)->SetStep(step, 0, v);
    mPlug->UpdateStepView(kPatternSwitch, step, true);
    return;
  }

  switch (index) {
    case kGate: pattern->SetGate(value / 100.0 + 1.0); break;
    case kHold: mApp->SetHold(v == 1); break;
    case kStepRate:
      if (v >= 0 && v < kNumStepRates) pattern->SetRate(kStepRates[v].beats);
      break;
    case kStepRateType: pattern->SetRateType(v); break;
    case kDirection: pattern->SetDirection(v); break;
    case kSortOrder:
      pattern->SetSortOrder(v);
      pattern->RenumberNotes();
      pattern->SetCustomSortOrder(v == PatternEngine::kCustom);
      break;
    case kSwing: pattern->SetSwing(value); break;
    case kOctaves: pattern->SetOctaves(v); break;
    case kTranspose: pattern->SetTranspose(v); break;
    case kVelocityMode: pattern->SetVelocityMode(v); break;
    case kResetOnNewNote:
      // Off clears the flag too, so the switch and the engine agree.
      pattern->SetResetOnNewNote(v == 1);
      if (v == 1) mPlug->ShowResetSwitch(1, true);
      stepper.SetResetWalkAtPatternStart(v == 1);
      break;
    case kResetNoteList:
      if (v == 1) {
        mPlug->ShowResetSwitch(2, true);
        pattern->SetResetOnNewNote(false);
      }
      stepper.SetResetWalkAtPatternStart(v == 1);
      break;
    case kResetOnBeat:
      if (v == 1) {
        stepper.SetResetWalkAtPatternStart(false);
        pattern->SetResetOnNewNote(false);
        mPlug->ShowResetSwitch(3, true);
      }
      pattern->SetResetOnBeat(v == 1);
      break;
    case kResetOnBeatValue: pattern->SetResetOnBeatValue(value * 0.25); break;
    case kPatternSteps: stepper.SetStepCount(v); break;
    case kPatternOn: pattern->SetPatternOn(v == 1); break;
    case kScale: mEngine->GetPatternList()->GetCurrent()->GetScaleQuantizer().SetScale(v - 1); break;
    case kScaleKey: mEngine->GetPatternList()->GetCurrent()->GetScaleQuantizer().SetKey(v); break;
    case kScaleMode: mEngine->GetPatternList()->GetCurrent()->GetScaleQuantizer().SetMode(v); break;
    case kPatternSelection: mPlug->OnPatternChanged(v); break;
    case kSceneSelection: mPlug->OnSceneChanged(v); break;
    case kMidiInChannel: mPlug->SetMidiChannel(true, v + 1); break;
    case kMidiOutChannel: mPlug->SetMidiChannel(false, v + 1); break;
    case kCC1Control: mPlug->SetCCNumber(true, v); break;
    case kCC2Control: mPlug->SetCCNumber(false, v); break;
    case kCC1Teach: mPlug->SetCCTeach(true, v == 1); break;
    case kCC2Teach: mPlug->SetCCTeach(false, v == 1); break;
    case kSplitNoteName:
      mSplitNoteName = v;
      SetSplitNote();
      break;
    case kSplitNoteNumber:
      mSplitOctave = v;
      SetSplitNote();
      break;
    case kSplitSide: mEngine->GetSceneList()->SetSplitSide(v); break;
    case kMidiOutput: mPlug->SetMidiOutputFromParam(v); break;
    case kStepMode:
      if (v >= 0 && v < kNumLanes) {
        mView->SetShownLane(kLaneBases[v]);
        for (int s = 0; s < kNumSteps; ++s) mPlug->UpdateStepView(kLaneBases[v], s, false);
      }
      break;
    default: break;
  }
}
