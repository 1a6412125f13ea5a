// The heaviest setting a user can dial in, through the VST 2 interface as a
// host drives it: 128 held keys, 5 octaves, "Step rate" "1/128" "Triplet",
// 16 steps of 8 ratchets, gates at 100, "Chord" on every step. Each block's
// time as a share of its real-time duration (p50, p99, max) for every block
// size and rate, first with the editor constructed (as hosts have it), then
// with it open on the window-less back end while another thread ticks it
// as a user-interface thread would.
//
//   realtime_bench [--seconds S] [--repeats N]
// S seconds of audio per cell (4 by default); with N repeats each figure is
// the median of the repeats' figures.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "IGraphicsHeadless.h"
#include "ParamTable.h"
#include "Tolvo.h"
#include "VSTInterface.h"
#include "WorstCase.h"

extern "C" AEffect* VSTCALLBACK VSTPluginMain(audioMasterCallback hostCallback);

using namespace TolvoParams;

namespace {

const int kBlockSizes[] = {32, 64, 512, 4096};
const double kRates[] = {44100.0, 192000.0};

// The host: a playing transport at 120 beats per minute, and a count of the
// events the plug-in hands it.
struct Host {
  VstTimeInfo time = {};
  long events = 0;
};
Host* gHost = nullptr;

VstIntPtr VSTCALLBACK HostCallback(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr, float)
{
  switch (opcode) {
    case audioMasterGetTime: return VstIntPtr(&gHost->time);
    case audioMasterProcessEvents: gHost->events += static_cast<VstEvents*>(ptr)->numEvents; return 1;
    case audioMasterVersion: return 2400;
    default: return 0;
  }
}

float Normalized(Tolvo* plug, int index, double plain) { return float(plug->GetParam(index)->ToNormalized(plain)); }

void SetParam(AEffect* e, int index, double plain)
{
  e->setParameter(e, index, Normalized(static_cast<Tolvo*>(e->object), index, plain));
}

struct Figures {
  double p50, p99, max;
};

double Percentile(std::vector<double>& v, double q)
{
  const size_t k = std::min(v.size() - 1, size_t(q * double(v.size())));
  std::nth_element(v.begin(), v.begin() + long(k), v.end());
  return v[k];
}

// One cell: a fresh instance, the worst case held, blocks of `frames` at
// `rate` for `seconds` of audio (after a quarter second unmeasured).
Figures RunCell(int frames, double rate, double seconds, bool editorOpen)
{
  Host host;
  gHost = &host;
  host.time.sampleRate = rate;
  host.time.tempo = 120.0;
  host.time.timeSigNumerator = host.time.timeSigDenominator = 4;
  host.time.flags = kVstTransportPlaying | kVstTempoValid | kVstPpqPosValid;

  AEffect* e = VSTPluginMain(HostCallback);
  Tolvo* plug = static_cast<Tolvo*>(e->object);
  e->dispatcher(e, effOpen, 0, 0, nullptr, 0.0f);
  e->dispatcher(e, effSetSampleRate, 0, 0, nullptr, float(rate));
  e->dispatcher(e, effSetBlockSize, 0, frames, nullptr, 0.0f);
  e->dispatcher(e, effMainsChanged, 0, 1, nullptr, 0.0f);

  DialTheWorstCase([e](int index, double value) { SetParam(e, index, value); });

  std::atomic<bool> ticking{editorOpen};
  std::thread ui;
  if (editorOpen) {
    static int parent;
    e->dispatcher(e, effEditOpen, 0, 0, &parent, 0.0f);
    IGraphicsHeadless* gui = static_cast<IGraphicsHeadless*>(plug->GetGUI());
    ui = std::thread([&ticking, gui] {
      const auto frame = std::chrono::microseconds(1000000 / 24);
      auto next = std::chrono::steady_clock::now();
      while (ticking) {
        gui->Tick();
        next += frame;
        std::this_thread::sleep_until(next);
      }
    });
  }

  // The held keys come in as one event list, as the host sends them.
  std::vector<VstMidiEvent> keys(128);
  std::vector<VstEvent*> pointers(128);
  for (int k = 0; k < 128; ++k) {
    keys[k] = VstMidiEvent{};
    keys[k].type = kVstMidiType;
    keys[k].byteSize = sizeof(VstMidiEvent);
    keys[k].midiData[0] = char(0x90);
    keys[k].midiData[1] = char(k);
    keys[k].midiData[2] = 100;
    pointers[k] = reinterpret_cast<VstEvent*>(&keys[k]);
  }
  std::vector<char> list(sizeof(VstEvents) + 128 * sizeof(VstEvent*));
  VstEvents* events = reinterpret_cast<VstEvents*>(list.data());
  events->numEvents = 128;
  std::memcpy(events->events, pointers.data(), 128 * sizeof(VstEvent*));
  e->dispatcher(e, effProcessEvents, 0, 0, events, 0.0f);

  std::vector<float> left(frames), right(frames);
  float* outputs[] = {left.data(), right.data()};
  const double blockSeconds = frames / rate;
  const int warmUp = int(0.25 / blockSeconds) + 1;
  const int measured = std::max(200, int(seconds / blockSeconds));
  std::vector<double> shares;
  shares.reserve(size_t(measured));
  for (int b = 0; b < warmUp + measured; ++b) {
    host.time.samplePos = double(b) * frames;
    host.time.ppqPos = host.time.samplePos / rate * 2.0;
    const auto t0 = std::chrono::steady_clock::now();
    e->processReplacing(e, nullptr, outputs, frames);
    const auto t1 = std::chrono::steady_clock::now();
    if (b >= warmUp) shares.push_back(std::chrono::duration<double>(t1 - t0).count() / blockSeconds);
  }

  ticking = false;
  if (ui.joinable()) ui.join();
  if (editorOpen) e->dispatcher(e, effEditClose, 0, 0, nullptr, 0.0f);
  e->dispatcher(e, effClose, 0, 0, nullptr, 0.0f);
  gHost = nullptr;
  Figures f;
  f.max = *std::max_element(shares.begin(), shares.end());
  f.p99 = Percentile(shares, 0.99);
  f.p50 = Percentile(shares, 0.50);
  return f;
}

double Median(std::vector<double> v)
{
  std::nth_element(v.begin(), v.begin() + long(v.size() / 2), v.end());
  return v[v.size() / 2];
}

void Table(bool editorOpen, double seconds, int repeats)
{
  std::printf("\n%s: p50 / p99 / max share of the block's real time\n",
              editorOpen ? "editor open, ticking at 24 frames per second" : "editor constructed, not open");
  std::printf("%-6s", "block");
  for (double rate : kRates) std::printf(" %30.1f kHz", rate / 1000.0);
  std::printf("\n");
  for (int frames : kBlockSizes) {
    std::printf("%-6d", frames);
    for (double rate : kRates) {
      std::vector<double> p50, p99, max;
      for (int r = 0; r < repeats; ++r) {
        const Figures f = RunCell(frames, rate, seconds, editorOpen);
        p50.push_back(f.p50);
        p99.push_back(f.p99);
        max.push_back(f.max);
      }
      std::printf(" %9.2f%% / %8.2f%% / %8.2f%%", 100.0 * Median(p50), 100.0 * Median(p99), 100.0 * Median(max));
    }
    std::printf("\n");
    std::fflush(stdout);
  }
}

}  // namespace

int main(int argc, char** argv)
{
  double seconds = 4.0;
  int repeats = 1;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--seconds"))
      seconds = std::atof(argv[i + 1]);
    else if (!std::strcmp(argv[i], "--repeats"))
      repeats = std::max(1, std::atoi(argv[i + 1]));
  }
  std::printf(
      "worst case: 128 keys, 5 octaves, 1/128 triplet, 16 chord steps of 8 ratchets, gates at 100;\n"
      "%.1f s of audio per cell, median of %d run(s)\n",
      seconds, repeats);
  Table(false, seconds, repeats);
  Table(true, seconds, repeats);
  return 0;
}
