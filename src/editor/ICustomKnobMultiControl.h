#ifndef ICUSTOMKNOBMULTICONTROL_H
#define ICUSTOMKNOBMULTICONTROL_H

// A film-strip knob whose dragging and whose right-click prompt (for its
// text-entry parameter) can each be switched off: the editor's knobs have
// both, the incoming-note light neither. User-interface thread.

#include "IKnobControl.h"

class ICustomKnobMultiControl : public IKnobMultiControl {
public:
  ICustomKnobMultiControl(IFxBase* pPlug, int x, int y, int paramIdx, const IBitmapStrip& bitmap, bool dragEnabled,
                          bool rightClickPrompt, int direction = kVertical, double gearing = kDefaultGearing)
    : IKnobMultiControl(pPlug, x, y, paramIdx, bitmap, direction, gearing), mDragEnabled(dragEnabled),
      mRightClickPrompt(rightClickPrompt)
  {}

  // The left button tells the observers; any other prompts when enabled.
  // Either way the value is pushed again.
  void OnMouseDown(int x, int y, const IMouseModifiers& mod) override;
  void OnMouseDrag(int x, int y, int dX, int dY, const IMouseModifiers& mod) override;

private:
  bool mDragEnabled;
  bool mRightClickPrompt;
};

#endif
