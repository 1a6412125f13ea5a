#ifndef THREADFREEZER_H
#define THREADFREEZER_H

// Holds a thread wherever it happens to be, for as long as another thread
// likes, as a debugger or a host's stalled user-interface thread would:
// on Windows by suspending it, elsewhere by a signal whose handler waits.
// Made on the thread it holds; Freeze and Thaw come from another. One at a
// time in a process.

#include <memory>

class ThreadFreezer {
public:
  ThreadFreezer();  // the calling thread
  ~ThreadFreezer();
  ThreadFreezer(const ThreadFreezer&) = delete;
  ThreadFreezer& operator=(const ThreadFreezer&) = delete;

  // True once the thread stands still.
  bool Freeze();
  void Thaw();

private:
  struct Thread;  // the platform's part
  std::unique_ptr<Thread> mThread;
};

#endif
