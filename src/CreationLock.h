#ifndef CREATIONLOCK_H
#define CREATIONLOCK_H

// The process-wide lock under which plug-in objects are made, so two host
// threads never run two constructors at once: made on first use, safely
// when two threads arrive together; freed when the library is unloaded.

#include "KIT_Mutex.h"

inline KIT_Mutex& CreationLock()
{
  static KIT_Mutex lock;
  return lock;
}

#endif
