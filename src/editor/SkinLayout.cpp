#include "SkinLayout.h"

#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "IFxCheck.h"

namespace {

void Append(KIT_TypedBuf<IRECT>* pRects, const IRECT& r)
{
  if (IRECT* last = pRects->Append()) *last = r;
}

// The pieces between blanks, each read as atoi reads it (a trailing "\r"
// is ignored, a word reads 0).
std::vector<int> Numbers(const std::string& line)
{
  std::vector<int> positions;
  for (size_t start = 0; start < line.size();) {
    size_t end = line.find(' ', start);
    if (end == std::string::npos) end = line.size();
    if (end > start) positions.push_back(atoi(line.substr(start, end - start).c_str()));
    start = end + 1;
  }
  return positions;
}

void AddLine(const std::string& line, KIT_TypedBuf<IRECT>* pRects)
{
  // A comment, or what is left of a blank line written with "\r\n".
  if (line.find('/') != std::string::npos || line.size() == 1) return;
  const std::vector<int> positions = Numbers(line);
  // clang-format off
  IFX_CHECK(positions.size()>=2);
  // clang-format on
  const int L = positions[0], T = positions[1];
  switch (positions.size()) {
    case 2:
    case 3: Append(pRects, IRECT(L, T, 0, 0)); break;
    case 5: {
      const int R = positions[2], B = positions[3], w = R - L + 1;
      for (int k = 0; k < positions[4]; ++k) Append(pRects, IRECT(L + k * w, T, R + k * w, B));
      break;
    }
    default: Append(pRects, IRECT(L, T, positions[2], positions[3])); break;
  }
}

}  // namespace

void ParseSkin(const char* text, KIT_TypedBuf<IRECT>* pRects)
{
  if (!text) return;
  for (const char* start = text; *start;) {
    const char* end = strchr(start, '\n');
    if (!end) end = start + strlen(start);
    if (end > start) AddLine(std::string(start, end), pRects);
    start = *end ? end + 1 : end;
  }
}
