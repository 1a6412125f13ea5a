#include "NoteEngine.h"

#include "EngineHolder.h"
#include "PatternEngine.h"
#include "PatternList.h"
#include "PatternViewLink.h"
#include "Processor.h"
#include "Scene.h"

#include <cmath>

NoteEngine::NoteEngine(EngineHolder* engine)
  : mEvents(kOutputEvents, engine->DryCounter()), mRecords(kQueuedNotes, engine->DryCounter()), mOutput(4096),
    mEngine(engine)
{
  ReserveList(mOutput, kOutputEvents);
  ReserveList(mPending, kQueuedNotes);
  ReserveList(mIncoming, kQueuedNotes);
  for (NoteRecord*& r : mNewest) r = nullptr;
  for (int& k : mKeys) k = kUp;
}

void NoteEngine::Queue(int pitch, int offset, bool on, int velocity)
{
  NoteRecord* r = mRecords.Make(pitch, offset, on, velocity);
  if (!r) return;
  mNewest[pitch] = r;
  mIncoming.Add(r);
}

void NoteEngine::NoteOn(int pitch, int velocity, int offset)
{
  if (pitch < 0 || pitch > 127) return;
  if (mRecords.Available() <= kReleaseRoom) {
    ++*mEngine->DryCounter();
    return;
  }
  Queue(pitch, offset, true, velocity);
}

void NoteEngine::NoteOff(int pitch, int offset)
{
  // Queued in arrival order whatever the key's state, so that a key
  // pressed and released inside one block ends up released; but a release
  // after a release, or of a key that is up with nothing queued, would
  // change nothing.
  if (pitch < 0 || pitch > 127) return;
  const NoteRecord* newest = mNewest[pitch];
  if (newest ? !newest->on : mKeys[pitch] == kUp) return;
  Queue(pitch, offset, false, 127);
}

void NoteEngine::BeginBlock(double position, int length)
{
  // A key's records keep the order they came in, whatever their offsets:
  // none falls due before the key's previous one.
  double keyDue[128];
  for (double& d : keyDue) d = -1.0;
  for (int i = 0; i < mPending.GetSize(); ++i) {
    const NoteRecord* r = mPending.Get(i);
    keyDue[r->pitch] = std::fmax(keyDue[r->pitch], r->due);
  }
  const TransportFigures& tf = mEngine->GetTransport();
  const bool cycle = tf.cycleActive && tf.loopEnd > tf.loopStart;
  for (int i = 0; i < mIncoming.GetSize(); ++i) {
    NoteRecord* r = mIncoming.Get(i);
    // A host's offset outside the block is taken at its nearer end.
    r->offset = r->due = std::fmin(std::fmax(r->offset, 0.0), std::fmax(length - 1.0, 0.0));
    const double at = position + r->offset;
    // A chord played just ahead of the loop end belongs to the next pass.
    if (cycle && at >= tf.loopEnd - 100.0 && at < tf.loopEnd) {
      r->due += std::trunc(tf.loopEnd - at);
      r->offset = 0.0;
    }
    r->due = keyDue[r->pitch] = std::fmax(r->due, keyDue[r->pitch]);
    mPending.Add(r);
  }
  mIncoming.Empty();
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
  // The records that stay close up in one pass as the due ones go.
  const int count = mPending.GetSize();
  int kept = 0;
  const double time = mElapsed;
  for (int i = 0; i < count; ++i) {
    NoteRecord* r = mPending.Get(i);
    if (r->due > 0.0) {
      mPending.Set(kept++, r);
      continue;
    }
    if (mNewest[r->pitch] == r) mNewest[r->pitch] = nullptr;
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
    mRecords.Free(r);
  }
  mPending.m_hb.Resize(kept * (int)sizeof(NoteRecord*), false);
  return kept < count;
}

bool NoteEngine::AddNoteOn(const HeldNote& note, double time)
{
  if (mEvents.Available() < mNoteOffsDue + 2 && mSender) {
    // The piece is cut here: what the output holds goes to the host first.
    mSender->ProcessNotes(mOutput, 0);
    FreeSent();
  }
  if (mEvents.Available() < mNoteOffsDue + 2) {
    ++*mEngine->DryCounter();
    return false;
  }
  ++mNoteOffsDue;
  Append(mEvents.Make(note, time, true));
  return true;
}

void NoteEngine::AddNoteOff(const HeldNote& note, double time)
{
  if (mNoteOffsDue > 0) --mNoteOffsDue;
  Append(mEvents.Make(note, time, false));
}

void NoteEngine::Append(NoteEvent* event)
{
  if (!event) return;
  mOutput.Add(event);
  mEngine->GetViewLink()->NoteSent();
}

void NoteEngine::FreeSent()
{
  const int count = mOutput.GetSize();
  int kept = 0;
  for (int i = 0; i < count; ++i) {
    NoteEvent* e = mOutput.Get(i);
    if (e->on ? e->noteOnSent : e->noteOffSent)
      mEvents.Free(e);
    else
      mOutput.Set(kept++, e);
  }
  mOutput.m_hb.Resize(kept * (int)sizeof(NoteEvent*), false);
}

void NoteEngine::RemoveSentNotes()
{
  FreeSent();
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
  mEvents.FreeAll(mOutput);
  mDownKeys = 0;
  if (PatternEngine* p = mEngine->GetPatternList()->Get(0)) p->Clear(offset);
  AllKeysUp();
  if (mListener) mListener->OnAllNotesOff(offset);
}
