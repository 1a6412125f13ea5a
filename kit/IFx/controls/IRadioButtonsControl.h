#ifndef IRADIOBUTTONSCONTROL_H
#define IRADIOBUTTONSCONTROL_H

// A row or column of buttons of which one is on: button i of n stands for
// the value i / (n - 1).
// Host user-interface thread, each override as IControl.h tags it.

#include "IKnobControl.h"
#include "KIT_TypedBuf.h"

class IRadioButtonsControl : public IControl {
public:
  // bitmap: two frames, off and on. The buttons spread evenly over rect.
  IRadioButtonsControl(IFxBase* pPlug, const IRECT& rect, int paramIdx, int nButtons, const IBitmapStrip& bitmap,
                       int direction = IKnobControl::kVertical);

  // The right button prompts; the left one picks the button under it and
  // sends the value, also when it hits none.
  void OnMouseDown(int x, int y, const IMouseModifiers& mod) override;
  bool Draw(IGraphics* pGraphics) override;

  int NButtons() const { return mRECTs.GetSize(); }
  // Null out of range.
  const IRECT* GetButtonRECT(int i) const { return i >= 0 && i < NButtons() ? mRECTs.Get() + i : nullptr; }
  const IBitmapStrip& GetBitmap() const { return mBitmap; }

protected:
  KIT_TypedBuf<IRECT> mRECTs{4096};
  IBitmapStrip mBitmap;
};

#endif
