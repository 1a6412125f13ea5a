// The block processor with 8 held keys at rate "1/64": time per host block,
// and that time as a fraction of the block's duration at 44.1 kHz.

#include "EngineHolder.h"
#include "NoteEngine.h"
#include "PatternEngine.h"
#include "PatternList.h"
#include "Scene.h"
#include "TolvoApp.h"

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

struct Sink : ProcessorListener {
  void ProcessNotes(KIT_PtrList<NoteEvent>& events, int) override
  {
    for (int i = 0; i < events.GetSize(); ++i) {
      NoteEvent* e = events.Get(i);
      if (e->on)
        e->noteOnSent = true;
      else
        e->noteOffSent = true;
    }
  }
};

const double kSampleRate = 44100.0;
const int kBlockSizes[] = {64, 512};

void BlockProcessor(benchmark::State& state)
{
  const int frames = (int)state.range(0);
  const double samplesPerBeat = kSampleRate * 60.0 / 120.0;
  Sink sink;
  EngineHolder holder;
  TolvoApp app(&sink, &holder);
  holder.GetSceneList()->SetPaused(true);
  PatternEngine& p = *holder.GetPatternList()->Get(0);
  p.SetOctaves(1);
  p.SetGate(1.0);
  p.SetRate(0.0625);
  for (int s = 0; s < 16; ++s) {
    p.SetStepLength(s, 1.0);
    p.SetStepDiv(s, 1.0);
  }
  for (int k = 0; k < 8; ++k) holder.GetNoteEngine()->NoteOn(48 + 3 * k, 100, 0);
  TransportFigures& tf = holder.GetTransport();
  tf.running = true;
  BlockTime time;
  time.samplesPerBeat = samplesPerBeat;
  time.transportRunning = true;
  time.frames = frames;
  for (auto _ : state) {
    app.ProcessBlock(time);
    time.blockStart += frames;
  }
}

BENCHMARK(BlockProcessor)->Arg(kBlockSizes[0])->Arg(kBlockSizes[1])->Unit(benchmark::kNanosecond);

}  // namespace

int main(int argc, char** argv)
{
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  std::printf("\n%-8s %14s %22s\n", "frames", "ns per block", "share of real time");
  for (int frames : kBlockSizes) {
    const std::string name = "BlockProcessor/" + std::to_string(frames);
    if (!reporter.Has(name)) continue;
    const double blockNs = frames / kSampleRate * 1e9, t = reporter.Time(name);
    std::printf("%-8d %14.1f %22.6f\n", frames, t, t / blockNs);
  }
  benchmark::Shutdown();
  return 0;
}
