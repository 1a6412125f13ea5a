#include "StepTiming.h"

#include <cmath>

namespace {

// The first point of the grid at or after c.
double CeilToGrid(double c, double grid)
{
  const double k = RoundSamples(c / grid);
  const double g = RoundSamples(k * grid);
  return g >= c ? g : RoundSamples((k + 1.0) * grid);
}

}  // namespace

StepTimes ComputeStepTimes(const StepTimingInput& in, const TransportFigures& transport)
{
  const double span = in.stepLength * in.samplesPerBeat;
  const double stepSpan = span * in.steps;
  const bool cycle = transport.running && transport.cycleActive && transport.loopEnd > transport.loopStart;

  double candidate = in.candidate;
  double fixed = in.fixedStart;
  double limit = -1.0;
  StepTimes t;
  for (;;) {
    t.wrapped = false;
    t.start = in.exact ? candidate : (fixed >= 0.0 ? fixed : CeilToGrid(candidate, stepSpan));
    t.next = RoundSamples((std::floor((t.start + 0.5) / span) + in.steps) * span);
    if (t.next <= t.start) t.next = t.start + 1.0;  // rounding must never stall the grid
    t.end = RoundSamples(t.next + (t.next - t.start) * (in.gate - 1.0));
    if (t.start > t.end) t.end = t.next;
    if (cycle && transport.loopEnd > t.start && (t.end >= transport.loopEnd || t.next >= transport.loopEnd)) {
      t.wrapped = true;
      if (t.next >= transport.loopEnd) {
        t.end = std::fmin(RoundSamples(t.next + stepSpan * (in.gate - 1.0)), transport.loopEnd);
        t.next = transport.loopEnd;
      }
    }
    // A note shorter than the shortest starts a sample later, again and
    // again; once the start has passed the step's grid point the note is
    // taken as it is, so that a very short step still gets one.
    if (t.end - t.start >= kShortestNote || (limit >= 0.0 && t.start >= limit)) return t;
    if (limit < 0.0) limit = t.next;
    candidate = fixed = t.start + 1.0;
  }
}
