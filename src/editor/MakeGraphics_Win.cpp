// The Windows builds' editor: a child window of the host's, its images and
// skin text among the resources of the plug-in's module.
#include "IGraphicsWin.h"
#include "MakeGraphics.h"
#include "TolvoModule.h"

HINSTANCE gHInstance = nullptr;

IGraphics* MakeGraphics(IFxBase* pPlug, int w, int h, int fps)
{
  IGraphicsWin* pGraphics = new IGraphicsWin(pPlug, w, h, fps);
  pGraphics->SetModuleHandle(gHInstance ? gHInstance : GetModuleHandleA(nullptr));
  return pGraphics;
}
