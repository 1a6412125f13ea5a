#include "StepEventQueue.h"

#include <new>
#include <type_traits>

StepEventQueue::StepEventQueue(int capacity, int* dryCount)
  : mStore(new RawEntry[capacity]), mEntries(reinterpret_cast<Entry*>(mStore.get())), mCapacity(capacity),
    mDryCount(dryCount)
{
  static_assert(std::is_trivially_destructible<Entry>::value, "entries are never destroyed");
  mWaiting.items.reset(new int[capacity]);
  mDue.items.reset(new int[capacity]);
}

StepEvent* StepEventQueue::Make(const HeldNote& tmpl, double start, double next, double end, int stepIndex,
                                bool wrapped)
{
  int i = mFree;
  if (i >= 0)
    mFree = mEntries[i].next;
  else if (mFresh < mCapacity)
    new (&mEntries[i = mFresh++]) Entry();
  else {
    ++*mDryCount;
    return nullptr;
  }
  Entry& e = mEntries[i];
  e.event = StepEvent(tmpl, start, next, end, stepIndex, wrapped);
  e.prev = e.next = -1;
  return &e.event;
}

void StepEventQueue::Schedule(StepEvent* event, bool holds)
{
  const int i = IndexOf(event);
  Entry& e = mEntries[i];
  e.order = ++mOrder;
  e.holds = holds;
  e.prev = e.next = -1;
  if (holds) {
    e.prev = mLast;
    if (mLast >= 0)
      mEntries[mLast].next = i;
    else
      mFirst = i;
    mLast = i;
  }
  Push(mWaiting, i, true);
}

const StepEvent* StepEventQueue::LastHolding() const { return mLast >= 0 ? &mEntries[mLast].event : nullptr; }

void StepEventQueue::Free(int i)
{
  mEntries[i].next = mFree;
  mFree = i;
}

void StepEventQueue::Clear()
{
  // Every scheduled event waits in one of the heaps.
  for (int k = 0; k < mWaiting.size; ++k) Free(mWaiting.items[k]);
  for (int k = 0; k < mDue.size; ++k) Free(mDue.items[k]);
  mFirst = mLast = -1;
  mWaiting.size = mDue.size = 0;
}

StepEvent* StepEventQueue::Next(double* now, double end)
{
  for (;;) {
    while (mWaiting.size > 0 && DueTime(mWaiting.items[0]) <= *now) Push(mDue, Pop(mWaiting, true), false);
    if (mDue.size > 0) return &mEntries[mDue.items[0]].event;
    if (mWaiting.size == 0) return nullptr;
    const double t = DueTime(mWaiting.items[0]);
    if (t >= end) return nullptr;
    *now = t;
  }
}

void StepEventQueue::Fired(StepEvent* event)
{
  const int i = Pop(mDue, false);
  mEntries[i].event.fired = true;
  Push(mWaiting, i, true);
}

void StepEventQueue::Ended(StepEvent* event)
{
  const int i = Pop(mDue, false);
  Entry& e = mEntries[i];
  if (e.holds) {
    if (e.prev >= 0)
      mEntries[e.prev].next = e.next;
    else
      mFirst = e.next;
    if (e.next >= 0)
      mEntries[e.next].prev = e.prev;
    else
      mLast = e.prev;
  }
  Free(i);
}

double StepEventQueue::DueTime(int i) const
{
  const StepEvent& e = mEntries[i].event;
  return e.fired ? e.end : e.start;
}

bool StepEventQueue::Before(int a, int b, bool byTime) const
{
  if (byTime) {
    const double ta = DueTime(a), tb = DueTime(b);
    if (ta != tb) return ta < tb;
  }
  // At one time an end comes before a start.
  const bool endA = mEntries[a].event.fired, endB = mEntries[b].event.fired;
  if (endA != endB) return endA;
  return mEntries[a].order < mEntries[b].order;
}

void StepEventQueue::Push(Heap& h, int i, bool byTime)
{
  int k = h.size++;
  while (k > 0) {
    const int parent = (k - 1) / 2;
    if (!Before(i, h.items[parent], byTime)) break;
    h.items[k] = h.items[parent];
    k = parent;
  }
  h.items[k] = i;
}

int StepEventQueue::Pop(Heap& h, bool byTime)
{
  const int top = h.items[0];
  const int last = h.items[--h.size];
  int k = 0;
  for (;;) {
    int child = 2 * k + 1;
    if (child >= h.size) break;
    if (child + 1 < h.size && Before(h.items[child + 1], h.items[child], byTime)) ++child;
    if (!Before(h.items[child], last, byTime)) break;
    h.items[k] = h.items[child];
    k = child;
  }
  if (h.size > 0) h.items[k] = last;
  return top;
}
