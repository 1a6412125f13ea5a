#ifndef ENGINEHARNESS_H
#define ENGINEHARNESS_H

// Drives an engine the way the plug-in does: keys at absolute frames, host
// blocks of chosen sizes, a transport, and the notes that come out with the
// frame at which each is sent.

#include "EngineHolder.h"
#include "LaneView.h"
#include "NoteEngine.h"
#include "ParamSetters.h"
#include "ParamTable.h"
#include "PatternEngine.h"
#include "PatternList.h"
#include "RouterHost.h"
#include "Scene.h"
#include "TolvoApp.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <vector>

struct Sent {
  int64_t at;  // frame
  int note;    // as sent: pitch + transposition
  int velocity;
  bool on;
  bool operator==(const Sent& o) const { return at == o.at && note == o.note && velocity == o.velocity && on == o.on; }
};

// The plug-in and the step editor as the router sees them, with no editor
// to show anything in.
struct NoEditor : RouterHost, LaneView {
  void SetMidiChannel(bool, int) override {}
  void SetCCNumber(bool, int) override {}
  void SetCCTeach(bool, bool) override {}
  void SetMidiOutputFromParam(int) override {}
  void OnPatternChanged(int) override {}
  void OnSceneChanged(int) override {}
  void ShowResetSwitch(int, bool) override {}
  void UpdateStepView(int, int, bool) override {}
  void PostStatus(int, double) override {}
  void RequestAllNotesOff() override {}
  void ToggleAboutBox() override {}
  double GetParamValue(int) const override { return 0.0; }
  void SetShownLane(int) override {}
  int GetShownLane() const override { return 0; }
  void PostStepValue(int, int, double, double, double) override {}
};

class EngineHarness : public ProcessorListener {
public:
  EngineHarness() : app(this, &holder) { holder.GetSceneList()->SetPaused(true); }

  EngineHolder holder;
  TolvoApp app;
  std::vector<Sent> sent;
  bool outOfOrder = false;  // a block's output went backwards in time

  // Transport of the host.
  double samplesPerBeat = 22050.0;  // 120 BPM at 44.1 kHz
  bool playing = true;
  bool cycle = false;
  double loopStart = 0.0, loopEnd = -1.0;
  double hostPos = 0.0;
  int64_t frame = 0;

  PatternEngine& Pattern() { return *holder.GetPatternList()->Get(0); }
  NoteEngine& Hub() { return *holder.GetNoteEngine(); }

  // A parameter's change as the plug-in's router makes it, through the
  // parameter's record; what it would show in an editor goes nowhere.
  void Param(int index, double value)
  {
    const TolvoParams::ParamSpec* spec = TolvoParams::FindParamSpec(index);
    if (spec && spec->set) spec->set(mRoute, index - spec->index, value);
  }

  // The parameter defaults, applied in index order as the plug-in does.
  void ApplyDefaults()
  {
    using namespace TolvoParams;
    for (int t = 0; t < kParamTableSize; ++t)
      for (int k = 0; k < kParamTable[t].count; ++k) Param(kParamTable[t].index + k, kParamTable[t].defaultValue);
  }

  // Something to do at a frame: a key, or a change of transport or setting.
  void At(int64_t at, std::function<void(EngineHarness&, int offset)> what) { mActions.push_back({at, what}); }
  void Key(int64_t at, int pitch, int velocity)
  {
    At(at, [pitch, velocity](EngineHarness& h, int offset) { h.Hub().NoteOn(pitch, velocity, offset); });
  }
  void Release(int64_t at, int pitch)
  {
    At(at, [pitch](EngineHarness& h, int offset) { h.Hub().NoteOff(pitch, offset); });
  }
  // Actions that the host can only give between blocks (transport, settings).
  void Between(int64_t at, std::function<void(EngineHarness&)> what)
  {
    mCuts.push_back(at);
    At(at, [what](EngineHarness& h, int) { what(h); });
  }

  // Runs until frame `until` in blocks from `sizes` (cycled); sizes of 0
  // draw random sizes from 1 to 1024.
  void Run(int64_t until, std::vector<int> sizes, unsigned seed = 1)
  {
    std::stable_sort(mActions.begin(), mActions.end(), [](const Action& a, const Action& b) { return a.at < b.at; });
    std::mt19937 rng(seed);
    size_t which = 0;
    while (frame < until) {
      int n = sizes[which++ % sizes.size()];
      if (n == 0) n = 1 + (int)(rng() % 1024);
      if (frame + n > until) n = (int)(until - frame);
      for (int64_t c : mCuts)
        if (c > frame && c < frame + n) n = (int)(c - frame);
      Block(n);
    }
  }

  void Block(int n)
  {
    for (size_t i = 0; i < mActions.size(); ++i)
      if (mActions[i].at >= frame && mActions[i].at < frame + n) mActions[i].what(*this, (int)(mActions[i].at - frame));
    TransportFigures& tf = holder.GetTransport();
    tf.running = playing;
    tf.cycleActive = cycle;
    tf.loopStart = loopStart;
    tf.loopEnd = cycle ? loopEnd : -1.0;
    mBlockStart = frame;
    mLastOffset = 0;
    BlockTime time;
    time.blockStart = hostPos;
    time.samplesPerBeat = samplesPerBeat;
    time.transportRunning = playing;
    time.cycleActive = cycle;
    time.loopStart = loopStart;
    time.loopEnd = cycle ? loopEnd : -1.0;
    time.frames = n;
    app.ProcessBlock(time);
    frame += n;
    if (playing) {
      hostPos += n;
      if (cycle && hostPos >= loopEnd) hostPos = hostPos - loopEnd + loopStart;
    }
  }

  void ProcessNotes(KIT_PtrList<NoteEvent>& events, int) override
  {
    for (int i = 0; i < events.GetSize(); ++i) {
      NoteEvent* e = events.Get(i);
      const int offset = (int)e->start;
      if (offset < mLastOffset) outOfOrder = true;
      mLastOffset = offset;
      sent.push_back({mBlockStart + offset, e->pitch + e->transposition, e->on ? e->velocity : 127, e->on});
      if (e->on)
        e->noteOnSent = true;
      else
        e->noteOffSent = true;
    }
  }

  std::vector<Sent> NoteOns() const
  {
    std::vector<Sent> r;
    for (const Sent& s : sent)
      if (s.on) r.push_back(s);
    return r;
  }

  // Notes still sounding at a receiver that has heard everything sent.
  int Sounding() const
  {
    std::map<int, bool> on;
    for (const Sent& s : sent) on[s.note] = s.on;
    int n = 0;
    for (const auto& kv : on) n += kv.second;
    return n;
  }

private:
  struct Action {
    int64_t at;
    std::function<void(EngineHarness&, int)> what;
  };
  std::vector<Action> mActions;
  std::vector<int64_t> mCuts;
  NoEditor mNoEditor;
  ParamRoute mRoute{&holder, &app, &mNoEditor, &mNoEditor};
  int64_t mBlockStart = 0;
  int mLastOffset = 0;
};

#endif
