#include "PatternEngine.h"

#include "EngineHolder.h"
#include "NoteEngine.h"
#include "PatternViewLink.h"
#include "StepTiming.h"

#include <cmath>

PatternEngine::PatternEngine(EngineHolder* engine)
  : m_sounding(4096), m_stepper(m_table, this, m_steps, &engine->GetTransport(), engine->GetRandomSource()),
    m_engine(engine)
{
  for (HeldNote*& n : m_table) n = nullptr;
}

PatternEngine::~PatternEngine()
{
  m_sounding.Empty(true);
  ClearTable();
}

// --- settings --------------------------------------------------------------

void PatternEngine::SetStepOn(int step, bool on)
{
  if (ValidStep(step)) m_steps[step].on = on;
}

void PatternEngine::SetStepGate(int step, double gate)
{
  if (ValidStep(step)) m_steps[step].gate = gate;
}

void PatternEngine::SetStepLength(int step, double length)
{
  if (ValidStep(step)) m_steps[step].length = length;
}

void PatternEngine::SetStepAccent(int step, double accent)
{
  if (ValidStep(step)) m_steps[step].accent = accent;
}

void PatternEngine::SetStepTranspose(int step, int transpose)
{
  if (ValidStep(step)) m_steps[step].transpose = transpose;
}

void PatternEngine::SetStepData(int step, int data)
{
  if (ValidStep(step)) m_steps[step].data = data;
}

void PatternEngine::SetStepDiv(int step, double div)
{
  if (ValidStep(step)) m_steps[step].div = div;
}

void PatternEngine::SetStepShift(int step, double shift)
{
  if (ValidStep(step)) m_steps[step].shift = shift;
}

void PatternEngine::SetStepCC(int step, int lane, int value)
{
  if (!ValidStep(step)) return;
  if (lane == 1)
    m_steps[step].cc1 = value;
  else
    m_steps[step].cc2 = value;
}

void PatternEngine::SetGate(double gate)
{
  m_gate = gate == 0.0 ? 0.1 : gate;
  m_stepper.SetGate(m_gate);
}

void PatternEngine::SetDirection(int d)
{
  m_direction = d;
  m_stepper.SetDirection(d);
}

void PatternEngine::SetCustomSortOrder(bool on)
{
  m_customOrderOn = on;
  m_stepper.SetCustomOrderOn(on);
}

void PatternEngine::SetOctaves(int n)
{
  if (n < 0) n = 0;
  if (n > 11) n = 11;
  if (n == m_octaves) return;
  const int old = m_octaves;
  m_octaves = n;
  RebuildOctaveCopies(old);
}

void PatternEngine::SetPatternOn(bool on)
{
  m_patternOn = on;
  m_stepper.SetPatternOn(on);
  if (!on) ResetStepper(0.0);
}

void PatternEngine::SetRate(double beats)
{
  if (beats == m_rate) return;
  m_rate = beats;
  Recompute();
}

void PatternEngine::SetRateType(int type)
{
  if (type == m_rateType) return;
  m_rateType = type;
  Recompute();
}

void PatternEngine::SetResetOnBeat(bool on)
{
  m_resetOnBeat = on;
  m_stepper.SetResetOnBeat(on);
  Recompute();
}

void PatternEngine::SetResetOnBeatValue(double beats)
{
  m_resetValue = beats;
  Recompute();
}

void PatternEngine::Recompute()
{
  const double factor = m_rateType == kTriplet ? 2.0 / 3.0 : (m_rateType == kDotted ? 1.5 : 1.0);
  // The type factor always applies, so the result does not depend on which
  // of the four settings changed last; the events follow the same grid.
  if (m_resetOnBeat && m_rate > m_resetValue) {
    m_stepLength = m_resetValue * factor;
    m_stepper.SetRestart(0.25, m_stepLength / 0.25);
  } else {
    m_stepLength = m_rate * factor;
    m_stepper.SetRestart(m_stepLength, 1.0);
  }
  m_stepper.SetStepLength(m_stepLength);
  EndAllNotes();
}

// --- playing ---------------------------------------------------------------

void PatternEngine::ResetStepper(double offset)
{
  // What the stepper had started must not outlive it.
  EndAllNotesAt(offset);
  m_stepper.Reset();
}

void PatternEngine::Advance(double P, double N, double samplesPerBeat, bool restart, double O)
{
  m_samplesPerBeat = samplesPerBeat;
  if (!m_stepper.IsStarted()) m_stepper.PrepareWalk(m_firstStep);
  if (m_stepper.NeedsResync(P, restart, samplesPerBeat)) {
    EndAllNotesAt(O);
    m_stepper.Resync(P, samplesPerBeat);
    m_firstStep = true;
  }

  const double end = P + N;
  const double grid = samplesPerBeat * m_resetValue;
  const bool resets = m_heldCount > 0 && m_resetOnBeat && m_patternOn && std::isfinite(grid) && grid >= 1.0;
  const auto play = [&](double from, double to) {
    if (!m_stepper.IsStarted()) m_stepper.PrepareWalk(m_firstStep);
    m_stepper.Process(from, to - from, samplesPerBeat, restart, O + (from - P));
  };
  double p = P;
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
    EndAllNotesAt(O + (g - P));
    m_stepper.Reset();
    m_firstStep = true;
    p = g;
    atGrid = true;
  }
}

void PatternEngine::OnScheduleNextStep(double blockStart, int step, double stepTime, double nextTime,
                                       double samplesPerBeat)
{
  const int count = m_stepper.GetStepCount();
  if (m_firstStep) {
    // The step that begins now plays itself, at its exact time.
    m_firstStep = false;
    const int k = step < 0 ? count - 1 : step;
    const double next = m_stepper.ScheduleStepAt(k, stepTime, true, -1.0, m_samplesPerBeat);
    m_stepper.ScheduleStepAt((k + 1) % count, next, false, next, m_samplesPerBeat);
  } else
    m_stepper.ScheduleStepAt((step + 1) % count, nextTime, false, nextTime, m_samplesPerBeat);
}

void PatternEngine::OnStepEvent(StepEvent* event)
{
  HeldNote* t = event->templ;
  if (t->chord) {
    StartChord(*t, event->firedOffset);
    return;
  }
  if (!(t->ratchet && t->ratchetIndex > 0)) m_stepper.Walk();
  const HeldNote* note = m_stepper.Pick();
  if (!note) return;
  t->pitch = note->pitch;
  t->velocity = m_velocity.Pick(*note, m_steps);
  t->transposition = m_scale.Quantize(note->pitch + m_transpose + t->stepTranspose) - note->pitch;
  HeldNote* copy = new HeldNote(*t);
  StartNote(copy, event->firedOffset);
  ++t->soundingCount;
}

void PatternEngine::OnNoteEnd(StepEvent* event)
{
  HeldNote* t = event->templ;
  if (t->pitch >= 0) m_engine->GetNoteEngine()->AddNoteOff(new NoteEvent(*t, event->firedOffset, false));
  if (t->soundingCount-- == 1) RemoveSoundingNote(t->pitch);
}

void PatternEngine::StartNote(HeldNote* copy, double time)
{
  if (!copy->silent)
    if (const HeldNote* s = FindSounding(copy->pitch)) EndNote(s->pitch, time);
  copy->time = time;
  if (!m_sounding.Add(copy)) {
    delete copy;
    return;
  }
  ++copy->soundingCount;
  ++m_soundingCount;
  if (!copy->silent) m_engine->GetNoteEngine()->AddNoteOn(new NoteEvent(*copy, time, true));
}

void PatternEngine::StartChord(const HeldNote& t, double time)
{
  // A silent chord starts nothing: chord notes are not ended by their step,
  // so silent copies would only pile up.
  if (t.silent) return;
  for (int s = 0; s < 128; ++s) {
    if (!m_table[s]) continue;
    HeldNote* n = new HeldNote(NoteOfTemplate(t));
    n->pitch = m_table[s]->pitch;
    StartNote(n, time);
  }
}

HeldNote* PatternEngine::FindSounding(int pitch) const
{
  for (int i = 0; i < m_sounding.GetSize(); ++i)
    if (m_sounding.Get(i)->pitch == pitch) return m_sounding.Get(i);
  return nullptr;
}

void PatternEngine::EndNote(int pitch, double offset)
{
  const HeldNote* s = FindSounding(pitch);
  if (!s) return;
  m_engine->GetNoteEngine()->AddNoteOff(new NoteEvent(*s, offset, false));
  RemoveSoundingNote(pitch);
}

void PatternEngine::RemoveSoundingNote(int pitch)
{
  for (int i = 0; i < m_sounding.GetSize();) {
    if (m_sounding.Get(i)->pitch == pitch) {
      m_sounding.Delete(i, true);
      --m_soundingCount;
    } else
      ++i;
  }
}

void PatternEngine::EndAllNotesAt(double offset)
{
  while (m_sounding.GetSize() > 0) EndNote(m_sounding.Get(0)->pitch, offset);
  m_soundingCount = 0;
  m_engine->GetViewLink()->Notify(PatternViewLink::kNotesCleared);
}

void PatternEngine::Stop(double time)
{
  NoteEngine* hub = m_engine->GetNoteEngine();
  for (int i = 0; i < m_sounding.GetSize(); ++i) {
    HeldNote* s = m_sounding.Get(i);
    hub->AddNoteOff(new NoteEvent(*s, time, false));
    --s->soundingCount;
  }
  for (int i = 0; i < m_sounding.GetSize();) {
    if (m_sounding.Get(i)->soundingCount <= 0)
      RemoveSoundingNote(m_sounding.Get(i)->pitch);
    else
      ++i;
  }
  Clear(time);
}

void PatternEngine::Clear(double offset)
{
  m_stepper.Reset();
  EndAllNotesAt(offset);
  m_heldCount = 0;
  m_sounding.Empty(true);
  ClearTable();
}

void PatternEngine::ClearAccents()
{
  for (HeldNote* n : m_table)
    if (n) n->accent = 0.0;
}
