// Which note each step plays: direction, sort order, octaves, step data,
// custom order, velocity with accents, transposes and the scale.

#include "EngineHarness.h"
#include "RandomSource.h"

#include <gtest/gtest.h>

using namespace TolvoParams;

namespace {

using Params = std::vector<std::pair<int, double>>;

struct ScriptedRandom : RandomSource {
  std::vector<int> values;
  size_t next = 0;
  int Next() override { return values[next++ % values.size()]; }
};

struct Played {
  std::vector<int> notes;
  std::vector<int> velocities;
};

// The first notes that one setting plays over the keys (pitch, velocity),
// pressed in that order at frame 0.
Played Play(const Params& params, const std::vector<std::pair<int, int>>& keys, size_t count,
            std::vector<int> random = {0})
{
  EngineHarness h;
  ScriptedRandom rnd;
  rnd.values = random;
  h.holder.SetRandomSource(&rnd);
  h.ApplyDefaults();
  h.Param(kStepRate, 4);
  for (const auto& p : params) h.Param(p.first, p.second);
  for (const auto& k : keys) h.Key(0, k.first, k.second);
  h.Run((int64_t)(count + 1) * 5513, {512});
  Played r;
  for (const Sent& s : h.NoteOns())
    if (r.notes.size() < count) {
      r.notes.push_back(s.note);
      r.velocities.push_back(s.velocity);
    }
  return r;
}

const std::vector<std::pair<int, int>> kChord = {{60, 100}, {64, 100}, {67, 100}};

struct NoteCase {
  const char* name;
  Params params;
  std::vector<std::pair<int, int>> keys;
  std::vector<int> notes;
  std::vector<int> random = {0};
};

void RunCases(const std::vector<NoteCase>& cases)
{
  for (const NoteCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.notes, Play(c.params, c.keys, c.notes.size(), c.random).notes);
  }
}

TEST(StepData, DirectionsAndSortOrders)
{
  const std::vector<std::pair<int, int>> asPlayed = {{64, 100}, {60, 100}, {67, 100}};
  RunCases({
      {"Up", {}, kChord, {60, 64, 67, 60, 64, 67, 60}},
      {"Down starts on the highest", {{kDirection, 1}}, kChord, {67, 64, 60, 67, 64, 60, 67}},
      {"Up Alt", {{kDirection, 2}}, kChord, {60, 64, 67, 64, 60, 64, 67}},
      {"Down Alt starts on the highest", {{kDirection, 3}}, kChord, {67, 64, 60, 64, 67, 64, 60}},
      {"Lo-Hi", {}, asPlayed, {60, 64, 67}},
      {"Hi-Lo", {{kSortOrder, 1}}, asPlayed, {67, 64, 60}},
      {"As played", {{kSortOrder, 2}}, asPlayed, {64, 60, 67}},
      {"Reversed", {{kSortOrder, 3}}, asPlayed, {67, 60, 64}},
      {"As played keeps lower rows first", {{kSortOrder, 2}}, {{60, 100}, {52, 100}}, {52, 60, 52}},
      {"two octaves", {{kOctaves, 2}}, {{60, 100}, {64, 100}}, {60, 64, 72, 76, 60}},
      {"octaves stop at the top of the table", {{kOctaves, 3}}, {{120, 100}}, {120, 120}},
  });
}

TEST(StepData, StepDataPicksTheNote)
{
  RunCases({
      {"Play", {}, kChord, {60, 64, 67, 60}},
      {"ratchets replay the note of their step", {{kStepDiv, 2}}, kChord, {60, 60, 60, 64}},
      {"ratchets of Random pick again", {{kStepDiv, 2}, {kStepData, 8}}, kChord, {64, 60, 67, 64}, {1, 0, 2}},
      {"Off is silent and keeps the walk", {{kStepData + 1, 1}}, kChord, {60, 64, 67, 60}},
      {"a step that is off is silent and moves the walk", {{kStepOn + 1, 0}}, kChord, {60, 67, 60, 64}},
      {"Previous", {{kStepData + 1, 2}}, kChord, {60, 60, 64, 67}},
      {"First", {{kStepData + 2, 3}}, kChord, {60, 64, 60, 67}},
      {"Last", {{kStepData, 4}}, kChord, {67, 64, 67, 60}},
      {"Highest", {{kStepData + 1, 5}}, kChord, {60, 67, 64, 67}},
      {"Lowest", {{kStepData + 1, 6}}, kChord, {60, 60, 64, 67}},
      {"Random", {{kStepData + 1, 8}}, kChord, {60, 67, 67, 60}, {2}},
      {"Random reaches every note, the highest too",
       {{kStepData, 8}, {kStepData + 1, 8}, {kStepData + 2, 8}},
       kChord,
       {60, 64, 67},
       {0, 1, 2}},
      {"pattern off: every step sounds",
       {{kPatternOn, 0}, {kStepOn + 1, 0}, {kStepData + 2, 1}},
       kChord,
       {60, 64, 67, 60}},
      {"Custom: S ends the order",
       {{kSortOrder, 4},
        {kCustomSortOrder, 2},
        {kCustomSortOrder + 1, 1},
        {kCustomSortOrder + 2, 9},
        {kCustomSortOrder + 3, 4}},
       {{60, 100}, {64, 100}},
       {64, 60, 64, 60}},
      {"Custom: R takes the random pick",
       {{kSortOrder, 4}, {kCustomSortOrder, 8}, {kCustomSortOrder + 1, 9}},
       kChord,
       {64},
       {1}},
  });
}

TEST(StepData, OffStepsNeitherStartNorEndANote)
{
  // Step 2 is "Off": only step 1's note ends as it begins, and step 3
  // plays the next note.
  EngineHarness h;
  h.ApplyDefaults();
  h.Param(kStepRate, 4);
  h.Param(kStepData + 1, 1);
  h.Key(0, 60, 100);
  h.Run(3 * 5513, {512});
  const std::vector<Sent> want = {{0, 60, 100, true}, {5513, 60, 127, false}, {11025, 60, 100, true}};
  EXPECT_EQ(want, std::vector<Sent>(h.sent.begin(), h.sent.begin() + 3));
}

TEST(StepData, ChordOnAStepThatIsOffStartsNothing)
{
  // Chord notes outlive their step, so silent ones would linger as
  // sounding until the same pitch played again.
  EngineHarness h;
  h.ApplyDefaults();
  h.Param(kStepRate, 4);
  h.Param(kStepOn + 1, 0);    // step 1 off
  h.Param(kStepData + 1, 7);  // with "Chord"
  h.Key(0, 60, 100);
  h.Key(0, 64, 100);
  h.Run(5513 + 1000, {512});
  EXPECT_EQ(0, h.Pattern().GetSounding().Size());
  EXPECT_EQ(0, h.Pattern().GetSoundingCount());
  EXPECT_EQ(0, h.Sounding());
}

TEST(StepData, ChordPlaysEveryHeldNoteUntransposedAtFullVelocity)
{
  EngineHarness h;
  h.ApplyDefaults();
  h.Param(kStepRate, 4);
  h.Param(kStepData + 1, 7);       // step 1 "Chord"
  h.Param(kStepTranspose + 1, 5);  // with a step transpose
  h.Param(kOctaves, 2);            // and an octave copy of each key
  h.Key(0, 60, 90);
  h.Key(0, 64, 90);
  h.Run(5513 + 10, {512});
  std::vector<int> chord;
  for (const Sent& s : h.NoteOns())
    if (s.at == 5513) {
      chord.push_back(s.note);
      EXPECT_EQ(127, s.velocity);
    }
  EXPECT_EQ((std::vector<int>{60, 64, 72, 76}), chord);
}

TEST(StepData, VelocityModesAndAccents)
{
  const std::vector<std::pair<int, int>> keys = {{60, 100}, {64, 50}, {67, 80}};
  struct Case {
    const char* name;
    Params params;
    std::vector<int> velocities;
  };
  const Case cases[] = {
      {"Note", {}, {100, 50, 80}},
      {"First", {{kVelocityMode, 1}}, {100, 100, 100}},
      {"Last", {{kVelocityMode, 2}}, {80, 80, 80}},
      {"Average", {{kVelocityMode, 3}}, {76, 76, 76}},
      {"accent +20 leaves headroom for itself", {{kStepAccent + 1, 20}}, {100, 70, 80}},
      {"accent +100 lowers every base above 27", {{kStepAccent, 100}}, {127, 27, 27}},
      {"accent -50 raises every base below 50", {{kStepAccent + 2, -50}}, {100, 50, 30}},
      {"pattern off keeps the accents", {{kPatternOn, 0}, {kStepAccent + 1, 20}}, {100, 70, 80}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.velocities, Play(c.params, keys, 3).velocities);
  }
}

TEST(StepData, TransposesSnapIntoTheScale)
{
  RunCases({
      {"transpose", {{kTranspose, 2}}, kChord, {62, 66, 69}},
      {"step transpose", {{kStepTranspose + 1, -12}}, kChord, {60, 52, 67}},
      {"transpose into C major snaps up", {{kTranspose, 2}, {kScale, 1}}, kChord, {62, 67, 69}},
      {"D major", {{kScale, 1}, {kScaleKey, 2}}, {{60, 100}, {61, 100}, {71, 100}}, {61, 61, 71}},
  });
}

}  // namespace
