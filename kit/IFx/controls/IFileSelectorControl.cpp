#include "IFileSelectorControl.h"

void IFileSelectorControl::OnMouseDown(int x, int y, const IMouseModifiers& mod)
{
  IGraphics* pGraphics = GetGUI();
  if (!mPlug || !pGraphics) return;
  mState = kStateSelecting;
  SetDirty(false);
  pGraphics->PromptForFile(&mFile, mAction, mDir.Get(), mExtensions.Get());
  mValue += 1.0;
  if (mValue > 1.0) mValue = 0.0;
  mState = kStateDone;
  SetDirty(true);
}

bool IFileSelectorControl::Draw(IGraphics* pGraphics)
{
  if (mState == kStateSelecting) pGraphics->DrawBitmapFrame(&mBitmap, &mRECT, 1, &mBlend);
  return true;
}

bool IFileSelectorControl::IsDirty()
{
  if (mDirty) return true;
  if (mState != kStateDone) return false;
  mState = kStateNone;
  return true;
}
