#include "Artwork.h"
#include "Palette.h"
#include "Shapes.h"

using namespace palette;

namespace {
// A raised key of the given size at the top-left, lit from above.
void DrawKey(Canvas& c, float width, float height, float radius)
{
  c.Fill(RoundRect(0.0f, 0.0f, width, height, radius), kPlateShadow);
  c.Fill(RoundRect(1.0f, 1.0f, width - 2, height - 2, radius - 1),
         [&](float, float y) { return Mix(kButtonTop, kButtonBottom, (y - 1) / (height - 2)); });
  c.Fill(Rect(radius, 1.0f, width - 2 * radius, 1.0f), Hex(0xFFFFFF, 0.12f));
}

// A lamp behind a window: dark when off, lit with a halo when on.
void DrawLamp(Canvas& c, const Shape& window, bool on)
{
  c.Fill(window, on ? kAmber : kAmberDim);
  if (!on) return;
  c.Glow(window, WithAlpha(kAmber, 0.35f), 3.0f);
  c.Fill(window, [&](float, float y) { return Mix(kAmberBright, kAmber, (y - window.box.y0) / 5.0f); });
}
}  // namespace

Canvas LatchButtonStrip(int width, int height)
{
  // The last column and row stay clear: stacked buttons keep a gap.
  const float w = width - 1.0f, h = height - 1.0f;
  return Strip(width, height, 2, [&](Canvas& c, int k) {
    DrawKey(c, w, h, 3.0f);
    DrawLamp(c, RoundRect(w / 2 - 6, h / 2 - 2, 12.0f, 4.0f, 1.5f), k == 1);
  });
}

Canvas StepButtonStrip(int width, int height)
{
  const float w = (float)width, h = (float)height;
  return Strip(width, height, 2, [&](Canvas& c, int k) {
    DrawKey(c, w, h, 3.0f);
    DrawLamp(c, RoundRect(w / 2 - 6, h / 2 - 1.5f, 12.0f, 3.0f, 1.5f), k == 1);
  });
}

Canvas TeachButtonStrip(int width, int height)
{
  const float w = (float)width, h = (float)height;
  return Strip(width, height, 2, [&](Canvas& c, int k) {
    DrawKey(c, w, h, h / 2);
    DrawLamp(c, Disc(w / 2, h / 2, 2.0f), k == 1);
  });
}

Canvas StepModeButtonStrip(int width, int height)
{
  // Segments that touch: each closes with a dividing line on its right.
  const float w = (float)width, h = (float)height;
  return Strip(width, height, 2, [&](Canvas& c, int k) {
    const bool on = k == 1;
    c.FillRect(0, 0, width, height, on ? Hex(0x5A4424) : Hex(0x30343A), on ? Hex(0x3A2C19) : Hex(0x23262B));
    c.FillRect(0, 0, width - 1, 1, Hex(0xFFFFFF, on ? 0.18f : 0.08f));
    c.FillRect(width - 1, 0, 1, height, Hex(0x121316));
    if (on) {
      c.Glow(Rect(2.0f, h - 3, w - 5, 2.0f), WithAlpha(kAmber, 0.3f), 2.5f);
      c.Fill(Rect(2.0f, h - 3, w - 5, 2.0f), kAmber);
    }
  });
}
