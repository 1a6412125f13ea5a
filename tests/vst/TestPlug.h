#ifndef TESTPLUG_H
#define TESTPLUG_H

// What the test plug-in lets a test ask of an instance beyond the VST 2
// interface, through two exported C functions.

#include <cstdint>

// TestPlug_Count(effect, what): a counter of the instance, or of the
// library with a null effect ("alive": live instances).
typedef int32_t (*TestPlugCountFn)(void* effect, const char* what);

// TestPlug_Time(effect, out): what the plug-in reads of the host's time,
// in this order: GetSamplePos, GetTempo, GetTimeSig numerator and
// denominator, then GetTime's sample position, tempo, musical position,
// last bar, numerator, denominator, cycle start, cycle end, running and
// cycle (0 or 1; both start as 1, so a flag left untouched reads 1),
// GetSamplesPerBeat.
typedef void (*TestPlugTimeFn)(void* effect, double* out);
const int kTestPlugTimeValues = 15;

// TestPlug_Edit(effect, idx, normalized): an editor gesture on a
// parameter: begin edit, the change from the editor, end edit.
typedef void (*TestPlugEditFn)(void* effect, int32_t idx, double normalized);

#endif
