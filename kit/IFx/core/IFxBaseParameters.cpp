// Parameter changes from the editor and their way into the editor's controls.
#include "IFxBase.h"

#include "IFxUtilities.h"

void IFxBase::SetParameterFromGUI(int idx, double normalizedValue)
{
  Trace("IFxBase::SetParameterFromGUI", __LINE__, "%d:%f", idx, normalizedValue);
  KIT_MutexLock lock(&m_mutex);
  IParam* p = GetParam(idx);
  if (!p) return;
  p->SetNormalized(normalizedValue);
  if (!p->IsHostHidden()) InformHostOfParamChange(idx, normalizedValue);
  OnParamChange(idx);
}

void IFxBase::SetParameterFromControl(int ctrlIdx, int ctrlParamIdx, int paramIdx, double normalizedValue, int x, int y)
{
  // A prompt's choice can race the audio thread like any other change.
  KIT_MutexLock lock(&m_mutex);
  IParam* p = GetParam(paramIdx);
  if (!p) return;
  p->SetNormalized(normalizedValue);
  if (!p->IsHostHidden()) InformHostOfParamChange(paramIdx, normalizedValue);
  OnParamChangeFromControl(ctrlIdx, ctrlParamIdx, paramIdx, x, y);
}

void IFxBase::OnParamReset()
{
  // Held once for all of them, the lock is cheap to take again in each.
  KIT_MutexLock lock(&m_mutex);
  for (int i = 0; i < NParams(); ++i) OnParamChange(i);
}

void IFxBase::InformHostOfAllParams()
{
  KIT_MutexLock lock(&m_mutex);
  for (int i = 0; i < NParams(); ++i) {
    IParam* p = GetParam(i);
    if (!p->IsHostHidden()) InformHostOfParamChange(i, p->GetNormalized());
  }
}

void IFxBase::AttachGraphics(IFxEditor* pEditor)
{
  if (!pEditor) return;
  KIT_MutexLock lock(&m_mutex);
  for (int i = 0; i < NParams(); ++i) pEditor->SetParameterFromPlug(i, GetParam(i)->GetNormalized(), true);
  pEditor->PrepareDrawing();
  if (mEditor != pEditor) delete mEditor;
  mEditor = pEditor;
  // The controls take their first values, their defaults, at once.
  pEditor->ShowPlugChanges();
}

void IFxBase::RedrawParamControls()
{
  if (!mEditor) return;
  for (int i = 0; i < NParams(); ++i) mEditor->SetParameterFromPlug(i, GetParam(i)->Value(), false);
}
