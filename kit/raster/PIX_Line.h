#ifndef PIX_LINE_H
#define PIX_LINE_H

// Straight lines of one colour with integer end points, dashed lines, and
// rectangle outlines made of lines. Both end points of a line are drawn. Only the low byte of
// the mode counts (0 copy .. 5 HSV adjust); a higher one draws nothing.

#include <cstdint>

#include "PIX_IBitmap.h"

void PIX_Line(PIX_IBitmap* bitmap, int32_t x1, int32_t y1, int32_t x2, int32_t y2, PIX_Pixel color, float alpha,
              int32_t mode, bool aa);

// Horizontal or vertical only (any other line draws nothing): `on` pixels
// drawn, `off` skipped, from the lower end; the higher end is not drawn.
void PIX_DashedLine(PIX_IBitmap* bitmap, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t on, int32_t off,
                    PIX_Pixel color, float alpha, int32_t mode);

// Columns x to x + w and rows y to y + h inclusive; each corner is drawn by
// two of the four lines.
void PIX_DrawRect(PIX_IBitmap* bitmap, int32_t x, int32_t y, int32_t w, int32_t h, PIX_Pixel color, float alpha,
                  int32_t mode);
// The inside filled, then the outline.
void PIX_BorderedRect(PIX_IBitmap* bitmap, int32_t x, int32_t y, int32_t w, int32_t h, PIX_Pixel fillColor,
                      PIX_Pixel outlineColor, float alpha, int32_t mode);

#endif
