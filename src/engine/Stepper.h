#ifndef STEPPER_H
#define STEPPER_H

// A grid of steps in time: the current step, when it starts and when the
// next one does, driven piece by piece over the host's timeline.

#include <atomic>

#include "TransportFigures.h"

struct StepTime {
  double start = -1.0;
  double next = -1.0;
  double nextAgain = -1.0;
  bool fired = false;
  bool wrapped = false;
  bool scheduled = false;  // ScheduleStep has run for this step
};

class Stepper {
public:
  enum { kTimeSlots = 32 };

  Stepper(double stepLength, const TransportFigures* transport);
  virtual ~Stepper() {}

  // A piece is [pieceStart, pieceStart + pieceLength) of the host's
  // timeline, starting pieceOffset into the host block; all in samples.

  // Runs the piece: every step boundary and every scheduled event in it, in
  // time order.
  void Process(double pieceStart, double pieceLength, double samplesPerBeat, bool restart, double pieceOffset);

  // The current step's start has been reached at pieceStart.
  virtual void ScheduleStep(double pieceStart, double pieceLength, double samplesPerBeat) {}
  // The current step is over at its next time; move to the following one.
  virtual void AdvanceStep(double samplesPerBeat) = 0;
  // Plays what falls in the piece, between step boundaries.
  virtual void PlayBlock(double pieceStart, double pieceLength, double samplesPerBeat, bool restart,
                         double pieceOffset) = 0;
  // The current step's length in steps.
  virtual double GetStepLength() const { return mStepLength; }
  virtual void Reset();

  void SetBaseStepLength(double beats) { mStepLength = beats; }
  double GetBaseStepLength() const { return mStepLength; }
  int GetCurrentStep() const { return mCurrentStep; }
  double GetNextStepTime() const { return mNextStepTime; }
  bool IsStarted() const { return mStarted; }
  void SetActive(bool on) { mActive = on; }
  bool IsActive() const { return mActive; }
  void SetPaused(bool on) { mPaused = on; }
  bool IsPaused() const { return mPaused; }

protected:
  // Samples per beat that give every step at least a sample, at a position
  // where a double still counts half samples; anything else (no tempo or a
  // wild position from the host) plays what is scheduled and starts nothing
  // new.
  bool CanTime(double position, double samplesPerBeat) const;
  // Times of the current step from a candidate start.
  void ComputeTimes(double candidate, bool exact, double fixedStart, double samplesPerBeat);

  double mStepLength;  // beats
  // The step editors read these two while they draw, on the user-interface
  // thread.
  std::atomic<int> mCurrentStep{0};
  std::atomic<bool> mStarted{false};
  StepTime mTimes[kTimeSlots];
  double mNextStepTime = -1.0;
  bool mActive = false;
  bool mPaused = false;
  const TransportFigures* mTransport;
  double mPlayedTo = -1.0;  // end of the last piece processed
};

#endif
