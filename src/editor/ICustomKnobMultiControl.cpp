#include "ICustomKnobMultiControl.h"

void ICustomKnobMultiControl::OnMouseDown(int x, int y, const IMouseModifiers& mod)
{
  if (mod.L)
    IControl::OnMouseDown(x, y, mod);
  else if (mRightClickPrompt)
    PromptUserInput(x, y);
  SetDirty(true);
}

void ICustomKnobMultiControl::OnMouseDrag(int x, int y, int dX, int dY, const IMouseModifiers& mod)
{
  if (mDragEnabled) IKnobMultiControl::OnMouseDrag(x, y, dX, dY, mod);
}
