#include "PatternList.h"

#include "PatternEngine.h"

PatternList::PatternList(EngineHolder* engine)
{
  PatternEngine* p = new PatternEngine(engine);
  if (!mPatterns.Add(p)) delete p;
}

PatternList::~PatternList() { mPatterns.Empty(true); }
