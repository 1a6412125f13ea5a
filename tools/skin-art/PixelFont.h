#ifndef PIXELFONT_H
#define PIXELFONT_H

// The two bitmap fonts: printable ASCII, one picture per glyph, laid out as
// the editor lays out its texts (advance 6, space 2, "I" and "i" 3, "m",
// "M", "w" and "W" 7 with a blank pixel before them unless they start the
// text).

#include <string>

#include "Canvas.h"

// A glyph as rows of '#' (ink) and '.' (blank), all rows one width,
// written one after the other.
struct Glyph {
  char c;
  const char* picture;
};

struct PixelFont {
  const Glyph* glyphs;  // 95, for ' ' to '~' in order
  int rows;             // rows of every picture
  int cellWidth, cellHeight;
  int top;  // the cell row of the pictures' first row
};

// 5 x 6 pictures in 7 x 7 cells: capitals in rows 0..4, descenders in row 5.
extern const PixelFont kSmallFont;
// 5 x 9 pictures in 7 x 11 cells: capitals in rows 1..7, descenders to row 9.
extern const PixelFont kTallFont;

const Glyph& GlyphOf(const PixelFont& font, char c);
int GlyphWidth(const Glyph& glyph, int rows);
bool Ink(const Glyph& glyph, int rows, int x, int y);

int Advance(char c);
int TextWidth(const std::string& text);
// Cell tops at y, the first glyph's cell at x.
void DrawText(Canvas& canvas, const PixelFont& font, int x, int y, const std::string& text, Rgba ink);
// One cell for every glyph, stacked, ink on transparent.
Canvas FontStrip(const PixelFont& font, Rgba ink);

#endif
