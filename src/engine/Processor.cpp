#include "Processor.h"

#include "Application.h"
#include "EngineHolder.h"
#include "NoteEngine.h"
#include "PatternViewLink.h"

Processor::Processor(ProcessorListener* listener, EngineHolder* engine) : mListener(listener), mEngine(engine)
{
  engine->GetNoteEngine()->SetSender(listener);
}

void Processor::ProcessBlock(const BlockTime& time)
{
  // The block's figures, read once: a host called back while the notes go
  // out may have the record refilled.
  const bool playing = time.transportRunning;
  const double samplesPerBeat = time.samplesPerBeat;
  const double loopStart = time.loopStart, loopEnd = time.loopEnd;
  const int length = time.frames;
  NoteEngine* hub = mEngine->GetNoteEngine();
  KIT_PtrList<NoteEvent>& output = hub->GetOutputList();
  const auto send = [&](int count) {
    if (mListener) mListener->ProcessNotes(output, count);
    hub->RemoveSentNotes();
  };
  // A loop that ends where it starts (or before) would wrap without end.
  const bool wraps = time.cycleActive && playing && loopEnd > loopStart;

  double pos = playing ? time.blockStart : mBlockPosition;
  hub->BeginBlock(pos, length);
  int rest = length;
  double done = 0.0;
  while (rest > 0) {
    const int n = hub->NextEventOffset(pos, rest, playing ? loopEnd : -1.0);
    if (n <= 0) break;
    rest -= n;
    if (hub->GetDownKeyCount() > 0) {
      const bool restart = playing != mLastPlaying || !playing || pos != mContinuation;
      ProcessChunk(pos, n, samplesPerBeat, restart, done);
      send(n);
      mLastPlaying = playing;
    } else if (!hub->IsStopped()) {
      hub->OnTransportStop(done);
      mEngine->GetViewLink()->NotesCleared();
      send(rest);
      mBlockPosition = 0.0;
    }
    pos += n;
    mContinuation = pos;
    if (!playing)
      mBlockPosition += n;
    else
      mBlockPosition = 0.0;
    if (wraps && pos >= loopEnd) {
      pos = pos - loopEnd + loopStart;
      Application* app = mEngine->GetApplication();
      if (app && app->IsHoldOn()) {
        hub->Clear(done + n);
        send(rest);
      }
    }
    done += n;
  }
  if (!playing) mLastPlaying = false;
  if (hub->GetDownKeyCount() == 0) mBlockPosition = 0.0;
}
