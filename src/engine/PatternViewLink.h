#ifndef PATTERNVIEWLINK_H
#define PATTERNVIEWLINK_H

// How the engine tells the step editor which notes sound. The editor's view
// implements PatternViewTarget; without a view nothing is told.

#include "HeldNote.h"
#include "KIT_PtrList.h"

class EngineHolder;

class PatternViewTarget {
public:
  virtual ~PatternViewTarget() {}
  // The current pattern's sounding notes; a note sounds as pitch +
  // transposition, on the step of its step index.
  virtual void UpdateNotes(const KIT_PtrList<HeldNote>* sounding) = 0;
  virtual void ClearNotes() = 0;
};

class PatternViewLink {
public:
  enum Kind { kNotesChanged = 0, kNotesCleared = 1 };

  explicit PatternViewLink(EngineHolder* engine) : mEngine(engine) {}

  void SetView(PatternViewTarget* view) { mView = view; }
  void Notify(int kind);

private:
  PatternViewTarget* mView = nullptr;
  EngineHolder* mEngine;
};

#endif
