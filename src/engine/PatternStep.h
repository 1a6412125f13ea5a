#ifndef PATTERNSTEP_H
#define PATTERNSTEP_H

// The settings of one of a pattern's 16 steps, as the parameters set them.

struct PatternStep {
  enum Data { kPlay, kOff, kPrevious, kFirst, kLast, kHighest, kLowest, kChord, kRandom };

  bool on = true;
  double gate = 0.0;    // added to the pattern's gate
  double length = 0.0;  // in steps
  int transpose = 0;
  double accent = 0.0;
  int data = kPlay;
  double div = 0.0;  // ratchets
  int cc1 = 0;       // 0 = none
  int cc2 = 0;
  double shift = 0.0;  // percent of the step
};

#endif
