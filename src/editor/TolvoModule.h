#ifndef TOLVOMODULE_H
#define TOLVOMODULE_H

// The module whose resources hold the editor's images and skin text in the
// Windows builds: the plug-in library's, as its load-time entry routine
// hands it over; null in a program that links the plug-in itself, whose
// own module then holds them.

#include <windows.h>

extern HINSTANCE gHInstance;

#endif
