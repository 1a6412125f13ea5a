#include <cmath>

#include "Artwork.h"
#include "Palette.h"
#include "Shapes.h"

using namespace palette;

Canvas NoteMarkerStrip(int width, int height, int frames)
{
  // The first frame is a note just played; later frames fade it out.
  return Strip(width, height, frames, [&](Canvas& c, int k) {
    const float life = std::pow(1.0f - (float)k / frames, 1.6f);
    const Shape pill = RoundRect(1.0f, 1.0f, width - 2.0f, height - 2.0f, (height - 2) / 2.0f);
    c.Glow(pill, WithAlpha(kCyan, 0.45f * life), 1.0f);
    c.Fill(pill, WithAlpha(kCyan, life));
    c.Fill(RoundRect(3.0f, height / 2.0f - 0.5f, width - 6.0f, 1.0f, 0.5f), WithAlpha(kCyanBright, life));
  });
}

Canvas LengthBarStrip(int stepWidth, int stepPitch, int steps, int height)
{
  // Frame k shows a pattern of k - 1 steps.
  const int width = stepPitch * (steps - 1) + stepWidth + 2;
  return Strip(width, height, steps + 1, [&](Canvas& c, int k) {
    for (int i = 0; i < steps; ++i) {
      const Shape segment = RoundRect((float)i * stepPitch + 1, height / 2.0f - 1.5f, stepWidth - 2.0f, 3.0f, 1.5f);
      if (i < k) {
        c.Glow(segment, Hex(0xFFFFFF, 0.12f), 2.0f);
        c.Fill(segment, Hex(0xCDD4DD));
      } else {
        c.Fill(segment, Hex(0x3A3F47));
      }
    }
  });
}

Canvas NoteLightStrip(int size, int frames)
{
  // Dark at the first frame, fully lit at the last.
  return Strip(size, size, frames, [&](Canvas& c, int k) {
    const float t = (float)k / (frames - 1), cx = size / 2.0f;
    c.Fill(Disc(cx, cx, cx - 0.5f), Hex(0x0A0B0D));
    c.Fill(Disc(cx, cx, cx - 2.0f), Mix(kCyanDim, kCyan, t));
    c.Glow(Disc(cx, cx, 1.5f), WithAlpha(kCyanBright, t), 3.0f);
    c.Fill(Disc(cx - 1.2f, cx - 1.4f, 1.2f), Hex(0xFFFFFF, 0.15f + 0.5f * t));
  });
}
