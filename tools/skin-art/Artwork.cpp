#include "Artwork.h"

#include "Palette.h"

using namespace palette;

namespace {
constexpr int kKnob = 36;
}  // namespace

std::vector<Artwork> AllArtwork(const std::vector<IRECT>& skin, const Fonts& fonts)
{
  const auto width = [&skin](int place) { return skin[place].R - skin[place].L; };
  const auto height = [&skin](int place) { return skin[place].B - skin[place].T; };
  // Nine step mode buttons that touch and end within their rectangle.
  const int modeWidth = width(kRectStepMode) / 9;
  const auto knob = [](int frames, bool bipolar, bool stepped) {
    return [=](int size, int) { return KnobStrip(size, frames, bipolar, stepped); };
  };
  const auto about = [&skin, &fonts](bool midiOutputField) {
    return [&skin, &fonts, midiOutputField](int w, int h) { return AboutBox(skin, fonts, w, h, midiOutputField); };
  };
  return {
      {"images/background.png", 581, 400, 1,
       [&skin, &fonts, modeWidth](int w, int h) { return Background(skin, fonts.small, w, h, modeWidth); }},
      {"images/knob_bip.png", kKnob, kKnob, 127, knob(127, true, false)},
      {"images/stepsonoff.png", width(kRectStepButtons), height(kRectStepButtons), 2, StepButtonStrip},
      {"images/onoff.png", width(kRectHold), height(kRectHold), 2, LatchButtonStrip},
      {"images/font.png", 7, 7, 95, [&fonts](int, int) { return FontStrip(fonts.small, kLcdText); }},
      {"images/knob_uni.png", kKnob, kKnob, 127, knob(127, false, false)},
      {"images/SE_note.png", 22, 6, 30, [](int w, int h) { return NoteMarkerStrip(w, h, 30); }},
      {"images/steplenghtbar.png", 399, 9, 17, [](int, int h) { return LengthBarStrip(22, 25, 16, h); }},
      {"images/incomingnoteled.png", 13, 13, 30, [](int size, int) { return NoteLightStrip(size, 30); }},
      {"images/SE_editmode.png", modeWidth, height(kRectStepMode), 2, StepModeButtonStrip},
      {"images/font_black.png", 7, 11, 95, [&fonts](int, int) { return FontStrip(fonts.tall, kInk); }},
      {"images/knob_bip_25frames(transpose).png", kKnob, kKnob, 25, knob(25, true, false)},
      {"images/knob_uni_5frames(octaves).png", kKnob, kKnob, 5, knob(5, false, true)},
      {"images/knob_uni_16frames(steps).png", kKnob, kKnob, 16, knob(16, false, true)},
      {"images/cc_teach_button.png", width(kRectCC1Teach), height(kRectCC1Teach), 2, TeachButtonStrip},
      {"images/knob_beat_15frames.png", kKnob, kKnob, 15, knob(15, false, true)},
      {"images/aboutbox.png", width(kRectAboutBox), height(kRectAboutBox), 1, about(false)},
      {"images/aboutbox_midiout.png", width(kRectAboutBox), height(kRectAboutBox), 1, about(true)},
  };
}
