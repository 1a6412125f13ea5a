#include "PatternStepper.h"

#include "ActionListener.h"
#include "PatternStep.h"
#include "RandomSource.h"
#include "StepTiming.h"

#include <cmath>

PatternStepper::PatternStepper(HeldNote* const* table, ActionListener* listener, PatternStep* steps,
                               const TransportFigures* transport, RandomSource* random)
  : Stepper(0.25, transport), m_scheduled(4096), m_listener(listener), m_schedLength(0.25), m_steps(steps),
    m_table(table), m_random(random)
{
  for (int& c : m_custom) c = -1;
  Reset();
}

PatternStepper::~PatternStepper() { m_scheduled.Empty(true); }

void PatternStepper::Reset()
{
  Stepper::Reset();
  m_customPos = -1;
  m_walk = -1;
  m_heading = 0;
  m_scheduled.Empty(true);
}

double PatternStepper::GetStepLength() const { return m_steps[m_currentStep].length; }

void PatternStepper::SetDirection(int d)
{
  if (d == m_direction) return;
  m_direction = d;
  m_heading = IsDownward() ? 1 : 0;
}

void PatternStepper::SetStepLength(double beats)
{
  m_stepLength = beats;
  m_schedLength = beats;
}

void PatternStepper::SetRestart(double grid, double count)
{
  m_restartGrid = grid;
  m_restartCount = count;
}

void PatternStepper::SetCustomOrder(int slot, int value)
{
  if (slot >= 0 && slot < kCustomSlots) m_custom[slot] = value;
}

void PatternStepper::SetStepCount(int n) { m_stepCount = n < 1 ? 1 : (n > 16 ? 16 : n); }

// --- the note table --------------------------------------------------------

int PatternStepper::HighestOrder() const
{
  int m = -1;
  for (int s = 0; s < 128; ++s)
    if (m_table[s] && m_table[s]->orderIndex > m) m = m_table[s]->orderIndex;
  return m;
}

HeldNote* PatternStepper::NoteByOrder(int index) const
{
  if (index < 0) return nullptr;
  for (int s = 0; s < 128; ++s)
    if (m_table[s] && m_table[s]->orderIndex == index) return m_table[s];
  return nullptr;
}

int PatternStepper::RandomPick() const
{
  int n = 0;
  for (int s = 0; s < 128; ++s) n += m_table[s] != nullptr;
  if (n == 0) return 0;
  int k = m_random->Next() % n;
  if (k < 0) k += n;
  for (int s = 0; s < 128; ++s)
    if (m_table[s] && k-- == 0) return m_table[s]->orderIndex;
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
  m_started = true;
  m_heading = IsDownward() ? 1 : 0;
  m_customPos = -1;
  m_walk = firstStep || (m_patternOn && m_resetWalk) ? WalkStart() : -1;
}

void PatternStepper::Walk()
{
  if (m_customOrderOn) {
    ++m_customPos;
    if (m_customPos >= kCustomSlots || m_custom[m_customPos] == kCustomStop) m_customPos = 0;
  }
  const int data = m_steps[m_currentStep].data;
  if (!(m_patternOn && data >= PatternStep::kOff && data <= PatternStep::kLowest)) m_walk += m_heading ? -1 : 1;

  const int m = HighestOrder();
  const bool alt = m_direction == kUpAlt || m_direction == kDownAlt;
  if (m_walk > m) {
    if (alt) {
      m_heading = 1;
      m_walk -= 2;
    } else
      m_walk = m_direction == kDown ? m : 0;
  } else if (m_walk < 0) {
    if (alt) {
      m_heading = 0;
      m_walk += 2;
    } else
      m_walk = m_direction == kDown ? m : 0;
  }
  if (m_walk > m) m_walk = m;
  if (m_walk < 0) m_walk = 0;
}

HeldNote* PatternStepper::Pick()
{
  const PatternStep& st = m_steps[m_currentStep];
  int t = m_walk;
  if (m_patternOn) {
    switch (st.data) {
      case PatternStep::kPlay:
      case PatternStep::kChord: m_previousPick = t; break;
      case PatternStep::kPrevious: t = m_previousPick; break;
      case PatternStep::kFirst: t = 0; break;
      case PatternStep::kLast:
        t = HighestOrder();
        if (t < 0) t = 0;
        break;
      case PatternStep::kHighest:
      case PatternStep::kLowest:
        for (int i = 0; i < 128; ++i) {
          const int s = st.data == PatternStep::kHighest ? 127 - i : i;
          if (m_table[s]) {
            t = m_table[s]->orderIndex;
            break;
          }
        }
        m_previousPick = t;
        break;
      case PatternStep::kRandom: t = RandomPick(); break;
      default: break;
    }
  } else
    m_previousPick = t;

  HeldNote* candidate = NoteByOrder(t);
  if (!candidate) {
    if (m_patternOn && st.data != PatternStep::kPrevious) m_walk = m_previousPick = 0;
    candidate = NoteByOrder(m_walk);
  }

  if (m_customOrderOn && m_customPos >= 0) {
    const int entry = m_custom[m_customPos];
    int c = entry - 1;
    if (entry == kCustomRandom)
      c = RandomPick();
    else if (entry == kCustomStop)
      c = 0;
    int len = 0;
    while (len < kCustomSlots && m_custom[len] != kCustomStop) ++len;
    t = len >= 1 && m_walk >= len ? c + (m_walk / len) * len : c;
  }

  HeldNote* taken;
  if (!st.on || (m_patternOn && st.data == PatternStep::kOff))
    taken = candidate;
  else {
    taken = NoteByOrder(t);
    if (!taken) taken = NoteByOrder(0);
  }
  if (taken) taken->accent = st.accent;
  return taken;
}

// --- scheduling ------------------------------------------------------------

HeldNote* PatternStepper::MakeTemplate(int k) const
{
  HeldNote* t = new HeldNote;
  t->stepIndex = k;
  if (m_patternOn) {
    const PatternStep& s = m_steps[k];
    t->accent = s.accent;
    t->gate = s.gate;
    t->length = s.length;
    t->div = s.div;
    t->shift = s.shift;
    t->stepTranspose = s.transpose;
    t->cc1 = s.cc1;
    t->cc2 = s.cc2;
    t->silent = !s.on || s.data == PatternStep::kOff;
    t->chord = s.data == PatternStep::kChord;
  }
  return t;
}

void PatternStepper::AddEvent(StepEvent* e)
{
  // A note that still sounds holds the next one back until it has ended.
  const StepEvent* last = m_scheduled.Get(m_scheduled.GetSize() - 1);
  if (last && last->templ->end > e->templ->start && !last->wrapped) e->templ->start = e->start = last->templ->end + 1.0;
  if (!m_scheduled.Add(e)) delete e;
}

double PatternStepper::ScheduleStepAt(int k, double candidate, bool exact, double fixedStart, double samplesPerBeat)
{
  HeldNote* t = MakeTemplate(k);
  const double unit = t->length > 0.0 ? t->length : 1.0;
  const int div = t->div > 1.0 ? (int)std::fmin(t->div, 8.0) : 1;
  const double gate = std::fmin(std::fmax(t->gate + m_gate, 0.1), 8.0);
  double steps = unit, length = m_schedLength;
  if (m_resetOnBeat) {
    steps = m_restartCount;
    length = m_restartGrid;
  }
  const StepTimes st =
      ComputeStepTimes({length, steps, gate, candidate, samplesPerBeat, exact, fixedStart}, *m_transport);
  const double dur = unit * length * samplesPerBeat;

  if (div > 1) {
    const double sub = length / div * samplesPerBeat;
    double s = st.start;
    int j = 0;
    for (int r = 0; r < div; ++r) {
      const double rn = RoundSamples((std::floor((s + 0.5) / sub) + unit) * sub);
      const double re = rn + (sub / div) * (gate - 1.0);
      HeldNote* rt = new HeldNote(NoteOfTemplate(*t));
      rt->ratchetIndex = r;
      rt->ratchet = true;
      rt->start = s;
      rt->end = re;
      rt->next = rn;
      if (t->chord) {
        // Each ratchet of a chord step ends one note of the chord.
        const HeldNote* n = NoteByOrder(j);
        if (n)
          ++j;
        else {
          n = NoteByOrder(0);
          j = 1;
        }
        rt->pitch = n ? n->pitch : -1;
      }
      AddEvent(new StepEvent(rt, s, rn, re, k, st.wrapped));
      s = rn;
    }
    delete t;
    return s;
  }

  double start = st.start, end = st.end;
  if (t->shift == 0.0) {
    const long long n = (long long)RoundSamples(start / dur);
    if (n % 4 == 1 || n % 4 == 3 || n % 4 == -1 || n % 4 == -3) {
      const double d = RoundSamples(dur * m_swing * 0.5);
      start += d;
      end += d;
    }
  } else {
    const double d = dur * t->shift / 100.0;
    start += d;
    end += d;
  }
  if (start < 0.0) start = 0.0;
  if (end <= start && !(m_transport->running && m_transport->cycleActive)) end = start + 1.0;
  t->start = start;
  t->end = end;
  t->next = st.next;
  AddEvent(new StepEvent(t, start, st.next, end, k, st.wrapped));
  return st.next;
}

void PatternStepper::ScheduleStep(double P, double N, double samplesPerBeat)
{
  const StepTime& e = m_times[m_currentStep];
  const int step = m_currentStep >= m_stepCount - 1 ? -1 : m_currentStep;
  m_listener->OnScheduleNextStep(P, step, e.start, e.next, samplesPerBeat);
}

void PatternStepper::NextStep()
{
  if (++m_currentStep >= m_stepCount) {
    m_currentStep = 0;
    if (m_patternOn && m_resetWalk) {
      m_customPos = -1;
      m_walk = WalkStart();
    }
  }
}

void PatternStepper::AdvanceStep(double samplesPerBeat)
{
  StepTime& old = m_times[m_currentStep];
  old.fired = false;
  m_listener->OnStepBoundary();
  const double boundary = old.next;
  NextStep();
  ComputeTimes(boundary, false, boundary, samplesPerBeat);
}

bool PatternStepper::NeedsResync(double P, bool restart, double samplesPerBeat) const
{
  if (!CanTime(P, samplesPerBeat) || m_nextStepTime < 0.0) return false;
  return (restart && P != m_playedTo) || m_times[m_currentStep].next < P;
}

void PatternStepper::Resync(double P, double samplesPerBeat)
{
  m_scheduled.Empty(true);
  // A step that ended where the timeline jumped (a loop end) is over.
  if (m_times[m_currentStep].next <= m_playedTo) NextStep();
  // Grid points are whole samples; one that lies inside the sample where
  // the timeline lands (a loop end between samples) starts its step now.
  ComputeTimes(std::floor(P), false, -1.0, samplesPerBeat);
}

// --- playing ---------------------------------------------------------------

void PatternStepper::PlayBlock(double P, double N, double samplesPerBeat, bool restart, double O)
{
  // Ends and starts in time order; at one time ends come first. Anything
  // already due is handled at once, never before what was handled last.
  const double end = P + N;
  double now = P;
  for (;;) {
    int best = -1;
    double bestTime = end;
    bool bestIsEnd = false;
    for (int i = 0; i < m_scheduled.GetSize(); ++i) {
      const StepEvent* e = m_scheduled.Get(i);
      const double tm = std::fmax(e->fired ? e->end : e->start, now);
      if (tm < bestTime || (tm == bestTime && best >= 0 && e->fired && !bestIsEnd)) {
        best = i;
        bestTime = tm;
        bestIsEnd = e->fired;
      }
    }
    if (best < 0) return;
    now = bestTime;
    StepEvent* e = m_scheduled.Get(best);
    e->firedOffset = now - P + O;
    if (bestIsEnd) {
      m_scheduled.Delete(best);
      m_listener->OnNoteEnd(e);
      delete e;
    } else {
      e->fired = true;
      if (e->stepIndex >= 0 && e->stepIndex < kTimeSlots) m_times[e->stepIndex].fired = true;
      m_listener->OnStepEvent(e);
    }
  }
}
