// The held-note table: octave copies, sort orders, releases and the
// velocity figures.

#include "EngineHolder.h"
#include "PatternEngine.h"
#include "PatternList.h"
#include "VelocityTracker.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Table : ::testing::Test {
  EngineHolder holder;
  PatternEngine& p = *holder.GetPatternList()->Get(0);

  std::vector<int> Slots() const
  {
    std::vector<int> r;
    for (int s = 0; s < 128; ++s)
      if (p.GetTable()[s]) r.push_back(s);
    return r;
  }
  // Pitches in walk order.
  std::vector<int> Order() const
  {
    std::vector<int> r(p.GetHeldCount(), -1);
    for (int s = 0; s < 128; ++s)
      if (const HeldNote* n = p.GetTable()[s])
        if (n->orderIndex >= 0 && n->orderIndex < (int)r.size()) r[n->orderIndex] = n->pitch;
    return r;
  }
  void Sort(int order)
  {
    p.SetSortOrder(order);
    p.RenumberNotes();
  }
};

TEST_F(Table, OctaveCopiesStopAtTheTop)
{
  p.SetOctaves(3);
  p.NoteOn(100, 90, 0);
  EXPECT_EQ((std::vector<int>{100, 112, 124}), Slots());
  p.NoteOn(120, 90, 0);
  EXPECT_EQ((std::vector<int>{100, 112, 120, 124}), Slots());
  EXPECT_FALSE(p.GetTable()[100]->generated);
  EXPECT_TRUE(p.GetTable()[112]->generated);
  p.NoteOff(100, 0);
  EXPECT_EQ((std::vector<int>{120}), Slots());
}

TEST_F(Table, KeyOnAnotherKeysCopyOwnsTheSlot)
{
  p.SetOctaves(2);
  p.NoteOn(48, 90, 0);
  p.NoteOn(60, 90, 0);  // where 48's copy sits
  EXPECT_FALSE(p.GetTable()[60]->generated);
  p.NoteOff(48, 0);
  EXPECT_EQ((std::vector<int>{60, 72}), Slots());
  EXPECT_EQ(2, p.GetHeldCount());
}

TEST_F(Table, ReleaseWhereACopySitsKeepsTheArrivalOrder)
{
  // A release that finds another key's copy in its slot removes nothing,
  // so the copies' row keeps its arrival order.
  p.SetOctaves(2);
  Sort(PatternEngine::kAsPlayed);
  p.NoteOn(50, 90, 0);
  p.NoteOn(48, 90, 0);  // copies 62, then 60
  p.NoteOff(62, 0);
  EXPECT_EQ(4, p.GetHeldCount());
  EXPECT_EQ((std::vector<int>{50, 48, 62, 60}), Order());
}

TEST_F(Table, ChangingTheOctavesRebuildsTheCopies)
{
  p.SetOctaves(1);
  p.NoteOn(60, 90, 0);
  p.NoteOn(64, 80, 0);
  p.SetOctaves(3);
  EXPECT_EQ((std::vector<int>{60, 64, 72, 76, 84, 88}), Slots());
  EXPECT_EQ(80, p.GetTable()[88]->velocity);
  p.SetOctaves(1);
  EXPECT_EQ((std::vector<int>{60, 64}), Slots());
  EXPECT_EQ(2, p.GetHeldCount());
}

TEST_F(Table, SortOrders)
{
  p.SetOctaves(1);
  for (int k : {64, 60, 67, 52, 55}) p.NoteOn(k, 100, 0);  // 52 and 55 in the row below
  struct Case {
    int order;
    std::vector<int> pitches;
  };
  const Case cases[] = {
      {PatternEngine::kLoHi, {52, 55, 60, 64, 67}},     {PatternEngine::kHiLo, {67, 64, 60, 55, 52}},
      {PatternEngine::kAsPlayed, {52, 55, 64, 60, 67}}, {PatternEngine::kReversed, {55, 52, 67, 60, 64}},
      {PatternEngine::kCustom, {52, 55, 60, 64, 67}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.order);
    Sort(c.order);
    EXPECT_EQ(c.pitches, Order());
  }
  // Releasing closes the gap in the arrival order.
  Sort(PatternEngine::kAsPlayed);
  p.NoteOff(64, 0);
  EXPECT_EQ((std::vector<int>{52, 55, 60, 67}), Order());
  p.NoteOn(64, 100, 0);
  EXPECT_EQ((std::vector<int>{52, 55, 60, 67, 64}), Order());
}

TEST_F(Table, ReleasingTheLastNoteResetsTheStepper)
{
  p.SetOctaves(1);
  p.NoteOn(60, 100, 0);
  p.NoteOff(60, 0);
  EXPECT_EQ(0, p.GetHeldCount());
  EXPECT_EQ(0, p.GetSoundingCount());
  EXPECT_FALSE(p.GetStepper().IsStarted());
  EXPECT_EQ(-1.0, p.GetStepper().GetNextStepTime());
}

TEST(VelocityTracker, RunningFigures)
{
  VelocityTracker v;
  v.Add(100);
  v.Add(50);
  v.Add(81);
  EXPECT_EQ(77, v.GetAverage());
  v.Remove(100);
  EXPECT_EQ(65, v.GetAverage());
  v.Remove(50);
  v.Remove(81);
  EXPECT_EQ(0, v.GetCount());
  EXPECT_EQ(0, v.GetAverage());

  HeldNote n;
  n.velocity = 10;
  PatternStep steps[16];
  v.SetMode(VelocityTracker::kNote);
  EXPECT_EQ(10, v.Pick(n, steps));
  n.accent = -30;  // clamped at 0
  EXPECT_EQ(0, v.Pick(n, steps));
}

TEST_F(Table, StopForgetsTheVelocityFigures)
{
  // A new chord after a stop takes its own first velocity.
  p.SetOctaves(1);
  p.SetVelocityMode(VelocityTracker::kFirst);
  p.NoteOn(60, 30, 0);
  p.Stop(0.0);
  EXPECT_EQ(0, p.GetVelocityTracker().GetCount());
  p.NoteOn(64, 90, 0);
  HeldNote n;
  PatternStep steps[16];
  EXPECT_EQ(90, p.GetVelocityTracker().Pick(n, steps));
}

}  // namespace
