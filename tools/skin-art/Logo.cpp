#include "Logo.h"

#include "Shapes.h"

float DrawLogo(Canvas& c, float x, float baseline, float xHeight, Rgba colour, Rgba accent)
{
  const float start = x;
  const float stroke = xHeight * 0.22f, half = stroke / 2;
  const float top = baseline - xHeight, ascender = top - xHeight * 0.45f, gap = xHeight * 0.22f;
  const float radius = xHeight / 2 - half, middle = baseline - xHeight / 2;

  // t: a stem that turns right at its foot, and a bar at the x-height.
  const float tx = x + stroke * 1.2f, turn = xHeight * 0.3f;
  c.Fill(Union(Union(Stroke(tx, ascender + half, tx, baseline - turn, stroke),
                     Intersect(Ring(tx + turn, baseline - turn, turn - half, stroke),
                               Rect(tx - stroke, baseline - turn, turn + stroke * 2, turn + stroke))),
               Stroke(x + half, top + half, tx + xHeight * 0.35f, top + half, stroke)),
         colour);
  x = tx + xHeight * 0.35f + gap;

  c.Fill(Ring(x + xHeight / 2, middle, radius, stroke), colour);
  x += xHeight + gap;

  c.Fill(Stroke(x + half, ascender + half, x + half, baseline - half, stroke), colour);
  x += stroke + gap;

  const float vWidth = xHeight * 0.9f;
  c.Fill(Union(Stroke(x + half, top + half, x + vWidth / 2, baseline - half, stroke),
               Stroke(x + vWidth / 2, baseline - half, x + vWidth - half, top + half, stroke)),
         colour);
  x += vWidth + gap;

  c.Fill(Ring(x + xHeight / 2, middle, radius, stroke), accent);
  c.Fill(Disc(x + xHeight / 2, middle, stroke * 0.45f), accent);
  return x + xHeight - start;
}
