#ifndef PATTERNENGINE_H
#define PATTERNENGINE_H

// One arpeggiator pattern: its 16 steps and pattern-wide settings, the
// held-note table with octave copies and sort orders, the velocity tracker,
// the scale quantiser, the notes that sound, and the stepper that plays it.

#include "ActionListener.h"
#include "HeldNote.h"
#include "PatternStep.h"
#include "PatternStepper.h"
#include "ScaleQuantizer.h"
#include "SoundingNotes.h"
#include "VelocityTracker.h"

class EngineHolder;

class PatternEngine : public ActionListener {
public:
  enum RateType { kNormal, kTriplet, kDotted };
  enum SortOrder { kLoHi, kHiLo, kAsPlayed, kReversed, kCustom };
  // Sounding copies at most: one per output note, since a note that starts
  // ends whatever sounds on its note first, and one silent copy per
  // scheduled event.
  enum { kSoundingNotes = 128 + PatternStepper::kStepEvents };

  explicit PatternEngine(EngineHolder* engine);

  PatternEngine(const PatternEngine&) = delete;
  PatternEngine& operator=(const PatternEngine&) = delete;

  // Step settings; steps outside 0-15 are ignored.
  void SetStepOn(int step, bool on);
  void SetStepGate(int step, double gate);
  void SetStepLength(int step, double length);
  void SetStepAccent(int step, double accent);
  void SetStepTranspose(int step, int transpose);
  void SetStepData(int step, int data);
  void SetStepDiv(int step, double div);
  void SetStepShift(int step, double shift);
  void SetStepCC(int step, int lane, int value);  // lane 1: CC1, else CC2

  // Pattern settings.
  void SetGate(double gate);
  void SetDirection(int d);
  void SetSortOrder(int order) { mSortOrder = order; }
  void SetCustomSortOrder(bool on);
  void SetSwing(double swing) { mStepper.SetSwing(swing); }
  void SetOctaves(int n);
  void SetTranspose(int semitones) { mTranspose = semitones; }
  void SetVelocityMode(int mode) { mVelocity.SetMode(mode); }
  void SetPatternOn(bool on);
  void SetRate(double beats);
  void SetRateType(int type);
  void SetResetOnBeat(bool on);
  void SetResetOnBeatValue(double beats);
  void SetResetOnNewNote(bool on) { mResetOnNewNote = on; }

  // The held notes.
  void NoteOn(int pitch, int velocity, int offset);
  void NoteOff(int pitch, int offset);
  void RenumberNotes();

  // Runs the pattern over one piece of a block, in samples: pieceStart on
  // the host's timeline, pieceOffset into the host block.
  void Advance(double pieceStart, double pieceLength, double samplesPerBeat, bool restart, double pieceOffset);

  // Ending notes; offsets are block offsets.
  void EndAllNotesAt(double offset);
  void EndAllNotes() { EndAllNotesAt(0.0); }
  void OnTransportStop(double offset) { EndAllNotesAt(offset); }
  // Every sounding note ends, each with its own note-off; the stepper and
  // the held notes start afresh.
  void Clear(double offset);
  void Stop(double time) { Clear(time); }
  void ClearAccents();

  // ActionListener
  void OnStepEvent(StepEvent* event) override;
  void OnNoteEnd(StepEvent* event) override;
  void OnScheduleNextStep(double pieceStart, int step, double stepTime, double nextTime,
                          double samplesPerBeat) override;

  const SoundingNotes& GetSounding() const { return mSounding; }
  PatternStepper& GetStepper() { return mStepper; }
  const PatternStepper& GetStepper() const { return mStepper; }
  ScaleQuantizer& GetScaleQuantizer() { return mScale; }
  VelocityTracker& GetVelocityTracker() { return mVelocity; }
  HeldNote* const* GetTable() const { return mTable; }
  int GetHeldCount() const { return mHeldCount; }
  int GetSoundingCount() const { return mSoundingCount; }
  int GetOctaves() const { return mOctaves; }
  double GetStepLength() const { return mStepLength; }

private:
  void Recompute();
  void ResetStepper(double offset);
  void AddKey(int pitch, int velocity, int offset);
  void AddKeyCopy(int octave, int pitch, int velocity, int offset);
  bool RemoveKeyCopy(int octave, int pitch, int offset);
  void RebuildOctaveCopies(int oldCount);
  void ClearTable();
  // Starts a sounding copy of the note: the number of the copy, or 0 when
  // it could not start. A copy that is heard first ends whatever sounds on
  // its note.
  int StartNote(const HeldNote& note, double time);
  void StartChord(HeldNote& t, double time);
  // Ends one sounding copy; a copy that is heard sends its note-off.
  void EndSounding(HeldNote* copy, double offset);
  // Forgets a copy without a message.
  void RemoveSounding(HeldNote* copy);
  // Ends every copy made from the key at pitch.
  void EndKeyNotes(int pitch, double offset);
  static bool ValidStep(int step) { return step >= 0 && step < 16; }

  PatternStep mSteps[16];
  VelocityTracker mVelocity;
  ScaleQuantizer mScale;
  HeldNote* mTable[128];
  HeldNote mTableNotes[128];  // the record of each slot
  SoundingNotes mSounding;
  bool mFirstStep = false;
  double mSamplesPerBeat = 0.0;
  bool mPatternOn = true;
  int mHeldCount = 0;
  int mSoundingCount = 0;
  bool mCustomOrderOn = false;
  bool mResetOnBeat = false;
  double mResetValue = 0.25;  // beats
  int mOctaves = 0;
  double mStepLength = 0.0;  // beats
  double mRate = 0.0;        // beats
  int mRateType = kNormal;
  double mGate = 1.0;
  int mDirection = 0;
  int mSortOrder = kLoHi;
  bool mResetOnNewNote = false;
  int mTranspose = 0;
  PatternStepper mStepper;
  EngineHolder* mEngine;
};

#endif
