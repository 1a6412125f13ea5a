#include "StepBars.h"

namespace {
int RoundHalfAway(double v) { return (int)(v < 0.0 ? v - 0.5 : v + 0.5); }
}  // namespace

namespace StepBars {

int ColumnAt(int x, int left, int pitch, int width)
{
  const int dx = x - left;
  if (dx < 0 || dx % pitch >= width || dx / pitch >= kSteps) return -1;
  return dx / pitch;
}

Span BarSpan(double value, double minimum, double maximum, int barsTop)
{
  const double range = maximum - minimum;
  const int z = (int)(-(minimum / range) * kBarsHeight);
  const int zero = barsTop - z + kBarsHeight;
  const int level = barsTop - RoundHalfAway(kBarsHeight / range * value) - z + kBarsHeight;
  Span s{zero < level ? zero : level, zero < level ? level : zero};
  if (s.top == s.bottom) --s.top;
  return s;
}

double ValueAt(int y, double minimum, double maximum, int barsTop)
{
  const double range = maximum - minimum;
  const int z = minimum >= 0.0 ? kBarsHeight : (int)(-(minimum / range) * kBarsHeight);
  const double v = (z - (y - barsTop)) * range / kBarsHeight - (minimum <= 0.0 ? minimum : 0.0);
  const double normalized = v / range;
  if (!(normalized >= 0.0)) return 0.0;  // NaN too
  return normalized > 1.0 ? 1.0 : normalized;
}

}  // namespace StepBars
