#include "ICustomSwitchControl.h"

#include <string.h>

#include "BitmapFont.h"
#include "IFxBase.h"

namespace {
const int kCellHeight = 7;
}

ICustomSwitchControl::ICustomSwitchControl(IFxBase* pPlug, const IRECT& rect, int paramIdx, const IBitmapStrip& strip,
                                           bool textMode, int blendMethod)
  : ISwitchControl(pPlug, rect.L, rect.T, paramIdx, strip, blendMethod), mTextMode(textMode)
{
  mRECT = mTargetRECT = rect;
}

void ICustomSwitchControl::OnMouseDown(int x, int y, const IMouseModifiers& mod)
{
  if (!mod.L) {
    PromptUserInput(x, y);
  } else if (mTextMode) {
    if (mParamIdx >= 0 && !mDisablePrompt) {
      PromptUserInputForParam(x, y, mParamIdx);
      mRedraw = true;
    }
  } else {
    ISwitchControl::OnMouseDown(x, y, mod);
    NotifyObservers(x, y, kEventMouseDown, mod);
  }
  SetDirty(true);
}

bool ICustomSwitchControl::Draw(IGraphics* pGraphics)
{
  if (!mTextMode) return IBitmapControl::Draw(pGraphics);
  const IParam* p = mPlug ? mPlug->GetParam(mParamIdx) : nullptr;
  if (!p) return true;
  // The control's own value: drawing does not read what the audio thread
  // writes.
  const char* text = p->GetDisplayText((int)p->FromNormalized(mValue));
  const int n = (int)strlen(text);
  const int x = BitmapFont::CentredX(mRECT.L, mRECT.R, BitmapFont::TextWidth(text, n, true));
  const int y = mRECT.T + (mRECT.B - mRECT.T) / 2 - 2;
  BitmapFont::DrawText(pGraphics, &mBitmap, text, n, true, x, y, kCellHeight, &mBlend);
  return true;
}
