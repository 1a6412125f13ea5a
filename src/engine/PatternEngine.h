#ifndef TOLVO_PATTERNENGINE_H
#define TOLVO_PATTERNENGINE_H

// One arpeggiator pattern: its 16 steps and pattern-wide settings, the
// held-note table with octave copies and sort orders, the velocity tracker,
// the scale quantiser, the notes that sound, and the stepper that plays it.

#include "ActionListener.h"
#include "HeldNote.h"
#include "KIT_PtrList.h"
#include "PatternStep.h"
#include "PatternStepper.h"
#include "ScaleQuantizer.h"
#include "VelocityTracker.h"

class EngineHolder;

class PatternEngine : public ActionListener {
public:
  enum RateType { kNormal, kTriplet, kDotted };
  enum SortOrder { kLoHi, kHiLo, kAsPlayed, kReversed, kCustom };

  explicit PatternEngine(EngineHolder* engine);
  ~PatternEngine() override;

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
  void SetSortOrder(int order) { m_sortOrder = order; }
  void SetCustomSortOrder(bool on);
  void SetSwing(double swing) { m_stepper.SetSwing(swing); }
  void SetOctaves(int n);
  void SetTranspose(int semitones) { m_transpose = semitones; }
  void SetVelocityMode(int mode) { m_velocity.SetMode(mode); }
  void SetPatternOn(bool on);
  void SetRate(double beats);
  void SetRateType(int type);
  void SetResetOnBeat(bool on);
  void SetResetOnBeatValue(double beats);
  void SetResetOnNewNote(bool on) { m_resetOnNewNote = on; }

  // The held notes.
  void NoteOn(int pitch, int velocity, int offset);
  void NoteOff(int pitch, int offset);
  void RenumberNotes();

  // Runs the pattern over one piece of a block.
  void Advance(double P, double N, double samplesPerBeat, bool restart, double O);

  // Ending notes; offsets are block offsets.
  void EndAllNotesAt(double offset);
  void EndAllNotes() { EndAllNotesAt(0.0); }
  void OnTransportStop(double offset) { EndAllNotesAt(offset); }
  void Stop(double time);
  void Clear(double offset);
  void ClearAccents();

  // ActionListener
  void OnStepEvent(StepEvent* event) override;
  void OnNoteEnd(StepEvent* event) override;
  void OnScheduleNextStep(double blockStart, int step, double stepTime, double nextTime,
                          double samplesPerBeat) override;

  const KIT_PtrList<HeldNote>& GetNoteList() const { return m_sounding; }
  PatternStepper& GetStepper() { return m_stepper; }
  ScaleQuantizer& GetScaleQuantizer() { return m_scale; }
  VelocityTracker& GetVelocityTracker() { return m_velocity; }
  HeldNote* const* GetTable() const { return m_table; }
  int GetHeldCount() const { return m_heldCount; }
  int GetSoundingCount() const { return m_soundingCount; }
  int GetOctaves() const { return m_octaves; }
  double GetStepLength() const { return m_stepLength; }

private:
  void Recompute();
  void ResetStepper(double offset);
  void AddKey(int pitch, int velocity, int offset);
  void AddKeyCopy(int octave, int pitch, int velocity, int offset);
  bool RemoveKeyCopy(int octave, int pitch, int offset);
  void RebuildOctaveCopies(int oldCount);
  void ClearTable();
  void StartNote(HeldNote* copy, double time);
  void StartChord(const HeldNote& t, double time);
  void EndNote(int pitch, double offset);
  void RemoveSoundingNote(int pitch);
  HeldNote* FindSounding(int pitch) const;
  static bool ValidStep(int step) { return step >= 0 && step < 16; }

  PatternStep m_steps[16];
  VelocityTracker m_velocity;
  ScaleQuantizer m_scale;
  HeldNote* m_table[128];
  KIT_PtrList<HeldNote> m_sounding;
  bool m_firstStep = false;
  double m_samplesPerBeat = 0.0;
  bool m_patternOn = true;
  int m_heldCount = 0;
  int m_soundingCount = 0;
  bool m_customOrderOn = false;
  bool m_resetOnBeat = false;
  double m_resetValue = 0.25;  // beats
  int m_octaves = 0;
  double m_stepLength = 0.0;  // beats
  double m_rate = 0.0;        // beats
  int m_rateType = kNormal;
  double m_gate = 1.0;
  int m_direction = 0;
  int m_sortOrder = kLoHi;
  bool m_resetOnNewNote = false;
  int m_transpose = 0;
  PatternStepper m_stepper;
  EngineHolder* m_engine;
};

#endif
