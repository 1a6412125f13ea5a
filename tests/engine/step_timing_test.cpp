#include "StepTiming.h"

#include <gtest/gtest.h>

namespace {

StepTimes Times(double candidate, bool exact, double fixed, double gate = 1.0, double spb = 22050.0,
                const TransportFigures& tf = TransportFigures())
{
  return ComputeStepTimes({0.25, 1.0, gate, candidate, spb, exact, fixed}, tf);
}

TEST(StepTiming, GridOfSixteenthsAt120)
{
  struct Case {
    double candidate;
    bool exact;
    double fixed;
    double start, next, end;
  };
  const Case cases[] = {
      {0, true, -1, 0, 5513, 5513},
      {100, false, -1, 5513, 11025, 11025},     // rounded up to the grid
      {5513, false, 5513, 5513, 11025, 11025},  // the previous step's next
      {1000, true, -1, 1000, 5513, 5513},       // exact: starts at the key
      {5450, true, -1, 5512, 11025, 11025},     // too short: starts once past the grid point
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.candidate);
    const StepTimes t = Times(c.candidate, c.exact, c.fixed);
    EXPECT_EQ(c.start, t.start);
    EXPECT_EQ(c.next, t.next);
    EXPECT_EQ(c.end, t.end);
    EXPECT_FALSE(t.wrapped);
  }
}

TEST(StepTiming, GateShortensAndLengthens)
{
  EXPECT_EQ(2757, Times(0, true, -1, 0.5).end);
  EXPECT_EQ(11026, Times(0, true, -1, 2.0).end);
}

TEST(StepTiming, ShortStepsAreBounded)
{
  // 500-sample steps at gate 0.1: no start gives 100 samples, so the note
  // is taken once the start reaches the grid point.
  const StepTimes t = Times(0, true, -1, 0.1, 2000.0);
  EXPECT_EQ(500, t.start);
  EXPECT_EQ(1000, t.next);
  EXPECT_EQ(550, t.end);
}

TEST(StepTiming, StepsAreCutAtTheLoopEnd)
{
  TransportFigures tf;
  tf.running = true;
  tf.cycleActive = true;
  tf.loopStart = 0;
  tf.loopEnd = 8000;
  const StepTimes t = Times(5513, false, 5513, 1.0, 22050.0, tf);
  EXPECT_TRUE(t.wrapped);
  EXPECT_EQ(8000, t.next);
  EXPECT_EQ(8000, t.end);
  tf.running = false;  // a stopped transport does not loop
  EXPECT_FALSE(Times(5513, false, 5513, 1.0, 22050.0, tf).wrapped);
}

}  // namespace
