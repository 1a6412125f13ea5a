#ifndef VSTHOST_MESSAGEPUMP_H
#define VSTHOST_MESSAGEPUMP_H

// The host's message loop on its user-interface thread (Windows): the
// editor's window, its timer and everything the host posts to it run here.

namespace vsthost {

// Runs the posted, sent and input messages waiting now, and those they
// post in turn; timers and paint wait for a pump of their own.
void DrainMessages();
// Runs every message for ms milliseconds.
void PumpFor(int ms);
// Runs every message until the window's timers have ticked n times; false
// when timeoutMs pass first. *timerId: the id of the last tick.
bool PumpTicks(void* window, int n, int timeoutMs, unsigned* timerId);

}  // namespace vsthost

#endif
