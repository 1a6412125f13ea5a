#include "ParamSetters.h"

#include "EngineHolder.h"
#include "LaneView.h"
#include "PatternEngine.h"
#include "PatternList.h"
#include "RouterHost.h"
#include "Scene.h"
#include "TolvoApp.h"

using namespace TolvoParams;

namespace {

PatternEngine& PatternOf(ParamRoute& to) { return *to.engine->GetPatternList()->Get(0); }
PatternStepper& StepperOf(ParamRoute& to) { return PatternOf(to).GetStepper(); }
ScaleQuantizer& QuantizerOf(ParamRoute& to) { return to.engine->GetPatternList()->GetCurrent()->GetScaleQuantizer(); }

void SetSplitNote(ParamRoute& to)
{
  to.engine->GetSceneList()->SetSplitNote(to.splitNoteName + 12 * (to.splitOctave + 1));
}

}  // namespace

namespace Route {

void Gate(ParamRoute& to, int, double value) { PatternOf(to).SetGate(value / 100.0 + 1.0); }
void Hold(ParamRoute& to, int, double value) { to.app->SetHold(int(value) == 1); }

void StepRate(ParamRoute& to, int, double value)
{
  const int v = int(value);
  if (v >= 0 && v < kNumStepRates) PatternOf(to).SetRate(kStepRates[v].beats);
}

void StepRateType(ParamRoute& to, int, double value) { PatternOf(to).SetRateType(int(value)); }
void Direction(ParamRoute& to, int, double value) { PatternOf(to).SetDirection(int(value)); }

void SortOrder(ParamRoute& to, int, double value)
{
  PatternEngine& pattern = PatternOf(to);
  const int v = int(value);
  pattern.SetSortOrder(v);
  pattern.RenumberNotes();
  pattern.SetCustomSortOrder(v == PatternEngine::kCustom);
}

void Swing(ParamRoute& to, int, double value) { PatternOf(to).SetSwing(value); }
void Octaves(ParamRoute& to, int, double value) { PatternOf(to).SetOctaves(int(value)); }
void Transpose(ParamRoute& to, int, double value) { PatternOf(to).SetTranspose(int(value)); }
void VelocityMode(ParamRoute& to, int, double value) { PatternOf(to).SetVelocityMode(int(value)); }

// The three reset options: switching one on switches the others' effects
// off, and shows its own switch on.
void ResetOnNewNote(ParamRoute& to, int, double value)
{
  const bool on = int(value) == 1;
  // Off clears the flag too, so the switch and the engine agree.
  PatternOf(to).SetResetOnNewNote(on);
  if (on) to.plug->ShowResetSwitch(1, true);
  StepperOf(to).SetResetWalkAtPatternStart(on);
}

void ResetNoteList(ParamRoute& to, int, double value)
{
  const bool on = int(value) == 1;
  if (on) {
    to.plug->ShowResetSwitch(2, true);
    PatternOf(to).SetResetOnNewNote(false);
  }
  StepperOf(to).SetResetWalkAtPatternStart(on);
}

void ResetOnBeat(ParamRoute& to, int, double value)
{
  const bool on = int(value) == 1;
  if (on) {
    StepperOf(to).SetResetWalkAtPatternStart(false);
    PatternOf(to).SetResetOnNewNote(false);
    to.plug->ShowResetSwitch(3, true);
  }
  PatternOf(to).SetResetOnBeat(on);
}

void ResetOnBeatValue(ParamRoute& to, int, double value) { PatternOf(to).SetResetOnBeatValue(value * 0.25); }

void StepOn(ParamRoute& to, int step, double value) { PatternOf(to).SetStepOn(step, int(value) == 1); }
void PatternSteps(ParamRoute& to, int, double value) { StepperOf(to).SetStepCount(int(value)); }
void PatternOn(ParamRoute& to, int, double value) { PatternOf(to).SetPatternOn(int(value) == 1); }

void CustomSortOrder(ParamRoute& to, int slot, double value) { StepperOf(to).SetCustomOrder(slot, int(value)); }

void Scale(ParamRoute& to, int, double value) { QuantizerOf(to).SetScale(int(value) - 1); }
void ScaleKey(ParamRoute& to, int, double value) { QuantizerOf(to).SetKey(int(value)); }
void ScaleMode(ParamRoute& to, int, double value) { QuantizerOf(to).SetMode(int(value)); }

// The lanes: the router shows the step editor the value as it is.
void StepLength(ParamRoute& to, int step, double value) { PatternOf(to).SetStepLength(step, value); }
void StepGate(ParamRoute& to, int step, double value) { PatternOf(to).SetStepGate(step, value / 100.0); }
void StepAccent(ParamRoute& to, int step, double value) { PatternOf(to).SetStepAccent(step, value); }
void StepTranspose(ParamRoute& to, int step, double value) { PatternOf(to).SetStepTranspose(step, int(value)); }
void StepDiv(ParamRoute& to, int step, double value) { PatternOf(to).SetStepDiv(step, value + 1.0); }
void StepShift(ParamRoute& to, int step, double value) { PatternOf(to).SetStepShift(step, value); }
void StepData(ParamRoute& to, int step, double value) { PatternOf(to).SetStepData(step, int(value)); }
void StepCC1(ParamRoute& to, int step, double value) { PatternOf(to).SetStepCC(step, 1, int(value)); }
void StepCC2(ParamRoute& to, int step, double value) { PatternOf(to).SetStepCC(step, 2, int(value)); }

void PatternSelection(ParamRoute& to, int, double value) { to.plug->OnPatternChanged(int(value)); }
void SceneSelection(ParamRoute& to, int, double value) { to.plug->OnSceneChanged(int(value)); }

void PatternSwitch(ParamRoute& to, int member, double value)
{
  const int step = member % Scene::kSteps;
  to.engine->GetSceneList()->GetScene(member / Scene::kSteps)->SetStep(step, 0, int(value));
  to.plug->UpdateStepView(kPatternSwitch, step, true);
}

void MidiInChannel(ParamRoute& to, int, double value) { to.plug->SetMidiChannel(true, int(value) + 1); }

void MidiOutChannel(ParamRoute& to, int, double value) { to.plug->SetMidiChannel(false, int(value) + 1); }

void CC1Control(ParamRoute& to, int, double value) { to.plug->SetCCNumber(true, int(value)); }
void CC2Control(ParamRoute& to, int, double value) { to.plug->SetCCNumber(false, int(value)); }
void CC1Teach(ParamRoute& to, int, double value) { to.plug->SetCCTeach(true, int(value) == 1); }
void CC2Teach(ParamRoute& to, int, double value) { to.plug->SetCCTeach(false, int(value) == 1); }

void SplitNoteName(ParamRoute& to, int, double value)
{
  to.splitNoteName = int(value);
  SetSplitNote(to);
}

void SplitNoteNumber(ParamRoute& to, int, double value)
{
  to.splitOctave = int(value);
  SetSplitNote(to);
}

void SplitSide(ParamRoute& to, int, double value) { to.engine->GetSceneList()->SetSplitSide(int(value)); }

// The step editor shows the lane chosen, with its steps' values.
void StepMode(ParamRoute& to, int, double value)
{
  const int v = int(value);
  if (v < 0 || v >= kNumLanes) return;
  const int lane = kLanes[v].base;
  to.view->SetShownLane(lane);
  for (int s = 0; s < kNumSteps; ++s) to.plug->UpdateStepView(lane, s, false);
}

void MidiOutput(ParamRoute& to, int, double value) { to.plug->SetMidiOutputFromParam(int(value)); }

}  // namespace Route
