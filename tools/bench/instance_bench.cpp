// What a host pays for each instance it creates when it scans or loads a
// project: the entry point to a ready instance (the first one decodes the
// images; every further one finds them in the bitmap cache), and a program
// chunk set back into an instance (effSetChunk), as time per call. The
// aims are 50 us and 20 us.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include "RatioReporter.h"
#include "VSTInterface.h"

extern "C" AEffect* VSTCALLBACK VSTPluginMain(audioMasterCallback hostCallback);

namespace {

VstIntPtr VSTCALLBACK HostCallback(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float)
{
  return opcode == audioMasterVersion ? 2400 : 0;
}

void Close(AEffect* e) { e->dispatcher(e, effClose, 0, 0, nullptr, 0.0f); }

void BM_FurtherInstance(benchmark::State& state)
{
  AEffect* first = VSTPluginMain(HostCallback);  // the images are decoded once
  for (auto _ : state) {
    AEffect* e = VSTPluginMain(HostCallback);
    benchmark::DoNotOptimize(e);
    state.PauseTiming();
    Close(e);
    state.ResumeTiming();
  }
  Close(first);
}
BENCHMARK(BM_FurtherInstance)->Unit(benchmark::kMicrosecond);

void BM_SetChunk(benchmark::State& state)
{
  AEffect* e = VSTPluginMain(HostCallback);
  e->dispatcher(e, effOpen, 0, 0, nullptr, 0.0f);
  void* data = nullptr;
  const VstIntPtr size = e->dispatcher(e, effGetChunk, 1, 0, &data, 0.0f);
  const std::vector<char> chunk(static_cast<char*>(data), static_cast<char*>(data) + size);
  for (auto _ : state) {
    const VstIntPtr ok = e->dispatcher(e, effSetChunk, 1, size, const_cast<char*>(chunk.data()), 0.0f);
    benchmark::DoNotOptimize(ok);
  }
  Close(e);
}
BENCHMARK(BM_SetChunk)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  std::printf("\n%-18s %12s %8s\n", "host request", "us per call", "aim");
  const char* const names[][3] = {{"further instance", "BM_FurtherInstance", "50"}, {"set chunk", "BM_SetChunk", "20"}};
  for (const auto& name : names)
    if (reporter.Has(name[1])) std::printf("%-18s %12.1f %8s\n", name[0], reporter.Time(name[1]), name[2]);
  benchmark::Shutdown();
  return 0;
}
