#include "VelocityTracker.h"

#include "HeldNote.h"
#include "PatternStep.h"

#include <cmath>

void VelocityTracker::Add(int velocity)
{
  if (m_count == 0) m_first = velocity;
  ++m_count;
  m_sum += velocity;
  m_last = velocity;
  m_average = m_sum / m_count;
}

void VelocityTracker::Remove(int velocity)
{
  m_sum -= velocity;
  --m_count;
  if (m_count <= 0) {
    m_count = 0;
    m_sum = 0;
    m_first = 0;
    m_average = 0;
  } else
    m_average = m_sum / m_count;
}

int VelocityTracker::Pick(const HeldNote& note, const PatternStep* steps) const
{
  double base = note.velocity;
  if (m_mode == kFirst)
    base = m_first;
  else if (m_mode == kLast)
    base = m_last;
  else if (m_mode == kAverage)
    base = m_average;

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
