// A signal stops the thread: its handler waits, sleeping, until it is let go.
#include <pthread.h>
#include <signal.h>
#include <time.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "ThreadFreezer.h"

namespace {

std::atomic<bool> gHeld{false}, gStill{false};

void Hold(int)
{
  gStill = true;
  const timespec pause = {0, 200000};
  while (gHeld) nanosleep(&pause, nullptr);
  gStill = false;
}

// Until pred holds, for a second at most.
template <class Pred>
bool Await(Pred pred)
{
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(1);
  while (!pred())
    if (std::chrono::steady_clock::now() > until) return false;
  return true;
}

}  // namespace

struct ThreadFreezer::Thread {
  pthread_t id = pthread_self();
};

ThreadFreezer::ThreadFreezer() : mThread(new Thread)
{
  struct sigaction action = {};
  action.sa_handler = Hold;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGUSR1, &action, nullptr);
}

ThreadFreezer::~ThreadFreezer() { signal(SIGUSR1, SIG_DFL); }

bool ThreadFreezer::Freeze()
{
  gHeld = true;
  if (pthread_kill(mThread->id, SIGUSR1) == 0 && Await([] { return gStill.load(); })) return true;
  gHeld = false;
  return false;
}

void ThreadFreezer::Thaw()
{
  gHeld = false;
  Await([] { return !gStill.load(); });
}
