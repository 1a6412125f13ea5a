#include <algorithm>
#include <cmath>
#include <cstdio>

#include "ParamTable.h"
#include "Validator.h"

using namespace TolvoParams;

namespace {

// Time info flags: transport playing, cycle active, and which fields hold.
const int32_t kPlaying = 0x2, kCycle = 0x4, kPositionsValid = 0x200 | 0x400 | 0x800 | 0x2000, kCycleValid = 0x1000;

}  // namespace

void Case::Fail(const std::string& why)
{
  std::lock_guard<std::mutex> lock(mLock);
  if (mWhy.empty()) mWhy = why;
}

bool Case::Failed() const
{
  std::lock_guard<std::mutex> lock(mLock);
  return !mWhy.empty();
}

std::string Case::Why() const
{
  std::lock_guard<std::mutex> lock(mLock);
  return mWhy;
}

float Normalized(int index, double plain)
{
  for (int t = 0; t < kParamTableSize; ++t) {
    const ParamSpec& s = kParamTable[t];
    if (!InGroup(index, s.index, s.count)) continue;
    const double lo = s.kind == Kind::Enum ? 0.0 : s.min;
    const double hi = s.kind == Kind::Enum ? s.values - 1 : s.max;
    return hi > lo ? float(std::clamp((plain - lo) / (hi - lo), 0.0, 1.0)) : 0.0f;
  }
  return 0.0f;
}

Instance::Instance(Case& c) : plug(c.library), mCase(c)
{
  if (!plug.Create()) {
    c.Fail("the entry point gave no effect record");
    return;
  }
  // Until the entry point returns the host has no record to know the
  // plug-in by: only what it must answer to make one may be asked.
  for (const vsthost::Callback& cb : plug.Callbacks())
    if (cb.opcode != vsthost::kHostVersion && cb.opcode != vsthost::kHostCurrentId) {
      c.Fail("the plug-in calls the host (opcode " + std::to_string(cb.opcode) + ", index " + std::to_string(cb.index) +
             ") before the entry point returns");
      break;
    }
  plug.Dispatch(vsthost::kOpen);
  plug.Dispatch(vsthost::kSetSampleRate, 0, 0, nullptr, 44100.0f);
  plug.Dispatch(vsthost::kSetBlockSize, 0, 512);
  plug.Dispatch(vsthost::kMainsChanged, 0, 1);
  plug.time.flags = kPlaying | kPositionsValid;
  plug.ClearCallbacks();
}

Instance::~Instance()
{
  if (plug.IsOpen()) plug.Close();
}

void Instance::Events(const std::vector<vsthost::Event>& events)
{
  plug.ClearCallbacks();
  if (mCase.trace)
    for (const vsthost::Event& e : events) Trace("in", e);
  plug.SendEvents(events);
  for (const vsthost::Event& e : events) {
    const uint8_t* m = e.midiData();
    if (e.type == vsthost::kMidiEventType && (m[0] & 0xF0) == 0xB0 && m[1] == 123) allNotesOffSent = true;
  }
  TakeOutput(&thru, 0, false);
}

void Instance::Block(int32_t frames, vsthost::ProcessKind kind)
{
  const bool accumulating = kind == vsthost::ProcessKind::Accumulating;
  plug.FillBuffers(frames, 0.25f, 1.0f);
  plug.ClearCallbacks();
  plug.Process(kind, frames);
  const size_t n = size_t(std::max(frames, 0));
  for (size_t ch = 0; ch < plug.outputs.size(); ++ch)
    for (size_t s = 0; s < n; ++s) {
      // The plug-in makes no sound: silence replaces, and adds nothing.
      const double v = kind == vsthost::ProcessKind::Double ? plug.outputsDouble[ch][s] : plug.outputs[ch][s];
      if (v != (accumulating ? 1.0 : 0.0)) {
        mCase.Fail("block " + std::to_string(blocks) + ": output " + std::to_string(ch) + " is not silent at frame " +
                   std::to_string(s));
        break;
      }
    }
  TakeOutput(&arp, frames, true);
  ++blocks;

  vsthost::TimeInfo& t = plug.time;
  if (!(t.flags & kPlaying)) return;
  t.samplePos += frames;
  const double perBeat = t.sampleRate * 60.0 / t.tempo;
  if (!(perBeat > 0.0) || !std::isfinite(perBeat)) return;
  t.ppqPos = t.samplePos / perBeat;
  // A host's loop: past its end the clock goes back to its start.
  const bool cycle = (t.flags & kCycle) && (t.flags & kCycleValid) && t.cycleEndPos > t.cycleStartPos;
  if (cycle && t.ppqPos >= t.cycleEndPos) {
    t.samplePos -= (t.cycleEndPos - t.cycleStartPos) * perBeat;
    t.ppqPos = t.samplePos / perBeat;
  }
}

void Instance::TakeOutput(NoteLedger* ledger, int32_t frames, bool ordered)
{
  int32_t last = 0;
  const int repeats = ledger->Repeats(), strays = ledger->Strays();
  for (const vsthost::Callback& cb : plug.Callbacks()) {
    if (cb.opcode != vsthost::kHostProcessEvents) continue;
    for (const vsthost::Event& e : cb.events) {
      if (e.type != vsthost::kMidiEventType) continue;
      if (ordered && (e.deltaFrames < last || e.deltaFrames < 0 || e.deltaFrames >= std::max(frames, 1)))
        mCase.Fail("block " + std::to_string(blocks) + " of " + std::to_string(frames) + " frames: an event at " +
                   std::to_string(e.deltaFrames) + " after one at " + std::to_string(last));
      last = e.deltaFrames;
      const uint8_t* m = e.midiData();
      if (mCase.trace) Trace(ledger == &arp ? "arp" : "thru", e);
      ledger->Take(m[0], m[1], m[2]);
    }
  }
  plug.ClearCallbacks();
  if (ledger != &arp) return;
  if (arp.Repeats() > repeats) mCase.Fail("block " + std::to_string(blocks) + ": " + arp.Faults().back());
  // The all-notes-off sweep ends every note of the output channel, sounding
  // or not; nothing else may end a silent note.
  if (arp.Strays() > strays && !allNotesOffSent)
    mCase.Fail("block " + std::to_string(blocks) + ": " + arp.Faults().back());
}

void Instance::Trace(const char* what, const vsthost::Event& e) const
{
  const uint8_t* m = e.midiData();
  std::fprintf(stderr, "%-4s block %lld @%d: type %d %02x %d %d\n", what, (long long)blocks, e.deltaFrames, e.type,
               m[0], m[1], m[2]);
}

void Instance::SetParam(int index, double plain) { plug.SetParameter(index, Normalized(index, plain)); }

bool Instance::ParamsInRange()
{
  for (int i = 0; i < kNumParams; ++i) {
    const float v = plug.GetParameter(i);
    if (!(v >= 0.0f && v <= 1.0f)) {
      mCase.Fail("parameter " + std::to_string(i) + " reads back " + std::to_string(v));
      return false;
    }
  }
  for (int i : {-1, int(kNumParams), 1 << 30}) {
    if (plug.GetParameter(i) != 0.0f) {
      mCase.Fail("parameter " + std::to_string(i) + ", which does not exist, reads back a value");
      return false;
    }
  }
  return true;
}

void Instance::Play(bool on)
{
  if (on)
    plug.time.flags |= kPlaying;
  else
    plug.time.flags &= ~kPlaying;
}

void Instance::Settle(const char* after)
{
  if (!IsOpen()) return;
  SetParam(kHold, 0);
  std::vector<vsthost::Event> releases;
  for (int ch = 0; ch < 16; ++ch)
    for (int note = 0; note < 128; ++note)
      releases.push_back(vsthost::Event::Midi(0, uint8_t(0x80 | ch), uint8_t(note), 0));
  Events(releases);
  Play(false);
  for (int b = 0; b < 4; ++b) Block(512);
  if (arp.Sounding())
    mCase.Fail(std::string(after) + ": once every key is up and the transport stopped, the arpeggiator still sounds " +
               arp.SoundingList());
  if (thru.Sounding()) mCase.Fail(std::string(after) + ": passed notes are left sounding " + thru.SoundingList());
}
