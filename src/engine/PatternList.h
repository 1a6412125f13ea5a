#ifndef TOLVO_PATTERNLIST_H
#define TOLVO_PATTERNLIST_H

// The patterns of an engine (the plug-in has one) and which is current.

#include "KIT_PtrList.h"

class EngineHolder;
class PatternEngine;

class PatternList {
public:
  explicit PatternList(EngineHolder* engine);
  ~PatternList();

  PatternList(const PatternList&) = delete;
  PatternList& operator=(const PatternList&) = delete;

  PatternEngine* Get(int index) const { return m_patterns.Get(index); }
  PatternEngine* GetCurrent() const { return m_patterns.Get(m_current); }
  int GetSize() const { return m_patterns.GetSize(); }

private:
  KIT_PtrList<PatternEngine> m_patterns;
  int m_current = 0;
};

#endif
