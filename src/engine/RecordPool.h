#ifndef RECORDPOOL_H
#define RECORDPOOL_H

// A fixed number of records made once, when the engine is built, and
// handed out and taken back while it plays: the audio thread never
// allocates. A pool that runs dry gives nothing and counts it in the
// engine's dry counter; its caller then leaves the newest note unstarted.
// Used on the audio thread under the plug lock, like the rest of the engine.

#include <memory>
#include <new>
#include <type_traits>
#include <utility>

#include "KIT_PtrList.h"

template <class T>
class RecordPool {
  // Records are given back without running a destructor.
  static_assert(std::is_trivially_destructible<T>::value, "pooled records hold nothing to free");

public:
  // dryCount: the engine's counter of requests that found the pool empty.
  // The records' memory is not touched until they are first handed out.
  RecordPool(int capacity, int* dryCount) : mSlots(new Slot[capacity]), mCapacity(capacity), mDryCount(dryCount) {}

  RecordPool(const RecordPool&) = delete;
  RecordPool& operator=(const RecordPool&) = delete;

  // A new record built from the arguments, or null when the pool is dry.
  template <class... Args>
  T* Make(Args&&... args)
  {
    Slot* s = mFree;
    if (s)
      mFree = s->next;
    else if (mFresh < mCapacity)
      s = &mSlots[mFresh++];
    else {
      ++*mDryCount;
      return nullptr;
    }
    ++mInUse;
    return new (s->bytes) T(std::forward<Args>(args)...);
  }

  void Free(T* record)
  {
    if (!record) return;
    Slot* s = reinterpret_cast<Slot*>(record);
    s->next = mFree;
    mFree = s;
    --mInUse;
  }

  // Gives every record of the list back and empties it.
  void FreeAll(KIT_PtrList<T>& list)
  {
    for (int i = 0; i < list.GetSize(); ++i) Free(list.Get(i));
    list.Empty();
  }

  int Available() const { return mCapacity - mInUse; }

private:
  union Slot {
    Slot* next;
    alignas(T) unsigned char bytes[sizeof(T)];
  };

  std::unique_ptr<Slot[]> mSlots;
  Slot* mFree = nullptr;  // given back
  int mFresh = 0;         // the slots from here on were never handed out
  int mCapacity;
  int mInUse = 0;
  int* mDryCount;
};

// Gives a list room for n records now, so that it never grows while the
// engine plays.
template <class T>
void ReserveList(KIT_PtrList<T>& list, int n)
{
  const int size = list.m_hb.GetSize();
  list.m_hb.SetMinAllocSize(n * (int)sizeof(T*));
  list.m_hb.Resize(n * (int)sizeof(T*), false);
  list.m_hb.Resize(size, false);
}

#endif
