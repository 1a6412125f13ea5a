#include "PatternEngine.h"

#include "EngineHolder.h"
#include "NoteEngine.h"
#include "PatternViewLink.h"
#include "StepTiming.h"

#include <cmath>

namespace {

// The note a copy is heard as.
int SentNote(const HeldNote& n) { return n.pitch + n.transposition; }

}  // namespace

PatternEngine::PatternEngine(EngineHolder* engine)
  : mSounding(kSoundingNotes, engine->DryCounter()),
    mStepper(mTable, this, mSteps, &engine->GetTransport(), engine->GetRandomSource(), engine->DryCounter()),
    mEngine(engine)
{
  for (HeldNote*& n : mTable) n = nullptr;
}

// --- settings --------------------------------------------------------------

void PatternEngine::SetStepOn(int step, bool on)
{
  if (ValidStep(step)) mSteps[step].on = on;
}

void PatternEngine::SetStepGate(int step, double gate)
{
  if (ValidStep(step)) mSteps[step].gate = gate;
}

void PatternEngine::SetStepLength(int step, double length)
{
  if (ValidStep(step)) mSteps[step].length = length;
}

void PatternEngine::SetStepAccent(int step, double accent)
{
  if (ValidStep(step)) mSteps[step].accent = accent;
}

void PatternEngine::SetStepTranspose(int step, int transpose)
{
  if (ValidStep(step)) mSteps[step].transpose = transpose;
}

void PatternEngine::SetStepData(int step, int data)
{
  if (ValidStep(step)) mSteps[step].data = data;
}

void PatternEngine::SetStepDiv(int step, double div)
{
  if (ValidStep(step)) mSteps[step].div = div;
}

void PatternEngine::SetStepShift(int step, double shift)
{
  if (ValidStep(step)) mSteps[step].shift = shift;
}

void PatternEngine::SetStepCC(int step, int lane, int value)
{
  if (!ValidStep(step)) return;
  if (lane == 1)
    mSteps[step].cc1 = value;
  else
    mSteps[step].cc2 = value;
}

void PatternEngine::SetGate(double gate)
{
  mGate = gate == 0.0 ? 0.1 : gate;
  mStepper.SetGate(mGate);
}

void PatternEngine::SetDirection(int d)
{
  mDirection = d;
  mStepper.SetDirection(d);
}

void PatternEngine::SetCustomSortOrder(bool on)
{
  mCustomOrderOn = on;
  mStepper.SetCustomOrderOn(on);
}

void PatternEngine::SetOctaves(int n)
{
  if (n < 0) n = 0;
  if (n > 11) n = 11;
  if (n == mOctaves) return;
  const int old = mOctaves;
  mOctaves = n;
  RebuildOctaveCopies(old);
}

void PatternEngine::SetPatternOn(bool on)
{
  mPatternOn = on;
  mStepper.SetPatternOn(on);
  if (!on) ResetStepper(0.0);
}

void PatternEngine::SetRate(double beats)
{
  if (beats == mRate) return;
  mRate = beats;
  Recompute();
}

void PatternEngine::SetRateType(int type)
{
  if (type == mRateType) return;
  mRateType = type;
  Recompute();
}

void PatternEngine::SetResetOnBeat(bool on)
{
  mResetOnBeat = on;
  mStepper.SetResetOnBeat(on);
  Recompute();
}

void PatternEngine::SetResetOnBeatValue(double beats)
{
  mResetValue = beats;
  Recompute();
}

void PatternEngine::Recompute()
{
  const double factor = mRateType == kTriplet ? 2.0 / 3.0 : (mRateType == kDotted ? 1.5 : 1.0);
  // The type factor always applies, so the result does not depend on which
  // of the four settings changed last; the events follow the same grid.
  if (mResetOnBeat && mRate > mResetValue) {
    mStepLength = mResetValue * factor;
    mStepper.SetRestart(0.25, mStepLength / 0.25);
  } else {
    mStepLength = mRate * factor;
    mStepper.SetRestart(mStepLength, 1.0);
  }
  mStepper.SetStepLength(mStepLength);
  EndAllNotes();
}

// --- playing ---------------------------------------------------------------

void PatternEngine::ResetStepper(double offset)
{
  // What the stepper had started must not outlive it.
  EndAllNotesAt(offset);
  mStepper.Reset();
}

void PatternEngine::Advance(double pieceStart, double pieceLength, double samplesPerBeat, bool restart,
                            double pieceOffset)
{
  mSamplesPerBeat = samplesPerBeat;
  if (!mStepper.IsStarted()) mStepper.PrepareWalk(mFirstStep);
  if (mStepper.NeedsResync(pieceStart, restart, samplesPerBeat)) {
    EndAllNotesAt(pieceOffset);
    mStepper.Resync(pieceStart, samplesPerBeat);
    mFirstStep = true;
  }

  const double end = pieceStart + pieceLength;
  const double grid = samplesPerBeat * mResetValue;
  const bool resets = mHeldCount > 0 && mResetOnBeat && mPatternOn && std::isfinite(grid) && grid >= 1.0;
  const auto play = [&](double from, double to) {
    if (!mStepper.IsStarted()) mStepper.PrepareWalk(mFirstStep);
    mStepper.Process(from, to - from, samplesPerBeat, restart, pieceOffset + (from - pieceStart));
  };
  double p = pieceStart;
  bool atGrid = false;  // p is a grid point already handled
  for (;;) {
    double g = end;
    if (resets) {
      double k = std::floor(p / grid);
      g = RoundSamples(k * grid);
      while (g < p || (atGrid && g <= p)) g = RoundSamples(++k * grid);
    }
    if (g >= end) {
      play(p, end);
      return;
    }
    if (g > p) play(p, g);
    EndAllNotesAt(pieceOffset + (g - pieceStart));
    mStepper.Reset();
    mFirstStep = true;
    p = g;
    atGrid = true;
  }
}

void PatternEngine::OnScheduleNextStep(double pieceStart, int step, double stepTime, double nextTime,
                                       double samplesPerBeat)
{
  const int count = mStepper.GetStepCount();
  if (mFirstStep) {
    // The step that begins now plays itself, at its exact time.
    mFirstStep = false;
    const int k = step < 0 ? count - 1 : step;
    const double next = mStepper.ScheduleStepAt(k, stepTime, true, -1.0, mSamplesPerBeat);
    mStepper.ScheduleStepAt((k + 1) % count, next, false, next, mSamplesPerBeat);
  } else
    mStepper.ScheduleStepAt((step + 1) % count, nextTime, false, nextTime, mSamplesPerBeat);
}

void PatternEngine::OnStepEvent(StepEvent* event)
{
  HeldNote& t = event->templ;
  if (t.chord) {
    StartChord(t, event->firedOffset);
    return;
  }
  if (!(t.ratchet && t.ratchetIndex > 0)) mStepper.Walk();
  const HeldNote* note = mStepper.Pick();
  if (!note) return;
  t.pitch = note->pitch;
  t.velocity = mVelocity.Pick(*note, mSteps);
  t.transposition = mScale.Quantize(note->pitch + mTranspose + t.stepTranspose) - note->pitch;
  t.serial = StartNote(t, event->firedOffset);
}

void PatternEngine::OnNoteEnd(StepEvent* event)
{
  if (event->templ.serial) EndSounding(mSounding.FindSerial(event->templ.serial), event->firedOffset);
}

int PatternEngine::StartNote(const HeldNote& note, double time)
{
  if (!mSounding.HasRoom()) return 0;
  if (!note.silent) EndSounding(mSounding.FindHeard(SentNote(note)), time);
  HeldNote* copy = mSounding.Add(note);
  copy->time = time;
  ++mSoundingCount;
  mEngine->GetViewLink()->NoteStarted(this, *copy);
  if (!copy->silent && !mEngine->GetNoteEngine()->AddNoteOn(*copy, time)) {
    RemoveSounding(copy);
    return 0;
  }
  return copy->serial;
}

void PatternEngine::StartChord(HeldNote& t, double time)
{
  // A silent chord starts nothing: chord notes are not ended by their step,
  // so silent copies would only pile up.
  if (t.silent) return;
  for (int s = 0; s < 128; ++s) {
    if (!mTable[s]) continue;
    HeldNote n = NoteOfTemplate(t);
    n.pitch = mTable[s]->pitch;
    const int serial = StartNote(n, time);
    // A chord ratchet ends the one note it names.
    if (n.pitch == t.pitch) t.serial = serial;
  }
}

void PatternEngine::EndSounding(HeldNote* copy, double offset)
{
  if (!copy) return;
  if (!copy->silent) mEngine->GetNoteEngine()->AddNoteOff(*copy, offset);
  RemoveSounding(copy);
}

void PatternEngine::RemoveSounding(HeldNote* copy)
{
  mEngine->GetViewLink()->NoteStopped(this, *copy);
  mSounding.Remove(copy);
  --mSoundingCount;
}

void PatternEngine::EndKeyNotes(int pitch, double offset)
{
  for (HeldNote* c = mSounding.LastOfPitch(pitch); c;) {
    HeldNote* earlier = mSounding.EarlierOfPitch(c);
    EndSounding(c, offset);
    c = earlier;
  }
}

void PatternEngine::EndAllNotesAt(double offset)
{
  while (HeldNote* c = mSounding.First()) EndSounding(c, offset);
  mSoundingCount = 0;
  mEngine->GetViewLink()->NotesCleared();
}

void PatternEngine::Clear(double offset)
{
  mStepper.Reset();
  EndAllNotesAt(offset);
  mHeldCount = 0;
  ClearTable();
}

void PatternEngine::ClearAccents()
{
  for (HeldNote* n : mTable)
    if (n) n->accent = 0.0;
}
