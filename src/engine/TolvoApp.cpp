#include "TolvoApp.h"

#include "EngineHolder.h"
#include "PatternEngine.h"
#include "PatternList.h"
#include "Scene.h"

TolvoApp::TolvoApp(ProcessorListener* listener, EngineHolder* engine) : Application(listener, engine)
{
  engine->GetNoteEngine()->SetListener(this);
  engine->SetApplication(this);
}

bool TolvoApp::NoteOn(double position, double time, int pitch, int velocity)
{
  // The first key after the latched chord's first key was let go starts a
  // new chord.
  if (!m_latched && m_latchedNote >= 0) {
    m_engine->GetNoteEngine()->Reset(time);
    m_latchedNote = -1;
  }
  if (m_hold && m_latchedNote < 0) {
    m_latchedNote = pitch;
    m_latched = true;
  }
  if (PatternEngine* p = m_engine->GetPatternList()->Get(0)) p->NoteOn(pitch, velocity, (int)time);
  return true;
}

bool TolvoApp::NoteOff(double position, double time, int pitch)
{
  if (!m_hold) {
    if (PatternEngine* p = m_engine->GetPatternList()->Get(0)) p->NoteOff(pitch, (int)time);
    return true;
  }
  if (m_latchedNote >= 0 && m_latchedNote == pitch) m_latched = false;
  return false;
}

void TolvoApp::OnTransportStop() { m_latchedNote = -1; }

void TolvoApp::OnAllNotesOff(double time)
{
  m_latched = false;
  m_latchedNote = -1;
  m_engine->GetSceneList()->Stop(time);
}

void TolvoApp::ProcessChunk(double position, int length, double samplesPerBeat, bool restart, double offset)
{
  m_engine->GetSceneList()->Process(position, length, samplesPerBeat, restart, offset);
}

void TolvoApp::SetHold(bool on)
{
  m_hold = on;
  m_latchedNote = -1;
  m_engine->GetNoteEngine()->Reset(0.0);
}
