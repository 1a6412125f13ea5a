#include "Processor.h"

#include "Application.h"
#include "EngineHolder.h"
#include "NoteEngine.h"
#include "PatternViewLink.h"

Processor::Processor(ProcessorListener* listener, EngineHolder* engine) : m_listener(listener), m_engine(engine) {}

void Processor::ProcessBlock(double position, double samplesPerBeat, bool playing, bool cycle, double loopStart,
                             double loopEnd, int length)
{
  NoteEngine* hub = m_engine->GetNoteEngine();
  KIT_PtrList<NoteEvent>& output = hub->GetOutputList();
  const auto send = [&](int count) {
    if (m_listener) m_listener->ProcessNotes(output, count);
    hub->RemoveSentNotes();
  };
  // A loop that ends where it starts (or before) would wrap without end.
  const bool wraps = cycle && playing && loopEnd > loopStart;

  double pos = playing ? position : m_blockPosition;
  hub->BeginBlock(pos);
  int rest = length;
  double done = 0.0;
  while (rest > 0) {
    const int n = hub->NextEventOffset(pos, rest, playing ? loopEnd : -1.0);
    if (n <= 0) break;
    rest -= n;
    if (hub->GetDownKeyCount() > 0) {
      const bool restart = playing != m_lastPlaying || !playing || pos != m_continuation;
      ProcessChunk(pos, n, samplesPerBeat, restart, done);
      send(n);
      m_lastPlaying = playing;
    } else if (!hub->IsStopped()) {
      hub->OnTransportStop(done);
      m_engine->GetViewLink()->Notify(PatternViewLink::kNotesCleared);
      send(rest);
      m_blockPosition = 0.0;
    }
    pos += n;
    m_continuation = pos;
    if (!playing)
      m_blockPosition += n;
    else
      m_blockPosition = 0.0;
    if (wraps && pos >= loopEnd) {
      pos = pos - loopEnd + loopStart;
      Application* app = m_engine->GetApplication();
      if (app && app->IsHoldOn()) {
        hub->Clear(done + n);
        send(rest);
      }
    }
    done += n;
  }
  if (!playing) m_lastPlaying = false;
  if (hub->GetDownKeyCount() == 0) m_blockPosition = 0.0;
}
