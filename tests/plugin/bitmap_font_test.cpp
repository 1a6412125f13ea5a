// Widths of texts in the bitmap fonts.

#include <gtest/gtest.h>
#include <string.h>

#include "BitmapFont.h"

TEST(BitmapFont, WidthsOfGlyphs)
{
  const struct {
    const char* text;
    bool atTextStart;
    int width;
  } cases[] = {
      {"Wm", true, 7 + 1 + 7},  // the first wide glyph keeps no blank pixel
      {"mW", false, 1 + 7 + 1 + 7},
      {"I i", true, 3 + 2 + 3},
      {"ab", true, 12},
      {"\ncd", false, 18},  // a second line: its line feed counts as a glyph
      {"", true, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(BitmapFont::TextWidth(c.text, (int)strlen(c.text), c.atTextStart), c.width) << c.text;
  EXPECT_EQ(BitmapFont::CentredX(100, 120, 8), 106);
  EXPECT_EQ(BitmapFont::CentredX(100, 105, 12), 97);  // -3.5 truncated toward zero
}
