#include "Artwork.h"
#include "Logo.h"
#include "Palette.h"
#include "Panels.h"
#include "PixelFont.h"
#include "Shapes.h"

using namespace palette;

Canvas AboutBox(const std::vector<IRECT>& s, const Fonts& fonts, int width, int height, bool midiOutputField)
{
  Canvas c(width, height);
  const float w = (float)width, h = (float)height;
  c.Glow(RoundRect(2.0f, 3.0f, w - 4, h - 5, 6.0f), Hex(0x000000, 0.45f), 2.0f);
  c.Fill(RoundRect(0.0f, 0.0f, w - 2, h - 2, 6.0f), kPaperEdge);
  c.Fill(RoundRect(1.0f, 1.0f, w - 4, h - 4, 5.0f), [&](float, float y) { return Mix(Hex(0xF3EEE3), kPaper, y / h); });

  // The editor writes the version beside the word mark, at skin rectangle 11.
  const int ox = s[kRectAboutBox].L, oy = s[kRectAboutBox].T;
  DrawLogo(c, 14.0f, 31.0f, 16.0f, kInk, kAmber);
  if (midiOutputField) {
    const IRECT& field = s[kRectMidiOutput];
    DrawWell(c, field.L - ox - 2, field.T - oy - 1, field.R - ox + 2, field.B - oy + 1);
    LabelCentred(c, fonts.small, (field.L + field.R) / 2 - ox, field.B - oy + 4, "MIDI OUTPUT", kInkSoft);
  }
  c.FillRect(12, 40, width - 26, 1, kPaperEdge);

  const char* lines[] = {"Arpeggiator and step sequencer", "Version 1.2.0", "Made by Ulvas Orvanne"};
  for (int i = 0; i < 3; ++i) DrawText(c, fonts.tall, 14, 45 + 12 * i, lines[i], i == 0 ? kInk : kInkSoft);
  c.FillRect(12, 84, width - 26, 1, kPaperEdge);
  const char* tips[] = {"Right-click a knob: MIDI learn", "Right-click the steps: reset",
                        "Double-click a bar: back to 0", "Double-click NOTES: notes off"};
  for (int i = 0; i < 4; ++i) DrawText(c, fonts.tall, 14, 89 + 12 * i, tips[i], kInk);
  LabelCentred(c, fonts.small, (width - 2) / 2, height - 15, "CLICK TO CLOSE", kInkSoft);
  return c;
}
