#include "PatternViewLink.h"

#include "EngineHolder.h"
#include "PatternEngine.h"
#include "PatternList.h"

void PatternViewLink::Notify(int kind)
{
  if (!mView) return;
  if (kind == kNotesCleared)
    mView->ClearNotes();
  else if (const PatternEngine* p = mEngine->GetPatternList() ? mEngine->GetPatternList()->GetCurrent() : nullptr)
    mView->UpdateNotes(&p->GetNoteList());
}
