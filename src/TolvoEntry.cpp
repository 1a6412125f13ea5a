// The library's doors: the load-time entry routine of the Windows build and
// the VST 2 entry point through which a host creates each instance.

#include <new>

#include "CreationLock.h"
#include "Tolvo.h"

#if defined(_WIN32)
#include "TolvoModule.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE hDllInst, DWORD reason, LPVOID reserved)
{
  gHInstance = hDllInst;
  return TRUE;
}

// The exports (with "main" as a second name) are listed in Tolvo.def.
#define TOLVO_EXPORT extern "C"
#else
#define TOLVO_EXPORT extern "C" __attribute__((visibility("default")))
#endif

TOLVO_EXPORT AEffect* VSTCALLBACK VSTPluginMain(audioMasterCallback hostCallback)
{
  KIT_MutexLock lock(&CreationLock());
  Tolvo* plug = new (std::nothrow) Tolvo(hostCallback);
  if (!plug) return nullptr;
  plug->FillEmptyPresets();
  AEffect* effect = plug->HandToHost();
  if (effect->numPrograms < 1) effect->numPrograms = 1;
  return effect;
}
