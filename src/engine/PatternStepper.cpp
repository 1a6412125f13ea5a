#include "PatternStepper.h"

#include "ActionListener.h"
#include "PatternStep.h"
#include "RandomSource.h"
#include "StepTiming.h"

#include <cmath>

PatternStepper::PatternStepper(HeldNote* const* table, ActionListener* listener, PatternStep* steps,
                               const TransportFigures* transport, RandomSource* random, int* dryCount)
  : Stepper(0.25, transport), mScheduled(kStepEvents, dryCount), mListener(listener), mSchedLength(0.25), mSteps(steps),
    mTable(table), mRandom(random)
{
  for (int& c : mCustom) c = -1;
  Reset();
}

void PatternStepper::Reset()
{
  Stepper::Reset();
  mCustomPos = -1;
  mWalk = -1;
  mHeading = 0;
  ClearScheduled();
}

double PatternStepper::GetStepLength() const { return mSteps[mCurrentStep].length; }

void PatternStepper::SetDirection(int d)
{
  if (d == mDirection) return;
  mDirection = d;
  mHeading = IsDownward() ? 1 : 0;
}

void PatternStepper::SetStepLength(double beats)
{
  mStepLength = beats;
  mSchedLength = beats;
}

void PatternStepper::SetRestart(double grid, double count)
{
  mRestartGrid = grid;
  mRestartCount = count;
}

void PatternStepper::SetCustomOrder(int slot, int value)
{
  if (slot >= 0 && slot < kCustomSlots) mCustom[slot] = value;
}

void PatternStepper::SetStepCount(int n) { mStepCount = n < 1 ? 1 : (n > 16 ? 16 : n); }

// --- the note table --------------------------------------------------------

int PatternStepper::HighestOrder() const
{
  int m = -1;
  for (int s = 0; s < 128; ++s)
    if (mTable[s] && mTable[s]->orderIndex > m) m = mTable[s]->orderIndex;
  return m;
}

HeldNote* PatternStepper::NoteByOrder(int index) const
{
  if (index < 0) return nullptr;
  for (int s = 0; s < 128; ++s)
    if (mTable[s] && mTable[s]->orderIndex == index) return mTable[s];
  return nullptr;
}

int PatternStepper::RandomPick() const
{
  int n = 0;
  for (int s = 0; s < 128; ++s) n += mTable[s] != nullptr;
  if (n == 0) return 0;
  int k = mRandom->Next() % n;
  if (k < 0) k += n;
  for (int s = 0; s < 128; ++s)
    if (mTable[s] && k-- == 0) return mTable[s]->orderIndex;
  return 0;
}

// --- walk and pick ---------------------------------------------------------

int PatternStepper::WalkStart() const
{
  // A downward walk over a fresh chord starts on its highest note: one
  // above it, so that the first move lands there.
  return IsDownward() ? HighestOrder() + 1 : -1;
}

void PatternStepper::PrepareWalk(bool firstStep)
{
  mStarted = true;
  mHeading = IsDownward() ? 1 : 0;
  mCustomPos = -1;
  mWalk = firstStep || (mPatternOn && mResetWalk) ? WalkStart() : -1;
}

void PatternStepper::Walk()
{
  if (mCustomOrderOn) {
    ++mCustomPos;
    if (mCustomPos >= kCustomSlots || mCustom[mCustomPos] == kCustomStop) mCustomPos = 0;
  }
  const int data = mSteps[mCurrentStep].data;
  if (!(mPatternOn && data >= PatternStep::kOff && data <= PatternStep::kLowest)) mWalk += mHeading ? -1 : 1;

  const int m = HighestOrder();
  const bool alt = mDirection == kUpAlt || mDirection == kDownAlt;
  if (mWalk > m) {
    if (alt) {
      mHeading = 1;
      mWalk -= 2;
    } else
      mWalk = mDirection == kDown ? m : 0;
  } else if (mWalk < 0) {
    if (alt) {
      mHeading = 0;
      mWalk += 2;
    } else
      mWalk = mDirection == kDown ? m : 0;
  }
  if (mWalk > m) mWalk = m;
  if (mWalk < 0) mWalk = 0;
}

HeldNote* PatternStepper::Pick()
{
  const PatternStep& st = mSteps[mCurrentStep];
  int t = mWalk;
  if (mPatternOn) {
    switch (st.data) {
      case PatternStep::kPlay:
      case PatternStep::kChord: mPreviousPick = t; break;
      case PatternStep::kPrevious: t = mPreviousPick; break;
      case PatternStep::kFirst: t = 0; break;
      case PatternStep::kLast:
        t = HighestOrder();
        if (t < 0) t = 0;
        break;
      case PatternStep::kHighest:
      case PatternStep::kLowest:
        for (int i = 0; i < 128; ++i) {
          const int s = st.data == PatternStep::kHighest ? 127 - i : i;
          if (mTable[s]) {
            t = mTable[s]->orderIndex;
            break;
          }
        }
        mPreviousPick = t;
        break;
      case PatternStep::kRandom: t = RandomPick(); break;
      default: break;
    }
  } else
    mPreviousPick = t;

  HeldNote* candidate = NoteByOrder(t);
  if (!candidate) {
    if (mPatternOn && st.data != PatternStep::kPrevious) mWalk = mPreviousPick = 0;
    candidate = NoteByOrder(mWalk);
  }

  if (mCustomOrderOn && mCustomPos >= 0) {
    const int entry = mCustom[mCustomPos];
    int c = entry - 1;
    if (entry == kCustomRandom)
      c = RandomPick();
    else if (entry == kCustomStop)
      c = 0;
    int len = 0;
    while (len < kCustomSlots && mCustom[len] != kCustomStop) ++len;
    t = len >= 1 && mWalk >= len ? c + (mWalk / len) * len : c;
  }

  HeldNote* taken;
  if (!st.on || (mPatternOn && st.data == PatternStep::kOff))
    taken = candidate;
  else {
    taken = NoteByOrder(t);
    if (!taken) taken = NoteByOrder(0);
  }
  if (taken) taken->accent = st.accent;
  return taken;
}

// --- scheduling ------------------------------------------------------------

HeldNote PatternStepper::MakeTemplate(int k) const
{
  HeldNote t;
  t.stepIndex = k;
  if (mPatternOn) {
    const PatternStep& s = mSteps[k];
    t.accent = s.accent;
    t.gate = s.gate;
    t.length = s.length;
    t.div = s.div;
    t.shift = s.shift;
    t.stepTranspose = s.transpose;
    t.cc1 = s.cc1;
    t.cc2 = s.cc2;
    t.silent = !s.on || s.data == PatternStep::kOff;
    t.chord = s.data == PatternStep::kChord;
  }
  return t;
}

void PatternStepper::AddEvent(const HeldNote& tmpl, double start, double next, double end, int k, bool wrapped)
{
  StepEvent* e = mScheduled.Make(tmpl, start, next, end, k, wrapped);
  if (!e) return;
  e->templ.start = start;
  e->templ.end = end;
  // A note that still sounds holds the next one back until it has ended,
  // and the held-back note keeps its end. One held back so far that it
  // would be shorter than the shortest note is not played: it stays, at
  // its own times and silent, for the walk and the step times, and holds
  // nothing back, so that notes faster than they end never pile up.
  bool holds = true;
  const StepEvent* last = mScheduled.LastHolding();
  if (last && last->templ.end > start && !last->wrapped) {
    const double held = last->templ.end + 1.0;
    if (end - held < kShortestNote) {
      e->templ.silent = true;
      holds = false;
    } else
      e->templ.start = e->start = held;
  }
  mScheduled.Schedule(e, holds);
}

double PatternStepper::ScheduleStepAt(int k, double candidate, bool exact, double fixedStart, double samplesPerBeat)
{
  HeldNote t = MakeTemplate(k);
  const double unit = t.length > 0.0 ? t.length : 1.0;
  const int div = t.div > 1.0 ? (int)std::fmin(t.div, 8.0) : 1;
  const double gate = std::fmin(std::fmax(t.gate + mGate, 0.1), 8.0);
  double steps = unit, length = mSchedLength;
  if (mResetOnBeat) {
    steps = mRestartCount;
    length = mRestartGrid;
  }
  const StepTimes st =
      ComputeStepTimes({length, steps, gate, candidate, samplesPerBeat, exact, fixedStart}, *mTransport);
  const double dur = unit * length * samplesPerBeat;

  if (div > 1) {
    const double sub = length / div * samplesPerBeat;
    double s = st.start;
    int j = 0;
    for (int r = 0; r < div; ++r) {
      const double rn = RoundSamples((std::floor((s + 0.5) / sub) + unit) * sub);
      const double re = rn + (sub / div) * (gate - 1.0);
      HeldNote rt = NoteOfTemplate(t);
      rt.ratchetIndex = r;
      rt.ratchet = true;
      rt.next = rn;
      if (t.chord) {
        // Each ratchet of a chord step ends one note of the chord.
        const HeldNote* n = NoteByOrder(j);
        if (n)
          ++j;
        else {
          n = NoteByOrder(0);
          j = 1;
        }
        rt.pitch = n ? n->pitch : -1;
      }
      AddEvent(rt, s, rn, re, k, st.wrapped);
      s = rn;
    }
    return s;
  }

  double start = st.start, end = st.end;
  if (t.shift == 0.0) {
    const long long n = (long long)RoundSamples(start / dur);
    if (n % 4 == 1 || n % 4 == 3 || n % 4 == -1 || n % 4 == -3) {
      const double d = RoundSamples(dur * mSwing * 0.5);
      start += d;
      end += d;
    }
  } else {
    const double d = dur * t.shift / 100.0;
    start += d;
    end += d;
  }
  if (start < 0.0) start = 0.0;
  if (end <= start && !(mTransport->running && mTransport->cycleActive)) end = start + 1.0;
  t.next = st.next;
  AddEvent(t, start, st.next, end, k, st.wrapped);
  return st.next;
}

void PatternStepper::ScheduleStep(double pieceStart, double pieceLength, double samplesPerBeat)
{
  const int current = mCurrentStep;
  const StepTime& e = mTimes[current];
  const int step = current >= mStepCount - 1 ? -1 : current;
  mListener->OnScheduleNextStep(pieceStart, step, e.start, e.next, samplesPerBeat);
}

void PatternStepper::NextStep()
{
  if (++mCurrentStep >= mStepCount) {
    mCurrentStep = 0;
    if (mPatternOn && mResetWalk) {
      mCustomPos = -1;
      mWalk = WalkStart();
    }
  }
}

void PatternStepper::AdvanceStep(double samplesPerBeat)
{
  StepTime& old = mTimes[mCurrentStep];
  old.fired = false;
  mListener->OnStepBoundary();
  const double boundary = old.next;
  NextStep();
  ComputeTimes(boundary, false, boundary, samplesPerBeat);
}

bool PatternStepper::NeedsResync(double pieceStart, bool restart, double samplesPerBeat) const
{
  if (!CanTime(pieceStart, samplesPerBeat) || mNextStepTime < 0.0) return false;
  return (restart && pieceStart != mPlayedTo) || mTimes[mCurrentStep].next < pieceStart;
}

void PatternStepper::Resync(double pieceStart, double samplesPerBeat)
{
  ClearScheduled();
  // A step that ended where the timeline jumped (a loop end) is over.
  if (mTimes[mCurrentStep].next <= mPlayedTo) NextStep();
  // Grid points are whole samples; one that lies inside the sample where
  // the timeline lands (a loop end between samples) starts its step now.
  ComputeTimes(std::floor(pieceStart), false, -1.0, samplesPerBeat);
}

// --- playing ---------------------------------------------------------------

void PatternStepper::PlayBlock(double pieceStart, double pieceLength, double samplesPerBeat, bool restart,
                               double pieceOffset)
{
  // Ends and starts in time order; at one time ends come first. Anything
  // already due is handled at once, never before what was handled last.
  double now = pieceStart;
  while (StepEvent* e = mScheduled.Next(&now, pieceStart + pieceLength)) {
    e->firedOffset = now - pieceStart + pieceOffset;
    if (e->fired) {
      mListener->OnNoteEnd(e);
      mScheduled.Ended(e);
    } else {
      mScheduled.Fired(e);
      if (e->stepIndex >= 0 && e->stepIndex < kTimeSlots) mTimes[e->stepIndex].fired = true;
      mListener->OnStepEvent(e);
    }
  }
}
