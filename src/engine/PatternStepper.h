#ifndef PATTERNSTEPPER_H
#define PATTERNSTEPPER_H

// The stepper of one pattern: walks the held notes by direction and custom
// order, picks the note of each step by its step data, schedules each step
// as timed events (rate, length, gate, swing, shift, ratchets) and hands
// them to its pattern when they start and end.

#include <atomic>

#include "HeldNote.h"
#include "StepEventQueue.h"
#include "Stepper.h"

class ActionListener;
class RandomSource;
struct PatternStep;

class PatternStepper : public Stepper {
public:
  enum Direction { kUp, kDown, kUpAlt, kDownAlt };
  enum { kCustomSlots = 8, kCustomRandom = 8, kCustomStop = 9 };
  // Scheduled events at most: 16 steps of 16 ratchets. Steps are scheduled
  // one ahead and a note outlasts its step by at most two more, so far
  // fewer are ever in flight.
  enum { kStepEvents = 16 * 16 };

  // table: the pattern's 128 held-note slots; steps: its 16 step records;
  // dryCount: the engine's counter of pools found dry.
  PatternStepper(HeldNote* const* table, ActionListener* listener, PatternStep* steps,
                 const TransportFigures* transport, RandomSource* random, int* dryCount);

  void ScheduleStep(double pieceStart, double pieceLength, double samplesPerBeat) override;
  void AdvanceStep(double samplesPerBeat) override;
  void PlayBlock(double pieceStart, double pieceLength, double samplesPerBeat, bool restart,
                 double pieceOffset) override;
  double GetStepLength() const override;
  void Reset() override;

  // Schedules step k from a candidate start; gives the time after it.
  double ScheduleStepAt(int k, double candidate, bool exact, double fixedStart, double samplesPerBeat);

  // The walk and the pick, as a step's note is chosen.
  void PrepareWalk(bool firstStep);
  void Walk();
  HeldNote* Pick();

  // A jump of the timeline (transport start, stop, relocation, loop wrap),
  // or a boundary missed while there was no tempo: the pattern must be
  // re-timed from the piece's start (samples on the host's timeline).
  bool NeedsResync(double pieceStart, bool restart, double samplesPerBeat) const;
  void Resync(double pieceStart, double samplesPerBeat);

  void SetDirection(int d);
  void SetSwing(double s) { mSwing = s; }
  void SetGate(double g) { mGate = g; }
  void SetStepLength(double beats);
  void SetPatternOn(bool on) { mPatternOn = on; }
  void SetResetOnBeat(bool on) { mResetOnBeat = on; }
  void SetRestart(double grid, double count);
  void SetCustomOrder(int slot, int value);
  void SetCustomOrderOn(bool on) { mCustomOrderOn = on; }
  void SetStepCount(int n);
  int GetStepCount() const { return mStepCount; }
  void SetResetWalkAtPatternStart(bool on) { mResetWalk = on; }
  void SetRandomSource(RandomSource* random) { mRandom = random; }

private:
  HeldNote MakeTemplate(int k) const;
  // Schedules one event of step k; nothing when the pool is dry.
  void AddEvent(const HeldNote& tmpl, double start, double next, double end, int k, bool wrapped);
  void ClearScheduled() { mScheduled.Clear(); }
  void NextStep();
  bool IsDownward() const { return mDirection == kDown || mDirection == kDownAlt; }
  // The walk position before the first move of a fresh walk.
  int WalkStart() const;
  int HighestOrder() const;
  HeldNote* NoteByOrder(int index) const;
  int RandomPick() const;

  StepEventQueue mScheduled;
  ActionListener* mListener;
  double mSwing = 0.0;
  double mGate = 1.0;
  double mSchedLength;
  PatternStep* mSteps;
  bool mPatternOn = true;
  bool mResetOnBeat = false;
  int mCustom[kCustomSlots];
  int mCustomPos = -1;
  int mWalk = -1;
  int mHeading = 0;                 // 0 up, 1 down
  std::atomic<int> mStepCount{16};  // read by the step editor's drawing
  int mDirection = kUp;
  double mRestartGrid = 0.25;
  double mRestartCount = 1.0;
  int mPreviousPick = 0;
  bool mResetWalk = false;
  bool mCustomOrderOn = false;
  HeldNote* const* mTable;
  RandomSource* mRandom;
};

#endif
