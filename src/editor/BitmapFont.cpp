#include "BitmapFont.h"

#include "IGraphics.h"

namespace {

const char kFirstGlyph = ' ';
const char kLastGlyph = '~';

bool IsWide(char c) { return c == 'w' || c == 'm' || c == 'M' || c == 'W'; }

int Advance(char c)
{
  if (c == ' ') return 2;
  if (c == 'I' || c == 'i') return 3;
  if (IsWide(c)) return 7;
  return 6;
}

// The blank pixel a wide glyph keeps from the one before it.
int GapBefore(char c, bool first) { return IsWide(c) && !first ? 1 : 0; }

int FrameOf(char c) { return c >= kFirstGlyph && c <= kLastGlyph ? c - kFirstGlyph + 1 : 1; }

}  // namespace

namespace BitmapFont {

int TextWidth(const char* text, int n, bool atTextStart)
{
  int width = 0;
  for (int i = 0; i < n; ++i) width += GapBefore(text[i], atTextStart && i == 0) + Advance(text[i]);
  return width;
}

int CentredX(int left, int right, int width) { return left + (int)((right - left) * 0.5 - width * 0.5); }

void DrawText(IGraphics* pGraphics, const IBitmapStrip* pFont, const char* text, int n, bool atTextStart, int x, int y,
              int cellHeight, const IChannelBlend* pBlend)
{
  for (int i = 0; i < n; ++i) {
    const char c = text[i];
    x += GapBefore(c, atTextStart && i == 0);
    const IRECT cell(x, y, x + Advance(c), y + cellHeight);
    pGraphics->DrawBitmapFrame(pFont, &cell, FrameOf(c), pBlend);
    x += Advance(c);
  }
}

}  // namespace BitmapFont
