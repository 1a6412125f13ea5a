#include "Stepper.h"

#include "StepTiming.h"

#include <cmath>

Stepper::Stepper(double stepLength, const TransportFigures* transport) : mStepLength(stepLength), mTransport(transport)
{}

void Stepper::Reset()
{
  mCurrentStep = 0;
  mStarted = false;
  mNextStepTime = -1.0;
  for (StepTime& t : mTimes) t = StepTime();
}

bool Stepper::CanTime(double position, double samplesPerBeat) const
{
  const double kCountable = 2251799813685248.0;  // 2^51
  return std::fabs(position) < kCountable && std::isfinite(samplesPerBeat) && samplesPerBeat > 0.0 &&
         mStepLength * samplesPerBeat >= 1.0;
}

void Stepper::ComputeTimes(double candidate, bool exact, double fixedStart, double samplesPerBeat)
{
  double steps = GetStepLength();
  if (!(steps >= 1.0)) steps = 1.0;
  const StepTimes st =
      ComputeStepTimes({mStepLength, steps, 1.0, candidate, samplesPerBeat, exact, fixedStart}, *mTransport);
  StepTime& e = mTimes[mCurrentStep];
  e.start = st.start;
  e.next = e.nextAgain = st.next;
  e.wrapped = st.wrapped;
  e.scheduled = false;
  mNextStepTime = st.next;
}

void Stepper::Process(double pieceStart, double pieceLength, double samplesPerBeat, bool restart, double pieceOffset)
{
  mPlayedTo = pieceStart + pieceLength;
  if (mPaused || !CanTime(pieceStart, samplesPerBeat)) {
    if (!mPaused) mStarted = true;
    PlayBlock(pieceStart, pieceLength, samplesPerBeat, restart, pieceOffset);
    return;
  }
  mStarted = true;
  if (mNextStepTime < 0.0) ComputeTimes(pieceStart, true, -1.0, samplesPerBeat);

  const double end = pieceStart + pieceLength;
  double t = pieceStart;
  for (;;) {
    StepTime& e = mTimes[mCurrentStep];
    double x = std::fmax(e.next, t);
    if (!e.scheduled) x = std::fmin(x, std::fmax(e.start, t));
    if (x >= end) break;
    if (x > t) {
      PlayBlock(t, x - t, samplesPerBeat, restart, pieceOffset + (t - pieceStart));
      t = x;
    }
    if (!e.scheduled && e.start <= t) {
      e.scheduled = true;
      ScheduleStep(t, end - t, samplesPerBeat);
    } else
      AdvanceStep(samplesPerBeat);
  }
  if (end > t) PlayBlock(t, end - t, samplesPerBeat, restart, pieceOffset + (t - pieceStart));
}
