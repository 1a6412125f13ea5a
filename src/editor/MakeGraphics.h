#ifndef MAKEGRAPHICS_H
#define MAKEGRAPHICS_H

// The editor core of this build: the Windows window back end in the
// Windows builds, IGraphicsMac in the macOS bundle, the window-less back
// end natively. It finds the skin text and the images among the plug-in's
// resources. User-interface thread,
// from the plug-in's constructor.

class IFxBase;
class IGraphics;

// fps <= 0 gives the default frame rate.
IGraphics* MakeGraphics(IFxBase* pPlug, int w, int h, int fps);

#endif
