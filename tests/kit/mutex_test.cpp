#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "KIT_Mutex.h"

TEST(Mutex, TheOwnerMayEnterAgain)
{
  KIT_Mutex m;
  m.Enter();
  m.Enter();
  m.Enter();
  m.Leave();
  m.Leave();
  m.Leave();
  // free again: another thread can take it
  bool taken = false;
  std::thread t([&] {
    m.Enter();
    taken = true;
    m.Leave();
  });
  t.join();
  EXPECT_TRUE(taken);
}

TEST(Mutex, AnotherThreadWaitsUntilEveryEntryIsLeft)
{
  KIT_Mutex m;
  std::atomic<bool> entered(false);
  std::atomic<bool> started(false);
  m.Enter();
  m.Enter();
  std::thread t([&] {
    started = true;
    m.Enter();
    entered = true;
    m.Leave();
  });
  while (!started) std::this_thread::yield();
  m.Leave();
  // still held once: the other thread cannot have entered
  for (int i = 0; i < 1000; ++i) std::this_thread::yield();
  EXPECT_FALSE(entered);
  m.Leave();
  t.join();
  EXPECT_TRUE(entered);
}

TEST(Mutex, MutualExclusionOfTwoThreads)
{
  KIT_Mutex m;
  long counter = 0;  // guarded by m, not atomic on purpose
  int inside = 0;    // threads inside the lock at once
  int worstInside = 0;
  auto work = [&] {
    for (int i = 0; i < 100000; ++i) {
      KIT_MutexLock lock(&m);
      KIT_MutexLock again(&m);  // recursion under contention
      if (++inside > worstInside) worstInside = inside;
      long c = counter;
      counter = c + 1;
      --inside;
    }
  };
  std::thread a(work), b(work);
  a.join();
  b.join();
  EXPECT_EQ(counter, 200000);
  EXPECT_EQ(worstInside, 1);
}

TEST(MutexLock, NullMutexIsAllowed)
{
  KIT_MutexLock lock(nullptr);
  lock.Leave();
}

TEST(MutexLock, LeaveLeavesAtOnceAndOnlyOnce)
{
  KIT_Mutex m;
  {
    KIT_MutexLock lock(&m);
    lock.Leave();
    // the mutex is free now: another thread takes and releases it
    std::thread t([&] {
      m.Enter();
      m.Leave();
    });
    t.join();
  }  // the destructor does not leave a second time
  m.Enter();
  bool taken = false;
  std::thread t([&] {
    m.Enter();
    taken = true;
    m.Leave();
  });
  for (int i = 0; i < 1000; ++i) std::this_thread::yield();
  EXPECT_FALSE(taken);
  m.Leave();
  t.join();
  EXPECT_TRUE(taken);
}
