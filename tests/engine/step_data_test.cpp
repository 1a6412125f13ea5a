// Which note each step plays: direction, sort order, octaves, step data,
// custom order, velocity with accents, transposes and the scale.

#include "EngineHarness.h"
#include "RandomSource.h"

#include <gtest/gtest.h>

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
  h.Param(2, 4);
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
      {"Down starts on the highest", {{4, 1}}, kChord, {67, 64, 60, 67, 64, 60, 67}},
      {"Up Alt", {{4, 2}}, kChord, {60, 64, 67, 64, 60, 64, 67}},
      {"Down Alt starts on the highest", {{4, 3}}, kChord, {67, 64, 60, 64, 67, 64, 60}},
      {"Lo-Hi", {}, asPlayed, {60, 64, 67}},
      {"Hi-Lo", {{5, 1}}, asPlayed, {67, 64, 60}},
      {"As played", {{5, 2}}, asPlayed, {64, 60, 67}},
      {"Reversed", {{5, 3}}, asPlayed, {67, 60, 64}},
      {"As played keeps lower rows first", {{5, 2}}, {{60, 100}, {52, 100}}, {52, 60, 52}},
      {"two octaves", {{7, 2}}, {{60, 100}, {64, 100}}, {60, 64, 72, 76, 60}},
      {"octaves stop at the top of the table", {{7, 3}}, {{120, 100}}, {120, 120}},
  });
}

TEST(StepData, StepDataPicksTheNote)
{
  RunCases({
      {"Play", {}, kChord, {60, 64, 67, 60}},
      {"ratchets replay the note of their step", {{126, 2}}, kChord, {60, 60, 60, 64}},
      {"ratchets of Random pick again", {{126, 2}, {158, 8}}, kChord, {64, 60, 67, 64}, {1, 0, 2}},
      {"Off is silent and keeps the walk", {{159, 1}}, kChord, {60, 64, 67, 60}},
      {"a step that is off is silent and moves the walk", {{15, 0}}, kChord, {60, 67, 60, 64}},
      {"Previous", {{159, 2}}, kChord, {60, 60, 64, 67}},
      {"First", {{160, 3}}, kChord, {60, 64, 60, 67}},
      {"Last", {{158, 4}}, kChord, {67, 64, 67, 60}},
      {"Highest", {{159, 5}}, kChord, {60, 67, 64, 67}},
      {"Lowest", {{159, 6}}, kChord, {60, 60, 64, 67}},
      {"Random", {{159, 8}}, kChord, {60, 67, 67, 60}, {2}},
      {"Random reaches every note, the highest too", {{158, 8}, {159, 8}, {160, 8}}, kChord, {60, 64, 67}, {0, 1, 2}},
      {"pattern off: every step sounds", {{46, 0}, {15, 0}, {160, 1}}, kChord, {60, 64, 67, 60}},
      {"Custom: S ends the order",
       {{5, 4}, {47, 2}, {48, 1}, {49, 9}, {50, 4}},
       {{60, 100}, {64, 100}},
       {64, 60, 64, 60}},
      {"Custom: R takes the random pick", {{5, 4}, {47, 8}, {48, 9}}, kChord, {64}, {1}},
  });
}

TEST(StepData, OffStepsNeitherStartNorEndANote)
{
  // Step 2 is "Off": only step 1's note ends as it begins, and step 3
  // plays the next note.
  EngineHarness h;
  h.ApplyDefaults();
  h.Param(2, 4);
  h.Param(159, 1);
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
  h.Param(2, 4);
  h.Param(15, 0);   // step 1 off
  h.Param(159, 7);  // with "Chord"
  h.Key(0, 60, 100);
  h.Key(0, 64, 100);
  h.Run(5513 + 1000, {512});
  EXPECT_EQ(0, h.Pattern().GetNoteList().GetSize());
  EXPECT_EQ(0, h.Pattern().GetSoundingCount());
  EXPECT_EQ(0, h.Sounding());
}

TEST(StepData, ChordPlaysEveryHeldNoteUntransposedAtFullVelocity)
{
  EngineHarness h;
  h.ApplyDefaults();
  h.Param(2, 4);
  h.Param(159, 7);  // step 1 "Chord"
  h.Param(111, 5);  // with a step transpose
  h.Param(7, 2);    // and an octave copy of each key
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
      {"First", {{9, 1}}, {100, 100, 100}},
      {"Last", {{9, 2}}, {80, 80, 80}},
      {"Average", {{9, 3}}, {76, 76, 76}},
      {"accent +20 leaves headroom for itself", {{95, 20}}, {100, 70, 80}},
      {"accent +100 lowers every base above 27", {{94, 100}}, {127, 27, 27}},
      {"accent -50 raises every base below 50", {{96, -50}}, {100, 50, 30}},
      {"pattern off keeps the accents", {{46, 0}, {95, 20}}, {100, 70, 80}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.velocities, Play(c.params, keys, 3).velocities);
  }
}

TEST(StepData, TransposesSnapIntoTheScale)
{
  RunCases({
      {"transpose", {{8, 2}}, kChord, {62, 66, 69}},
      {"step transpose", {{111, -12}}, kChord, {60, 52, 67}},
      {"transpose into C major snaps up", {{8, 2}, {55, 1}}, kChord, {62, 67, 69}},
      {"D major", {{55, 1}, {56, 2}}, {{60, 100}, {61, 100}, {71, 100}}, {61, 61, 71}},
  });
}

}  // namespace
