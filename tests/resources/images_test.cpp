// The committed images: the generator draws them again pixel for pixel;
// each is 8-bit RGBA of the size and frame count the editor cuts it by; the
// fonts keep every glyph inside the cell and advance the editor gives it;
// animated strips change from frame to frame.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>

#include "PIX_IBitmap.h"
#include "PIX_PNG.h"
#include "PIX_RectOps.h"

namespace fs = std::filesystem;

namespace {
struct Image {
  const char* file;
  int width, frameHeight, frames;
};

const Image kImages[] = {
    {"background.png", 581, 400, 1},
    {"knob_bip.png", 36, 36, 127},
    {"stepsonoff.png", 24, 15, 2},
    {"onoff.png", 25, 20, 2},
    {"font.png", 7, 7, 95},
    {"knob_uni.png", 36, 36, 127},
    {"SE_note.png", 22, 6, 30},
    {"steplenghtbar.png", 399, 9, 17},
    {"incomingnoteled.png", 13, 13, 30},
    {"SE_editmode.png", 44, 15, 2},
    {"font_black.png", 7, 11, 95},
    {"knob_bip_25frames(transpose).png", 36, 36, 25},
    {"knob_uni_5frames(octaves).png", 36, 36, 5},
    {"knob_uni_16frames(steps).png", 36, 36, 16},
    {"cc_teach_button.png", 23, 9, 2},
    {"knob_beat_15frames.png", 36, 36, 15},
    {"aboutbox.png", 230, 168, 1},
    {"aboutbox_midiout.png", 230, 168, 1},
};

std::string Committed(const std::string& file) { return RESOURCES_DIR "/images/" + file; }

std::unique_ptr<PIX_IBitmap> Load(const std::string& path)
{
  return std::unique_ptr<PIX_IBitmap>(PIX_LoadPNG(path.c_str(), nullptr));
}

uint8_t Alpha(PIX_IBitmap* b, int x, int y) { return PIX_PixelA(PIX_RowsAt(b, y).row[x]); }

bool FramesEqual(PIX_IBitmap* b, int frameHeight, int k1, int k2)
{
  for (int y = 0; y < frameHeight; ++y)
    for (int x = 0; x < b->GetWidth(); ++x)
      if (PIX_RowsAt(b, k1 * frameHeight + y).row[x] != PIX_RowsAt(b, k2 * frameHeight + y).row[x]) return false;
  return true;
}

// The editor's glyph advances.
int Advance(char c)
{
  if (c == ' ') return 2;
  if (c == 'I' || c == 'i') return 3;
  if (c == 'm' || c == 'M' || c == 'w' || c == 'W') return 7;
  return 6;
}
}  // namespace

TEST(Images, GeneratorDrawsTheCommittedImages)
{
  char pattern[] = "/tmp/tolvo-images-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const fs::path folder = pattern;
  const std::string command =
      std::string("'") + MAKE_SKIN_ART + "' '" + RESOURCES_DIR + "/skin/skin.txt' '" + folder.string() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;

  std::set<std::string> drawn, committed;
  for (const auto& entry : fs::directory_iterator(folder / "images")) drawn.insert(entry.path().filename().string());
  for (const auto& entry : fs::directory_iterator(RESOURCES_DIR "/images"))
    committed.insert(entry.path().filename().string());
  EXPECT_EQ(drawn, committed);
  EXPECT_EQ(drawn.size(), sizeof kImages / sizeof kImages[0]);

  for (const std::string& file : drawn) {
    std::unique_ptr<PIX_IBitmap> fresh = Load((folder / "images" / file).string());
    std::unique_ptr<PIX_IBitmap> kept = Load(Committed(file));
    ASSERT_TRUE(fresh && kept) << file;
    ASSERT_EQ(fresh->GetWidth(), kept->GetWidth()) << file;
    ASSERT_EQ(fresh->GetHeight(), kept->GetHeight()) << file;
    PIX_DiffRect diff;
    EXPECT_EQ(PIX_CompareBitmaps(fresh.get(), kept.get(), &diff), 0)
        << file << " differs in " << diff.x << "," << diff.y << " " << diff.width << "x" << diff.height
        << "; cmake --build <build> --target skin_art draws it anew";
  }
  fs::remove_all(folder);
}

TEST(Images, AreEightBitRgbaOfTheirSizeAndFrames)
{
  for (const Image& image : kImages) {
    std::ifstream file(Committed(image.file), std::ios::binary);
    uint8_t header[26] = {};
    file.read(reinterpret_cast<char*>(header), sizeof header);
    ASSERT_TRUE(file) << image.file;
    EXPECT_EQ(std::string(reinterpret_cast<char*>(header + 12), 4), "IHDR") << image.file;
    const uint32_t width = header[16] << 24 | header[17] << 16 | header[18] << 8 | header[19];
    const uint32_t height = header[20] << 24 | header[21] << 16 | header[22] << 8 | header[23];
    EXPECT_EQ(width, (uint32_t)image.width) << image.file;
    EXPECT_EQ(height, (uint32_t)(image.frameHeight * image.frames)) << image.file;
    EXPECT_EQ(header[24], 8) << image.file << ": bit depth";
    EXPECT_EQ(header[25], 6) << image.file << ": colour type";
  }
}

// The editor copies the background without its alpha.
TEST(Images, BackgroundIsOpaque)
{
  std::unique_ptr<PIX_IBitmap> b = Load(Committed("background.png"));
  ASSERT_TRUE(b);
  for (int y = 0; y < b->GetHeight(); ++y)
    for (int x = 0; x < b->GetWidth(); ++x) ASSERT_EQ(Alpha(b.get(), x, y), 255) << x << "," << y;
}

// A glyph is drawn only as wide as its advance, and the light font only six
// rows high in the status line; the last drawn column stays blank so that
// glyphs never touch.
TEST(Images, FontGlyphsFitTheirAdvanceAndDiffer)
{
  const struct {
    const char* file;
    int cellHeight, inkRows;
  } fonts[] = {{"font.png", 7, 6}, {"font_black.png", 11, 11}};
  for (const auto& font : fonts) {
    std::unique_ptr<PIX_IBitmap> strip = Load(Committed(font.file));
    ASSERT_TRUE(strip) << font.file;
    for (int k = 0; k < 95; ++k) {
      const char c = (char)(' ' + k);
      int ink = 0;
      for (int y = 0; y < font.cellHeight; ++y)
        for (int x = 0; x < 7; ++x) {
          if (Alpha(strip.get(), x, k * font.cellHeight + y) == 0) continue;
          ++ink;
          EXPECT_LT(x, Advance(c) - 1) << font.file << " '" << c << "' at column " << x;
          EXPECT_LT(y, font.inkRows) << font.file << " '" << c << "' at row " << y;
        }
      EXPECT_EQ(ink > 0, c != ' ') << font.file << " '" << c << "'";
      for (int other = 0; other < k; ++other)
        EXPECT_FALSE(FramesEqual(strip.get(), font.cellHeight, k, other))
            << font.file << ": '" << c << "' looks like '" << (char)(' ' + other) << "'";
    }
  }
}

// Every step of a knob, of the lights and of the switches shows.
TEST(Images, StripFramesDifferFromTheirNeighbours)
{
  for (const Image& image : kImages) {
    if (image.frames < 2 || std::string(image.file).rfind("font", 0) == 0) continue;
    std::unique_ptr<PIX_IBitmap> strip = Load(Committed(image.file));
    ASSERT_TRUE(strip) << image.file;
    for (int k = 1; k < image.frames; ++k)
      EXPECT_FALSE(FramesEqual(strip.get(), image.frameHeight, k - 1, k))
          << image.file << " frames " << k << ", " << k + 1;
  }
}
