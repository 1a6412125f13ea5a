#ifndef TOLVOAPP_H
#define TOLVOAPP_H

// The plug-in's application object: passes the hub's notes to pattern 0
// through the Hold latch, and runs the scene list for every piece.

#include "Application.h"

class TolvoApp : public Application {
public:
  TolvoApp(ProcessorListener* listener, EngineHolder* engine);

  bool NoteOn(double position, double time, int pitch, int velocity) override;
  bool NoteOff(double position, double time, int pitch) override;
  void OnTransportStop() override;
  void OnAllNotesOff(double time) override;
  bool IsHoldOn() const override { return mHold; }

  void ProcessChunk(double pieceStart, int pieceLength, double samplesPerBeat, bool restart,
                    double pieceOffset) override;

  void SetHold(bool on);

private:
  bool mLatched = false;
  bool mHold = false;
  int mLatchedNote = -1;
};

#endif
