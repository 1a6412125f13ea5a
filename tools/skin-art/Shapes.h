#ifndef SHAPES_H
#define SHAPES_H

// The shapes the artwork is made of, as signed distances. Coordinates are
// in pixel edges: a disc at (8, 8) is centred on the corner where four
// pixels meet, one at (8.5, 8.5) on a pixel. Angles are degrees, 0 pointing
// up and growing clockwise.

#include "Canvas.h"

Shape Disc(float cx, float cy, float radius);
// An outline of the given width centred on the radius.
Shape Ring(float cx, float cy, float radius, float width);
Shape RoundRect(float x, float y, float width, float height, float radius);
inline Shape Rect(float x, float y, float width, float height) { return RoundRect(x, y, width, height, 0.0f); }
// A line of the given width with round ends.
Shape Stroke(float x0, float y0, float x1, float y1, float width);
// Part of a ring, from angle `from` clockwise to `to`, with round ends.
Shape Arc(float cx, float cy, float radius, float width, float from, float to);

Shape Union(const Shape& a, const Shape& b);
Shape Intersect(const Shape& a, const Shape& b);

// The point at `radius` from the centre in the direction of `angle`.
float PolarX(float cx, float radius, float angle);
float PolarY(float cy, float radius, float angle);

#endif
