#include "FontFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <utility>
#include <vector>

namespace {
constexpr char kFirst = ' ', kLast = '~';
constexpr int kGlyphCount = kLast - kFirst + 1;

std::string Quoted(char c) { return std::string("'") + c + "'"; }

// The file's lines, each glyph's picture checked as it ends.
class FontReader {
public:
  FontReader(const std::string& path, int cellWidth, int cellHeight, int top, std::string* error)
    : mPath(path), mError(error), mHeaderLine(kGlyphCount, 0)
  {
    mFont.glyphs.assign(kGlyphCount, Glyph());
    mFont.cellWidth = cellWidth, mFont.cellHeight = cellHeight, mFont.top = top;
  }

  bool Line(int number, const std::string& line)
  {
    if (line.empty() || line[0] == '/') return true;
    if (line[0] == '\'') return EndGlyph() && StartGlyph(number, line);
    if (mGlyph < 0) return Fail(number, "a picture row before any glyph's character");
    if (line.find_first_not_of("#.") != std::string::npos) return Fail(number, "a picture row holds only '#' and '.'");
    std::vector<std::string>& rows = mFont.glyphs[mGlyph].rows;
    if (!rows.empty() && line.size() != rows[0].size())
      return Fail(number, "the row is " + std::to_string(line.size()) + " wide, the first row of " +
                              Quoted(kFirst + mGlyph) + " " + std::to_string(rows[0].size()));
    if ((int)line.size() > mFont.cellWidth)
      return Fail(number,
                  "the row is " + std::to_string(line.size()) + " wide, its cell " + std::to_string(mFont.cellWidth));
    rows.push_back(line);
    return true;
  }

  // The font, once every glyph is read.
  bool End(PixelFont* font)
  {
    if (!EndGlyph()) return false;
    for (int k = 0; k < kGlyphCount; ++k)
      if (mHeaderLine[k] == 0) return Fail(0, "no glyph for " + Quoted(kFirst + k));
    *font = std::move(mFont);
    return true;
  }

  bool Fail(int number, const std::string& fault)
  {
    *mError = mPath + (number > 0 ? ":" + std::to_string(number) : "") + ": " + fault;
    return false;
  }

private:
  bool StartGlyph(int number, const std::string& line)
  {
    if (line.size() != 3 || line[2] != '\'' || line[1] < kFirst || line[1] > kLast)
      return Fail(number, "a glyph starts with its character, printable ASCII between single quotes, as 'A'");
    const int k = line[1] - kFirst;
    if (mHeaderLine[k] != 0)
      return Fail(number, Quoted(line[1]) + " comes again (first at line " + std::to_string(mHeaderLine[k]) + ")");
    mGlyph = k, mHeaderLine[k] = number;
    return true;
  }

  // Every picture as high as the first, and within its cell.
  bool EndGlyph()
  {
    if (mGlyph < 0) return true;
    const int number = mHeaderLine[mGlyph], height = (int)mFont.glyphs[mGlyph].rows.size();
    const std::string glyph = Quoted(kFirst + mGlyph);
    if (height == 0) return Fail(number, glyph + " has no picture");
    if (mHeight == 0) mHeight = height;
    if (height != mHeight)
      return Fail(number, glyph + " is " + std::to_string(height) + " rows high, the glyphs before it " +
                              std::to_string(mHeight));
    if (mFont.top + height > mFont.cellHeight)
      return Fail(number, glyph + " is " + std::to_string(height) + " rows high; from row " +
                              std::to_string(mFont.top) + " its cell holds " +
                              std::to_string(mFont.cellHeight - mFont.top));
    mGlyph = -1;
    return true;
  }

  const std::string& mPath;
  std::string* mError;
  PixelFont mFont;
  std::vector<int> mHeaderLine;  // of each glyph read, 0 for none yet
  int mGlyph = -1;               // the glyph whose picture is being read
  int mHeight = 0;               // of the pictures read
};
}  // namespace

bool ReadPixelFont(const std::string& path, int cellWidth, int cellHeight, int top, PixelFont* font, std::string* error)
{
  FontReader reader(path, cellWidth, cellHeight, top, error);
  std::ifstream file(path, std::ios::binary);
  if (!file) return reader.Fail(0, std::string("cannot be read: ") + std::strerror(errno));
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!reader.Line(number, line)) return false;
  }
  if (file.bad()) return reader.Fail(0, std::string("cannot be read: ") + std::strerror(errno));
  return reader.End(font);
}

bool ReadFonts(const std::string& folder, Fonts* fonts, std::string* error)
{
  return ReadPixelFont(folder + "/small.txt", 7, 7, 0, &fonts->small, error) &&
         ReadPixelFont(folder + "/tall.txt", 7, 11, 1, &fonts->tall, error);
}
