#include "PatternViewLink.h"

#include "EngineHolder.h"
#include "PatternEngine.h"
#include "PatternList.h"

bool PatternViewLink::Shows(const PatternEngine* pattern) const
{
  return mView && mEngine->GetPatternList() && mEngine->GetPatternList()->GetCurrent() == pattern;
}

void PatternViewLink::NoteStarted(const PatternEngine* pattern, const HeldNote& copy)
{
  if (Shows(pattern))
    mView->NoteStarted(pattern->GetSounding().NumberOf(&copy), copy.pitch + copy.transposition, copy.stepIndex);
}

void PatternViewLink::NoteStopped(const PatternEngine* pattern, const HeldNote& copy)
{
  if (Shows(pattern)) mView->NoteStopped(pattern->GetSounding().NumberOf(&copy));
}

void PatternViewLink::NoteSent()
{
  if (!mView) return;
  const PatternEngine* p = mEngine->GetPatternList() ? mEngine->GetPatternList()->GetCurrent() : nullptr;
  if (p) mView->NoteSent(p->GetStepper().GetCurrentStep());
}

void PatternViewLink::NotesCleared()
{
  if (mView) mView->ClearNotes();
}
