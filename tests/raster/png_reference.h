#ifndef PNG_REFERENCE_H
#define PNG_REFERENCE_H

// An independent PNG decoder for the tests (zlib only): raw samples as
// 8-bit R, G, B, A per pixel, the high byte of 16-bit samples, grey copied
// to R, G and B, low bit depths scaled to 8 bits, alpha 255 where the image
// has none, transparency chunks applied at the image's own depth.

#include <cstdint>
#include <string>
#include <vector>

struct ReferenceImage {
  int width = 0, height = 0;
  std::vector<uint8_t> rgba;  // width x height x 4
};

// False, with a reason, for anything it cannot decode.
bool ReferenceDecode(const std::vector<uint8_t>& file, ReferenceImage* image, std::string* error);

std::vector<uint8_t> ReadFileBytes(const std::string& path);

#endif
