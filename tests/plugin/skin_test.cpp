// The skin layout's reader: every form of line.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SkinLayout.h"

namespace {

std::vector<IRECT> Parse(const char* text)
{
  KIT_TypedBuf<IRECT> rects;
  ParseSkin(text, &rects);
  return std::vector<IRECT>(rects.Get(), rects.Get() + rects.GetSize());
}

std::string Row(const IRECT& r)
{
  return std::to_string(r.L) + " " + std::to_string(r.T) + " " + std::to_string(r.R) + " " + std::to_string(r.B);
}

std::vector<std::string> Rows(const std::vector<IRECT>& rects)
{
  std::vector<std::string> rows;
  for (const IRECT& r : rects) rows.push_back(Row(r));
  return rows;
}

}  // namespace

TEST(SkinLayout, FormsOfLine)
{
  const struct {
    const char* text;
    std::vector<std::string> rects;
  } cases[] = {
      {"46 112", {"46 112 0 0"}},
      {"46 112 9", {"46 112 0 0"}},
      {"1 2 3 4", {"1 2 3 4"}},
      {"1 2 3 4 5 6", {"1 2 3 4"}},
      {"128 154 137 163 8",
       {"128 154 137 163", "138 154 147 163", "148 154 157 163", "158 154 167 163", "168 154 177 163",
        "178 154 187 163", "188 154 197 163", "198 154 207 163"}},
      {"1 2 3 4 0\n5 6", {"5 6 0 0"}},   // a row of none: what follows moves up
      {"1 2 3 4 -2\n5 6", {"5 6 0 0"}},  //
      {"// 15 Swing\n7 8", {"7 8 0 0"}},
      {"7 8 // Swing", {}},         // a "/" anywhere makes a comment
      {"1  2   3 4", {"1 2 3 4"}},  // runs of blanks are one gap
      {"1 2 x 4", {"1 2 0 4"}},     // a word reads 0
      {"\n\n1 2\n\n", {"1 2 0 0"}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Rows(Parse(c.text)), c.rects) << c.text;
}

TEST(SkinLayout, CarriageReturnsChangeNothing)
{
  const char* unix = "// rate\n27 73 59 82\n\n46 112\n152 346 176 361 2\n";
  const char* dos = "// rate\r\n27 73 59 82\r\n\r\n46 112\r\n152 346 176 361 2\r\n";
  EXPECT_EQ(Rows(Parse(dos)), Rows(Parse(unix)));
  EXPECT_EQ(Parse(unix).size(), 4u);
}

TEST(SkinLayoutDeathTest, ALineOfOneNumberIsAFaultOfTheSkin)
{
  EXPECT_DEATH(Parse("1 2\n12\n"), "positions.size\\(\\)>=2");
}
