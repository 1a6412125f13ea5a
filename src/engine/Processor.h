#ifndef PROCESSOR_H
#define PROCESSOR_H

// The block processor: cuts each host block into pieces at incoming notes,
// plays every piece and hands its notes to the listener, and handles the
// release of the last key and the transport's loop wrap.

#include "BlockTime.h"
#include "KIT_PtrList.h"

class EngineHolder;
struct NoteEvent;

class ProcessorListener {
public:
  virtual ~ProcessorListener() {}
  // Sends the events (marking each sent); length is the piece's sample count.
  virtual void ProcessNotes(KIT_PtrList<NoteEvent>& events, int length) = 0;
};

class Processor {
public:
  Processor(ProcessorListener* listener, EngineHolder* engine);
  virtual ~Processor() {}

  // Plays one piece of the block, all in samples: pieceStart on the host's
  // timeline, pieceOffset into the host block. restart: the timeline may
  // not continue the previous piece (the transport started, stopped, is
  // stopped, or jumped).
  virtual void ProcessChunk(double pieceStart, int pieceLength, double samplesPerBeat, bool restart,
                            double pieceOffset) = 0;

  void ProcessBlock(const BlockTime& time);

protected:
  ProcessorListener* mListener;
  double mBlockPosition = 0.0;  // runs on while the transport is stopped
  bool mLastPlaying = false;
  EngineHolder* mEngine;
  double mContinuation = -1.0;  // where the previous piece ended
};

#endif
