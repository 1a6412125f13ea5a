#ifndef LOGO_H
#define LOGO_H

// The word mark: "tolvo" in round strokes, its last "o" in the accent colour.

#include "Canvas.h"

// Starts at x and stands on the baseline; answers its width.
float DrawLogo(Canvas& canvas, float x, float baseline, float xHeight, Rgba colour, Rgba accent);

#endif
