#ifndef WORSTCASE_H
#define WORSTCASE_H

// The heaviest setting a user can dial in, which the real-time tests, the
// validator and the benchmark play: 5 octaves, "Step rate" "1/128"
// "Triplet", gates at 100, and all 16 steps chords of 8 ratchets with
// their gates at 100. set (index, plain value) takes each parameter; the
// keys (every one of the 128) are the caller's.

#include "ParamTable.h"

template <class Set>
void DialTheWorstCase(Set set)
{
  using namespace TolvoParams;
  set(kOctaves, 5);
  set(kStepRate, 7);      // "1/128"
  set(kStepRateType, 1);  // "Triplet"
  set(kGate, 100);
  set(kPatternSteps, kNumSteps);
  for (int s = 0; s < kNumSteps; ++s) {
    set(kStepDiv + s, 7);  // 8 ratchets
    set(kStepGate + s, 100);
    set(kStepData + s, 7);  // "Chord"
  }
}

#endif
