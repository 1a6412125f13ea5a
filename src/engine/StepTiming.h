#ifndef STEPTIMING_H
#define STEPTIMING_H

// Where a step starts, where the next one starts and where its note ends,
// in samples on the host's timeline.

#include "TransportFigures.h"

#include <cmath>

struct StepTimingInput {
  double stepLength;      // beats per step (L)
  double steps;           // length of this step in steps (S)
  double gate;            // 1.0 ends the note at the next step
  double candidate;       // the earliest start (C)
  double samplesPerBeat;  // must be positive and finite
  bool exact;             // start at the candidate itself
  double fixedStart;      // a start given by the previous step; -1 for none
};

struct StepTimes {
  double start;
  double next;
  double end;
  bool wrapped;  // cut at the loop end
};

// The shortest note a step gets, in samples, where its step is long enough.
const double kShortestNote = 100.0;

// Round to the nearest whole sample, halves away from zero.
inline double RoundSamples(double v) { return std::round(v); }

StepTimes ComputeStepTimes(const StepTimingInput& in, const TransportFigures& transport);

#endif
