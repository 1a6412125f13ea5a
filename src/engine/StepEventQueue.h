#ifndef STEPEVENTQUEUE_H
#define STEPEVENTQUEUE_H

// The events a pattern stepper has scheduled, handed out in the order they
// fall due: by time, an end before a start at the same time, and in the
// order they were scheduled; anything already due comes at once, in that
// order, whatever its own time. Each event costs a logarithm of the few in
// flight, never a walk over all of them; the one scheduled last of those
// that hold the next note back is known at once. A fixed number of
// records, made with the stepper. Audio thread, under the plug lock.

#include <cstdint>
#include <memory>

#include "HeldNote.h"

// One scheduled note (or ratchet) of a step, with the template it plays.
struct StepEvent {
  StepEvent() = default;
  StepEvent(const HeldNote& tmpl, double start_, double next_, double end_, int stepIndex_, bool wrapped_)
    : next(next_), end(end_), start(start_), wrapped(wrapped_), templ(tmpl), stepIndex(stepIndex_)
  {}

  bool fired = false;
  double next = 0.0;
  double end = 0.0;
  double start = 0.0;
  double firedOffset = 0.0;  // block offset at which it started or ended
  bool wrapped = false;
  HeldNote templ;
  int stepIndex = 0;
};

class StepEventQueue {
public:
  // dryCount: the engine's counter of pools found dry.
  StepEventQueue(int capacity, int* dryCount);

  StepEventQueue(const StepEventQueue&) = delete;
  StepEventQueue& operator=(const StepEventQueue&) = delete;

  // A new event, not yet scheduled; null (counted as dry) without room.
  StepEvent* Make(const HeldNote& tmpl, double start, double next, double end, int stepIndex, bool wrapped);
  // Schedules an event from Make with the times it has now; `holds`: the
  // next note must wait for its end.
  void Schedule(StepEvent* event, bool holds);
  // The event scheduled last of those still scheduled that hold the next
  // note back, or null.
  const StepEvent* LastHolding() const;
  // Drops every event.
  void Clear();

  // The next event due before `end`, its start or (once fired) its end,
  // no earlier than *now, which moves to the time it is due; null when none
  // falls due before end. The event stays scheduled until Fired or Ended.
  StepEvent* Next(double* now, double end);
  // The event started: it falls due again at its end.
  void Fired(StepEvent* event);
  // The event ended: it is dropped.
  void Ended(StepEvent* event);

private:
  struct Entry {
    StepEvent event;  // first, so that an event leads to its entry
    uint64_t order = 0;
    bool holds = false;
    // The holding ones in the order scheduled; next chains the free ones.
    int prev = -1, next = -1;
  };

  // A heap of entry indices: the waiting ones by time, the due ones by
  // kind and order.
  struct Heap {
    std::unique_ptr<int[]> items;
    int size = 0;
  };

  // Raw memory until a slot is first handed out, when its entry is built.
  struct alignas(Entry) RawEntry {
    unsigned char bytes[sizeof(Entry)];
  };

  Entry& EntryOf(StepEvent* event) { return *reinterpret_cast<Entry*>(event); }
  int IndexOf(StepEvent* event) const { return int(reinterpret_cast<Entry*>(event) - mEntries); }
  void Free(int i);
  double DueTime(int i) const;
  bool Before(int a, int b, bool byTime) const;
  void Push(Heap& h, int i, bool byTime);
  int Pop(Heap& h, bool byTime);

  std::unique_ptr<RawEntry[]> mStore;
  Entry* mEntries;  // over mStore
  int mCapacity;
  int* mDryCount;
  int mFree = -1;
  int mFresh = 0;  // the slots from here on were never handed out
  int mFirst = -1, mLast = -1;
  uint64_t mOrder = 0;
  Heap mWaiting, mDue;
};

#endif
