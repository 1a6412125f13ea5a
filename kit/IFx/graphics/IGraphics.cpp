#include "IGraphics.h"

#include "IBitmapControl.h"
#include "IFxBase.h"
#include "IPanelControl.h"

namespace {
const int kDefaultFPS = 24;
}

IGraphics::IGraphics(IFxBase* pPlug, int w, int h, int fps)
  : mPlug(pPlug), mWidth(w), mHeight(h), mFPS(fps > 0 ? fps : kDefaultFPS)
{}

IGraphics::~IGraphics() { DeleteControls(); }

void IGraphics::DeleteControls()
{
  KIT_MutexLock lock(&m_mutex);
  mFirstOf.clear();
  mLastOf.clear();
  mControls.Empty(true);
}

void IGraphics::FileUnderParam(IControl* pControl, bool first)
{
  const int paramIdx = pControl->ParamIdx();
  if (paramIdx < 0) return;
  if (paramIdx >= (int)mFirstOf.size()) {
    // Sized once for every parameter the plug-in has, where it can be.
    const int n = mPlug && mPlug->NParams() > paramIdx ? mPlug->NParams() : paramIdx + 1;
    mFirstOf.resize(n, nullptr);
    mLastOf.resize(n, nullptr);
  }
  IControl*& head = mFirstOf[paramIdx];
  IControl*& tail = mLastOf[paramIdx];
  if (!head) {
    pControl->mNextOfParam = nullptr;
    head = tail = pControl;
  } else if (first) {
    pControl->mNextOfParam = head;
    head = pControl;
  } else {
    pControl->mNextOfParam = nullptr;
    tail->mNextOfParam = pControl;
    tail = pControl;
  }
}

void IGraphics::Resize(int w, int h)
{
  // The plug-in posts to the controls under the plug lock.
  KIT_MutexLock plugLock(mPlug ? &mPlug->m_mutex : nullptr);
  {
    IFxBase::PlugAndEditorLock lock(mPlug, &m_mutex);
    mWidth = w;
    mHeight = h;
    ReleaseMouseCapture();
    mMouseOver = -1;
  }
  DeleteControls();
  if (mPlug) mPlug->ResizeGraphics();
}

int IGraphics::AttachControl(IControl* pControl)
{
  KIT_MutexLock lock(&m_mutex);
  const int idx = mControls.GetSize();
  if (!mControls.Add(pControl)) {
    delete pControl;
    return -1;
  }
  pControl->SetControlIdx(idx, this);
  FileUnderParam(pControl, false);
  return idx;
}

// The background goes under everything; the controls above it move up one
// place but keep the indices they were given.
void IGraphics::InsertBackground(IControl* pControl)
{
  KIT_MutexLock lock(&m_mutex);
  const int n = mControls.GetSize();
  if (!mControls.Add(pControl)) {
    delete pControl;
    return;
  }
  for (int i = n; i > 0; --i) mControls.Set(i, mControls.Get(i - 1));
  mControls.Set(0, pControl);
  pControl->SetControlIdx(0, this);
  FileUnderParam(pControl, true);
}

void IGraphics::AttachBackground(int id, const char* name)
{
  IBitmapStrip bitmap = LoadBitmap(id, name, 1);
  InsertBackground(new IBitmapControl(mPlug, 0, 0, bitmap, IChannelBlend::kBlendCopy));
}

void IGraphics::AttachPanelBackground(const IColor* pColor)
{
  InsertBackground(new IPanelControl(mPlug, IRECT(0, 0, mWidth, mHeight), *pColor));
}

void IGraphics::SetStrictDrawing(bool strict)
{
  mStrict = strict;
  SetAllControlsDirty();
}

void IGraphics::ReleaseMouseCapture() { mMouseCapture = mMouseX = mMouseY = -1; }

// --- Parameter-wide operations ---

template <class Fn>
void IGraphics::ForEachControlOf(int paramIdx, Fn fn)
{
  if (paramIdx < 0 || paramIdx >= (int)mFirstOf.size()) return;
  for (IControl* pControl = mFirstOf[paramIdx]; pControl; pControl = pControl->mNextOfParam) fn(pControl);
}

// Null when the parameter does not exist.
const IParam* IGraphics::GetParam(int paramIdx) const { return mPlug ? mPlug->GetParam(paramIdx) : nullptr; }

void IGraphics::SetParameterFromPlug(int paramIdx, double value, bool normalized)
{
  if (!normalized) {
    const IParam* p = GetParam(paramIdx);
    if (!p) return;
    value = p->ToNormalized(value);
  }
  ForEachControlOf(paramIdx, [value](IControl* pControl) { pControl->PostValueFromPlug(value); });
}

void IGraphics::SetControlFromPlug(int ctrlIdx, double normalizedValue)
{
  if (IControl* pControl = GetControl(ctrlIdx)) pControl->PostValueFromPlug(normalizedValue);
}

void IGraphics::ShowPlugChanges()
{
  KIT_MutexLock lock(&m_mutex);
  if (mPlug) mPlug->OnGUITick();
  for (int i = 0; i < mControls.GetSize(); ++i) mControls.Get(i)->ShowPostedValue();
}

void IGraphics::SetParameterFromUserInput(int paramIdx, double normalizedValue)
{
  ForEachControlOf(paramIdx,
                   [normalizedValue](IControl* pControl) { pControl->SetValueFromUserInput(normalizedValue); });
}

void IGraphics::ClampControl(int paramIdx, double lo, double hi, bool normalized)
{
  if (!normalized) {
    const IParam* p = GetParam(paramIdx);
    if (!p) return;
    lo = p->ToNormalized(lo);
    hi = p->ToNormalized(hi);
  }
  KIT_MutexLock lock(&m_mutex);
  ForEachControlOf(paramIdx, [lo, hi](IControl* pControl) { pControl->SetClampRange(lo, hi); });
}

void IGraphics::HideControl(int paramIdx, bool hide)
{
  KIT_MutexLock lock(&m_mutex);
  ForEachControlOf(paramIdx, [hide](IControl* pControl) { pControl->Hide(hide); });
}

void IGraphics::GrayOutControl(int paramIdx, bool gray)
{
  KIT_MutexLock lock(&m_mutex);
  ForEachControlOf(paramIdx, [gray](IControl* pControl) { pControl->GrayOut(gray); });
}

void IGraphics::SetAllControlsDirty()
{
  KIT_MutexLock lock(&m_mutex);
  for (int i = 0; i < mControls.GetSize(); ++i) mControls.Get(i)->SetDirty(false);
}

void IGraphics::BroadcastToControls()
{
  for (int i = 0; i < mControls.GetSize(); ++i) mControls.Get(i)->OnBroadcast();
}
