#include "PatternList.h"

#include "PatternEngine.h"

PatternList::PatternList(EngineHolder* engine)
{
  PatternEngine* p = new PatternEngine(engine);
  if (!m_patterns.Add(p)) delete p;
}

PatternList::~PatternList() { m_patterns.Empty(true); }
