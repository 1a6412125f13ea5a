#ifndef PIX_ARC_H
#define PIX_ARC_H

// Arcs of circle outlines and rectangles with rounded corners. Angles are
// float radians: 0 points up (toward row 0) and angles grow clockwise as the
// image is seen, so the point at t is (cx + r sin t, cy - r cos t).

#include <cstdint>

#include "PIX_IBitmap.h"

// The outline between the two angles, given in either order; a range of a
// full turn or more draws the whole circle.
void PIX_Arc(PIX_IBitmap* bitmap, float cx, float cy, float radius, float angle1, float angle2, PIX_Pixel color,
             float alpha, int32_t mode, bool aa);

// The range [low, high] with -2 pi < low <= high < 2 pi and high - low < 2 pi,
// at integer weight w; the centre is taken as stored (no flip).
void PIX_ArcSegment(int32_t width, int32_t height, PIX_IBitmap* bitmap, float cx, float cy, float radius, float low,
                    float high, PIX_Pixel color, int32_t w, bool aa, int32_t mode);

// Four lines and four quarter arcs; a corner radius that comes out below 2
// draws a plain one-pixel outline instead (never antialiased).
void PIX_RoundRect(PIX_IBitmap* bitmap, float x, float y, float width, float height, int32_t cornerRadius,
                   PIX_Pixel color, float alpha, int32_t mode, bool aa);

#endif
