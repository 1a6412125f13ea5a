// The shipped skin layout text: the rectangles the editor and the image
// generator read from it, and the forms its lines are written in.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "SkinLayout.h"
#include "SkinRects.h"

namespace {
std::string ShippedText()
{
  std::ifstream file(RESOURCES_DIR "/skin/skin.txt", std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

std::vector<IRECT> Parse(const std::string& text)
{
  KIT_TypedBuf<IRECT> rects;
  ParseSkin(text.c_str(), &rects);
  return std::vector<IRECT>(rects.Get(), rects.Get() + rects.GetSize());
}
}  // namespace

TEST(ShippedSkin, YieldsTheEditorsRectanglesInOrder)
{
  const IRECT expected[] = {
      {46, 112, 0, 0},      {27, 73, 59, 82},     {65, 72, 110, 83},    {127, 73, 209, 82},   {127, 113, 209, 122},
      {228, 112, 0, 0},     {417, 112, 0, 0},     {497, 112, 0, 0},     {80, 308, 0, 0},      {155, 116, 385, 284},
      {435, 0, 572, 41},    {310, 129, 357, 139}, {283, 146, 394, 176}, {226, 9, 355, 22},    {169, 28, 187, 35},
      {197, 28, 215, 35},   {367, 18, 385, 25},   {395, 18, 413, 25},   {365, 28, 388, 37},   {393, 28, 416, 37},
      {14, 11, 0, 0},       {128, 154, 137, 163}, {138, 154, 147, 163}, {148, 154, 157, 163}, {158, 154, 167, 163},
      {168, 154, 177, 163}, {178, 154, 187, 163}, {188, 154, 197, 163}, {198, 154, 207, 163}, {238, 69, 263, 89},
      {297, 73, 379, 82},   {297, 113, 312, 122}, {313, 113, 325, 122}, {331, 113, 379, 122}, {408, 73, 504, 82},
      {510, 73, 530, 82},   {536, 73, 554, 82},   {29, 198, 53, 217},   {34, 235, 59, 255},   {110, 246, 0, 0},
      {34, 255, 59, 275},   {34, 275, 59, 295},   {30, 298, 0, 0},      {149, 202, 553, 354}, {152, 346, 176, 361},
      {177, 346, 201, 361}, {202, 346, 226, 361}, {227, 346, 251, 361}, {252, 346, 276, 361}, {277, 346, 301, 361},
      {302, 346, 326, 361}, {327, 346, 351, 361}, {352, 346, 376, 361}, {377, 346, 401, 361}, {402, 346, 426, 361},
      {427, 346, 451, 361}, {452, 346, 476, 361}, {477, 346, 501, 361}, {502, 346, 526, 361}, {527, 346, 551, 361},
      {152, 205, 550, 220}, {148, 400, 552, 653}, {500, 400, 916, 653}, {570, 173, 670, 182}, {570, 200, 670, 209},
      {286, 128, 370, 139},
  };
  const std::vector<IRECT> rects = Parse(ShippedText());
  ASSERT_EQ(rects.size(), size_t{kSkinRectCount});
  ASSERT_EQ(rects.size(), sizeof expected / sizeof expected[0]);
  for (size_t i = 0; i < rects.size(); ++i)
    EXPECT_TRUE(rects[i] == expected[i]) << "rectangle " << i << ": " << rects[i].L << " " << rects[i].T << " "
                                         << rects[i].R << " " << rects[i].B;
}

// Knobs and the note light by their corner; the sort slots and the step
// buttons as one repeated line each; every other rectangle in full.
TEST(ShippedSkin, WritesEachRectangleInItsForm)
{
  std::istringstream lines(ShippedText());
  std::string line;
  std::vector<size_t> counts;
  std::vector<std::string> repeats;
  while (std::getline(lines, line)) {
    if (line.empty() || line.find('/') != std::string::npos) continue;
    std::istringstream numbers(line);
    int n, count = 0;
    while (numbers >> n) ++count;
    counts.push_back(count);
    if (count == 5) repeats.push_back(line);
  }
  std::vector<size_t> corners;
  for (size_t i = 0; i < counts.size(); ++i)
    if (counts[i] == 2) corners.push_back(i);
  // Line i holds rectangle i up to the sort slots, i + 7 after them, i + 22 after the step buttons.
  EXPECT_EQ(corners, (std::vector<size_t>{0, 5, 6, 7, 8, 20, 32, 35}));
  EXPECT_EQ(repeats, (std::vector<std::string>{"128 154 137 163 8", "152 346 176 361 16"}));
  EXPECT_EQ(counts.size(), 66u - 7 - 15);
  for (size_t count : counts) EXPECT_TRUE(count == 2 || count == 4 || count == 5);
}

TEST(ShippedSkin, HasPlainLinesOnly)
{
  const std::string text = ShippedText();
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.find('\t'), std::string::npos);
  EXPECT_EQ(text.find('\r'), std::string::npos);
  EXPECT_EQ(text.back(), '\n');
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line))
    EXPECT_TRUE(line.empty() || line.find_first_not_of(' ') != std::string::npos) << "a line of blanks only";
}
