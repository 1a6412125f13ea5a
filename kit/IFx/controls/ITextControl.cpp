#include "ITextControl.h"

#include <string.h>

#include "IFxBase.h"
#include "IGraphics.h"

namespace {
// Room made at construction, so that texts from the audio thread shorter
// than this never allocate there.
const int kReservedTextBytes = 128;
const char* const kBitmapTextWord = "empty";
const int kBitmapGlyphWidth = 6;
const int kFirstGlyphCode = 31;  // frame k holds character k + 31
}  // namespace

ITextControl::ITextControl(IFxBase* pPlug, const IRECT& rect, const char* text)
  : ITextControl(pPlug, rect, IText(), text)
{}

ITextControl::ITextControl(IFxBase* pPlug, const IRECT& rect, const IText& style, const char* text)
  : IControl(pPlug, rect), mStr(nullptr)
{
  mText = style;
  mStr.m_hb.Resize(kReservedTextBytes, false);
  mStr.m_hb.Resize(0, false);
  mStr.Set(text);
}

void ITextControl::SetTextFromPlug(const char* text)
{
  KIT_MutexLock lock(EditorLock());
  if (!strcmp(mStr.Get(), text ? text : "")) return;
  SetDirty(false);
  mStr.Set(text ? text : "");
}

bool ITextControl::Draw(IGraphics* pGraphics)
{
  if (mStr.GetLength() > 0) pGraphics->DrawIText(&mText, mStr.Get(), &mRECT);
  return true;
}

ICaptionControl::ICaptionControl(IFxBase* pPlug, const IRECT& rect, int paramIdx, const IText& style,
                                 bool showParamLabel)
  : ITextControl(pPlug, rect, style), mShowParamLabel(showParamLabel)
{
  mParamIdx = paramIdx;
}

void ICaptionControl::OnMouseDown(int x, int y, const IMouseModifiers& mod)
{
  if (mod.L || mod.R) PromptUserInputCentred();
}

// The control's own value, not the parameter's: drawing must not read what
// the audio thread writes.
bool ICaptionControl::Draw(IGraphics* pGraphics)
{
  const IParam* p = mPlug ? mPlug->GetParam(mParamIdx) : nullptr;
  if (p) {
    char display[IParam::kDisplayLen];
    p->GetDisplayForHost(mValue, true, display);
    mStr.Set(display);
    if (mShowParamLabel) {
      mStr.Append(" ");
      mStr.Append(p->GetLabelForHost());
    }
  }
  return ITextControl::Draw(pGraphics);
}

bool IBitmapText::Draw(IGraphics* pGraphics)
{
  const int n = (int)strlen(kBitmapTextWord);
  for (int i = 0; i < n; ++i) {
    const IRECT glyph(mRECT.L + kBitmapGlyphWidth * i, mRECT.T, mRECT.L + kBitmapGlyphWidth * (i + 1), mRECT.B);
    pGraphics->DrawBitmapFrame(&mFont, &glyph, (unsigned char)kBitmapTextWord[i] - kFirstGlyphCode, &mBlend);
  }
  return true;
}
