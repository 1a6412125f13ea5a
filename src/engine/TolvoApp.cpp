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
  if (!mLatched && mLatchedNote >= 0) {
    mEngine->GetNoteEngine()->Reset(time);
    mLatchedNote = -1;
  }
  if (mHold && mLatchedNote < 0) {
    mLatchedNote = pitch;
    mLatched = true;
  }
  if (PatternEngine* p = mEngine->GetPatternList()->Get(0)) p->NoteOn(pitch, velocity, (int)time);
  return true;
}

bool TolvoApp::NoteOff(double position, double time, int pitch)
{
  if (!mHold) {
    if (PatternEngine* p = mEngine->GetPatternList()->Get(0)) p->NoteOff(pitch, (int)time);
    return true;
  }
  if (mLatchedNote >= 0 && mLatchedNote == pitch) mLatched = false;
  return false;
}

void TolvoApp::OnTransportStop() { mLatchedNote = -1; }

void TolvoApp::OnAllNotesOff(double time)
{
  mLatched = false;
  mLatchedNote = -1;
  mEngine->GetSceneList()->Stop(time);
}

void TolvoApp::ProcessChunk(double pieceStart, int pieceLength, double samplesPerBeat, bool restart, double pieceOffset)
{
  mEngine->GetSceneList()->Process(pieceStart, pieceLength, samplesPerBeat, restart, pieceOffset);
}

void TolvoApp::SetHold(bool on)
{
  mHold = on;
  mLatchedNote = -1;
  mEngine->GetNoteEngine()->Reset(0.0);
}
