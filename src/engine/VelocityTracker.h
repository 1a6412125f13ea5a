#ifndef VELOCITYTRACKER_H
#define VELOCITYTRACKER_H

// Running velocity figures of the held notes, and the velocity a note plays
// with under the velocity mode and the pattern's accents.

struct HeldNote;
struct PatternStep;

class VelocityTracker {
public:
  enum Mode { kNote, kFirst, kLast, kAverage };

  void Add(int velocity);
  void Remove(int velocity);
  void ClearFigures() { mCount = mSum = mFirst = mLast = mAverage = 0; }
  // steps: the pattern's 16 steps, whose accents bound the headroom.
  int Pick(const HeldNote& note, const PatternStep* steps) const;

  void SetMode(int mode) { mMode = mode; }
  int GetMode() const { return mMode; }
  int GetCount() const { return mCount; }
  int GetAverage() const { return mAverage; }

private:
  int mCount = 0;
  int mSum = 0;
  int mFirst = 0;
  int mLast = 0;
  int mAverage = 0;
  int mMode = kNote;
};

#endif
