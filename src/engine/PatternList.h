#ifndef PATTERNLIST_H
#define PATTERNLIST_H

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

  PatternEngine* Get(int index) const { return mPatterns.Get(index); }
  PatternEngine* GetCurrent() const { return mPatterns.Get(mCurrent); }
  int GetSize() const { return mPatterns.GetSize(); }

private:
  KIT_PtrList<PatternEngine> mPatterns;
  int mCurrent = 0;
};

#endif
