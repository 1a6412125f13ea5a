// The editor test plug-in as a VST 2 library for Windows hosts: its editor
// on the Windows back end, its images among the library's resources.

#include <new>

#include "EditorPlug.h"
#include "IGraphicsWin.h"
#include "KIT_Mutex.h"

// After the editor's own headers: windows.h renames LoadBitmap and others.
#include <windows.h>

namespace {
HINSTANCE sModule = nullptr;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved)
{
  sModule = module;
  return TRUE;
}

// Exported as "main" too (EditorPlug.def).
extern "C" AEffect* VSTCALLBACK VSTPluginMain(audioMasterCallback hostCallback)
{
  static KIT_Mutex sCreateLock;
  KIT_MutexLock lock(&sCreateLock);
  EditorPlug* plug = new (std::nothrow) EditorPlug(hostCallback);
  if (!plug) return nullptr;
  IGraphicsWin* editor = new IGraphicsWin(plug, kEditorWidth, kEditorHeight);
  editor->SetModuleHandle(sModule);
  plug->BuildEditor(editor);
  AEffect* effect = plug->HandToHost();
  if (effect->numPrograms < 1) effect->numPrograms = 1;
  return effect;
}
