#include "NoteEngine.h"

#include "EngineHolder.h"
#include "PatternEngine.h"
#include "PatternList.h"
#include "PatternViewLink.h"
#include "Scene.h"

#include <cmath>

NoteEngine::NoteEngine(EngineHolder* engine) : mOutput(4096), mEngine(engine)
{
  for (int& k : mKeys) k = kUp;
}

NoteEngine::~NoteEngine()
{
  mPending.Empty(true);
  mIncoming.Empty(true);
  mOutput.Empty(true);
}

void NoteEngine::Queue(NoteRecord* record)
{
  if (!mIncoming.Add(record)) delete record;
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
  const TransportFigures& tf = mEngine->GetTransport();
  const bool cycle = tf.cycleActive && tf.loopEnd > tf.loopStart;
  for (int i = 0; i < mIncoming.GetSize(); ++i) {
    NoteRecord* r = mIncoming.Get(i);
    const double at = position + r->offset;
    // A chord played just ahead of the loop end belongs to the next pass.
    if (cycle && at >= tf.loopEnd - 100.0 && at < tf.loopEnd) {
      r->due += std::trunc(tf.loopEnd - at);
      r->offset = 0.0;
    }
    if (!mPending.Add(r)) delete r;
  }
  mIncoming.Empty(false);
  if (mDownKeys >= 1) mStopped = false;
  mElapsed = 0.0;
}

int NoteEngine::NextEventOffset(double position, int rest, double loopEnd)
{
  double limit = rest;
  if (loopEnd > 0.0 && loopEnd > position && loopEnd <= position + rest) limit = loopEnd - position;

  double n = limit;
  const int count = mPending.GetSize();
  if (count > 0) {
    if (DeliverNotes(position))
      n = 1.0;
    else {
      // Cut at the earliest record, so that none is delivered late.
      for (int i = 0; i < count; ++i) n = std::fmin(n, mPending.Get(i)->due);
    }
  }
  int piece = (int)n;
  if (piece < 1 && n > 0.0) piece = 1;
  if (piece > rest) piece = rest;
  if (piece < 0) piece = 0;
  for (int i = 0; i < mPending.GetSize(); ++i) mPending.Get(i)->due -= piece;
  mElapsed += piece;
  return piece;
}

void NoteEngine::KeyReleased(double time)
{
  if (--mDownKeys == 0 && mListener) mListener->OnAllNotesOff(time);
}

bool NoteEngine::DeliverNotes(double position)
{
  bool removed = false;
  const double time = mElapsed;
  for (int i = 0; i < mPending.GetSize();) {
    NoteRecord* r = mPending.Get(i);
    if (r->due > 0.0) {
      ++i;
      continue;
    }
    mPending.Delete(i);
    removed = true;
    if (mListener) {
      const int p = r->pitch;
      if (r->on && mKeys[p] == kUp) {
        mListener->NoteOn(position, time, p, r->velocity);
        mKeys[p] = kDown;
        ++mDownKeys;
        // A key that comes and goes inside one block must still be stopped.
        mStopped = false;
      } else if (r->on) {
        if (mListener->NoteOff(position, time, p)) {
          KeyReleased(time);
          ++mDownKeys;
          mListener->NoteOn(position, time, p, r->velocity);
        }
      } else if (mKeys[p] == kDown && mListener->NoteOff(position, time, p)) {
        mKeys[p] = kUp;
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
  if (!mOutput.Add(event)) delete event;
  mEngine->GetViewLink()->Notify(PatternViewLink::kNotesChanged);
}

void NoteEngine::AddNoteOn(NoteEvent* event) { Append(event, true); }

void NoteEngine::AddNoteOff(NoteEvent* event) { Append(event, false); }

void NoteEngine::RemoveSentNotes()
{
  for (int i = 0; i < mOutput.GetSize();) {
    NoteEvent* e = mOutput.Get(i);
    if (e->on ? e->noteOnSent : e->noteOffSent)
      mOutput.Delete(i, true);
    else
      ++i;
  }
  if (PatternEngine* p = mEngine->GetPatternList()->Get(0)) p->ClearAccents();
}

void NoteEngine::AllKeysUp()
{
  for (int& k : mKeys) k = kUp;
}

void NoteEngine::Reset(double time)
{
  mDownKeys = 0;
  PatternEngine* p = mEngine->GetPatternList()->Get(0);
  if (p) {
    p->Stop(time);
    for (int k = 0; k < 128; ++k)
      if (mKeys[k] == kDown) p->NoteOff(k, (int)time);
  }
  AllKeysUp();
}

void NoteEngine::OnTransportStop(double offset)
{
  mStopped = true;
  if (PatternEngine* p = mEngine->GetPatternList()->Get(0)) p->OnTransportStop(offset);
  AllKeysUp();
  if (mListener) mListener->OnTransportStop();
  mDownKeys = 0;
  mEngine->GetSceneList()->Stop(offset);
}

void NoteEngine::Clear(double offset)
{
  mOutput.Empty(true);
  mDownKeys = 0;
  if (PatternEngine* p = mEngine->GetPatternList()->Get(0)) p->Clear(offset);
  AllKeysUp();
  if (mListener) mListener->OnAllNotesOff(offset);
}
