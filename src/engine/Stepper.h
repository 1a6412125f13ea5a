#ifndef TOLVO_STEPPER_H
#define TOLVO_STEPPER_H

// A grid of steps in time: the current step, when it starts and when the
// next one does, driven piece by piece over the host's timeline.

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

  // Runs the piece [P, P + N) of the timeline: every step boundary and
  // every scheduled event in it, in time order. O is the piece's offset
  // from the start of the host block.
  void Process(double P, double N, double samplesPerBeat, bool restart, double O);

  // The current step's start has been reached at time P.
  virtual void ScheduleStep(double P, double N, double samplesPerBeat) {}
  // The current step is over at its next time; move to the following one.
  virtual void AdvanceStep(double samplesPerBeat) = 0;
  // Plays what falls in [P, P + N) between step boundaries.
  virtual void PlayBlock(double P, double N, double samplesPerBeat, bool restart, double O) = 0;
  // The current step's length in steps.
  virtual double GetStepLength() const { return m_stepLength; }
  virtual void Reset();

  void SetBaseStepLength(double beats) { m_stepLength = beats; }
  double GetBaseStepLength() const { return m_stepLength; }
  int GetCurrentStep() const { return m_currentStep; }
  double GetNextStepTime() const { return m_nextStepTime; }
  bool IsStarted() const { return m_started; }
  void SetActive(bool on) { m_active = on; }
  bool IsActive() const { return m_active; }
  void SetPaused(bool on) { m_paused = on; }
  bool IsPaused() const { return m_paused; }

protected:
  // Samples per beat that give every step at least a sample, at a position
  // where a double still counts half samples; anything else (no tempo or a
  // wild position from the host) plays what is scheduled and starts nothing
  // new.
  bool CanTime(double position, double samplesPerBeat) const;
  // Times of the current step from a candidate start.
  void ComputeTimes(double candidate, bool exact, double fixedStart, double samplesPerBeat);

  double m_stepLength;  // beats
  int m_currentStep = 0;
  StepTime m_times[kTimeSlots];
  bool m_started = false;
  double m_nextStepTime = -1.0;
  bool m_active = false;
  bool m_paused = false;
  const TransportFigures* m_transport;
  double m_playedTo = -1.0;  // end of the last piece processed
};

#endif
