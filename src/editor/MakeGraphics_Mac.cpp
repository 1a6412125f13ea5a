// The macOS editor: IGraphicsMac, which finds the images and the skin text
// in the bundle of the plug-in's identifier.
#include "IGraphicsMac.h"
#include "MakeGraphics.h"
#include "TolvoBinding.h"

IGraphics* MakeGraphics(IFxBase* pPlug, int w, int h, int fps)
{
  IGraphicsMac* pGraphics = new IGraphicsMac(pPlug, w, h, fps);
  pGraphics->SetBundleID(kTolvoBundleID);
  return pGraphics;
}
