#ifndef SKIN_H
#define SKIN_H

// The skin layout text: lines of numbers that give the editor's rectangles
// in order, "/" marking comments.

#include <string>
#include <vector>

struct SkinRect {
  int L, T, R, B;
};

// What each rectangle of the shipped text places, by its index.
enum SkinPlace {
  kGateKnob = 0,
  kStepRate = 1,
  kStepRateType = 2,
  kDirection = 3,
  kSortOrder = 4,
  kSwingKnob = 5,
  kOctavesKnob = 6,
  kTransposeKnob = 7,
  kPatternStepsKnob = 8,
  kAboutBox = 9,
  kAboutArea = 10,
  kVersionText = 11,
  kStatusLine = 13,
  kMidiInChannel = 14,
  kMidiOutChannel = 15,
  kCc1Number = 16,
  kCc2Number = 17,
  kCc1Teach = 18,
  kCc2Teach = 19,
  kNoteLight = 20,
  kCustomSort = 21,  // eight, 21..28
  kHold = 29,
  kVelocityMode = 30,
  kSplitNoteName = 31,
  kSplitNoteNumber = 32,
  kSplitSide = 33,
  kScale = 34,
  kScaleKey = 35,
  kScaleMode = 36,
  kPatternOnOff = 37,
  kResetOnNewNote = 38,
  kResetNoteList = 40,
  kResetOnBeat = 41,
  kBeatKnob = 42,
  kPatternView = 43,
  kStepButtons = 44,  // sixteen, 44..59
  kStepMode = 60,
  kMidiOutput = 65,
  kSkinRects = 66
};

// The rectangles of the text; false, with the line, when a line that is no
// comment holds fewer than two numbers.
bool ParseSkin(const std::string& text, std::vector<SkinRect>* rects, std::string* badLine);

#endif
