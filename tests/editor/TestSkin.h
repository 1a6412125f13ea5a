#ifndef TESTS_EDITOR_TESTSKIN_H
#define TESTS_EDITOR_TESTSKIN_H

// The images of the test plug-in's editor, drawn with the raster library
// and written as PNG files (TestSkin.cpp), so that the editor's golden
// renders can be made again from the sources alone. The plug-in finds them
// by these ids and names.

struct TestImage {
  int mID;
  const char* mName;
  int mFrames;
};

enum ETestImage {
  kImageBackground = 0,
  kImageKnob,
  kImageSwitch,
  kImageRadio,
  kImageFader,
  kImageRotater,
  kImageMaskBase,
  kImageMask,
  kImageMaskTop,
  kImageOverlay,
  kImageFont,
  kImageMeter,
  kImageFile,
  kNumTestImages
};

inline constexpr TestImage kTestImages[kNumTestImages] = {
    {101, "background.png", 1}, {102, "knob.png", 16},   {103, "switch.png", 2},   {104, "radio.png", 2},
    {105, "fader.png", 1},      {106, "rotater.png", 1}, {107, "maskbase.png", 1}, {108, "mask.png", 1},
    {109, "masktop.png", 1},    {110, "overlay.png", 2}, {111, "font.png", 95},    {112, "meter.png", 8},
    {113, "file.png", 1},
};

// Writes every image into the folder; false when one could not be written.
bool WriteTestSkin(const char* folder);

#endif
