#ifndef KIT_MUTEX_H
#define KIT_MUTEX_H

// A recursive lock and its scoped locker. On Windows a critical section;
// elsewhere a default pthread mutex made recursive by tracking the owning
// thread and the number of extra entries by the owner.

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <pthread.h>
#include <atomic>
#endif

class KIT_Mutex {
public:
#ifdef _WIN32
  KIT_Mutex() { InitializeCriticalSection(&m_cs); }
  ~KIT_Mutex() { DeleteCriticalSection(&m_cs); }
  void Enter() { EnterCriticalSection(&m_cs); }
  void Leave() { LeaveCriticalSection(&m_cs); }
#else
  KIT_Mutex() : m_ownerthread(pthread_t()), m_lockcnt(0) { pthread_mutex_init(&m_mutex, nullptr); }
  ~KIT_Mutex() { pthread_mutex_destroy(&m_mutex); }

  void Enter()
  {
    const pthread_t self = pthread_self();
    // Only this thread ever stores its own id, so reading it back here
    // means this thread holds the lock.
    if (pthread_equal(m_ownerthread.load(std::memory_order_relaxed), self)) {
      ++m_lockcnt;
      return;
    }
    pthread_mutex_lock(&m_mutex);
    m_ownerthread.store(self, std::memory_order_relaxed);
    m_lockcnt = 0;
  }

  void Leave()
  {
    if (--m_lockcnt < 0) {
      m_ownerthread.store(pthread_t(), std::memory_order_relaxed);
      pthread_mutex_unlock(&m_mutex);
    }
  }
#endif

  KIT_Mutex(const KIT_Mutex&) = delete;
  KIT_Mutex& operator=(const KIT_Mutex&) = delete;

private:
#ifdef _WIN32
  CRITICAL_SECTION m_cs;
#else
  pthread_mutex_t m_mutex;
  std::atomic<pthread_t> m_ownerthread;  // pthread_t() while free
  int m_lockcnt;                         // extra entries by the owner
#endif
};

// Enters the mutex (when not null) for its lifetime; Leave() leaves early.
class KIT_MutexLock {
public:
  explicit KIT_MutexLock(KIT_Mutex* mutex) : m_mutex(mutex)
  {
    if (m_mutex) m_mutex->Enter();
  }
  ~KIT_MutexLock()
  {
    if (m_mutex) m_mutex->Leave();
  }
  void Leave()
  {
    if (m_mutex) m_mutex->Leave();
    m_mutex = nullptr;
  }

  KIT_MutexLock(const KIT_MutexLock&) = delete;
  KIT_MutexLock& operator=(const KIT_MutexLock&) = delete;

private:
  KIT_Mutex* m_mutex;
};

#endif
