#include "png_reference.h"

#include <zlib.h>

#include <cstdio>
#include <cstring>

namespace {

uint32_t BigEndian32(const uint8_t* p)
{
  return (uint32_t)p[0] << 24 | (uint32_t)p[1] << 16 | (uint32_t)p[2] << 8 | p[3];
}

bool Inflate(const std::vector<uint8_t>& in, std::vector<uint8_t>* out)
{
  z_stream z = {};
  if (inflateInit(&z) != Z_OK) return false;
  z.next_in = const_cast<Bytef*>(in.data());
  z.avail_in = (uInt)in.size();
  uint8_t buffer[65536];
  int rc;
  do {
    z.next_out = buffer;
    z.avail_out = sizeof buffer;
    rc = inflate(&z, Z_NO_FLUSH);
    out->insert(out->end(), buffer, buffer + (sizeof buffer - z.avail_out));
  } while (rc == Z_OK);
  inflateEnd(&z);
  return rc == Z_STREAM_END;
}

int Paeth(int a, int b, int c)
{
  const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

}  // namespace

std::vector<uint8_t> ReadFileBytes(const std::string& path)
{
  std::vector<uint8_t> bytes;
  if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
    uint8_t buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(f);
  }
  return bytes;
}

bool ReferenceDecode(const std::vector<uint8_t>& file, ReferenceImage* image, std::string* error)
{
  static const uint8_t kSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};
  if (file.size() < 8 || std::memcmp(file.data(), kSignature, 8) != 0) return *error = "signature", false;
  uint32_t width = 0, height = 0;
  int depth = 0, colorType = -1, interlace = 0;
  std::vector<uint8_t> palette, transparency, data;
  for (size_t pos = 8; pos + 12 <= file.size();) {
    const uint32_t length = BigEndian32(&file[pos]);
    if (length > file.size() - pos - 12) return *error = "chunk length", false;
    const std::string type(reinterpret_cast<const char*>(&file[pos + 4]), 4);
    const uint8_t* body = &file[pos + 8];
    if (type == "IHDR") {
      width = BigEndian32(body), height = BigEndian32(body + 4);
      depth = body[8], colorType = body[9], interlace = body[12];
    } else if (type == "PLTE") {
      palette.assign(body, body + length);
    } else if (type == "tRNS") {
      transparency.assign(body, body + length);
    } else if (type == "IDAT") {
      data.insert(data.end(), body, body + length);
    } else if (type == "IEND") {
      break;
    }
    pos += 12 + length;
  }
  static const int kChannels[7] = {1, 0, 3, 1, 2, 0, 4};
  if (colorType < 0 || colorType > 6 || !kChannels[colorType] || width == 0 || height == 0)
    return *error = "header", false;
  std::vector<uint8_t> raw;
  if (!Inflate(data, &raw)) return *error = "inflate", false;

  const int channels = kChannels[colorType];
  const int bitsPerPixel = channels * depth;
  const int filterStep = bitsPerPixel >= 8 ? bitsPerPixel / 8 : 1;
  image->width = (int)width, image->height = (int)height;
  image->rgba.assign((size_t)width * height * 4, 0);

  struct Pass {
    int x0, y0, dx, dy;
  };
  static const Pass kAdam7[7] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                 {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
  static const Pass kWhole[1] = {{0, 0, 1, 1}};
  const Pass* passes = interlace ? kAdam7 : kWhole;
  const int passCount = interlace ? 7 : 1;
  size_t at = 0;
  const int maxSample = (1 << depth) - 1;
  auto to8 = [&](uint32_t v) { return (uint8_t)(depth == 16 ? v >> 8 : depth == 8 ? v : v * 255 / maxSample); };

  for (int p = 0; p < passCount; ++p) {
    const Pass& pass = passes[p];
    const uint32_t pw = (width - pass.x0 + pass.dx - 1) / pass.dx, ph = (height - pass.y0 + pass.dy - 1) / pass.dy;
    if (width <= (uint32_t)pass.x0 || height <= (uint32_t)pass.y0 || pw == 0 || ph == 0) continue;
    const size_t stride = ((size_t)pw * bitsPerPixel + 7) / 8;
    std::vector<uint8_t> prev(stride, 0), row(stride);
    for (uint32_t j = 0; j < ph; ++j) {
      if (at + 1 + stride > raw.size()) return *error = "short data", false;
      const int filter = raw[at];
      std::memcpy(row.data(), &raw[at + 1], stride);
      at += 1 + stride;
      for (size_t i = 0; i < stride; ++i) {
        const int a = i >= (size_t)filterStep ? row[i - filterStep] : 0, b = prev[i],
                  c = i >= (size_t)filterStep ? prev[i - filterStep] : 0;
        switch (filter) {
          case 0: break;
          case 1: row[i] = (uint8_t)(row[i] + a); break;
          case 2: row[i] = (uint8_t)(row[i] + b); break;
          case 3: row[i] = (uint8_t)(row[i] + (a + b) / 2); break;
          case 4: row[i] = (uint8_t)(row[i] + Paeth(a, b, c)); break;
          default: return *error = "filter", false;
        }
      }
      auto sample = [&](uint32_t index) -> uint32_t {
        if (depth == 16) return (uint32_t)row[index * 2] << 8 | row[index * 2 + 1];
        if (depth == 8) return row[index];
        const size_t bit = (size_t)index * depth;
        return (row[bit / 8] >> (8 - depth - bit % 8)) & maxSample;
      };
      for (uint32_t i = 0; i < pw; ++i) {
        uint8_t* out = &image->rgba[(((size_t)(pass.y0 + j * pass.dy)) * width + pass.x0 + i * pass.dx) * 4];
        const uint32_t s0 = sample(i * channels);
        switch (colorType) {
          case 0: {
            const bool clear = transparency.size() >= 2 && s0 == ((uint32_t)transparency[0] << 8 | transparency[1]);
            out[0] = out[1] = out[2] = to8(s0), out[3] = clear ? 0 : 255;
            break;
          }
          case 2: {
            const uint32_t s1 = sample(i * 3 + 1), s2 = sample(i * 3 + 2);
            auto t = [&](int k) { return (uint32_t)transparency[2 * k] << 8 | transparency[2 * k + 1]; };
            const bool clear = transparency.size() >= 6 && s0 == t(0) && s1 == t(1) && s2 == t(2);
            out[0] = to8(s0), out[1] = to8(s1), out[2] = to8(s2), out[3] = clear ? 0 : 255;
            break;
          }
          case 3:
            if ((size_t)s0 * 3 + 2 >= palette.size()) return *error = "palette index", false;
            out[0] = palette[s0 * 3], out[1] = palette[s0 * 3 + 1], out[2] = palette[s0 * 3 + 2];
            out[3] = s0 < transparency.size() ? transparency[s0] : 255;
            break;
          case 4: out[0] = out[1] = out[2] = to8(s0), out[3] = to8(sample(i * 2 + 1)); break;
          case 6:
            out[0] = to8(s0), out[1] = to8(sample(i * 4 + 1)), out[2] = to8(sample(i * 4 + 2));
            out[3] = to8(sample(i * 4 + 3));
            break;
        }
      }
      prev = row;
    }
  }
  return true;
}
