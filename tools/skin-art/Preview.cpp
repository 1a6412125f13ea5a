#include "Preview.h"

#include <algorithm>
#include <cstdlib>

#include "Palette.h"
#include "Shapes.h"

namespace {
struct Composer {
  Canvas& editor;
  const std::map<std::string, Canvas>& images;
  const Fonts& fonts;

  // Frame k (1-based) of an image of n frames with its top-left at (x, y).
  void Frame(const std::string& file, int n, int k, int x, int y, int width = -1, int height = -1)
  {
    const Canvas& strip = images.at("images/" + file);
    const int frameHeight = strip.Height() / n;
    editor.Draw(strip, x, y, 0, (strip.Height() * (k - 1)) / n, width < 0 ? strip.Width() : width,
                height < 0 ? frameHeight : height);
  }

  // A text switch: its display text centred in the light font.
  void Field(const IRECT& r, const std::string& text)
  {
    DrawText(editor, fonts.small, r.L + (int)((r.R - r.L) * 0.5 - TextWidth(text) * 0.5), r.T + (r.B - r.T) / 2 - 2,
             text, palette::kLcdText);
  }

  void Knob(const std::string& file, int n, double value, const IRECT& r)
  {
    Frame(file, n, (int)((n - 1) * value + 0.5) + 1, r.L, r.T);
  }
};
}  // namespace

Canvas Preview(const std::vector<IRECT>& s, const std::map<std::string, Canvas>& images, const Fonts& fonts,
               bool aboutOpen)
{
  Canvas editor(581, 400);
  Composer c{editor, images, fonts};
  c.Frame("background.png", 1, 1, 0, 0);

  const IRECT& view = s[kRectPatternView];
  const int lengths[16] = {40, 80, 20, 60, 100, 30, 70, 50, 90, 10, 45, 65, 85, 25, 55, 75};
  for (int i = 0; i < 16; ++i) {
    const int x = view.L + 4 + 25 * i, y0 = view.T + 21;
    const int zero = y0 + 56, value = zero - lengths[i] / 2 + 25;
    editor.Fill(Rect((float)x, (float)std::min(zero, value), 22.0f, (float)std::abs(zero - value) + 1),
                Hex(0xFFFFFF, 55 / 255.0f));
    DrawText(editor, fonts.tall, x + 5, y0 - 1, std::to_string(lengths[i] / 2 - 25), palette::kInk);
  }
  c.Frame("steplenghtbar.png", 17, 13, view.L + 4, 336);
  const int notes[][3] = {{60, 4, 1}, {64, 5, 1}, {67, 6, 6}, {72, 7, 14}, {60, 8, 24}, {48, 3, 28}};
  for (const auto& n : notes)
    c.Frame("SE_note.png", 30, n[2], view.L + 4 + 25 * n[1], view.T + 149 - (int)(n[0] * 0.8425197 + 0.5));
  c.Frame("incomingnoteled.png", 30, 24, s[kRectNoteLight].L, s[kRectNoteLight].T);

  for (const int place : {kRectCC1Teach, kRectCC2Teach})
    c.Frame("cc_teach_button.png", 2, place == kRectCC1Teach ? 2 : 1, s[place].L, s[place].T);
  const int latches[][2] = {
      {kRectHold, 1}, {kRectPatternOn, 2}, {kRectResetOnNewNote, 2}, {kRectResetNoteList, 1}, {kRectResetOnBeat, 2}};
  for (const auto& l : latches)
    c.Frame("onoff.png", 2, l[1], s[l[0]].L, s[l[0]].T, s[l[0]].R - s[l[0]].L, s[l[0]].B - s[l[0]].T);
  for (int k = 0; k < 16; ++k)
    c.Frame("stepsonoff.png", 2, k % 5 == 3 ? 1 : 2, s[kRectStepButtons + k].L, s[kRectStepButtons + k].T);

  const IRECT& modes = s[kRectStepMode];
  const char* modeNames[] = {"Length", "Gate", "Accent", "Transp", "Div", "Shift", "Data", "CC1", "CC2"};
  const Canvas& mode = images.at("images/SE_editmode.png");
  for (int i = 0; i < 9; ++i) {
    const int x = modes.L + i * mode.Width(), h = mode.Height() / 2;
    c.Frame("SE_editmode.png", 2, i == 1 ? 2 : 1, x, modes.T);
    DrawText(editor, fonts.small, x + (int)(mode.Width() * 0.5 - TextWidth(modeNames[i]) * 0.5), modes.T + h / 2 - 3,
             modeNames[i], palette::kLcdText);
  }

  c.Knob("knob_bip.png", 127, 0.62, s[kRectGate]);
  c.Knob("knob_uni.png", 127, 0.3, s[kRectSwing]);
  c.Knob("knob_uni_5frames(octaves).png", 5, 0.25, s[kRectOctaves]);
  c.Knob("knob_bip_25frames(transpose).png", 25, 7 / 24.0, s[kRectTranspose]);
  c.Knob("knob_uni_16frames(steps).png", 16, 12 / 15.0, s[kRectPatternSteps]);
  c.Knob("knob_beat_15frames.png", 15, 3 / 15.0, s[kRectResetOnBeatValue]);

  c.Field(s[kRectStepRate], "1/16");
  c.Field(s[kRectStepRateType], "Triplet");
  c.Field(s[kRectDirection], "Up Alt");
  c.Field(s[kRectSortOrder], "As played");
  c.Field(s[kRectVelocityMode], "Average");
  c.Field(s[kRectSplitNoteName], "C#");
  c.Field(s[kRectSplitNoteNumber], "10");
  c.Field(s[kRectSplitSide], "Right");
  c.Field(s[kRectScale], "Leading Whole Tone ");
  c.Field(s[kRectScaleKey], "F#");
  c.Field(s[kRectScaleMode], "11");
  c.Field(s[kRectMidiIn], "16");
  c.Field(s[kRectMidiOut], "1");
  c.Field(s[kRectCC1Control], "74");
  c.Field(s[kRectCC2Control], "127");
  const char* slots = "*1R3S5W7";
  for (int k = 0; k < 8; ++k) c.Field(s[kRectSortSlots + k], std::string(1, slots[k]));
  const IRECT& status = s[kRectStatus];
  const std::string line = "Swing: 30 % Gate: 24";
  DrawText(editor, fonts.small, status.L + std::max(0, (int)((status.R - status.L) * 0.5 - TextWidth(line) * 0.5)),
           status.T + 1 + (status.B - status.T) / 2 - 3, line, palette::kLcdText);

  if (aboutOpen) {
    const IRECT& about = s[kRectAboutBox];
    c.Frame("aboutbox.png", 1, 1, about.L, about.T);
    const IRECT& v = s[kRectVersion];
    DrawText(editor, fonts.tall, v.L + (int)((v.R - v.L) * 0.5 - TextWidth("v. 1.2") * 0.5), v.T + 1, "v. 1.2",
             palette::kInk);
  }
  return editor;
}
