#ifndef BLOCKTIME_H
#define BLOCKTIME_H

// The host's time for one block: its transport as the host reports it, and
// the figures in samples that the block processor plays the block by.

struct BlockTime {
  // As the host reports them; positions and the cycle in quarter notes.
  double samplePos = 0.0;
  double tempo = 0.0;  // beats per minute
  double musicalPos = 0.0;
  double lastBar = 0.0;
  int numerator = 4, denominator = 4;
  double cycleStart = 0.0, cycleEnd = 0.0;
  bool transportRunning = false, cycleActive = false;

  double samplesPerBeat = 0.0;
  double blockStart = 0.0;  // samples: the host's position at the first frame
  int frames = 0;
  double loopStart = 0.0;  // samples
  double loopEnd = -1.0;   // samples; -1 without a host cycle
};

#endif
