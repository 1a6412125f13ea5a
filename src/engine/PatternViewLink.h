#ifndef PATTERNVIEWLINK_H
#define PATTERNVIEWLINK_H

// How the engine tells the step editor which notes sound: one call for
// each copy of a note that starts or stops, for each note sent and for
// when every note stops, each of constant cost. The editor's view
// implements PatternViewTarget; without a view nothing is told. Audio
// thread, under the plug lock.

#include "HeldNote.h"

class EngineHolder;
class PatternEngine;

class PatternViewTarget {
public:
  virtual ~PatternViewTarget() {}
  // Called on the audio thread: none may wait.
  // A copy of a note began or stopped sounding on a step. copy numbers it
  // among those sounding (0 to 511); note is what the MIDI output sends
  // (pitch + transposition).
  virtual void NoteStarted(int copy, int note, int step) = 0;
  virtual void NoteStopped(int copy) = 0;
  // A note-on or note-off was queued for the output while the pattern
  // stood on that step (-1 for none).
  virtual void NoteSent(int playingStep) = 0;
  // Every note stopped.
  virtual void ClearNotes() = 0;
};

class PatternViewLink {
public:
  explicit PatternViewLink(EngineHolder* engine) : mEngine(engine) {}

  // Set before the first block and cleared after the last.
  void SetView(PatternViewTarget* view) { mView = view; }

  // The sounding copies of a pattern; only the current pattern's are shown.
  void NoteStarted(const PatternEngine* pattern, const HeldNote& copy);
  void NoteStopped(const PatternEngine* pattern, const HeldNote& copy);
  void NoteSent();
  void NotesCleared();

private:
  bool Shows(const PatternEngine* pattern) const;

  PatternViewTarget* mView = nullptr;
  EngineHolder* mEngine;
};

#endif
