#include "NoteEngine.h"

#include "EngineHolder.h"
#include "PatternEngine.h"
#include "PatternList.h"
#include "PatternViewLink.h"
#include "Scene.h"

#include <cmath>

NoteEngine::NoteEngine(EngineHolder* engine) : m_output(4096), m_engine(engine)
{
  for (int& k : m_keys) k = kUp;
}

NoteEngine::~NoteEngine()
{
  m_pending.Empty(true);
  m_incoming.Empty(true);
  m_output.Empty(true);
}

void NoteEngine::Queue(NoteRecord* record)
{
  if (!m_incoming.Add(record)) delete record;
}

void NoteEngine::NoteOn(int pitch, int velocity, int offset)
{
  if (pitch < 0 || pitch > 127) return;
  Queue(new NoteRecord(pitch, offset, true, velocity));
}

void NoteEngine::NoteOff(int pitch, int offset)
{
  // Queued whatever the key's state and in arrival order, so that a key
  // pressed and released inside one block ends up released.
  if (pitch < 0 || pitch > 127) return;
  Queue(new NoteRecord(pitch, offset, false, 127));
}

void NoteEngine::BeginBlock(double position)
{
  const TransportFigures& tf = m_engine->GetTransport();
  const bool cycle = tf.cycleActive && tf.loopEnd > tf.loopStart;
  for (int i = 0; i < m_incoming.GetSize(); ++i) {
    NoteRecord* r = m_incoming.Get(i);
    const double at = position + r->offset;
    // A chord played just ahead of the loop end belongs to the next pass.
    if (cycle && at >= tf.loopEnd - 100.0 && at < tf.loopEnd) {
      r->due += std::trunc(tf.loopEnd - at);
      r->offset = 0.0;
    }
    if (!m_pending.Add(r)) delete r;
  }
  m_incoming.Empty(false);
  if (m_downKeys >= 1) m_stopped = false;
  m_elapsed = 0.0;
}

int NoteEngine::NextEventOffset(double position, int rest, double loopEnd)
{
  double limit = rest;
  if (loopEnd > 0.0 && loopEnd > position && loopEnd <= position + rest) limit = loopEnd - position;

  double n = limit;
  const int count = m_pending.GetSize();
  if (count > 0) {
    if (DeliverNotes(position))
      n = 1.0;
    else {
      // Cut at the earliest record, so that none is delivered late.
      for (int i = 0; i < count; ++i) n = std::fmin(n, m_pending.Get(i)->due);
    }
  }
  int piece = (int)n;
  if (piece < 1 && n > 0.0) piece = 1;
  if (piece > rest) piece = rest;
  if (piece < 0) piece = 0;
  for (int i = 0; i < m_pending.GetSize(); ++i) m_pending.Get(i)->due -= piece;
  m_elapsed += piece;
  return piece;
}

void NoteEngine::KeyReleased(double time)
{
  if (--m_downKeys == 0 && m_listener) m_listener->OnAllNotesOff(time);
}

bool NoteEngine::DeliverNotes(double position)
{
  bool removed = false;
  const double time = m_elapsed;
  for (int i = 0; i < m_pending.GetSize();) {
    NoteRecord* r = m_pending.Get(i);
    if (r->due > 0.0) {
      ++i;
      continue;
    }
    m_pending.Delete(i);
    removed = true;
    if (m_listener) {
      const int p = r->pitch;
      if (r->on && m_keys[p] == kUp) {
        m_listener->NoteOn(position, time, p, r->velocity);
        m_keys[p] = kDown;
        ++m_downKeys;
        // A key that comes and goes inside one block must still be stopped.
        m_stopped = false;
      } else if (r->on) {
        if (m_listener->NoteOff(position, time, p)) {
          KeyReleased(time);
          ++m_downKeys;
          m_listener->NoteOn(position, time, p, r->velocity);
        }
      } else if (m_keys[p] == kDown && m_listener->NoteOff(position, time, p)) {
        m_keys[p] = kUp;
        KeyReleased(time);
      }
    }
    delete r;
  }
  return removed;
}

void NoteEngine::Append(NoteEvent* event, bool on)
{
  event->on = on;
  if (!m_output.Add(event)) delete event;
  m_engine->GetViewLink()->Notify(PatternViewLink::kNotesChanged);
}

void NoteEngine::AddNoteOn(NoteEvent* event) { Append(event, true); }

void NoteEngine::AddNoteOff(NoteEvent* event) { Append(event, false); }

void NoteEngine::RemoveSentNotes()
{
  for (int i = 0; i < m_output.GetSize();) {
    NoteEvent* e = m_output.Get(i);
    if (e->on ? e->noteOnSent : e->noteOffSent)
      m_output.Delete(i, true);
    else
      ++i;
  }
  if (PatternEngine* p = m_engine->GetPatternList()->Get(0)) p->ClearAccents();
}

void NoteEngine::AllKeysUp()
{
  for (int& k : m_keys) k = kUp;
}

void NoteEngine::Reset(double time)
{
  m_downKeys = 0;
  PatternEngine* p = m_engine->GetPatternList()->Get(0);
  if (p) {
    p->Stop(time);
    for (int k = 0; k < 128; ++k)
      if (m_keys[k] == kDown) p->NoteOff(k, (int)time);
  }
  AllKeysUp();
}

void NoteEngine::OnTransportStop(double offset)
{
  m_stopped = true;
  if (PatternEngine* p = m_engine->GetPatternList()->Get(0)) p->OnTransportStop(offset);
  AllKeysUp();
  if (m_listener) m_listener->OnTransportStop();
  m_downKeys = 0;
  m_engine->GetSceneList()->Stop(offset);
}

void NoteEngine::Clear(double offset)
{
  m_output.Empty(true);
  m_downKeys = 0;
  if (PatternEngine* p = m_engine->GetPatternList()->Get(0)) p->Clear(offset);
  AllKeysUp();
  if (m_listener) m_listener->OnAllNotesOff(offset);
}
