#include <windows.h>

#include "MessagePump.h"

namespace vsthost {

namespace {
void Dispatch(MSG* msg)
{
  TranslateMessage(msg);
  DispatchMessageA(msg);
}

bool TimeLeft(DWORD start, DWORD ms) { return GetTickCount() - start < ms; }

// Waits up to ms from start for a message; whether time is left.
bool Wait(DWORD start, DWORD ms)
{
  const DWORD elapsed = GetTickCount() - start;
  if (elapsed >= ms) return false;
  MsgWaitForMultipleObjectsEx(0, nullptr, ms - elapsed, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  return true;
}
}  // namespace

void DrainMessages()
{
  // Posted messages without the timers, which PM_QS_POSTMESSAGE brings
  // too: a tick of the editor's own between two steps of a script would
  // apply its entry or redraw it before the script asks.
  const UINT posted = QS_POSTMESSAGE << 16;
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_INPUT | posted | PM_QS_SENDMESSAGE)) Dispatch(&msg);
}

void PumpFor(int ms)
{
  const DWORD start = GetTickCount();
  MSG msg;
  // Bounded by the time also while messages keep coming: a window that
  // never ends its painting is asked for ever.
  do {
    while (TimeLeft(start, static_cast<DWORD>(ms)) && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) Dispatch(&msg);
  } while (Wait(start, static_cast<DWORD>(ms)));
}

bool PumpTicks(void* window, int n, int timeoutMs, unsigned* timerId)
{
  const DWORD start = GetTickCount();
  int ticks = 0;
  MSG msg;
  do {
    while (ticks < n && TimeLeft(start, static_cast<DWORD>(timeoutMs)) &&
           PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      const bool tick = msg.message == WM_TIMER && msg.hwnd == static_cast<HWND>(window);
      Dispatch(&msg);
      if (!tick) continue;
      ++ticks;
      if (timerId) *timerId = static_cast<unsigned>(msg.wParam);
    }
    if (ticks >= n) return true;
  } while (Wait(start, static_cast<DWORD>(timeoutMs)));
  return false;
}

}  // namespace vsthost
