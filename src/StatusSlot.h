#ifndef STATUSSLOT_H
#define STATUSSLOT_H

// The status line the router asked for last, as the parameter and value
// it describes: written from either thread under the plug lock without
// waiting, and read by the editor's tick, which never holds the writer up
// (a sequence count: odd while a write is under way, and a read that saw
// it move is left for the next tick).

#include <atomic>
#include <cstdint>

class StatusSlot {
public:
  // Under the plug lock.
  void Put(int index, double value)
  {
    const uint32_t seq = mSeq.load(std::memory_order_relaxed);
    mSeq.store(seq + 1, std::memory_order_relaxed);
    std::atomic_thread_fence(std::memory_order_release);
    mIndex.store(index, std::memory_order_relaxed);
    mValue.store(value, std::memory_order_relaxed);
    mSeq.store(seq + 2, std::memory_order_release);
  }

  // User-interface thread: the change put last, when it was not taken
  // yet.
  bool Take(int* index, double* value)
  {
    const uint32_t seq = mSeq.load(std::memory_order_acquire);
    if ((seq & 1) || seq == mTaken) return false;
    *index = mIndex.load(std::memory_order_relaxed);
    *value = mValue.load(std::memory_order_relaxed);
    std::atomic_thread_fence(std::memory_order_acquire);
    if (mSeq.load(std::memory_order_relaxed) != seq) return false;
    mTaken = seq;
    return true;
  }

private:
  std::atomic<uint32_t> mSeq{0};
  std::atomic<int> mIndex{0};
  std::atomic<double> mValue{0.0};
  uint32_t mTaken = 0;  // the reader's
};

#endif
