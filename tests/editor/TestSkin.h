#ifndef TESTS_EDITOR_TESTSKIN_H
#define TESTS_EDITOR_TESTSKIN_H

// The images of the test plug-in's editor, drawn here with the raster
// library and written as PNG files, so that the editor's golden renders can
// be made again from the sources alone.

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

extern const TestImage kTestImages[kNumTestImages];

// Writes every image into the folder; false when one could not be written.
bool WriteTestSkin(const char* folder);

#endif
