#include <algorithm>

#include "Artwork.h"
#include "Palette.h"
#include "Shapes.h"

using namespace palette;

namespace {
constexpr float kSweep = 135.0f;  // each side of the top

void DrawKnob(Canvas& c, float size, float value, int positions, bool bipolar, bool stepped)
{
  const float cx = size / 2, cy = size / 2;
  const float trackRadius = size / 2 - 2.0f, trackWidth = 2.6f;
  const float bodyRadius = size / 2 - 5.5f;
  const float angle = -kSweep + 2 * kSweep * value;

  c.Glow(Disc(cx, cy + 1.5f, bodyRadius), kShadow, 3.0f);
  c.Fill(Arc(cx, cy, trackRadius, trackWidth, -kSweep, kSweep), kTrack);
  if (stepped)
    for (int i = 0; i < positions; ++i) {
      const float a = -kSweep + 2 * kSweep * i / (positions - 1);
      c.Fill(Disc(PolarX(cx, trackRadius, a), PolarY(cy, trackRadius, a), 0.9f), Hex(0x4C525B));
    }

  const float from = bipolar ? std::min(0.0f, angle) : -kSweep, to = bipolar ? std::max(0.0f, angle) : angle;
  if (to - from > 0.5f) {
    c.Glow(Arc(cx, cy, trackRadius, trackWidth, from, to), WithAlpha(kAmber, 0.25f), 1.5f);
    c.Fill(Arc(cx, cy, trackRadius, trackWidth, from, to), kAmber);
  }
  if (bipolar) c.Fill(Stroke(cx, cy - trackRadius - 1.6f, cx, cy - trackRadius + 1.6f, 1.1f), Hex(0xD9DDE3, 0.9f));

  // A turned cap lit from above.
  c.Fill(Disc(cx, cy, bodyRadius + 0.8f), kKnobRim);
  c.Fill(Disc(cx, cy, bodyRadius), [&](float, float y) {
    return Mix(kKnobTop, kKnobBottom, std::clamp((y - (cy - bodyRadius)) / (2 * bodyRadius), 0.0f, 1.0f));
  });
  c.Fill(Disc(cx, cy, bodyRadius - 2.2f), [&](float, float y) {
    return Mix(Hex(0x3A3F46), Hex(0x4A5058), std::clamp((y - (cy - bodyRadius)) / (2 * bodyRadius), 0.0f, 1.0f));
  });
  c.Fill(Arc(cx, cy, bodyRadius - 0.6f, 0.9f, -60.0f, 60.0f), Hex(0xFFFFFF, 0.18f));

  c.Fill(Stroke(PolarX(cx, 3.0f, angle), PolarY(cy, 3.0f, angle), PolarX(cx, bodyRadius - 1.2f, angle),
                PolarY(cy, bodyRadius - 1.2f, angle), 2.2f),
         kPointer);
}
}  // namespace

Canvas KnobStrip(int size, int frames, bool bipolar, bool stepped)
{
  return Strip(size, size, frames,
               [&](Canvas& c, int k) { DrawKnob(c, (float)size, (float)k / (frames - 1), frames, bipolar, stepped); });
}
