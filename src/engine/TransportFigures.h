#ifndef TRANSPORTFIGURES_H
#define TRANSPORTFIGURES_H

// The host transport as published at the start of a block: the note hub and
// the steppers read it to place notes and steps around the loop end.

struct TransportFigures {
  bool running = false;
  bool cycleActive = false;
  double loopStart = 0.0;  // samples
  double loopEnd = -1.0;   // samples; -1 without a host cycle
};

#endif
