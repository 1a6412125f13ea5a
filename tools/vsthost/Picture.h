#ifndef VSTHOST_PICTURE_H
#define VSTHOST_PICTURE_H

// Pictures of an editor as the host sees them: 8-bit red, green and blue,
// read from and written to PNG files with libpng, and compared pixel by
// pixel. The host reads PNGs without the plug-in framework's raster
// library, so that a fault there cannot hide itself on both sides.

#include <cstdint>
#include <string>
#include <vector>

namespace vsthost {

struct Picture {
  int width = 0, height = 0;
  std::vector<uint8_t> rgb;  // rows top down, 3 bytes a pixel

  void Resize(int w, int h);
  uint8_t* Pixel(int x, int y) { return rgb.data() + (static_cast<size_t>(y) * width + x) * 3; }
  const uint8_t* Pixel(int x, int y) const { return rgb.data() + (static_cast<size_t>(y) * width + x) * 3; }
};

// A rectangle of pixels, right and bottom exclusive.
struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

// A picture file's name without its folder, as transcripts show it: the
// same wherever the files lie.
std::string PictureName(const std::string& path);

// Any PNG, its alpha dropped.
bool ReadPng(const std::string& path, Picture* picture, std::string* error);
bool WritePng(const std::string& path, const Picture& picture, std::string* error);

struct PictureDiff {
  bool sameSize = true;
  int64_t pixels = 0;  // differing in red, green or blue
  PixelRect bounds;    // of the differing pixels
};
// Compares two pictures outside the excepted rectangles.
PictureDiff ComparePictures(const Picture& a, const Picture& b, const std::vector<PixelRect>& except);

}  // namespace vsthost

#endif
