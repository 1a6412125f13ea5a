#ifndef TOLVORESOURCES_H
#define TOLVORESOURCES_H

// The editor's skin text and images: the resource ids the Windows builds
// carry them under (TolvoResources.rc) and, for C++, the file names the
// window-less back end reads and the frames of each image.

#define kSkinTextId 100
#define kBackgroundId 101
#define kKnobBipolarId 102
#define kStepButtonId 103
#define kOnOffId 104
#define kLightFontId 105
#define kKnobUnipolarId 106
#define kNoteMarkerId 107
#define kStepLengthBarId 108
#define kIncomingNoteLightId 109
#define kStepModeButtonId 110
#define kDarkFontId 111
#define kKnobTransposeId 112
#define kKnobOctavesId 113
#define kKnobStepsId 114
#define kTeachButtonId 115
#define kKnobBeatId 116
#define kAboutBoxId 117

#ifndef RC_INVOKED

struct TolvoImage {
  int id;
  const char* name;
  int frames;
};

const char* const kSkinTextName = "skin/skin.txt";

const TolvoImage kBackground = {kBackgroundId, "images/background.png", 1};
const TolvoImage kKnobBipolar = {kKnobBipolarId, "images/knob_bip.png", 127};
const TolvoImage kStepButton = {kStepButtonId, "images/stepsonoff.png", 2};
const TolvoImage kOnOff = {kOnOffId, "images/onoff.png", 2};
const TolvoImage kLightFont = {kLightFontId, "images/font.png", 95};
const TolvoImage kKnobUnipolar = {kKnobUnipolarId, "images/knob_uni.png", 127};
const TolvoImage kNoteMarker = {kNoteMarkerId, "images/SE_note.png", 30};
const TolvoImage kStepLengthBar = {kStepLengthBarId, "images/steplenghtbar.png", 17};
const TolvoImage kIncomingNoteLight = {kIncomingNoteLightId, "images/incomingnoteled.png", 30};
const TolvoImage kStepModeButton = {kStepModeButtonId, "images/SE_editmode.png", 2};
const TolvoImage kDarkFont = {kDarkFontId, "images/font_black.png", 95};
const TolvoImage kKnobTranspose = {kKnobTransposeId, "images/knob_bip_25frames(transpose).png", 25};
const TolvoImage kKnobOctaves = {kKnobOctavesId, "images/knob_uni_5frames(octaves).png", 5};
const TolvoImage kKnobSteps = {kKnobStepsId, "images/knob_uni_16frames(steps).png", 16};
const TolvoImage kTeachButton = {kTeachButtonId, "images/cc_teach_button.png", 2};
const TolvoImage kKnobBeat = {kKnobBeatId, "images/knob_beat_15frames.png", 15};
#if defined(TOLVO_AU)
// The macOS build's about box has room for its "MIDI output" switch.
const TolvoImage kAboutBox = {kAboutBoxId, "images/aboutbox_midiout.png", 1};
#else
const TolvoImage kAboutBox = {kAboutBoxId, "images/aboutbox.png", 1};
#endif

#endif

#endif
