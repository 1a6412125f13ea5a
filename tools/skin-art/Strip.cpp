#include "Artwork.h"

Canvas Strip(int width, int height, int frames, const std::function<void(Canvas&, int)>& draw)
{
  Canvas strip(width, height * frames);
  for (int k = 0; k < frames; ++k) {
    Canvas frame(width, height);
    draw(frame, k);
    strip.Draw(frame, 0, k * height);
  }
  return strip;
}
