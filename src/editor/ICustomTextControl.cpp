#include "ICustomTextControl.h"

#include <string.h>

#include "BitmapFont.h"

namespace {
const int kLineGap = 2;
}

ICustomTextControl::ICustomTextControl(IFxBase* pPlug, const IRECT& rect, const IBitmapStrip& font, int lineHeight)
  : ITextControl(pPlug, rect), mFont(font), mLineHeight(lineHeight)
{}

bool ICustomTextControl::Draw(IGraphics* pGraphics)
{
  // Every line after the first starts with the line feed that opened it,
  // which takes a blank glyph's place.
  const char* lines[kMaxLines];
  int lengths[kMaxLines];
  int nLines = 0;
  const char* text = mStr.Get();
  for (const char* start = text; nLines < kMaxLines;) {
    const char* feed = strchr(start + (start == text ? 0 : 1), '\n');
    lines[nLines] = start;
    lengths[nLines++] = feed ? (int)(feed - start) : (int)strlen(start);
    if (!feed) break;
    start = feed;
  }

  const int top = mRECT.T + 1 + ((mRECT.B - mRECT.T) / 2 - (mLineHeight / 2) * nLines);
  for (int k = 0; k < nLines; ++k) {
    const bool first = k == 0;
    int x = BitmapFont::CentredX(mRECT.L, mRECT.R, BitmapFont::TextWidth(lines[k], lengths[k], first));
    if (x < mRECT.L) x = mRECT.L;
    BitmapFont::DrawText(pGraphics, &mFont, lines[k], lengths[k], first, x, top + k * (mLineHeight + kLineGap),
                         mLineHeight, &mBlend);
  }
  return true;
}
