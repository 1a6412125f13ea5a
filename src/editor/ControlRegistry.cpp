#include "ControlRegistry.h"

void ControlRegistry::Add(int page, IControl* pControl, int key)
{
  if (page < 0 || page >= kNumPages) return;
  Entry* e = mPages[page].Append();
  if (!e) return;
  *e = Entry{key, pControl};
  if (key < 0) return;
  std::vector<std::vector<IControl*>>& byKey = mByKey[page];
  if (key >= (int)byKey.size()) byKey.resize(key + 1);
  byKey[key].push_back(pControl);
}

const ControlRegistry::Page* ControlRegistry::GetPage(int page) const
{
  return page >= 0 && page < kNumPages ? &mPages[page] : nullptr;
}

IControl* ControlRegistry::FindNth(int page, int key, int n) const
{
  if (page < 0 || page >= kNumPages || key < 0 || n < 0) return nullptr;
  const std::vector<std::vector<IControl*>>& byKey = mByKey[page];
  if (key >= (int)byKey.size() || n >= (int)byKey[key].size()) return nullptr;
  return byKey[key][n];
}
