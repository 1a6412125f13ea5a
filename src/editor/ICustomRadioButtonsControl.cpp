#include "ICustomRadioButtonsControl.h"

#include <string.h>

#include "BitmapFont.h"

namespace {
const int kCellHeight = 7;
}

void ICustomRadioButtonsControl::AddButtonText(const char* text)
{
  if (ButtonText* t = mTexts.Append()) CopyTextCut(t->mText, text, kButtonTextLen);
}

bool ICustomRadioButtonsControl::Draw(IGraphics* pGraphics)
{
  IRadioButtonsControl::Draw(pGraphics);
  for (int i = 0; i < NButtons() && i < mTexts.GetSize(); ++i) {
    const IRECT* b = GetButtonRECT(i);
    const char* text = mTexts.Get()[i].mText;
    const int n = (int)strlen(text);
    const int x = BitmapFont::CentredX(b->L, b->R, BitmapFont::TextWidth(text, n, true));
    const int y = b->T + (b->B - b->T) / 2 - 3;
    BitmapFont::DrawText(pGraphics, &mFont, text, n, true, x, y, kCellHeight, &mBlend);
  }
  return true;
}
