#include "IKnobControl.h"

#include "IGraphics.h"

namespace {
const double kFineGearing = 10.0;
}

void IKnobControl::OnMouseDrag(int x, int y, int dX, int dY, const IMouseModifiers& mod)
{
  const double gearing = mod.S || mod.C ? mGearing * kFineGearing : mGearing;
  // Up is towards smaller y, hence the span from bottom to top.
  const int span = mDirection == kHorizontal ? mRECT.R - mRECT.L : mRECT.T - mRECT.B;
  const int delta = mDirection == kHorizontal ? dX : dY;
  if (span != 0) mValue += (double)delta / (double)span / gearing;
  SetDirty(true);
}

bool IKnobMultiControl::Draw(IGraphics* pGraphics)
{
  return pGraphics->DrawBitmapFrame(&mBitmap, &mRECT, mBitmap.FrameOf(mValue), &mBlend);
}

IKnobLineControl::IKnobLineControl(IFxBase* pPlug, const IRECT& rect, int paramIdx, const IColor& color,
                                   double innerRadius, double outerRadius, double minAngle, double maxAngle,
                                   int direction, double gearing)
  : IKnobControl(pPlug, rect, paramIdx, direction, gearing), mColor(color), mMinAngle((float)minAngle),
    mMaxAngle((float)maxAngle), mInnerRadius((float)innerRadius), mOuterRadius((float)outerRadius)
{
  if (mOuterRadius == 0.0f) mOuterRadius = (float)(rect.R - rect.L) * 0.5f;
  mBlend = IChannelBlend(IChannelBlend::kBlendCopy);
}

bool IKnobLineControl::Draw(IGraphics* pGraphics)
{
  const float angle = mMinAngle + (mMaxAngle - mMinAngle) * (float)mValue;
  return pGraphics->DrawRadialLine(&mColor, mRECT.MW(), mRECT.MH(), angle, mInnerRadius, mOuterRadius, &mBlend, true);
}

bool IKnobRotaterControl::Draw(IGraphics* pGraphics)
{
  const double angle = mMinAngle + (mMaxAngle - mMinAngle) * mValue;
  return pGraphics->DrawRotatedBitmap(&mBitmap, (mRECT.L + mRECT.R) / 2, (mRECT.T + mRECT.B) / 2, angle, mYOffset,
                                      &mBlend);
}

bool IKnobRotatingMaskControl::Draw(IGraphics* pGraphics)
{
  const double angle = mMinAngle + (mMaxAngle - mMinAngle) * mValue;
  return pGraphics->DrawRotatedMask(&mBase, &mMask, &mTop, mRECT.L, mRECT.T, angle, &mBlend);
}
