#include "Artwork.h"

#include "Palette.h"
#include "PixelFont.h"

using namespace palette;

namespace {
constexpr int kKnob = 36;
}  // namespace

std::vector<Artwork> AllArtwork(const std::vector<SkinRect>& skin)
{
  const SkinRect& about = skin[kAboutBox];
  const int aboutWidth = about.R - about.L, aboutHeight = about.B - about.T;
  const SkinRect& step = skin[kStepButtons];
  const SkinRect& hold = skin[kHold];
  const SkinRect& teach = skin[kCc1Teach];
  const SkinRect& modes = skin[kStepMode];
  // Nine mode buttons that touch and end within their rectangle.
  const int modeWidth = (modes.R - modes.L) / 9;
  return {
      {"images/background.png", 581, 400, 1, [&skin, modeWidth] { return Background(skin, 581, 400, modeWidth); }},
      {"images/knob_bip.png", kKnob, kKnob, 127, [] { return KnobStrip(kKnob, 127, true, false); }},
      {"images/stepsonoff.png", step.R - step.L, step.B - step.T, 2,
       [&step] { return StepButtonStrip(step.R - step.L, step.B - step.T); }},
      {"images/onoff.png", hold.R - hold.L, hold.B - hold.T, 2,
       [&hold] { return LatchButtonStrip(hold.R - hold.L, hold.B - hold.T); }},
      {"images/font.png", 7, 7, 95, [] { return FontStrip(kSmallFont, kLcdText); }},
      {"images/knob_uni.png", kKnob, kKnob, 127, [] { return KnobStrip(kKnob, 127, false, false); }},
      {"images/SE_note.png", 22, 6, 30, [] { return NoteMarkerStrip(22, 6, 30); }},
      {"images/steplenghtbar.png", 399, 9, 17, [] { return LengthBarStrip(22, 25, 16, 9); }},
      {"images/incomingnoteled.png", 13, 13, 30, [] { return NoteLightStrip(13, 30); }},
      {"images/SE_editmode.png", modeWidth, modes.B - modes.T, 2,
       [modeWidth, &modes] { return StepModeButtonStrip(modeWidth, modes.B - modes.T); }},
      {"images/font_black.png", 7, 11, 95, [] { return FontStrip(kTallFont, kInk); }},
      {"images/knob_bip_25frames(transpose).png", kKnob, kKnob, 25, [] { return KnobStrip(kKnob, 25, true, false); }},
      {"images/knob_uni_5frames(octaves).png", kKnob, kKnob, 5, [] { return KnobStrip(kKnob, 5, false, true); }},
      {"images/knob_uni_16frames(steps).png", kKnob, kKnob, 16, [] { return KnobStrip(kKnob, 16, false, true); }},
      {"images/cc_teach_button.png", teach.R - teach.L, teach.B - teach.T, 2,
       [&teach] { return TeachButtonStrip(teach.R - teach.L, teach.B - teach.T); }},
      {"images/knob_beat_15frames.png", kKnob, kKnob, 15, [] { return KnobStrip(kKnob, 15, false, true); }},
      {"images/aboutbox.png", aboutWidth, aboutHeight, 1,
       [&skin, aboutWidth, aboutHeight] { return AboutBox(skin, aboutWidth, aboutHeight, false); }},
      {"images/aboutbox_midiout.png", aboutWidth, aboutHeight, 1,
       [&skin, aboutWidth, aboutHeight] { return AboutBox(skin, aboutWidth, aboutHeight, true); }},
  };
}
