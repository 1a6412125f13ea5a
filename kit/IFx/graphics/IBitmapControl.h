#ifndef IBITMAPCONTROL_H
#define IBITMAPCONTROL_H

// Film-strip controls: a bitmap that shows its value's frame, the switch
// that steps through its frames, the invisible switch, the overlay that
// is hit only in its own area while off, and the contact that springs back.
// Host user-interface thread, each override as IControl.h tags it.

#include "IControl.h"

class IBitmapControl : public IControl {
public:
  IBitmapControl(IFxBase* pPlug, int x, int y, int paramIdx, const IBitmapStrip& bitmap,
                 int blendMethod = IChannelBlend::kBlendAlpha);
  IBitmapControl(IFxBase* pPlug, int x, int y, const IBitmapStrip& bitmap,
                 int blendMethod = IChannelBlend::kBlendAlpha);

  bool Draw(IGraphics* pGraphics) override;
  const IBitmapStrip& GetBitmap() const { return mBitmap; }

protected:
  IBitmapStrip mBitmap;
};

class ISwitchControl : public IBitmapControl {
public:
  ISwitchControl(IFxBase* pPlug, int x, int y, int paramIdx, const IBitmapStrip& bitmap,
                 int blendMethod = IChannelBlend::kBlendAlpha)
    : IBitmapControl(pPlug, x, y, paramIdx, bitmap, blendMethod)
  {}

  // The right button prompts; any other steps to the next frame, from the
  // last back to the first.
  void OnMouseDown(int x, int y, const IMouseModifiers& mod) override;
  void OnMouseDblClick(int x, int y, const IMouseModifiers& mod) override { OnMouseDown(x, y, mod); }
};

class IInvisibleSwitchControl : public IControl {
public:
  IInvisibleSwitchControl(IFxBase* pPlug, const IRECT& rect, int paramIdx);

  // Any button toggles between 0 and 1.
  void OnMouseDown(int x, int y, const IMouseModifiers& mod) override;
  bool Draw(IGraphics* pGraphics) override { return true; }
};

class IBitmapOverlayControl : public ISwitchControl {
public:
  // While the value is below one half the control is hit only in
  // targetArea and draws nothing; from one half on, in its frame.
  IBitmapOverlayControl(IFxBase* pPlug, int x, int y, int paramIdx, const IBitmapStrip& bitmap,
                        const IRECT& targetArea);

  bool Draw(IGraphics* pGraphics) override;

private:
  IRECT mTargetArea;
};

class IContactControl : public ISwitchControl {
public:
  IContactControl(IFxBase* pPlug, int x, int y, int paramIdx, const IBitmapStrip& bitmap)
    : ISwitchControl(pPlug, x, y, paramIdx, bitmap)
  {}

  // The release sends 0.
  void OnMouseUp(int x, int y, const IMouseModifiers& mod) override;
};

#endif
