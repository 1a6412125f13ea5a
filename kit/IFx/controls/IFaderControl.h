#ifndef IFADERCONTROL_H
#define IFADERCONTROL_H

// A fader: a handle bitmap that travels along its length and jumps to the
// mouse.
// Host user-interface thread, each override as IControl.h tags it.

#include "IKnobControl.h"

class IFaderControl : public IControl {
public:
  // len: pixels of travel including the handle.
  IFaderControl(IFxBase* pPlug, int x, int y, int len, int paramIdx, const IBitmapStrip& bitmap,
                int direction = IKnobControl::kVertical);

  // The right button prompts; any other moves the handle to the mouse.
  void OnMouseDown(int x, int y, const IMouseModifiers& mod) override;
  void OnMouseDrag(int x, int y, int dX, int dY, const IMouseModifiers& mod) override { SnapToMouse(x, y); }
  bool Draw(IGraphics* pGraphics) override;

  // The handle's rectangle for a value; a negative one takes the current.
  IRECT GetHandleRECT(double value = -1.0) const;

private:
  void SnapToMouse(int x, int y);

  int mLen, mHandleSize;
  IBitmapStrip mBitmap;
  int mDirection;
};

#endif
