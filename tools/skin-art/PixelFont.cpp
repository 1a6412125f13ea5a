#include "PixelFont.h"

int Advance(char c)
{
  switch (c) {
    case ' ': return 2;
    case 'I':
    case 'i': return 3;
    case 'm':
    case 'M':
    case 'w':
    case 'W': return 7;
    default: return 6;
  }
}

namespace {
const Glyph& GlyphOf(const PixelFont& font, char c) { return font.glyphs[(c < ' ' || c > '~') ? 0 : c - ' ']; }

bool Wide(char c) { return c == 'm' || c == 'M' || c == 'w' || c == 'W'; }

void DrawGlyph(Canvas& canvas, const PixelFont& font, int x, int y, char c, Rgba ink)
{
  const Glyph& glyph = GlyphOf(font, c);
  for (int row = 0; row < (int)glyph.rows.size(); ++row)
    for (int col = 0; col < (int)glyph.rows[row].size(); ++col)
      if (glyph.rows[row][col] == '#') canvas.Blend(x + col, y + font.top + row, ink, 1.0f);
}
}  // namespace

int TextWidth(const std::string& text)
{
  int width = 0;
  for (size_t i = 0; i < text.size(); ++i) width += Advance(text[i]) + (i > 0 && Wide(text[i]) ? 1 : 0);
  return width;
}

void DrawText(Canvas& canvas, const PixelFont& font, int x, int y, const std::string& text, Rgba ink)
{
  for (size_t i = 0; i < text.size(); ++i) {
    if (i > 0 && Wide(text[i])) ++x;
    DrawGlyph(canvas, font, x, y, text[i], ink);
    x += Advance(text[i]);
  }
}

Canvas FontStrip(const PixelFont& font, Rgba ink)
{
  Canvas strip(font.cellWidth, font.cellHeight * 95);
  for (int i = 0; i < 95; ++i) DrawGlyph(strip, font, 0, i * font.cellHeight, (char)(' ' + i), ink);
  return strip;
}
