#ifndef CONTROLREGISTRY_H
#define CONTROLREGISTRY_H

// The plug-in's index of its editor controls: each filed on a page under a
// key (a parameter index, or a lane's first parameter for its 16 steps).
// Built with the editor and never changed after, so any thread may look
// controls up. The controls belong to the editor.

#include <vector>

#include "KIT_TypedBuf.h"

class IControl;

class ControlRegistry {
public:
  enum EPage { kPatternPage = 0, kScenePage = 1, kNumPages };

  struct Entry {
    int mKey;
    IControl* mControl;
  };
  // Entries in the order they were added; keys may repeat.
  typedef KIT_TypedBuf<Entry> Page;

  void Add(int page, IControl* pControl, int key);
  // Null for a page that does not exist, as every look-up below.
  const Page* GetPage(int page) const;
  // The first control filed under the key.
  IControl* Find(int page, int key) const { return FindNth(page, key, 0); }
  // The n-th (from 0) control filed under the key; constant time for the
  // keys whose controls were filed one after the other.
  IControl* FindNth(int page, int key, int n) const;

private:
  // Where a key's entries lie in its page: together from `first` while
  // they were added one after the other (as the editor adds them), else
  // scattered and looked for.
  struct Run {
    int first = -1;
    int count = 0;
    bool scattered = false;
  };

  Page mPages[kNumPages];
  std::vector<Run> mRuns[kNumPages];  // by key
};

#endif
