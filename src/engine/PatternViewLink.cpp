#include "PatternViewLink.h"

#include "EngineHolder.h"
#include "PatternEngine.h"
#include "PatternList.h"

void PatternViewLink::Notify(int kind)
{
  if (!m_view) return;
  if (kind == kNotesCleared)
    m_view->ClearNotes();
  else if (const PatternEngine* p = m_engine->GetPatternList() ? m_engine->GetPatternList()->GetCurrent() : nullptr)
    m_view->UpdateNotes(&p->GetNoteList());
}
