// The block processor with 8 held keys at rate "1/64": time per host block,
// and that time as a fraction of the block's duration at 44.1 kHz.

#include "EngineHolder.h"
#include "NoteEngine.h"
#include "PatternEngine.h"
#include "PatternList.h"
#include "Scene.h"
#include "TolvoApp.h"

#include <benchmark/benchmark.h>

namespace {

struct Sink : ProcessorListener
{
  void ProcessNotes(KIT_PtrList<NoteEvent>& events, int) override
  {
    for (int i = 0; i < events.GetSize(); ++i)
    {
      NoteEvent* e = events.Get(i);
      if (e->on) e->noteOnSent = true;
      else e->noteOffSent = true;
    }
  }
};

void BlockProcessor(benchmark::State& state)
{
  const int frames = (int)state.range(0);
  const double sampleRate = 44100.0, samplesPerBeat = sampleRate * 60.0 / 120.0;
  Sink sink;
  EngineHolder holder;
  TolvoApp app(&sink, &holder);
  holder.GetSceneList()->SetPaused(true);
  PatternEngine& p = *holder.GetPatternList()->Get(0);
  p.SetOctaves(1);
  p.SetGate(1.0);
  p.SetRate(0.0625);
  for (int s = 0; s < 16; ++s)
  {
    p.SetStepLength(s, 1.0);
    p.SetStepDiv(s, 1.0);
  }
  for (int k = 0; k < 8; ++k) holder.GetNoteEngine()->NoteOn(48 + 3 * k, 100, 0);
  TransportFigures& tf = holder.GetTransport();
  tf.running = true;
  double position = 0.0;
  for (auto _ : state)
  {
    app.ProcessBlock(position, samplesPerBeat, true, false, 0.0, -1.0, frames);
    position += frames;
  }
  state.counters["realtime_fraction"] =
    benchmark::Counter(frames / sampleRate, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(BlockProcessor)->Arg(64)->Arg(512);

} // namespace

BENCHMARK_MAIN();
