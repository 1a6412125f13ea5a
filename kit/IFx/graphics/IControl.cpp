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

double IControl::Clamped(double value) const
{
  if (!(value >= mClampLo)) return mClampLo;  // NaN too
  return value > mClampHi ? mClampHi : value;
}

void IControl::SetDirty(bool pushParamToPlug)
{
  double value;
  {
    KIT_MutexLock lock(EditorLock());
    // Written only when it changes: the plug-in may read it meanwhile.
    if (Clamped(mValue) != mValue) mValue = Clamped(mValue);
    mDirty = true;
    mChanged = true;
    value = mValue;
  }
  if (!pushParamToPlug) return;
  mShown.store(mPosted.load(std::memory_order_relaxed), std::memory_order_release);
  if (mPlug && mParamIdx >= 0) mPlug->SetParameterFromGUI(mParamIdx, value);
}

void IControl::PostValueFromPlug(double value)
{
  mPostedValue.store(value, std::memory_order_relaxed);
  mPosted.store(mPosted.load(std::memory_order_relaxed) + 1, std::memory_order_release);
}

double IControl::ValueForPlug() const
{
  // Once the editor has shown every post, it writes the value no more
  // until the next post, which only the plug-in makes.
  if (mShown.load(std::memory_order_acquire) != mPosted.load(std::memory_order_relaxed))
    return mPostedValue.load(std::memory_order_relaxed);
  return mValue;
}

void IControl::ShowPostedValue()
{
  const uint32_t posted = mPosted.load(std::memory_order_acquire);
  if (posted == mShown.load(std::memory_order_relaxed)) return;
  SetValueFromPlug(mPostedValue.load(std::memory_order_relaxed));
  mShown.store(posted, std::memory_order_release);
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
