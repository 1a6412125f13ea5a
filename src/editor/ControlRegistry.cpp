#include "ControlRegistry.h"

void ControlRegistry::Add(int page, IControl* pControl, int key)
{
  if (page < 0 || page >= kNumPages) return;
  const int at = mPages[page].GetSize();
  Entry* e = mPages[page].Append();
  if (!e) return;
  *e = Entry{key, pControl};
  if (key < 0) return;
  std::vector<Run>& runs = mRuns[page];
  // Keys mostly come in rising order: room for many more at once.
  if (key >= (int)runs.size()) runs.resize(key + 1 + runs.size());
  Run& run = runs[key];
  if (run.count == 0)
    run.first = at;
  else if (run.first + run.count != at)
    run.scattered = true;
  ++run.count;
}

const ControlRegistry::Page* ControlRegistry::GetPage(int page) const
{
  return page >= 0 && page < kNumPages ? &mPages[page] : nullptr;
}

IControl* ControlRegistry::FindNth(int page, int key, int n) const
{
  if (page < 0 || page >= kNumPages || key < 0 || n < 0) return nullptr;
  const std::vector<Run>& runs = mRuns[page];
  if (key >= (int)runs.size() || n >= runs[key].count) return nullptr;
  const Run& run = runs[key];
  const Entry* entries = mPages[page].Get();
  if (!run.scattered) return entries[run.first + n].mControl;
  for (int i = run.first;; ++i)
    if (entries[i].mKey == key && n-- == 0) return entries[i].mControl;
}
