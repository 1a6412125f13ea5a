#include "VelocityTracker.h"

#include "HeldNote.h"
#include "PatternStep.h"

#include <cmath>

void VelocityTracker::Add(int velocity)
{
  if (mCount == 0) mFirst = velocity;
  ++mCount;
  mSum += velocity;
  mLast = velocity;
  mAverage = mSum / mCount;
}

void VelocityTracker::Remove(int velocity)
{
  mSum -= velocity;
  --mCount;
  if (mCount <= 0) {
    mCount = 0;
    mSum = 0;
    mFirst = 0;
    mAverage = 0;
  } else
    mAverage = mSum / mCount;
}

int VelocityTracker::Pick(const HeldNote& note, const PatternStep* steps) const
{
  double base = note.velocity;
  if (mMode == kFirst)
    base = mFirst;
  else if (mMode == kLast)
    base = mLast;
  else if (mMode == kAverage)
    base = mAverage;

  // Leave room for the strongest and the weakest accent of the pattern.
  double hi = 0.0, lo = 127.0;
  for (int s = 0; s < 16; ++s) {
    hi = std::fmax(hi, steps[s].accent);
    lo = std::fmin(lo, steps[s].accent);
  }
  if (base + hi > 127.0) base = 127.0 - hi;
  if (base + lo < 0.0) base = -lo;
  const int v = (int)std::trunc(base + note.accent);
  return v < 0 ? 0 : (v > 127 ? 127 : v);
}
