#include <gtest/gtest.h>

#include <png.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "PIX_MemBitmap.h"
#include "PIX_PNG.h"
#include "PIX_SysBitmap.h"
#include "png_reference.h"
#include "png_samples.h"
#include "raster_test_util.h"

namespace {

std::string TempPath(const std::string& name)
{
  std::string base = PIX_TEST_TEMP_DIR;
#if defined(_WIN32)
  if (!base.empty() && base[0] == '/') base = "Z:" + base;
#endif
  return base + "/" + name;
}

const std::vector<const char*> kSuite = {
#include "png_suite_files.inc"
};
const std::vector<const char*> kCrashers = {
#include "png_crasher_files.inc"
};

// Compares a decoded bitmap with the reference decoder's samples.
void ExpectSamples(const ReferenceImage& ref, PIX_IBitmap* bm, const std::string& name)
{
  ASSERT_NE(nullptr, bm) << name;
  ASSERT_EQ(ref.width, bm->GetWidth()) << name;
  ASSERT_EQ(ref.height, bm->GetHeight()) << name;
  for (int y = 0; y < ref.height; ++y)
    for (int x = 0; x < ref.width; ++x) {
      const uint8_t* s = &ref.rgba[((size_t)y * ref.width + x) * 4];
      ASSERT_EQ((RGBA{s[0], s[1], s[2], s[3]}), Channels(At(*bm, x, y))) << name << " at " << x << "," << y;
    }
}

// A bitmap that failed to load into is still a valid bitmap.
void ExpectUsable(PIX_IBitmap& bm)
{
  if (bm.GetWidth() > 0 && bm.GetHeight() > 0) {
    ASSERT_NE(nullptr, bm.GetBits());
    At(bm, bm.GetWidth() - 1, bm.GetHeight() - 1) = 0;
  }
}

// Writes a PNG with libpng's write side: rows of 8- or 16-bit samples.
std::vector<uint8_t> WritePNG(int width, int height, int colorType, int depth, const std::vector<uint16_t>& samples)
{
  std::vector<uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return {};
  }
  png_set_write_fn(
      png, &out,
      [](png_structp p, png_bytep data, png_size_t n) {
        auto* v = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p));
        v->insert(v->end(), data, data + n);
      },
      nullptr);
  png_set_IHDR(png, info, width, height, depth, colorType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  const int channels = colorType == PNG_COLOR_TYPE_RGBA ? 4 : colorType == PNG_COLOR_TYPE_RGB ? 3 : 1;
  const size_t perRow = (size_t)width * channels;
  std::vector<uint8_t> row(perRow * (depth / 8));
  for (int y = 0; y < height; ++y) {
    for (size_t i = 0; i < perRow; ++i) {
      const uint16_t v = samples[y * perRow + i];
      if (depth == 16)
        row[2 * i] = (uint8_t)(v >> 8), row[2 * i + 1] = (uint8_t)v;
      else
        row[i] = (uint8_t)v;
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
  std::FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(nullptr, f) << path;
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

}  // namespace

TEST_F(PNGSamples, EverySuiteImageDecodesToItsSamples)
{
  int decoded = 0;
  for (const char* name : kSuite) {
    const std::vector<uint8_t> bytes = ReadFileBytes(SamplePath(name));
    ASSERT_FALSE(bytes.empty()) << name;
    ReferenceImage ref;
    std::string why;
    ASSERT_TRUE(ReferenceDecode(bytes, &ref, &why)) << name << ": " << why;

    PIX_IBitmap* fromMemory = PIX_LoadPNGFromMemory(bytes.data(), bytes.size(), nullptr);
    ExpectSamples(ref, fromMemory, std::string(name) + " (memory)");
    delete fromMemory;

    PIX_IBitmap* fromFile = PIX_LoadPNG(SamplePath(name).c_str(), nullptr);
    ExpectSamples(ref, fromFile, std::string(name) + " (file)");
    delete fromFile;

    // Into a given bitmap whose row span differs from the image's width.
    PIX_SysBitmap given(581, 3);
    ASSERT_EQ(&given, PIX_LoadPNGFromMemory(bytes.data(), bytes.size(), &given)) << name;
    ExpectSamples(ref, &given, std::string(name) + " (given)");
    ++decoded;
  }
  EXPECT_GT(decoded, 150);
}

TEST_F(PNGSamples, DamagedImagesGiveNull)
{
  for (const char* name : kCrashers) {
    const std::vector<uint8_t> bytes = ReadFileBytes(SamplePath(name));
    ASSERT_FALSE(bytes.empty()) << name;
    EXPECT_EQ(nullptr, PIX_LoadPNGFromMemory(bytes.data(), bytes.size(), nullptr)) << name;
    EXPECT_EQ(nullptr, PIX_LoadPNG(SamplePath(name).c_str(), nullptr)) << name;
    PIX_MemBitmap given(7, 7);
    EXPECT_EQ(nullptr, PIX_LoadPNGFromMemory(bytes.data(), bytes.size(), &given)) << name;
    ExpectUsable(given);
  }
}

TEST_F(PNGSamples, EveryTruncationGivesNull)
{
  for (const char* name : {"pngsuite/basn6a16.png", "pngsuite/interlaced/ibasn3p04.png", "pngsuite/basn0g01.png",
                           "pngsuite/ftbwn0g16.png"}) {
    const std::vector<uint8_t> bytes = ReadFileBytes(SamplePath(name));
    ASSERT_FALSE(bytes.empty()) << name;
    for (size_t length = 0; length < bytes.size(); ++length) {
      // A copy of exactly that many bytes, so a read past it is caught.
      const std::vector<uint8_t> part(bytes.begin(), bytes.begin() + length);
      ASSERT_EQ(nullptr, PIX_LoadPNGFromMemory(part.data(), part.size(), nullptr)) << name << " cut at " << length;
      PIX_MemBitmap given(3, 3);
      ASSERT_EQ(nullptr, PIX_LoadPNGFromMemory(part.data(), part.size(), &given)) << name << " cut at " << length;
      ExpectUsable(given);
    }
  }
  EXPECT_EQ(nullptr, PIX_LoadPNGFromMemory(nullptr, 100, nullptr));
}

TEST_F(PNGSamples, EveryChangedByteGivesNull)
{
  const std::vector<uint8_t> bytes = ReadFileBytes(SamplePath("pngsuite/basn3p02.png"));
  ASSERT_FALSE(bytes.empty());
  for (size_t at = 0; at < bytes.size(); ++at)
    for (uint8_t flip : {0x01, 0x80}) {
      std::vector<uint8_t> damaged = bytes;
      damaged[at] ^= flip;
      PIX_IBitmap* bm = PIX_LoadPNGFromMemory(damaged.data(), damaged.size(), nullptr);
      EXPECT_EQ(nullptr, bm) << "byte " << at << " ^ " << (int)flip;
      delete bm;
    }
}

TEST(PNG, ChannelValuesAsStored)
{
  // 16-bit RGBA keeps the high byte (0x12FF gives 0x12, not a rounded 0x13);
  // no premultiplication.
  const std::vector<uint16_t> rgba16 = {0x12FF, 0x3480, 0xFF00, 0x0101, 0xFFFF, 0x0000, 0x8000, 0x7FFF};
  const std::vector<uint8_t> png16 = WritePNG(2, 1, PNG_COLOR_TYPE_RGBA, 16, rgba16);
  PIX_IBitmap* bm = PIX_LoadPNGFromMemory(png16.data(), png16.size(), nullptr);
  ASSERT_NE(nullptr, bm);
  EXPECT_EQ((RGBA{0x12, 0x34, 0xFF, 0x01}), Channels(At(*bm, 0, 0)));
  EXPECT_EQ((RGBA{0xFF, 0x00, 0x80, 0x7F}), Channels(At(*bm, 1, 0)));
  delete bm;

  // RGB without alpha: alpha 255. An odd width: span and width differ.
  std::vector<uint16_t> rgb;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 581; ++x) rgb.push_back(x & 0xFF), rgb.push_back(y * 40), rgb.push_back((x * 7) & 0xFF);
  const std::vector<uint8_t> png8 = WritePNG(581, 3, PNG_COLOR_TYPE_RGB, 8, rgb);
  bm = PIX_LoadPNGFromMemory(png8.data(), png8.size(), nullptr);
  ASSERT_NE(nullptr, bm);
  EXPECT_EQ(584, bm->GetRowSpan());
  EXPECT_EQ((RGBA{580 & 0xFF, 80, (580 * 7) & 0xFF, 255}), Channels(At(*bm, 580, 2)));
  EXPECT_EQ((RGBA{10, 40, 70, 255}), Channels(At(*bm, 10, 1)));
  delete bm;
}

TEST_F(PNGSamples, FileLoaderByName)
{
  const std::vector<uint8_t> bytes = ReadFileBytes(SamplePath("pngsuite/basn6a08.png"));
  ASSERT_FALSE(bytes.empty());
  for (const char* name : {"by_name.png", "BY_NAME.PNG", "by_name.Png", "by_name.bmp", "by_name_png"})
    WriteFile(TempPath(name), bytes);
  for (const char* name : {"by_name.png", "BY_NAME.PNG", "by_name.Png"}) {
    PIX_IBitmap* bm = PIX_LoadPNGByName(TempPath(name).c_str(), true, nullptr);
    EXPECT_NE(nullptr, bm) << name;
    delete bm;
  }
  EXPECT_EQ(nullptr, PIX_LoadPNGByName(TempPath("by_name.bmp").c_str(), true, nullptr));
  EXPECT_EQ(nullptr, PIX_LoadPNGByName(TempPath("by_name_png").c_str(), true, nullptr));
  PIX_IBitmap* unchecked = PIX_LoadPNGByName(TempPath("by_name.bmp").c_str(), false, nullptr);
  EXPECT_NE(nullptr, unchecked);
  delete unchecked;
  EXPECT_EQ(nullptr, PIX_LoadPNG(TempPath("missing.png").c_str(), nullptr));
  EXPECT_EQ(nullptr, PIX_LoadPNGByName(nullptr, true, nullptr));

  // The loader record is linked in at start-up.
  ASSERT_NE(nullptr, PIX_gImageLoaders);
  EXPECT_STREQ("PNG files (*.PNG)", PIX_gImageLoaders->fileTypes());
  const char* types = PIX_gImageLoaders->fileTypes();
  EXPECT_STREQ("*.PNG", types + std::strlen(types) + 1);
}

TEST_F(PNGSamples, ShortOrForeignDataGivesNull)
{
  const std::vector<uint8_t> bytes = ReadFileBytes(SamplePath("pngsuite/basn6a08.png"));
  ASSERT_GE(bytes.size(), 8u);
  EXPECT_EQ(nullptr, PIX_LoadPNGFromMemory(bytes.data(), 7, nullptr));
  const uint8_t bmp[16] = {'B', 'M', 0x36, 0, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0, 40, 0};
  EXPECT_EQ(nullptr, PIX_LoadPNGFromMemory(bmp, sizeof bmp, nullptr));
}
