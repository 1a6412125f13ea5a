#ifndef MOVES_H
#define MOVES_H

// The moves a host and a player make, drawn at random: chords,
// parameter changes, block sizes, transport changes. Shared by the
// validator's families.

#include <vector>

#include "Validator.h"

// One to six different keys between C2 and C7.
std::vector<int> DrawChord(Dice& d);
// Note-ons (or note-offs) of the keys on a channel (0-15) at an offset.
void PressKeys(Instance& x, const std::vector<int>& keys, int channel, int offset);
void ReleaseKeys(Instance& x, const std::vector<int>& keys, int channel, int offset);

// Any parameter to any value of its range; sometimes the ends of the
// normalised range and beyond. `repeatable` keeps to settings that play
// the same notes every time: no random picks.
void DrawParam(Dice& d, Instance& x, bool repeatable);

// 1 to 8192 frames, small and round sizes more often than not.
int DrawBlockSize(Dice& d);

// The host's transport: starts, stops, jumps, loops, tempo changes.
void DrawTransport(Dice& d, Instance& x);

#endif
