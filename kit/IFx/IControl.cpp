#include "IControl.h"

#include "IFxBase.h"
#include "IGraphics.h"

namespace {
const double kWheelStep = 0.01;
const double kFineWheelStep = 0.001;
const float kGrayedWeight = 0.25f;
// The prompt of a parameter without display texts: 16 pixels high, from
// 18 pixels left of the control's middle to its right edge.
const int kCentredPromptHalfHeight = 8;
const int kCentredPromptLeftOfMiddle = 18;
}  // namespace

IControl::IControl(IFxBase* pPlug, const IRECT& rect, int paramIdx, const IChannelBlend& blend)
  : mPlug(pPlug), mRECT(rect), mTargetRECT(rect), mParamIdx(paramIdx), mBlend(blend)
{}

KIT_Mutex* IControl::EditorLock() const { return mGraphics ? mGraphics->EditorLock() : nullptr; }

void IControl::OnMouseDown(int x, int y, const IMouseModifiers& mod)
{
  NotifyObservers(x, y, kEventMouseDown, mod);
  if (mod.R && mParamIdx >= 0 && !mDisablePrompt) {
    PromptUserInputForParam(x, y, mParamIdx);
    mRedraw = true;
  }
}

void IControl::OnMouseUp(int x, int y, const IMouseModifiers& mod) { NotifyObservers(x, y, kEventMouseUp, mod); }

void IControl::OnMouseDblClick(int x, int y, const IMouseModifiers& mod)
{
  NotifyObservers(x, y, kEventDoubleClick, mod);
  if (mDefaultValue >= 0.0) {
    mValue = mDefaultValue;
    SetDirty(true);
  }
}

void IControl::OnMouseWheel(int x, int y, const IMouseModifiers& mod, int d)
{
  mValue += d * (mod.S || mod.C ? kFineWheelStep : kWheelStep);
  SetDirty(true);
}

void IControl::SetValueFromPlug(double value)
{
  KIT_MutexLock lock(EditorLock());
  if (value != value) value = mClampLo;
  if (mDefaultValue < 0.0) {
    mValue = mDefaultValue = value;
    return;
  }
  if (value != mValue) {
    mValue = value;
    SetDirty(false);
    mRedraw = true;
  }
}

void IControl::Hide(bool hide)
{
  KIT_MutexLock lock(EditorLock());
  mHide = hide;
  mRedraw = true;
  SetDirty(false);
}

void IControl::GrayOut(bool gray)
{
  KIT_MutexLock lock(EditorLock());
  mGrayed = gray;
  mBlend.mWeight = gray ? kGrayedWeight : 1.0f;
  SetDirty(false);
}

void IControl::SetDirty(bool pushParamToPlug)
{
  double value;
  {
    KIT_MutexLock lock(EditorLock());
    if (!(mValue >= mClampLo)) mValue = mClampLo;  // NaN too
    if (mValue > mClampHi) mValue = mClampHi;
    mDirty = true;
    mChanged = true;
    value = mValue;
  }
  if (pushParamToPlug && mPlug && mParamIdx >= 0) mPlug->SetParameterFromGUI(mParamIdx, value);
}

void IControl::SetClean()
{
  mDirty = mRedraw;
  mRedraw = false;
}

void IControl::SetValueFromUserInput(double value)
{
  if (value == mValue) return;
  mValue = value;
  SetDirty(true);
  mRedraw = true;
}

void IControl::PromptUserInput(int x, int y)
{
  if (mTextEntryParamIdx < 0 || mDisablePrompt) return;
  PromptUserInputForParam(x, y, mTextEntryParamIdx);
  mRedraw = true;
}

void IControl::PromptUserInput()
{
  if (mParamIdx < 0 || mDisablePrompt) return;
  PromptUserInputForParam(mRECT.L, mRECT.B, mParamIdx);
  mRedraw = true;
}

void IControl::PromptUserInputForParam(int x, int y, int paramIdx)
{
  if (!mPlug || !mGraphics || !mPlug->GetParam(paramIdx)) return;
  IRECT rect = mRECT;
  if (mPromptAtMouse) {
    rect.L = x;
    rect.B = y;
  }
  mGraphics->PromptUserInput(this, paramIdx, &rect);
}

void IControl::PromptUserInputCentred()
{
  if (mParamIdx < 0 || mDisablePrompt || !mPlug || !mGraphics) return;
  const IParam* p = mPlug->GetParam(mParamIdx);
  if (!p) return;
  IRECT rect = mRECT;
  if (!p->NDisplayTexts()) {
    const int middle = (mRECT.T + mRECT.B) / 2;
    rect = IRECT((mRECT.L + mRECT.R) / 2 - kCentredPromptLeftOfMiddle, middle - kCentredPromptHalfHeight, mRECT.R,
                 middle + kCentredPromptHalfHeight);
  }
  mGraphics->PromptUserInput(this, mParamIdx, &rect);
  mRedraw = true;
}

void IControl::SetValueFromUserText(double value, int x, int y)
{
  if (mPlug) mPlug->SetParameterFromControl(mControlIdx, mParamIdx, mTextEntryParamIdx, value, x, y);
}

void IControl::SetClampRange(double lo, double hi)
{
  mClampLo = lo;
  mClampHi = hi;
}
