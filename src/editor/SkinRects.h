#ifndef SKINRECTS_H
#define SKINRECTS_H

// The shipped skin text's rectangles by what they hold: the editor places
// its controls by them and the image generator draws around them.
enum ESkinRect {
  kRectGate = 0,
  kRectStepRate = 1,
  kRectStepRateType = 2,
  kRectDirection = 3,
  kRectSortOrder = 4,
  kRectSwing = 5,
  kRectOctaves = 6,
  kRectTranspose = 7,
  kRectPatternSteps = 8,
  kRectAboutBox = 9,
  kRectAboutTrigger = 10,
  kRectVersion = 11,
  kRectStatus = 13,
  kRectMidiIn = 14,
  kRectMidiOut = 15,
  kRectCC1Control = 16,
  kRectCC2Control = 17,
  kRectCC1Teach = 18,
  kRectCC2Teach = 19,
  kRectNoteLight = 20,
  kRectSortSlots = 21,  // 8 side by side
  kRectHold = 29,
  kRectVelocityMode = 30,
  kRectSplitNoteName = 31,
  kRectSplitNoteNumber = 32,
  kRectSplitSide = 33,
  kRectScale = 34,
  kRectScaleKey = 35,
  kRectScaleMode = 36,
  kRectPatternOn = 37,
  kRectResetOnNewNote = 38,
  kRectResetNoteList = 40,
  kRectResetOnBeat = 41,
  kRectResetOnBeatValue = 42,
  kRectPatternView = 43,
  kRectStepButtons = 44,  // 16 side by side
  kRectStepMode = 60,
  kRectPatternSelection = 63,
  kRectSceneSelection = 64,
  kRectMidiOutput = 65,
  kSkinRectCount = 66
};

#endif
