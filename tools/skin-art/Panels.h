#ifndef PANELS_H
#define PANELS_H

// The furniture of the background: raised plates, sunken display wells and
// the printed labels.

#include <string>

#include "Canvas.h"
#include "IGraphicRecords.h"
#include "PixelFont.h"
#include "SkinRects.h"

void DrawPlate(Canvas& canvas, int x0, int y0, int x1, int y1);
// A display well around x0..x1 - 1, y0..y1 - 1.
void DrawWell(Canvas& canvas, int x0, int y0, int x1, int y1);
// A well around a skin rectangle with the given margins.
void DrawWellAround(Canvas& canvas, const IRECT& r, int marginX, int marginY);
// Small capitals in the font: the ink centred on cx, or starting at x, or ending before x.
void LabelCentred(Canvas& canvas, const PixelFont& font, int cx, int y, const std::string& text, Rgba colour);
void LabelLeft(Canvas& canvas, const PixelFont& font, int x, int y, const std::string& text, Rgba colour);
void LabelRight(Canvas& canvas, const PixelFont& font, int x, int y, const std::string& text, Rgba colour);

#endif
