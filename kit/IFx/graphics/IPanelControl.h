#ifndef IPANELCONTROL_H
#define IPANELCONTROL_H

// A rectangle filled with one colour.
// Host user-interface thread, each override as IControl.h tags it.

#include "IControl.h"
#include "IGraphics.h"

class IPanelControl : public IControl {
public:
  IPanelControl(IFxBase* pPlug, const IRECT& rect, const IColor& color) : IControl(pPlug, rect), mColor(color) {}

  bool Draw(IGraphics* pGraphics) override
  {
    pGraphics->FillRect(&mColor, &mRECT, &mBlend);
    return true;
  }

private:
  IColor mColor;
};

#endif
