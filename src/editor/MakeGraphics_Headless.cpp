// Native builds have no window system of their own: the editor runs on the
// window-less back end, over the resource folder of the source tree.
#include "IGraphicsHeadless.h"
#include "MakeGraphics.h"

IGraphics* MakeGraphics(IFxBase* pPlug, int w, int h, int fps)
{
  IGraphicsHeadless* pGraphics = new IGraphicsHeadless(pPlug, w, h, fps);
  pGraphics->SetResourceFolder(TOLVO_RESOURCE_DIR);
  return pGraphics;
}
