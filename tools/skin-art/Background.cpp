#include <cmath>

#include "Artwork.h"
#include "Logo.h"
#include "Palette.h"
#include "Panels.h"
#include "Shapes.h"

using namespace palette;

namespace {
constexpr int kHeaderHeight = 46;
// Rows of the plates.
constexpr int kUpperTop = 54, kUpperBottom = 182, kLowerTop = 190, kLowerBottom = 380;
// Cap rows of the labels over each row of fields, and under the knobs.
constexpr int kFieldLabelY = 62, kSecondFieldLabelY = 102, kKnobLabelY = 151;

int CentreX(const IRECT& r) { return (r.L + r.R) / 2; }

// A small field in its well with its name printed above.
void DrawNamedField(Canvas& c, const PixelFont& font, const IRECT& r, const char* name)
{
  DrawWellAround(c, r, 2, 2);
  LabelCentred(c, font, CentreX(r), r.T - 9, name, kLabel);
}

// The header: the incoming-note light, the MIDI channels, the status line,
// the controller numbers with their teach buttons, and the word mark.
void DrawHeader(Canvas& c, const PixelFont& font, const std::vector<IRECT>& s, int width)
{
  c.FillRect(0, 0, width, kHeaderHeight, kHeaderTop, kHeaderBottom);
  c.FillRect(0, kHeaderHeight, width, 1, Hex(0x0A0B0C));
  c.FillRect(0, kHeaderHeight + 1, width, 1, Hex(0xFFFFFF, 0.06f));

  LabelLeft(c, font, s[kRectNoteLight].L + 18, s[kRectNoteLight].T + 4, "NOTES", kLabel);

  DrawNamedField(c, font, s[kRectMidiIn], "IN");
  DrawNamedField(c, font, s[kRectMidiOut], "OUT");
  LabelRight(c, font, s[kRectMidiIn].L - 6, s[kRectMidiIn].T + 1, "MIDI CH", kAmber);

  DrawWellAround(c, s[kRectStatus], 4, 4);

  DrawNamedField(c, font, s[kRectCC1Control], "CC1");
  DrawNamedField(c, font, s[kRectCC2Control], "CC2");
  LabelRight(c, font, s[kRectCC1Teach].L - 5, s[kRectCC1Teach].T + 2, "TEACH", kAmber);

  // The word mark over the tag line, both centred in the about box's click area.
  const IRECT& about = s[kRectAboutTrigger];
  const float baseline = about.T + 26.0f, xHeight = 16.0f;
  Canvas measure(1, 1);
  const float logoWidth = DrawLogo(measure, 0.0f, baseline, xHeight, kAmber, kAmber);
  DrawLogo(c, std::floor(CentreX(about) - logoWidth / 2), baseline, xHeight, Hex(0xE9E4DA), kAmber);
  LabelCentred(c, font, CentreX(about), (int)baseline + 6, "ARPEGGIATOR", kLabelDim);
}

// Rate, direction, gate, sort order; hold and swing; velocity and key
// split; scale, octaves and transpose.
void DrawUpperPlates(Canvas& c, const PixelFont& font, const std::vector<IRECT>& s)
{
  DrawPlate(c, 8, kUpperTop, 216, kUpperBottom);
  DrawPlate(c, 222, kUpperTop, 282, kUpperBottom);
  DrawPlate(c, 288, kUpperTop, 388, kUpperBottom);
  DrawPlate(c, 394, kUpperTop, 573, kUpperBottom);

  const IRECT& rate = s[kRectStepRate];
  const IRECT& type = s[kRectStepRateType];
  DrawWell(c, rate.L - 2, 70, rate.R + 2, 86);
  DrawWell(c, type.L - 2, 70, type.R + 2, 86);
  LabelCentred(c, font, (rate.L + type.R) / 2, kFieldLabelY, "STEP RATE", kLabel);
  DrawWell(c, s[kRectDirection].L - 2, 70, s[kRectDirection].R + 2, 86);
  LabelCentred(c, font, CentreX(s[kRectDirection]), kFieldLabelY, "DIRECTION", kLabel);

  DrawWell(c, s[kRectSortOrder].L - 2, 110, s[kRectSortOrder].R + 2, 126);
  LabelCentred(c, font, CentreX(s[kRectSortOrder]), kSecondFieldLabelY, "SORT ORDER", kLabel);
  const IRECT& first = s[kRectSortSlots];
  const IRECT& last = s[kRectSortSlots + 7];
  DrawWell(c, first.L - 2, first.T - 2, last.R + 2, last.B + 2);
  for (int k = 0; k < 7; ++k) c.FillRect(s[kRectSortSlots + k].R, first.T - 1, 1, first.B - first.T + 2, Hex(0x2A2E34));
  LabelCentred(c, font, (first.L + last.R) / 2, first.T - 11, "CUSTOM ORDER", kLabel);

  LabelCentred(c, font, CentreX(s[kRectHold]), kFieldLabelY, "HOLD", kLabel);

  DrawWell(c, s[kRectVelocityMode].L - 2, 70, s[kRectVelocityMode].R + 2, 86);
  LabelCentred(c, font, CentreX(s[kRectVelocityMode]), kFieldLabelY, "VELOCITY", kLabel);
  const IRECT& name = s[kRectSplitNoteName];
  const IRECT& number = s[kRectSplitNoteNumber];
  const IRECT& side = s[kRectSplitSide];
  DrawWell(c, name.L - 2, 110, number.R + 2, 126);
  DrawWell(c, side.L - 2, 110, side.R + 2, 126);
  LabelCentred(c, font, (name.L + side.R) / 2, kSecondFieldLabelY, "KEY SPLIT", kLabel);
  LabelCentred(c, font, (name.L + number.R) / 2, 130, "NOTE", kLabelDim);
  LabelCentred(c, font, CentreX(side), 130, "SIDE", kLabelDim);

  const IRECT& scale = s[kRectScale];
  const IRECT& key = s[kRectScaleKey];
  const IRECT& mode = s[kRectScaleMode];
  // The longest scale names spill a little past their rectangle.
  DrawWell(c, scale.L - 5, 70, scale.R + 3, 86);
  DrawWell(c, key.L - 1, 70, key.R + 2, 86);
  DrawWell(c, mode.L - 2, 70, mode.R + 3, 86);
  LabelCentred(c, font, (scale.L + mode.R) / 2, kFieldLabelY, "SCALE", kLabel);
  LabelCentred(c, font, CentreX(key), 90, "KEY", kLabelDim);
  LabelCentred(c, font, CentreX(mode), 90, "MODE", kLabelDim);

  const int knob = 36;
  LabelCentred(c, font, s[kRectGate].L + knob / 2, kKnobLabelY, "GATE", kLabel);
  LabelCentred(c, font, s[kRectSwing].L + knob / 2, kKnobLabelY, "SWING", kLabel);
  LabelCentred(c, font, s[kRectOctaves].L + knob / 2, kKnobLabelY, "OCTAVES", kLabel);
  LabelCentred(c, font, s[kRectTranspose].L + knob / 2, kKnobLabelY, "TRANSPOSE", kLabel);
}

// Pattern switch, the three resets and their beat, the pattern's length.
void DrawLeftPlate(Canvas& c, const PixelFont& font, const std::vector<IRECT>& s)
{
  DrawPlate(c, 8, kLowerTop, 141, kLowerBottom);
  const IRECT& pattern = s[kRectPatternOn];
  LabelLeft(c, font, pattern.R + 6, pattern.T + 7, "PATTERN", kLabel);
  LabelLeft(c, font, s[kRectResetOnNewNote].L, s[kRectResetOnNewNote].T - 10, "RESET ON", kAmber);
  const char* resets[] = {"NEW NOTE", "NOTE LIST", "BEAT"};
  const int places[] = {kRectResetOnNewNote, kRectResetNoteList, kRectResetOnBeat};
  for (int i = 0; i < 3; ++i) LabelLeft(c, font, s[places[i]].R + 5, s[places[i]].T + 7, resets[i], kLabel);
  const int knob = 36;
  LabelCentred(c, font, s[kRectResetOnBeatValue].L + knob / 2, s[kRectResetOnBeatValue].T + knob + 3, "BEATS", kLabel);
  LabelCentred(c, font, s[kRectPatternSteps].L + knob / 2, s[kRectPatternSteps].T + knob + 3, "STEPS", kLabel);
}

// The step editor: the lane selector's recess, sixteen lanes with a value
// cell at their top, the length row and the step buttons' numbers.
void DrawPatternPlate(Canvas& c, const PixelFont& font, const std::vector<IRECT>& s, int modeButtonWidth)
{
  DrawPlate(c, 145, kLowerTop, 573, kLowerBottom);
  const IRECT& view = s[kRectPatternView];
  const IRECT& modes = s[kRectStepMode];
  DrawWell(c, modes.L - 1, modes.T - 1, modes.L + 9 * modeButtonWidth + 1, modes.B + 1);

  // Each lane runs from its parameter's minimum at the bottom to its maximum
  // at the top, where the editor writes the value.
  const int top = view.T + 21, bottom = view.T + 133, cell = 12, lengthRow = 336;
  DrawWell(c, view.L + 1, top - 1, view.R - 1, lengthRow + 10);
  for (int i = 0; i < 16; ++i) {
    const int x = view.L + 4 + 25 * i;
    const bool oddBeat = (i / 4) % 2 == 1;
    c.FillRect(x, top + cell + 1, 22, bottom - top - cell - 1, oddBeat ? Hex(0x1A1D22) : Hex(0x202329));
    c.FillRect(x, top, 22, cell, Hex(0xC3CBD4), Hex(0xA9B2BC));
  }
  for (int q = 1; q < 4; ++q)
    for (int i = 0; i < 16; ++i)
      c.FillRect(view.L + 4 + 25 * i, top + (111 * q) / 4, 22, 1, Hex(0xFFFFFF, q == 2 ? 0.16f : 0.06f));
  LabelLeft(c, font, view.R + 2, top + cell + 2, "MAX", kLabelDim);
  LabelLeft(c, font, view.R + 2, bottom - 6, "MIN", kLabelDim);

  for (int k = 0; k < 16; ++k) {
    const IRECT& b = s[kRectStepButtons + k];
    LabelCentred(c, font, (b.L + b.R) / 2, b.B + 5, std::to_string(k + 1), k % 4 == 0 ? kLabel : kLabelDim);
  }
}
}  // namespace

Canvas Background(const std::vector<IRECT>& s, const PixelFont& font, int width, int height, int modeButtonWidth)
{
  Canvas c(width, height);
  c.FillRect(0, 0, width, height, kChassisTop, kChassisBottom);
  DrawHeader(c, font, s, width);
  DrawUpperPlates(c, font, s);
  DrawLeftPlate(c, font, s);
  DrawPatternPlate(c, font, s, modeButtonWidth);
  LabelRight(c, font, 572, 387, "ULVAS ORVANNE", kLabelDim);
  return c;
}
