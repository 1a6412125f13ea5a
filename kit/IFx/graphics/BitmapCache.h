#ifndef BITMAPCACHE_H
#define BITMAPCACHE_H

// The process-wide cache of the editor's bitmaps, keyed by resource id
// (-1 for bitmaps made at run time) and shared by every editor of every
// plug-in instance. It owns the bitmaps.
// Any thread; each operation takes the cache's lock alone.

#include "KIT_Mutex.h"
#include "KIT_TypedBuf.h"

class PIX_IBitmap;

class BitmapCache {
public:
  static constexpr int kRuntimeId = -1;

  BitmapCache() = default;
  ~BitmapCache();
  BitmapCache(const BitmapCache&) = delete;
  BitmapCache& operator=(const BitmapCache&) = delete;

  // The bitmap of the first entry with the id, or null.
  PIX_IBitmap* Find(int id);
  void Add(PIX_IBitmap* pBitmap, int id);
  // Deletes the bitmap when the cache holds it; leaves any other alone.
  void Remove(PIX_IBitmap* pBitmap);

private:
  struct Entry {
    int mID;
    PIX_IBitmap* mBitmap;
  };

  KIT_Mutex m_mutex;
  KIT_TypedBuf<Entry> mEntries{4096};
};

extern BitmapCache gBitmapCache;

#endif
