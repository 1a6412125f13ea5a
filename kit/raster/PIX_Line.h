#ifndef PIX_LINE_H
#define PIX_LINE_H

// Straight lines of one colour with integer end points, and rectangle
// outlines made of them. Both end points are drawn. Only the low byte of
// the mode counts (0 copy .. 5 HSV adjust); a higher one draws nothing.

#include <cstdint>

#include "PIX_IBitmap.h"

// Clips the segment to [0, width - 1] x [0, height - 1] and writes the end
// points back (also when it rejects); false when nothing of it remains.
bool PIX_ClipLine(int32_t* x1, int32_t* y1, int32_t* x2, int32_t* y2, int32_t width, int32_t height);

void PIX_Line(PIX_IBitmap* bitmap, int32_t x1, int32_t y1, int32_t x2, int32_t y2, PIX_Pixel color, float alpha,
              int32_t mode, bool aa);

// Columns x to x + w and rows y to y + h inclusive; each corner is drawn by
// two of the four lines.
void PIX_DrawRect(PIX_IBitmap* bitmap, int32_t x, int32_t y, int32_t w, int32_t h, PIX_Pixel color, float alpha,
                  int32_t mode);
// The inside filled, then the outline.
void PIX_BorderedRect(PIX_IBitmap* bitmap, int32_t x, int32_t y, int32_t w, int32_t h, PIX_Pixel fillColor,
                      PIX_Pixel outlineColor, float alpha, int32_t mode);

#endif
