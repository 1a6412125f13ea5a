#ifndef BITMAPFONT_H
#define BITMAPFONT_H

// Text in a bitmap font: a film strip of 95 glyphs, one frame per printable
// ASCII character (space is frame 1, "~" frame 95). Glyphs are narrow or
// wide by character, and the wide ones keep a blank pixel from the glyph
// before them. Called while drawing, on the user-interface thread.

#include "IGraphicRecords.h"

class IGraphics;

namespace BitmapFont {

// The width of n characters; atTextStart: the first of them begins the
// whole text, so a wide glyph there has no blank pixel before it.
int TextWidth(const char* text, int n, bool atTextStart);

// Where a text `width` pixels wide starts when centred between left and
// right.
int CentredX(int left, int right, int width);

// Draws n characters from (x, y), each into a cell `cellHeight` pixels tall.
// Characters without a glyph (a line feed among them) take the first frame.
void DrawText(IGraphics* pGraphics, const IBitmapStrip* pFont, const char* text, int n, bool atTextStart, int x, int y,
              int cellHeight, const IChannelBlend* pBlend);

}  // namespace BitmapFont

#endif
