#ifndef TOLVO_VELOCITYTRACKER_H
#define TOLVO_VELOCITYTRACKER_H

// Running velocity figures of the held notes, and the velocity a note plays
// with under the velocity mode and the pattern's accents.

struct HeldNote;
struct PatternStep;

class VelocityTracker {
public:
  enum Mode { kNote, kFirst, kLast, kAverage };

  void Add(int velocity);
  void Remove(int velocity);
  void ClearFigures() { m_count = m_sum = m_first = m_last = m_average = 0; }
  // steps: the pattern's 16 steps, whose accents bound the headroom.
  int Pick(const HeldNote& note, const PatternStep* steps) const;

  void SetMode(int mode) { m_mode = mode; }
  int GetMode() const { return m_mode; }
  int GetCount() const { return m_count; }
  int GetAverage() const { return m_average; }

private:
  int m_count = 0;
  int m_sum = 0;
  int m_first = 0;
  int m_last = 0;
  int m_average = 0;
  int m_mode = kNote;
};

#endif
