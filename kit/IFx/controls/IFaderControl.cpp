#include "IFaderControl.h"

#include "IGraphics.h"

IFaderControl::IFaderControl(IFxBase* pPlug, int x, int y, int len, int paramIdx, const IBitmapStrip& bitmap,
                             int direction)
  : IControl(pPlug, IRECT(), paramIdx), mLen(len), mBitmap(bitmap), mDirection(direction)
{
  if (mDirection == IKnobControl::kHorizontal) {
    mHandleSize = bitmap.W;
    mRECT = mTargetRECT = IRECT(x, y, x + len, y + bitmap.H);
  } else {
    mHandleSize = bitmap.H;
    mRECT = mTargetRECT = IRECT(x, y, x + bitmap.W, y + len);
  }
}

IRECT IFaderControl::GetHandleRECT(double value) const
{
  if (value < 0.0) value = mValue;
  IRECT r(mRECT.L, mRECT.T, mRECT.L + mBitmap.W, mRECT.T + mBitmap.H);
  const double travel = (double)(mLen - mHandleSize);
  if (mDirection == IKnobControl::kHorizontal) {
    const int offset = (int)(travel * value);
    r.L += offset;
    r.R += offset;
  } else {
    const int offset = (int)(travel * (1.0 - value));
    r.T += offset;
    r.B += offset;
  }
  return r;
}

void IFaderControl::OnMouseDown(int x, int y, const IMouseModifiers& mod)
{
  if (mod.R) {
    PromptUserInput();
    SetDirty(true);
    return;
  }
  SnapToMouse(x, y);
}

void IFaderControl::SnapToMouse(int x, int y)
{
  const int travel = mLen - mHandleSize;
  // A fader without travel has only the one position.
  if (travel == 0)
    mValue = 0.0;
  else if (mDirection == IKnobControl::kHorizontal)
    mValue = (double)(x - mRECT.L - mHandleSize / 2) / (double)travel;
  else
    mValue = 1.0 - (double)(y - mRECT.T - mHandleSize / 2) / (double)travel;
  SetDirty(true);
}

bool IFaderControl::Draw(IGraphics* pGraphics)
{
  const IRECT handle = GetHandleRECT();
  return pGraphics->DrawBitmapFrame(&mBitmap, &handle, 1, &mBlend);
}
