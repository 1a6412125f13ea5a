#include "IBitmapControl.h"

#include "IGraphics.h"

namespace {
// A switch wraps to its first frame past this value.
const double kSwitchWrap = 1.001;
const double kOnThreshold = 0.5;
}  // namespace

IBitmapControl::IBitmapControl(IFxBase* pPlug, int x, int y, int paramIdx, const IBitmapStrip& bitmap, int blendMethod)
  : IControl(pPlug, IRECT(x, y, bitmap), paramIdx, IChannelBlend(blendMethod)), mBitmap(bitmap)
{}

IBitmapControl::IBitmapControl(IFxBase* pPlug, int x, int y, const IBitmapStrip& bitmap, int blendMethod)
  : IBitmapControl(pPlug, x, y, -1, bitmap, blendMethod)
{}

bool IBitmapControl::Draw(IGraphics* pGraphics)
{
  return pGraphics->DrawBitmapFrame(&mBitmap, &mRECT, mBitmap.FrameOf(mValue), &mBlend);
}

void ISwitchControl::OnMouseDown(int x, int y, const IMouseModifiers& mod)
{
  if (mod.R)
    PromptUserInput();
  else
    mValue += mBitmap.N > 1 ? 1.0 / (double)(mBitmap.N - 1) : 1.0;
  if (mValue > kSwitchWrap) mValue = 0.0;
  SetDirty(true);
}

IInvisibleSwitchControl::IInvisibleSwitchControl(IFxBase* pPlug, const IRECT& rect, int paramIdx)
  : IControl(pPlug, rect, paramIdx, IChannelBlend(IChannelBlend::kBlendCopy))
{
  mDisablePrompt = true;
}

void IInvisibleSwitchControl::OnMouseDown(int x, int y, const IMouseModifiers& mod)
{
  mValue = mValue >= kOnThreshold ? 0.0 : 1.0;
  SetDirty(true);
}

IBitmapOverlayControl::IBitmapOverlayControl(IFxBase* pPlug, int x, int y, int paramIdx, const IBitmapStrip& bitmap,
                                             const IRECT& targetArea)
  : ISwitchControl(pPlug, x, y, paramIdx, bitmap), mTargetArea(targetArea)
{
  mTargetRECT = mTargetArea;
}

bool IBitmapOverlayControl::Draw(IGraphics* pGraphics)
{
  if (mValue < kOnThreshold) {
    mTargetRECT = mTargetArea;
    return true;
  }
  mTargetRECT = mRECT;
  return IBitmapControl::Draw(pGraphics);
}

void IContactControl::OnMouseUp(int x, int y, const IMouseModifiers& mod)
{
  mValue = 0.0;
  SetDirty(true);
}
