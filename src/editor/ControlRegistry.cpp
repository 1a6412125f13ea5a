#include "ControlRegistry.h"

void ControlRegistry::Add(int page, IControl* pControl, int key)
{
  if (page < 0 || page >= kNumPages) return;
  if (Entry* e = mPages[page].Append()) *e = Entry{key, pControl};
}

const ControlRegistry::Page* ControlRegistry::GetPage(int page) const
{
  return page >= 0 && page < kNumPages ? &mPages[page] : nullptr;
}

IControl* ControlRegistry::FindNth(int page, int key, int n) const
{
  const Page* entries = GetPage(page);
  if (!entries || n < 0) return nullptr;
  for (int i = 0; i < entries->GetSize(); ++i) {
    const Entry& e = entries->Get()[i];
    if (e.mKey == key && n-- == 0) return e.mControl;
  }
  return nullptr;
}
