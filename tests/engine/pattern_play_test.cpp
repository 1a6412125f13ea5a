// The pattern as it plays: exact timing of the plain case and the timing
// settings (rate, length, gate, ratchets, shift, swing, reset on beat).

#include "EngineHarness.h"

#include <gtest/gtest.h>

using namespace TolvoParams;

namespace {

struct PlainChord : EngineHarness {
  PlainChord()
  {
    ApplyDefaults();
    Param(kStepRate, 4);  // "1/16"
    Key(0, 60, 100);
    Key(0, 64, 90);
    Key(0, 67, 80);
  }
};

TEST(PatternPlay, FreshEngineIsSilentUntilTheDefaultsAreApplied)
{
  EngineHarness h;
  h.Key(0, 60, 100);
  h.Run(44100, {512});
  EXPECT_TRUE(h.sent.empty());
  EXPECT_EQ(0, h.Pattern().GetOctaves());
  h.ApplyDefaults();
  EXPECT_DOUBLE_EQ(0.5, h.Pattern().GetStepLength());  // "1/8"
}

TEST(PatternPlay, PlainCaseIsTimedExactly)
{
  PlainChord h;
  h.Run(8 * 5513, {512});
  const int pitches[] = {60, 64, 67};
  const int velocities[] = {100, 90, 80};
  const std::vector<Sent> ons = h.NoteOns();
  ASSERT_GE(ons.size(), 8u);
  for (int k = 0; k < 8; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ((int64_t)std::round(k * 5512.5), ons[k].at);
    EXPECT_EQ(pitches[k % 3], ons[k].note);
    EXPECT_EQ(velocities[k % 3], ons[k].velocity);
  }
  // Each note ends where the next step starts, just before its note-on.
  for (size_t i = 1; i < h.sent.size(); ++i)
    if (h.sent[i].on && h.sent[i].at > 0) {
      ASSERT_FALSE(h.sent[i - 1].on);
      EXPECT_EQ(h.sent[i].at, h.sent[i - 1].at);
    }
}

// Onsets of the first notes under one setting, with a single held key.
std::vector<int64_t> Onsets(const std::vector<std::pair<int, double>>& params, int count)
{
  EngineHarness h;
  h.ApplyDefaults();
  h.Param(kStepRate, 4);
  for (const auto& p : params) h.Param(p.first, p.second);
  h.Key(0, 60, 100);
  h.Run(12 * 22050, {256});
  std::vector<int64_t> r;
  for (const Sent& s : h.NoteOns())
    if ((int)r.size() < count) r.push_back(s.at);
  return r;
}

TEST(PatternPlay, TimingSettings)
{
  struct Case {
    const char* name;
    std::vector<std::pair<int, double>> params;
    std::vector<int64_t> onsets;
  };
  const Case cases[] = {
      {"rate 1/8", {{kStepRate, 3}}, {0, 11025, 22050, 33075}},
      {"triplet", {{kStepRateType, 1}}, {0, 3675, 7350, 11025}},
      {"dotted", {{kStepRateType, 2}}, {0, 8269, 16538, 24806}},
      {"step length 2 on step 0", {{kStepLength, 2}}, {0, 11025, 16538, 22050}},
      // The late note holds the on-beat one back until it has ended.
      {"swing 1.0 delays every second sixteenth", {{kSwing, 1.0}}, {0, 8269, 13782, 19294}},
      {"shift +10 on step 1", {{kStepShift + 1, 10}}, {0, 6064, 11577, 16538}},
      {"shift -10 on step 1, gate 0.5", {{kStepShift + 1, -10}, {kGate, -50}}, {0, 4961, 11025, 16538}},
      {"shift -10 after a full note", {{kStepShift + 1, -10}}, {0, 5514, 11025, 16538}},
      {"div 3 on step 0: three ratchets", {{kStepDiv, 2}}, {0, 1838, 3675, 5513}},
      {"two steps, the second two long", {{kPatternSteps, 2}, {kStepLength + 1, 2}}, {0, 5513, 16538, 22050}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.onsets, Onsets(c.params, (int)c.onsets.size()));
  }
}

// Length of the first note under a gate setting.
int64_t FirstNoteLength(const std::vector<std::pair<int, double>>& params)
{
  EngineHarness h;
  h.ApplyDefaults();
  h.Param(kStepRate, 4);
  for (const auto& p : params) h.Param(p.first, p.second);
  h.Key(0, 60, 100);
  h.Run(4 * 22050, {64});
  for (const Sent& s : h.sent)
    if (!s.on) return s.at;
  return -1;
}

TEST(PatternPlay, GateSetsTheNoteLength)
{
  EXPECT_EQ(5513, FirstNoteLength({}));
  EXPECT_EQ(2757, FirstNoteLength({{kGate, -50}}));                     // gate 0.5
  EXPECT_EQ(11026, FirstNoteLength({{kGate, 100}}));                    // gate 2.0 outlasts its step
  EXPECT_EQ(551, FirstNoteLength({{kGate, -100}}));                     // 0.0 is taken as 0.1
  EXPECT_EQ(2757, FirstNoteLength({{kStepGate, -50}}));                 // step gate adds to the gate
  EXPECT_EQ(551, FirstNoteLength({{kGate, -100}, {kStepGate, -100}}));  // never below 0.1
}

TEST(PatternPlay, LongGateHoldsTheNextStepBack)
{
  EngineHarness h;
  h.ApplyDefaults();
  h.Param(kStepRate, 4);
  h.Param(kGate, 100);  // gate 2.0
  h.Key(0, 60, 100);
  h.Key(0, 64, 100);
  h.Run(6 * 5513, {128});
  const std::vector<Sent> ons = h.NoteOns();
  ASSERT_GE(ons.size(), 3u);
  EXPECT_EQ(0, ons[0].at);
  EXPECT_EQ(11027, ons[1].at);  // one sample after the first note's end
  EXPECT_EQ(0, h.outOfOrder);
}

TEST(PatternPlay, RatchetsHeldBackByALongNoteKeepTheirEndOrAreNotPlayed)
{
  // Step 1 outlasts both ratchets of step 2. The first, held back past its
  // own end, would be shorter than the shortest note: it is not played
  // (it used to be played late at its full length, and so every note after
  // it later still). The second, held back to one sample after the long
  // note, keeps the end it was meant to have.
  EngineHarness h;
  h.ApplyDefaults();
  h.Param(kStepRate, 4);
  h.Param(kPatternSteps, 2);
  h.Param(kStepGate, 100);
  h.Param(kStepGate + 1, 100);
  h.Param(kStepDiv + 1, 1);        // step 2: two ratchets
  h.Param(kStepTranspose + 1, 7);  // heard as G4
  h.Key(0, 60, 100);
  h.Run(8 * 5513, {128});
  ASSERT_GE(h.sent.size(), 8u);
  int ratchets = 0;
  for (size_t i = 0; i + 1 < h.sent.size(); i += 2) {
    const Sent& on = h.sent[i];
    const Sent& off = h.sent[i + 1];
    ASSERT_TRUE(on.on && !off.on && on.note == off.note) << i;
    EXPECT_GE(off.at - on.at, 100) << "note " << i / 2;
    if (on.note == 67) {
      ++ratchets;
      EXPECT_EQ(on.at, h.sent[i - 1].at + 1) << "ratchet " << i / 2;
      EXPECT_EQ(off.at - on.at, 1376) << "ratchet " << i / 2;
    }
  }
  EXPECT_EQ(ratchets, 3);  // one a pass of step 2
  EXPECT_FALSE(h.outOfOrder);
}

TEST(PatternPlay, ResetOnBeatRestartsThePattern)
{
  // Rate "1" with a reset every beat: each step lasts a beat, and every
  // beat starts again on the first note.
  EngineHarness h;
  h.ApplyDefaults();
  h.Param(kStepRate, 0);
  h.Param(kResetOnBeat, 1);
  h.Param(kResetOnBeatValue, 4);
  h.Key(0, 60, 100);
  h.Key(0, 64, 100);
  h.Run(4 * 22050 + 10, {300});
  const std::vector<Sent> ons = h.NoteOns();
  ASSERT_EQ(5u, ons.size());
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(k * 22050, ons[k].at);
    EXPECT_EQ(60, ons[k].note);
  }
  EXPECT_EQ(0, h.Pattern().GetStepper().GetCurrentStep());
}

TEST(PatternPlay, ResetOnBeatKeepsTheRateType)
{
  // Steps follow the rate type between the resets, whichever of the
  // settings came last.
  struct Case {
    const char* name;
    std::vector<std::pair<int, double>> params;
    std::vector<int64_t> onsets;
    std::vector<int> notes;
  };
  // Two thirds of a beat, then the beat starts again.
  const std::vector<int64_t> kTriplets = {0, 14700, 22050, 36750, 44100, 58800, 66150, 80850, 88200};
  const std::vector<int> kAlternate = {60, 64, 60, 64, 60, 64, 60, 64, 60};
  const Case cases[] = {
      {"triplet, reset every beat",
       {{kResetOnBeat, 1}, {kResetOnBeatValue, 4}, {kStepRateType, 1}},
       kTriplets,
       kAlternate},
      {"triplet set before the reset value",
       {{kStepRateType, 1}, {kResetOnBeat, 1}, {kResetOnBeatValue, 4}},
       kTriplets,
       kAlternate},
      {"dotted quarter, reset every two beats",
       {{kStepRate, 2}, {kStepRateType, 2}, {kResetOnBeat, 1}, {kResetOnBeatValue, 8}},
       {0, 33075, 44100, 66150, 88200},
       {60, 64, 60, 64, 60}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EngineHarness h;
    h.ApplyDefaults();
    h.Param(kStepRate, 0);  // "1"
    for (const auto& p : c.params) h.Param(p.first, p.second);
    h.Key(0, 60, 100);
    h.Key(0, 64, 100);
    h.Run(88200 + 10, {300});
    std::vector<int64_t> onsets;
    std::vector<int> notes;
    for (const Sent& s : h.NoteOns()) {
      onsets.push_back(s.at);
      notes.push_back(s.note);
    }
    EXPECT_EQ(c.onsets, onsets);
    EXPECT_EQ(c.notes, notes);
  }
}

TEST(PatternPlay, ChangingTheRateEndsWhatSounds)
{
  PlainChord h;
  h.Between(1000, [](EngineHarness& e) { e.Param(kStepRate, 3); });
  h.Run(1001, {512});
  ASSERT_EQ(2u, h.sent.size());
  EXPECT_FALSE(h.sent[1].on);
  EXPECT_EQ(1000, h.sent[1].at);
}

}  // namespace
