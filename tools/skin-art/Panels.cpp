#include "Panels.h"

#include "Palette.h"
#include "Shapes.h"

using namespace palette;

void DrawPlate(Canvas& c, int x0, int y0, int x1, int y1)
{
  const float w = (float)(x1 - x0), h = (float)(y1 - y0);
  c.Glow(RoundRect((float)x0, y0 + 1.0f, w, h, 5.0f), Hex(0x000000, 0.35f), 3.0f);
  c.Fill(RoundRect((float)x0, (float)y0, w, h, 5.0f), kPlateShadow);
  c.Fill(RoundRect(x0 + 1.0f, y0 + 1.0f, w - 2, h - 2, 4.0f),
         [&](float, float y) { return Mix(kPlateTop, kPlateBottom, (y - y0) / h); });
  c.Fill(Rect(x0 + 4.0f, y0 + 1.0f, w - 8, 1.0f), WithAlpha(kPlateHighlight, 0.8f));
}

void DrawWell(Canvas& c, int x0, int y0, int x1, int y1)
{
  const float w = (float)(x1 - x0), h = (float)(y1 - y0);
  c.Fill(RoundRect(x0 - 1.0f, y0 - 1.0f, w + 2, h + 2, 3.0f), Hex(0xFFFFFF, 0.07f));
  c.Fill(RoundRect((float)x0, (float)y0, w, h, 2.0f), kWellShade);
  c.Fill(RoundRect((float)x0, y0 + 1.0f, w, h - 1, 2.0f), kWell);
}

void DrawWellAround(Canvas& c, const IRECT& r, int marginX, int marginY)
{
  DrawWell(c, r.L - marginX, r.T - marginY, r.R + marginX, r.B + marginY);
}

namespace {
// The ink ends one blank column before the text's width.
int InkWidth(const std::string& text) { return TextWidth(text) - 1; }
}  // namespace

void LabelCentred(Canvas& c, const PixelFont& font, int cx, int y, const std::string& text, Rgba colour)
{
  DrawText(c, font, cx - InkWidth(text) / 2, y, text, colour);
}

void LabelLeft(Canvas& c, const PixelFont& font, int x, int y, const std::string& text, Rgba colour)
{
  DrawText(c, font, x, y, text, colour);
}

void LabelRight(Canvas& c, const PixelFont& font, int x, int y, const std::string& text, Rgba colour)
{
  DrawText(c, font, x - InkWidth(text), y, text, colour);
}
