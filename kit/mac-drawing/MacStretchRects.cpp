// The source and destination of a stretched blit, cut to the source.
#include <algorithm>

#include "MacDrawing.h"

bool ClipStretchRects(StretchRects* r, int sourceWidth, int sourceHeight)
{
  if (r->w <= 0 || r->h <= 0 || r->sw <= 0 || r->sh <= 0) return false;
  const double kx = (double)r->w / r->sw, ky = (double)r->h / r->sh;
  if (r->sx < 0) {
    r->x -= (int)(r->sx * kx);
    r->sw += r->sx;
    r->sx = 0;
  }
  if (r->sy < 0) {
    r->y -= (int)(r->sy * ky);
    r->sh += r->sy;
    r->sy = 0;
  }
  r->sw = std::min(r->sw, sourceWidth - r->sx);
  r->sh = std::min(r->sh, sourceHeight - r->sy);
  if (r->sw <= 0 || r->sh <= 0) return false;
  r->w = (int)(r->sw * kx + 0.5);
  r->h = (int)(r->sh * ky + 0.5);
  return r->w > 0 && r->h > 0;
}
