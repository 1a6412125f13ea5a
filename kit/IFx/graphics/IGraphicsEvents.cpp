// The editor core's mouse and key dispatch, and the locks an event holds.
#include "IFxBase.h"
#include "IGraphics.h"

// The user acts on what the plug-in holds, and sees what the event did at
// once: the plug-in's posts are shown before and after it.
IGraphics::EventLock::EventLock(IGraphics* pGraphics)
  : mGraphics(pGraphics), mLocks(pGraphics->mPlug, &pGraphics->m_mutex)
{
  ++mGraphics->mEventDepth;
  mGraphics->ShowPlugChanges();
}

IGraphics::EventLock::~EventLock()
{
  mGraphics->ShowPlugChanges();
  --mGraphics->mEventDepth;
}

IGraphics::ModalScope::ModalScope(IGraphics* pGraphics) : mGraphics(pGraphics), mReleased(pGraphics->mEventDepth > 0)
{
  if (mReleased) IFxBase::PlugAndEditorLock::Leave(mGraphics->mPlug, &mGraphics->m_mutex);
}

IGraphics::ModalScope::~ModalScope()
{
  if (mReleased) IFxBase::PlugAndEditorLock::Enter(mGraphics->mPlug, &mGraphics->m_mutex);
}

bool IGraphics::IsHostVisible(int paramIdx) const
{
  const IParam* p = GetParam(paramIdx);
  return p && !p->IsHostHidden();
}

void IGraphics::BeginEdit(int paramIdx)
{
  if (!IsHostVisible(paramIdx)) return;
  mPlug->BeginInformHostOfParamChange(paramIdx);
  mEditParamIdx = paramIdx;
}

void IGraphics::EndEdit()
{
  if (mEditParamIdx < 0) return;
  mPlug->EndInformHostOfParamChange(mEditParamIdx);
  mEditParamIdx = -1;
}

int IGraphics::HitSearch(int x, int y, bool mouseOver)
{
  for (int i = mControls.GetSize() - 1; i >= 0; --i) {
    IControl* pControl = mControls.Get(i);
    if (pControl->IsHidden()) continue;
    if (pControl->IsGrayed() && !(mouseOver && pControl->GetMOWhenGrayed())) continue;
    if (pControl->IsHit(x, y)) return i;
  }
  return -1;
}

int IGraphics::GetMouseControlIdx(int x, int y, bool mouseOver)
{
  return mMouseCapture >= 0 ? mMouseCapture : HitSearch(x, y, mouseOver);
}

void IGraphics::OnMouseDown(int x, int y, const IMouseModifiers& mod)
{
  EventLock lock(this);
  EndEdit();  // a gesture whose button-up never came
  ReleaseMouseCapture();
  const int c = HitSearch(x, y, false);
  if (c < 0) return;
  IControl* pControl = GetControl(c);
  mMouseCapture = c;
  mMouseX = x;
  mMouseY = y;
  mCapturedWithRight = mod.R;
  // Begin goes before the control pushes its first value.
  BeginEdit(pControl->ParamIdx());
  mPromptOpened = false;
  pControl->OnMouseDown(x, y, mod);
  // A menu swallows the button-up, and so does an entry being edited: the
  // gesture ends here, and the prompt's result brings its own.
  if (mPromptOpened) EndEdit();
}

void IGraphics::OnMouseUp(int x, int y, const IMouseModifiers& mod)
{
  EventLock lock(this);
  const int c = GetMouseControlIdx(x, y);
  ReleaseMouseCapture();
  mCapturedWithRight = false;
  if (IControl* pControl = GetControl(c)) pControl->OnMouseUp(x, y, mod);
  EndEdit();
}

void IGraphics::OnMouseDrag(int x, int y, const IMouseModifiers& mod)
{
  EventLock lock(this);
  IControl* pControl = GetControl(mMouseCapture);
  if (!pControl) return;
  const int dX = x - mMouseX, dY = y - mMouseY;
  if (dX == 0 && dY == 0) return;
  mMouseX = x;
  mMouseY = y;
  pControl->OnMouseDrag(x, y, dX, dY, mod);
}

bool IGraphics::OnMouseDblClick(int x, int y, const IMouseModifiers& mod)
{
  EventLock lock(this);
  ReleaseMouseCapture();
  const int c = HitSearch(x, y, false);
  IControl* pControl = GetControl(c);
  if (!pControl) return false;
  if (!pControl->GetDblAsSingleClick()) {
    pControl->OnMouseDblClick(x, y, mod);
    return false;
  }
  mMouseCapture = c;
  mMouseX = x;
  mMouseY = y;
  pControl->OnMouseDown(x, y, mod);
  return true;
}

bool IGraphics::OnMouseOver(int x, int y, const IMouseModifiers& mod)
{
  if (!mHandleMouseOver) return false;
  EventLock lock(this);
  const int c = GetMouseControlIdx(x, y, true);
  IControl* pControl = GetControl(c);
  if (!pControl) return true;
  mMouseX = x;
  mMouseY = y;
  pControl->OnMouseOver(x, y, mod);
  if (mMouseOver >= 0 && mMouseOver != c)
    if (IControl* pPrevious = GetControl(mMouseOver)) pPrevious->OnMouseOut();
  mMouseOver = c;
  return true;
}

void IGraphics::OnMouseOut()
{
  EventLock lock(this);
  for (int i = 0; i < mControls.GetSize(); ++i) mControls.Get(i)->OnMouseOut();
  mMouseOver = -1;
}

void IGraphics::OnMouseWheel(int x, int y, const IMouseModifiers& mod, int d)
{
  EventLock lock(this);
  if (IControl* pControl = GetControl(GetMouseControlIdx(x, y))) {
    // A wheel turn is a gesture of its own unless a drag holds one open.
    const bool ownGesture = mEditParamIdx < 0;
    if (ownGesture) BeginEdit(pControl->ParamIdx());
    pControl->OnMouseWheel(x, y, mod, d);
    if (ownGesture) EndEdit();
  }
}

void IGraphics::OnKeyDown(int x, int y, int key)
{
  EventLock lock(this);
  if (IControl* pControl = GetControl(GetMouseControlIdx(x, y))) pControl->OnKeyDown(x, y, key);
}
