#ifndef PIX_FLINE_H
#define PIX_FLINE_H

// Lines with float end points. Only the low byte of the mode counts (0 copy
// .. 5 HSV adjust); a higher one draws nothing.

#include <cstdint>

#include "PIX_IBitmap.h"

// Without antialiasing the end points are truncated and drawn as PIX_Line;
// with it, two pixels per column share each column's weight.
void PIX_FLine(PIX_IBitmap* bitmap, float x1, float y1, float x2, float y2, PIX_Pixel color, float alpha, int32_t mode,
               bool aa);

#endif
