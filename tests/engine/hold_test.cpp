// The Hold latch, and what ends the notes when the keys or the pattern
// are reset.

#include "EngineHarness.h"

#include <gtest/gtest.h>

#include <set>

using namespace TolvoParams;

namespace {

struct Held : EngineHarness {
  explicit Held(bool hold)
  {
    ApplyDefaults();
    Param(kStepRate, 4);
    if (hold) Param(kHold, 1);
  }
  // The notes played from frame `from` on, up to `to`.
  std::set<int> NotesBetween(int64_t from, int64_t to) const
  {
    std::set<int> r;
    for (const Sent& s : NoteOns())
      if (s.at >= from && s.at < to) r.insert(s.note);
    return r;
  }
  std::set<int> NotesFrom(int64_t from) const { return NotesBetween(from, INT64_MAX); }
};

TEST(Hold, ReleasedChordStaysUntilANewKeyStartsAnother)
{
  Held h(true);
  for (int p : {60, 64, 67}) h.Key(0, p, 100);
  for (int p : {60, 64, 67}) h.Release(3000, p);
  h.Key(40000, 62, 100);
  h.Run(80000, {512});
  EXPECT_EQ((std::set<int>{60, 64, 67}), h.NotesBetween(3000, 40000));
  EXPECT_EQ((std::set<int>{62}), h.NotesFrom(40000));
  EXPECT_EQ(1, h.Pattern().GetHeldCount());
}

TEST(Hold, KeysJoinWhileTheFirstIsDown)
{
  Held h(true);
  h.Key(0, 60, 100);
  h.Key(2000, 64, 100);
  h.Release(4000, 64);
  h.Run(60000, {256});
  EXPECT_EQ((std::set<int>{60, 64}), h.NotesFrom(20000));
}

TEST(Hold, OffReleasesAtOnceAndSwitchingOffStopsEverything)
{
  Held h(false);
  h.Key(0, 60, 100);
  h.Key(0, 64, 100);
  h.Release(6000, 64);
  h.Run(30000, {512});
  EXPECT_EQ((std::set<int>{60}), h.NotesFrom(6000));

  Held latched(true);
  latched.Key(0, 60, 100);
  latched.Release(100, 60);
  latched.Between(20000, [](EngineHarness& e) { e.Param(kHold, 0); });
  latched.Run(40000, {512});
  EXPECT_EQ(0, latched.Sounding());
  EXPECT_EQ(0, latched.Hub().GetDownKeyCount());
  EXPECT_FALSE(latched.Hub().IsKeyDown(60));
  EXPECT_TRUE(latched.NotesFrom(20000).empty());
}

TEST(Hold, LoopWrapClearsTheLatchedNotes)
{
  Held h(true);
  h.cycle = true;
  h.loopStart = 0;
  h.loopEnd = 44100;
  h.Key(0, 60, 100);
  h.Release(100, 60);
  h.Run(3 * 44100, {512});
  EXPECT_FALSE(h.NotesFrom(0).empty());
  EXPECT_TRUE(h.NotesFrom(44100).empty());
  EXPECT_EQ(0, h.Sounding());
  EXPECT_EQ(0, h.Pattern().GetHeldCount());
}

TEST(Hold, RelatchEndsTheOldChordWhereTheNewKeyComes)
{
  Held h(true);
  h.Key(0, 60, 100);
  h.Release(100, 60);
  h.Key(7000, 62, 100);
  h.Run(7001, {512});
  // 60 sounds from 5513; the new key ends it at 7000, not at the block start.
  ASSERT_FALSE(h.sent.empty());
  bool ended = false;
  for (const Sent& s : h.sent)
    if (!s.on && s.note == 60 && s.at == 7000) ended = true;
  EXPECT_TRUE(ended);
  EXPECT_FALSE(h.outOfOrder);
}

TEST(Resets, ResetOnNewNoteEndsWhatSoundsAndStartsAgainAtOnce)
{
  Held h(false);
  h.Param(kResetOnNewNote, 1);
  h.Key(0, 60, 100);
  h.Key(2000, 64, 100);
  h.Run(5000, {512});
  ASSERT_EQ(3u, h.sent.size());
  EXPECT_FALSE(h.sent[1].on);
  EXPECT_EQ(60, h.sent[1].note);
  EXPECT_EQ(2000, h.sent[1].at);
  // The first step plays at the key, from the start of the walk.
  EXPECT_TRUE(h.sent[2].on);
  EXPECT_EQ(2000, h.sent[2].at);
  EXPECT_EQ(60, h.sent[2].note);
}

TEST(Resets, SwitchingThePatternOffEndsWhatSounds)
{
  Held h(false);
  h.Key(0, 60, 100);
  h.Between(1000, [](EngineHarness& e) { e.Param(kPatternOn, 0); });
  h.Run(1001, {512});
  ASSERT_EQ(2u, h.sent.size());
  EXPECT_FALSE(h.sent[1].on);
  EXPECT_EQ(1000, h.sent[1].at);
}

TEST(Resets, KeyPressedAndReleasedInOneBlockEndsUpReleased)
{
  Held h(false);
  h.Key(100, 60, 100);
  h.Release(300, 60);
  h.Run(20000, {512});
  EXPECT_EQ(0, h.Hub().GetDownKeyCount());
  EXPECT_EQ(0, h.Pattern().GetHeldCount());
  EXPECT_EQ(0, h.Sounding());
  ASSERT_EQ(2u, h.sent.size());
  EXPECT_EQ(100, h.sent[0].at);
  EXPECT_EQ(300, h.sent[1].at);  // the release ends it where it happens
}

TEST(Resets, SecondNoteOnOfAKeyRestartsIt)
{
  Held h(false);
  h.Key(0, 60, 100);
  h.Key(3000, 60, 90);
  h.Run(3001, {512});
  ASSERT_EQ(3u, h.sent.size());
  EXPECT_FALSE(h.sent[1].on);
  EXPECT_TRUE(h.sent[2].on);
  EXPECT_EQ(90, h.sent[2].velocity);
  EXPECT_EQ(3000, h.sent[2].at);
}

}  // namespace
