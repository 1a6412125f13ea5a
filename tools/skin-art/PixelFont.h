#ifndef PIXELFONT_H
#define PIXELFONT_H

// The two bitmap fonts: printable ASCII, one picture per glyph, laid out as
// the editor lays out its texts (advance 6, space 2, "I" and "i" 3, "m",
// "M", "w" and "W" 7 with a blank pixel before them unless they start the
// text). Their pictures are data (fonts/*.txt, read by FontFile.h).

#include <string>
#include <vector>

#include "Canvas.h"

// A glyph's picture: rows of '#' (ink) and '.' (blank), all one width.
struct Glyph {
  std::vector<std::string> rows;
};

struct PixelFont {
  std::vector<Glyph> glyphs;  // 95, for ' ' to '~' in order, all of one height
  int cellWidth = 0, cellHeight = 0;
  int top = 0;  // the cell row of the pictures' first row
};

struct Fonts {
  // 5 x 6 pictures in 7 x 7 cells: capitals in rows 0..4, descenders in row 5.
  PixelFont small;
  // 5 x 9 pictures in 7 x 11 cells: capitals in rows 1..7, descenders to row 9.
  PixelFont tall;
};

int Advance(char c);
int TextWidth(const std::string& text);
// Cell tops at y, the first glyph's cell at x.
void DrawText(Canvas& canvas, const PixelFont& font, int x, int y, const std::string& text, Rgba ink);
// One cell for every glyph, stacked, ink on transparent.
Canvas FontStrip(const PixelFont& font, Rgba ink);

#endif
