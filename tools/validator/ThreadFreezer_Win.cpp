// The thread is suspended; reading its context waits until it has stopped.
#include <windows.h>

#include "ThreadFreezer.h"

struct ThreadFreezer::Thread {
  HANDLE handle = OpenThread(THREAD_SUSPEND_RESUME | THREAD_GET_CONTEXT, FALSE, GetCurrentThreadId());
};

ThreadFreezer::ThreadFreezer() : mThread(new Thread) {}

ThreadFreezer::~ThreadFreezer()
{
  if (mThread->handle) CloseHandle(mThread->handle);
}

bool ThreadFreezer::Freeze()
{
  if (!mThread->handle || SuspendThread(mThread->handle) == (DWORD)-1) return false;
  CONTEXT context = {};
  context.ContextFlags = CONTEXT_CONTROL;
  GetThreadContext(mThread->handle, &context);
  return true;
}

void ThreadFreezer::Thaw() { ResumeThread(mThread->handle); }
