// The image generator's font files: a file written as its comment says
// reads back glyph for glyph; a missing or malformed one is refused with
// its name, the line and what is wrong there, and nothing is read.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "FontFile.h"

namespace fs = std::filesystem;

namespace {
// Every glyph a 2 x 2 picture: line 3k + 1 holds the character of glyph k
// (' ' + k), lines 3k + 2 and 3k + 3 its rows.
std::vector<std::string> TinyFont()
{
  std::vector<std::string> lines;
  for (char c = ' '; c <= '~'; ++c) lines.insert(lines.end(), {std::string("'") + c + "'", "#.", ".#"});
  return lines;
}

class FontFile : public ::testing::Test {
protected:
  void SetUp() override
  {
    char pattern[] = "/tmp/tolvo-fonts-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    mFolder = pattern;
  }
  void TearDown() override { fs::remove_all(mFolder); }

  std::string Write(const std::vector<std::string>& lines, const char* end = "\n")
  {
    const std::string path = (mFolder / "font.txt").string();
    std::ofstream file(path, std::ios::binary);
    for (const std::string& line : lines) file << line << end;
    return path;
  }

  fs::path mFolder;
};

TEST_F(FontFile, ReadsEveryGlyphInItsCell)
{
  std::vector<std::string> lines = {"/ a comment", ""};
  // The last glyph first, with a blank line inside its picture.
  const std::vector<std::string> tiny = TinyFont();
  lines.insert(lines.end(), {"'~'", "##", "", ".."});
  lines.insert(lines.end(), tiny.begin(), tiny.end() - 3);
  PixelFont font;
  std::string error;
  ASSERT_TRUE(ReadPixelFont(Write(lines, "\r\n"), 7, 11, 1, &font, &error)) << error;
  ASSERT_EQ(font.glyphs.size(), 95u);
  EXPECT_EQ(font.glyphs['~' - ' '].rows, (std::vector<std::string>{"##", ".."}));
  EXPECT_EQ(font.glyphs['A' - ' '].rows, (std::vector<std::string>{"#.", ".#"}));
  EXPECT_EQ(font.cellWidth, 7);
  EXPECT_EQ(font.cellHeight, 11);
  EXPECT_EQ(font.top, 1);
}

TEST_F(FontFile, RefusesAMalformedFileSayingWhere)
{
  const struct {
    const char* fault;
    std::function<void(std::vector<std::string>&)> spoil;
    const char* error;  // after the file's name
  } cases[] = {
      {"a glyph missing", [](auto& l) { l.resize(l.size() - 3); }, ": no glyph for '~'"},
      {"a glyph twice", [](auto& l) { l[3] = "' '"; }, ":4: ' ' comes again (first at line 1)"},
      {"a character unquoted", [](auto& l) { l[3] = "'!"; }, ":4: a glyph starts with its character"},
      {"two characters", [](auto& l) { l[3] = "'!!'"; }, ":4: a glyph starts with its character"},
      {"a character not printable", [](auto& l) { l[3] = "'\t'"; }, ":4: a glyph starts with its character"},
      {"a row of other marks", [](auto& l) { l[4] = "#o"; }, ":5: a picture row holds only '#' and '.'"},
      {"a row before any glyph", [](auto& l) { l.insert(l.begin(), "##"); }, ":1: a picture row before any glyph"},
      {"rows of two widths", [](auto& l) { l[5] = "#.#"; }, ":6: the row is 3 wide, the first row of '!' 2"},
      {"a glyph wider than its cell", [](auto& l) { l[4] = l[5] = "#......."; }, ":5: the row is 8 wide, its cell 7"},
      {"a glyph with no picture", [](auto& l) { l.erase(l.begin() + 4, l.begin() + 6); }, ":4: '!' has no picture"},
      {"a glyph higher than those before", [](auto& l) { l.insert(l.begin() + 6, ".."); },
       ":4: '!' is 3 rows high, the glyphs before it 2"},
      {"glyphs higher than their cell",
       [](auto& l) {
         std::vector<std::string> taller;
         for (size_t i = 0; i < l.size(); ++i) {
           taller.push_back(l[i]);
           if (i % 3 == 0) taller.insert(taller.end(), 6, "..");
         }
         l = taller;
       },
       ":1: ' ' is 8 rows high; from row 0 its cell holds 7"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> lines = TinyFont();
    c.spoil(lines);
    const std::string path = Write(lines);
    PixelFont font;
    font.cellWidth = -1;
    std::string error;
    EXPECT_FALSE(ReadPixelFont(path, 7, 7, 0, &font, &error)) << c.fault;
    EXPECT_EQ(error.rfind(path + c.error, 0), 0u) << c.fault << ": " << error;
    EXPECT_EQ(font.cellWidth, -1) << c.fault;
    EXPECT_TRUE(font.glyphs.empty()) << c.fault;
  }
}

TEST_F(FontFile, RefusesAMissingFile)
{
  const std::string path = (mFolder / "none.txt").string();
  PixelFont font;
  std::string error;
  EXPECT_FALSE(ReadPixelFont(path, 7, 7, 0, &font, &error));
  EXPECT_EQ(error, path + ": cannot be read: No such file or directory");
}
}  // namespace
