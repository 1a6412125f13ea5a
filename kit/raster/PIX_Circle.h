#ifndef PIX_CIRCLE_H
#define PIX_CIRCLE_H

// Circle outlines and filled circles of any real centre and radius, with an
// alpha, a blend mode (its low byte; 0 copy .. 5 HSV adjust) and optional
// antialiasing. Pixel positions come from float sums truncated toward zero.

#include <cstdint>

#include "PIX_Blit.h"
#include "PIX_IBitmap.h"

void PIX_Circle(PIX_IBitmap* bitmap, float cx, float cy, float radius, PIX_Pixel color, float alpha, int32_t mode,
                bool aa);
// Discs are always rasterised, never stamped.
void PIX_FillCircle(PIX_IBitmap* bitmap, float cx, float cy, float radius, PIX_Pixel color, float alpha, int32_t mode,
                    bool aa);

// Draws the circle from a ready-made pattern when the radius is exactly 1.5,
// 2, 2.5, 3, 3.5 or 4 and answers true; false (nothing drawn) otherwise.
bool PIX_SmallCircleStamp(PIX_IBitmap* bitmap, float cx, float cy, float radius, PIX_Pixel color, float alpha,
                          int32_t mode, bool aa);

// Runs the rasteriser of the mode at integer weight w; with clip set only
// pixels inside the clip box (right and bottom exclusive) are written. The
// centre is taken as stored: no flip is applied here.
void PIX_CircleDispatch(PIX_IBitmap* bitmap, float cx, float cy, float radius, PIX_Pixel color, int32_t w, bool aa,
                        bool filled, int32_t mode, PIX_Rect clipBox, bool clip);

#endif
