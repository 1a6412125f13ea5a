#ifndef ACTIONLISTENER_H
#define ACTIONLISTENER_H

// What a pattern stepper tells its pattern: a scheduled step fell due, a
// note's time is over, the next step must be scheduled, a step began.

struct StepEvent;

class ActionListener {
public:
  virtual ~ActionListener() {}
  virtual void OnStepEvent(StepEvent* event) = 0;
  virtual void OnNoteEnd(StepEvent* event) = 0;
  // step -1 stands for the last step; the times are samples on the host's
  // timeline.
  virtual void OnScheduleNextStep(double pieceStart, int step, double stepTime, double nextTime, double samplesPerBeat)
  {}
  virtual void OnStepBoundary() {}
};

#endif
