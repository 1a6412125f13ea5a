#include "BitmapCache.h"

#include <string.h>

#include "PIX_IBitmap.h"

BitmapCache gBitmapCache;

BitmapCache::~BitmapCache()
{
  for (int i = 0; i < mEntries.GetSize(); ++i) delete mEntries.Get()[i].mBitmap;
}

PIX_IBitmap* BitmapCache::Find(int id)
{
  KIT_MutexLock lock(&m_mutex);
  for (int i = 0; i < mEntries.GetSize(); ++i)
    if (mEntries.Get()[i].mID == id) return mEntries.Get()[i].mBitmap;
  return nullptr;
}

void BitmapCache::Add(PIX_IBitmap* pBitmap, int id)
{
  KIT_MutexLock lock(&m_mutex);
  if (Entry* e = mEntries.Append()) *e = Entry{id, pBitmap};
}

void BitmapCache::Remove(PIX_IBitmap* pBitmap)
{
  KIT_MutexLock lock(&m_mutex);
  const int n = mEntries.GetSize();
  Entry* entries = mEntries.Get();
  for (int i = 0; i < n; ++i) {
    if (entries[i].mBitmap != pBitmap) continue;
    memmove(entries + i, entries + i + 1, (size_t)(n - i - 1) * sizeof(Entry));
    mEntries.Resize(n - 1, false);
    delete pBitmap;
    return;
  }
}
