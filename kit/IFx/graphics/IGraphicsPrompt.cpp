// The editor core's prompts: a parameter's popup menu or text entry, and
// the routes by which their results come back from every back end.
#include <stdlib.h>
#include <string.h>

#include "IFxBase.h"
#include "IGraphics.h"

void IGraphics::PromptUserInput(IControl* pControl, int paramIdx, const IRECT* pR)
{
  const IParam* p = GetParam(paramIdx);
  if (!pControl || !pR || !p) return;

  const bool menu = p->Type() == IParam::kTypeEnum || (p->Type() == IParam::kTypeBool && p->NDisplayTexts() > 0);
  char current[IParam::kDisplayLen];
  p->GetDisplayForHost(current, menu);
  if (!menu) {
    mPromptOpened = true;
    CreateTextEntry(pControl, &pControl->GetText(), pR, current, paramIdx);
    return;
  }

  IPopupMenu popup;
  for (int i = 0; i < p->NDisplayTexts(); ++i) {
    const char* text = p->GetDisplayText(i);
    popup.AddItem(text, IPopupMenu::kAppend,
                  strcmp(text, current) ? IPopupMenuItem::kNoFlags : IPopupMenuItem::kChecked);
  }
  // The back ends show no menu without items.
  if (popup.GetNItems() > 0) mPromptOpened = true;
  if (IPopupMenu* pChosen = CreateIPopupMenu(&popup, pR))
    SetFromPopupChoice(pControl, paramIdx, pChosen->GetChosenItemIdx(), *pR);
}

template <class Apply>
void IGraphics::SetPromptedParam(int paramIdx, Apply apply)
{
  IFxBase::PlugAndEditorLock lock(mPlug, &m_mutex);
  const bool bracket = mEditParamIdx != paramIdx && IsHostVisible(paramIdx);
  if (bracket) mPlug->BeginInformHostOfParamChange(paramIdx);
  apply();
  if (bracket) mPlug->EndInformHostOfParamChange(paramIdx);
}

void IGraphics::SetFromPopupChoice(IControl* pControl, int paramIdx, int chosenIdx, const IRECT& rect)
{
  const IParam* p = GetParam(paramIdx);
  if (!pControl || !p || chosenIdx < 0 || chosenIdx >= p->NDisplayTexts()) return;
  const double value = p->ToNormalized((double)chosenIdx);
  SetPromptedParam(paramIdx, [&] {
    if (pControl->TextEntryParamIdx() == paramIdx)
      pControl->SetValueFromUserText(value, rect.L, rect.B);
    else
      pControl->SetValueFromUserInput(value);
  });
}

void IGraphics::SetFromTextEntry(IControl* pControl, int paramIdx, const char* text)
{
  if (!pControl) return;
  char cut[kMaxEntryLen + 1];
  CopyTextCut(cut, text, sizeof cut);
  if (paramIdx >= 0)
    SetFromPromptText(pControl, paramIdx, cut);
  else
    pControl->TextFromTextEntry(cut);
}

void IGraphics::SetFromPromptText(IControl* pControl, int paramIdx, const char* text)
{
  const IParam* p = GetParam(paramIdx);
  if (!pControl || !p || !text) return;
  double value;
  if (p->Type() == IParam::kTypeEnum || p->Type() == IParam::kTypeBool) {
    int mapped = 0;
    p->MapDisplayText(text, &mapped);
    value = mapped;
  } else {
    value = atof(text);
    if (p->IsDisplayNegated()) value = -value;
  }
  const double normalized = p->ToNormalized(value);
  SetPromptedParam(paramIdx, [&] { pControl->SetValueFromUserInput(normalized); });
}
