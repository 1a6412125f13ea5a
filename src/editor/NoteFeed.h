#ifndef NOTEFEED_H
#define NOTEFEED_H

// What the engine reports to the step editor, from the audio thread to the
// user-interface thread: a fixed ring of one-word reports with one writer
// and one reader, neither of which ever waits. A report that finds the
// ring full is dropped and the reader is told that some were lost.

#include <atomic>
#include <cstdint>
#include <memory>

class NoteFeed {
public:
  // kind: what happened; the 30 bits below it say to what.
  enum Kind : uint32_t { kStarted = 0, kStopped = 1, kSent = 2, kCleared = 3 };
  static constexpr int kCapacity = 1 << 16;

  NoteFeed() : mReports(new uint32_t[kCapacity]) {}
  NoteFeed(const NoteFeed&) = delete;
  NoteFeed& operator=(const NoteFeed&) = delete;

  // The writer (audio thread).
  void Put(Kind kind, uint32_t what)
  {
    const uint32_t head = mHead.load(std::memory_order_relaxed);
    if (head - mTail.load(std::memory_order_acquire) >= uint32_t(kCapacity)) {
      mLost.store(true, std::memory_order_relaxed);
      return;
    }
    mReports[head % kCapacity] = uint32_t(kind) << 30 | (what & 0x3FFFFFFFu);
    mHead.store(head + 1, std::memory_order_release);
  }

  // The reader (user-interface thread): every report written so far, in
  // order, to fn (kind, what). True when reports were lost since the last
  // time.
  template <class Fn>
  bool Take(Fn fn)
  {
    const bool lost = mLost.exchange(false, std::memory_order_relaxed);
    const uint32_t head = mHead.load(std::memory_order_acquire);
    uint32_t tail = mTail.load(std::memory_order_relaxed);
    for (; tail != head; ++tail) {
      const uint32_t r = mReports[tail % kCapacity];
      fn(Kind(r >> 30), r & 0x3FFFFFFFu);
    }
    mTail.store(tail, std::memory_order_release);
    return lost;
  }

private:
  std::unique_ptr<uint32_t[]> mReports;
  std::atomic<uint32_t> mHead{0}, mTail{0};
  std::atomic<bool> mLost{false};
};

#endif
