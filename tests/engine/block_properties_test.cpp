// Properties that hold whatever the host does: the same notes at the same
// frames for any block size, no hang without a tempo or on tiny steps,
// loops and transport jumps that keep playing, and no stuck notes.

#include "EngineHarness.h"
#include "RandomSource.h"
#include "WorstCase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace TolvoParams;

namespace {

using Params = std::vector<std::pair<int, double>>;

struct CountingRandom : RandomSource {
  unsigned state = 12345;
  int Next() override { return (int)((state = state * 1103515245u + 12345u) >> 16 & 0x7fff); }
};

struct Setting {
  const char* name;
  Params params;
  bool loop;
  bool jumps;
};

const int64_t kLength = 150000;

// One performance: keys pressed and released at odd frames, the last of them
// let go well before the end so that everything must have stopped.
void Perform(EngineHarness& h, const Setting& s)
{
  h.ApplyDefaults();
  h.Param(kStepRate, 4);
  for (const auto& p : s.params) h.Param(p.first, p.second);
  if (s.loop) {
    h.cycle = true;
    h.loopStart = 11025;
    h.loopEnd = 50000;
    h.hostPos = 11025;
  }
  if (s.jumps) {
    h.Between(30011, [](EngineHarness& e) { e.hostPos = 500000; });
    h.Between(52000, [](EngineHarness& e) { e.hostPos = 1000; });
    h.Between(70000, [](EngineHarness& e) { e.playing = false; });
    h.Between(95000, [](EngineHarness& e) {
      e.playing = true;
      e.hostPos = 0;
    });
  }
  h.Key(37, 60, 100);
  h.Key(1234, 64, 90);
  h.Key(1234, 55, 70);
  h.Key(20001, 67, 80);
  h.Release(33333, 64);
  h.Key(47000, 71, 70);
  h.Release(61111, 60);
  h.Key(61111, 72, 60);
  h.Key(70500, 48, 100);
  h.Release(70800, 48);
  for (int p : {55, 67, 71, 72}) h.Release(90000, p);
  h.Key(100003, 65, 100);
  h.Key(100003, 69, 100);
  h.Release(100500, 65);
  h.Release(120000, 69);
  // Hold keeps what was released: let it go before the end.
  h.Between(125000, [](EngineHarness& e) { e.Param(kHold, 0); });
}

// Reports the first event where two runs part, if any.
void ExpectSameEvents(const std::vector<Sent>& reference, const std::vector<Sent>& other)
{
  ASSERT_EQ(reference.size(), other.size());
  for (size_t i = 0; i < reference.size(); ++i)
    if (!(reference[i] == other[i])) {
      ADD_FAILURE() << "event " << i << " at " << reference[i].at << " vs " << other[i].at << ", note "
                    << reference[i].note << " vs " << other[i].note;
      return;
    }
}

std::vector<Sent> RunSetting(const Setting& s, std::vector<int> sizes, unsigned seed, bool* clean)
{
  EngineHarness h;
  CountingRandom rnd;
  h.holder.SetRandomSource(&rnd);
  Perform(h, s);
  h.Run(kLength, sizes, seed);
  *clean = !h.outOfOrder && h.Sounding() == 0;
  return h.sent;
}

TEST(BlockProperties, ResultDoesNotDependOnTheBlockSize)
{
  const Setting settings[] = {
      {"plain 1/16", {}, false, false},
      {"1/128", {{kStepRate, 7}}, false, false},
      {"swing", {{kSwing, 0.6}}, false, false},
      {"shifts of both signs",
       {{kStepShift + 1, 23.7}, {kStepShift + 2, -17.3}, {kStepShift + 5, 50}, {kStepShift + 6, -50}, {kGate, -40}},
       false,
       false},
      {"ratchets, one on a chord step",
       {{kStepDiv, 2}, {kStepDiv + 3, 7}, {kStepDiv + 5, 1}, {kStepData + 5, 7}, {kStepRate, 3}},
       false,
       false},
      {"gate +100 and step gates", {{kGate, 100}, {kStepGate + 1, -60}, {kStepGate + 3, 100}}, false, false},
      {"triplets with reset on beat",
       {{kStepRateType, 1}, {kStepRate, 3}, {kResetOnBeat, 1}, {kResetOnBeatValue, 3}},
       false,
       false},
      {"random steps and lengths",
       {{kStepData, 8}, {kStepData + 2, 8}, {kStepLength, 3}, {kStepLength + 3, 2}, {kPatternSteps, 7}},
       false,
       false},
      {"a loop", {{kStepRate, 5}}, true, false},
      {"Hold in a loop", {{kHold, 1}}, true, false},
      {"Hold", {{kHold, 1}, {kDirection, 3}}, false, false},
      {"transport jumps", {{kDirection, 2}}, false, true},
  };
  for (const Setting& s : settings) {
    SCOPED_TRACE(s.name);
    bool clean = false;
    const std::vector<Sent> reference = RunSetting(s, {1}, 0, &clean);
    EXPECT_TRUE(clean);
    EXPECT_GT(reference.size(), 20u);
    const std::vector<std::vector<int>> sizes = {{32}, {64}, {512}, {1024}, {4096}, {0}, {7, 1, 300}};
    for (const auto& sz : sizes) {
      SCOPED_TRACE(sz[0]);
      const std::vector<Sent> other = RunSetting(s, sz, 7, &clean);
      EXPECT_TRUE(clean);
      ExpectSameEvents(reference, other);
    }
  }
}

// The heaviest setting a user can dial in: every key with 5 octaves, chords
// of 8 ratchets on all 16 steps at "1/128" "Triplet", gates at 100. A block
// of 8,192 frames makes far more notes than the output holds at once, at
// 44.1 kHz as at 192 kHz.
TEST(BlockProperties, TheWorstCaseDoesNotDependOnTheBlockSize)
{
  for (const double rate : {44100.0, 192000.0}) {
    SCOPED_TRACE(rate);
    const auto run = [rate](int size, int* dry) {
      EngineHarness h;
      h.samplesPerBeat = rate / 2.0;
      h.ApplyDefaults();
      DialTheWorstCase([&h](int index, double value) { h.Param(index, value); });
      for (int k = 0; k < 128; ++k) h.Key(0, k, 100);
      for (int k = 0; k < 128; ++k) h.Release(16384 + 3 * k, k);
      h.Run(24576, {size});
      *dry = h.holder.GetDryCount();
      EXPECT_FALSE(h.outOfOrder);
      EXPECT_EQ(h.Sounding(), 0);
      return h.sent;
    };
    int dry = 0;
    const std::vector<Sent> reference = run(1, &dry);
    EXPECT_EQ(dry, 0);
    EXPECT_GT(reference.size(), 10000u);
    for (const int size : {64, 4096, 8192}) {
      SCOPED_TRACE(size);
      const std::vector<Sent> other = run(size, &dry);
      EXPECT_EQ(dry, 0);
      ExpectSameEvents(reference, other);
    }
  }
}

TEST(BlockProperties, TheWorstCaseKeepsUpForLong)
{
  // Ratchets faster than their notes end, for half a minute: none is held
  // back without end, so no pool runs dry, and when the keys are let go
  // nothing sounds on.
  const int kBlock = 8192;
  const int64_t kLength = 30 * 44100;
  EngineHarness h;
  h.samplesPerBeat = 22050.0;
  h.ApplyDefaults();
  DialTheWorstCase([&h](int index, double value) { h.Param(index, value); });
  for (int k = 0; k < 128; ++k) h.Key(0, k, 100);
  for (int k = 0; k < 128; ++k) h.Release(kLength - 44100 + k, k);
  // What a receiver hears, kept note by note as the blocks go.
  bool sounding[128] = {};
  long noteOns = 0;
  const auto listen = [&](EngineHarness& h) {
    for (const Sent& e : h.sent) {
      sounding[e.note & 127] = e.on;
      noteOns += e.on;
    }
    h.sent.clear();
  };
  for (int64_t at = kBlock; at < kLength; at += kBlock) h.Between(at, listen);
  h.Run(kLength, {kBlock});
  listen(h);
  EXPECT_EQ(h.holder.GetDryCount(), 0);
  EXPECT_GT(noteOns, 1000000);
  EXPECT_EQ(std::count(std::begin(sounding), std::end(sounding), true), 0);
  EXPECT_FALSE(h.outOfOrder);
}

TEST(BlockProperties, NoTempoOrPositionStartsNothingAndKeepsTheKeys)
{
  for (double spb :
       {0.0, -22050.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
    SCOPED_TRACE(spb);
    EngineHarness h;
    h.ApplyDefaults();
    h.samplesPerBeat = spb;
    h.Key(100, 60, 100);
    h.Run(20000, {512});
    EXPECT_TRUE(h.sent.empty());
    EXPECT_EQ(1, h.Pattern().GetHeldCount());
    EXPECT_EQ(1, h.Hub().GetDownKeyCount());
    // Once a tempo comes, the held key plays.
    h.samplesPerBeat = 22050;
    h.Run(20000 + 11026, {512});
    EXPECT_FALSE(h.NoteOns().empty());
  }
  // Nor does a position too far out for a double to count samples.
  for (double position : {1.0e17, -1.0e17, 1.0e300, -std::numeric_limits<double>::infinity()}) {
    SCOPED_TRACE(position);
    EngineHarness h;
    h.ApplyDefaults();
    h.Param(kStepRate, 4);
    h.hostPos = position;
    h.Key(100, 60, 100);
    h.Run(20000, {512});
    EXPECT_TRUE(h.sent.empty());
    EXPECT_EQ(1, h.Pattern().GetHeldCount());
    h.hostPos = 0;
    h.Run(20000 + 11026, {512});
    EXPECT_FALSE(h.NoteOns().empty());
  }
}

TEST(BlockProperties, TinyStepsStillReturn)
{
  struct Case {
    double samplesPerBeat;
    Params params;
  };
  const Case cases[] = {
      {40.0, {{kStepRate, 7}}},                                      // a step of 1.25 samples
      {3200.0, {{kStepRate, 7}, {kGate, -100}, {kStepGate, -100}}},  // notes of 10 samples at the shortest gate
      {3200.0, {{kStepRate, 7}, {kGate, -100}, {kStepDiv, 7}}},      // and ratchets inside them
      {1.0e7, {{kStepRate, 0}, {kGate, -100}}},                      // and a very slow one
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.samplesPerBeat);
    EngineHarness h;
    h.ApplyDefaults();
    for (const auto& p : c.params) h.Param(p.first, p.second);
    h.samplesPerBeat = c.samplesPerBeat;
    h.Key(0, 60, 100);
    h.Key(0, 67, 100);
    h.Release(30000, 60);
    h.Release(30000, 67);
    h.Run(40000, {512});
    EXPECT_FALSE(h.outOfOrder);
    EXPECT_EQ(0, h.Sounding());
  }
}

// Frames of the note-ons, each taken from the start of its loop pass.
TEST(BlockProperties, LoopsKeepPlayingOnEveryPass)
{
  EngineHarness h;
  h.ApplyDefaults();
  h.Param(kStepRate, 4);
  h.cycle = true;
  h.loopStart = 11025;
  h.loopEnd = 50000;  // not on the step grid
  h.hostPos = 11025;
  h.Key(0, 60, 100);
  h.Key(0, 64, 100);
  const int64_t pass = 50000 - 11025;
  h.Run(6 * pass, {512});
  std::vector<std::vector<int64_t>> onsets(6);
  for (const Sent& s : h.NoteOns()) onsets[s.at / pass].push_back(s.at % pass);
  for (int p = 1; p < 6; ++p) {
    SCOPED_TRACE(p);
    EXPECT_EQ(onsets[0], onsets[p]);
  }
  EXPECT_EQ(8u, onsets[0].size());
  // Nothing sounds across the wrap: every note ends within its step.
  std::map<int, int64_t> started;
  for (const Sent& s : h.sent) {
    if (s.on)
      started[s.note] = s.at;
    else if (started.count(s.note)) {
      EXPECT_LE(s.at - started[s.note], 5513);
      started.erase(s.note);
    }
  }
}

TEST(BlockProperties, OddLoopsKeepPlaying)
{
  // A loop end between two samples, and a loop that cannot wrap (Hold on,
  // so that every wrap would clear the chord): the pattern plays on.
  struct Case {
    const char* name;
    double loopStart, loopEnd;
    bool hold;
  };
  const Case cases[] = {
      {"loop end between samples", 0, 11025.5, false},
      {"loop of no length, Hold", 22050, 22050, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EngineHarness h;
    h.ApplyDefaults();
    h.Param(kStepRate, 4);
    h.Param(kHold, c.hold);
    h.cycle = true;
    h.loopStart = c.loopStart;
    h.loopEnd = c.loopEnd;
    h.Key(0, 60, 100);
    h.Key(0, 64, 100);
    h.Run(110250, {512});
    EXPECT_EQ(20u, h.NoteOns().size());
    EXPECT_FALSE(h.outOfOrder);
  }
}

TEST(BlockProperties, TransportJumpsResync)
{
  struct Case {
    const char* name;
    std::function<void(EngineHarness&)> jump;
  };
  const Case cases[] = {
      {"relocate forward", [](EngineHarness& e) { e.hostPos = 900000; }},
      {"relocate back", [](EngineHarness& e) { e.hostPos = 0; }},
      {"stop", [](EngineHarness& e) { e.playing = false; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EngineHarness h;
    h.ApplyDefaults();
    h.Param(kStepRate, 4);
    h.hostPos = 400000;
    h.Key(0, 60, 100);
    h.Key(0, 64, 100);
    h.Between(20000, c.jump);
    h.Between(50000, [](EngineHarness& e) {
      e.playing = true;
      e.hostPos = 44100;
    });
    h.Run(80000, {512});
    // Within a step after each jump the pattern plays again, and goes on.
    for (int64_t jump : {20000, 50000}) {
      int after = 0;
      for (const Sent& s : h.NoteOns()) after += s.at >= jump && s.at <= jump + 5513;
      EXPECT_GE(after, 1) << jump;
    }
    int late = 0;
    for (const Sent& s : h.NoteOns()) late += s.at >= 70000;
    EXPECT_GE(late, 1);
    EXPECT_FALSE(h.outOfOrder);
  }
}

}  // namespace

namespace {

TEST(BlockProperties, RunningSceneSplitsPiecesWithoutChangingThePattern)
{
  // Scene steps of 16 beats, all naming pattern 0: the boundaries cut the
  // pieces but the pattern plays on as with the scene paused.
  std::vector<Sent> played[2];
  for (int paused = 0; paused < 2; ++paused) {
    EngineHarness h;
    h.holder.GetSceneList()->SetPaused(paused == 1);
    h.ApplyDefaults();
    h.Param(kStepRate, 4);
    h.Param(kSwing, 0.3);
    h.Key(10, 60, 100);
    h.Key(10, 63, 100);
    h.Run(40 * 22050, {0});
    played[paused] = h.sent;
  }
  EXPECT_GT(played[0].size(), 300u);
  EXPECT_TRUE(played[0] == played[1]);
}

}  // namespace

namespace {

// Parameter index and its range, for random sessions.
struct Range {
  int index;
  double lo, hi;
  bool integral;
};

TEST(BlockProperties, RandomSessionsEndSilentAndInOrder)
{
  const Range ranges[] = {
      {kGate, -100, 100, false},
      {kHold, 0, 1, true},
      {kStepRate, 0, 7, true},
      {kStepRateType, 0, 2, true},
      {kDirection, 0, 3, true},
      {kSortOrder, 0, 4, true},
      {kSwing, 0, 1, false},
      {kOctaves, 1, 5, true},
      {kTranspose, -12, 12, true},
      {kVelocityMode, 0, 3, true},
      {kResetOnNewNote, 0, 1, true},
      {kResetOnBeat, 0, 1, true},
      {kResetOnBeatValue, 1, 16, true},
      {kPatternSteps, 1, 16, true},
      {kPatternOn, 0, 1, true},
      {kCustomSortOrder, 0, 9, true},
      {kCustomSortOrder + 1, 0, 9, true},
      {kScale, 0, 40, true},
      {kScaleKey, 0, 11, true},
      {kScaleMode, 0, 11, true},
      {kStepLength + 1, 1, 8, true},
      {kStepGate + 1, -100, 100, false},
      {kStepAccent + 1, -100, 100, false},
      {kStepTranspose + 1, -24, 24, true},
      {kStepDiv + 1, 0, 7, true},
      {kStepShift + 1, -50, 50, false},
      {kStepData + 1, 0, 8, true},
      {kStepData + 2, 0, 8, true},
      {kStepCC1 + 1, 0, 128, true},
  };
  size_t played = 0;
  for (unsigned seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 rng(seed);
    auto uniform = [&](double lo, double hi) { return lo + (hi - lo) * (rng() / 4294967296.0); };
    EngineHarness h;
    CountingRandom rnd;
    h.holder.SetRandomSource(&rnd);
    h.ApplyDefaults();
    const int64_t end = 120000;
    for (int i = 0; i < 60; ++i) {
      const int64_t at = (int64_t)uniform(0, end - 30000);
      const int pitch = 36 + (int)uniform(0, 48);
      h.Key(at, pitch, 1 + (int)uniform(0, 127));
      h.Release(at + (int64_t)uniform(0, 20000), pitch);
    }
    for (int i = 0; i < 25; ++i) {
      const Range& r = ranges[(int)uniform(0, sizeof ranges / sizeof ranges[0])];
      double v = uniform(r.lo, r.hi + (r.integral ? 1 : 0));
      if (r.integral) v = std::floor(v > r.hi ? r.hi : v);
      h.Between((int64_t)uniform(0, end - 30000), [r, v](EngineHarness& e) { e.Param(r.index, v); });
    }
    for (int i = 0; i < 6; ++i) {
      const int what = (int)uniform(0, 4);
      const double pos = std::floor(uniform(0, 400000));
      h.Between((int64_t)uniform(0, end - 30000), [what, pos](EngineHarness& e) {
        if (what == 0)
          e.playing = !e.playing;
        else if (what == 1)
          e.hostPos = pos;
        else if (what == 2)
          e.samplesPerBeat = std::floor(pos / 10.0);
        else {
          e.cycle = !e.cycle;
          e.loopStart = pos;
          e.loopEnd = pos + 30000;
        }
      });
    }
    h.Between(end - 25000, [](EngineHarness& e) {
      e.Param(kHold, 0);  // Hold off lets every key go
      e.samplesPerBeat = 22050;
    });
    h.Run(end, {0}, seed);
    played += h.sent.size();
    EXPECT_FALSE(h.outOfOrder);
    EXPECT_EQ(0, h.Sounding());
    EXPECT_EQ(0, h.Hub().GetDownKeyCount());
  }
  EXPECT_GT(played, 2000u);
}

}  // namespace
