#include "Skin.h"

#include <cstdlib>
#include <sstream>

bool ParseSkin(const std::string& text, std::vector<SkinRect>* rects, std::string* badLine)
{
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    // A blank line written with "\r\n" leaves its "\r".
    if (line.size() <= 1 || line.find('/') != std::string::npos) continue;
    std::istringstream pieces(line);
    std::vector<int> n;
    std::string piece;
    while (pieces >> piece) n.push_back(std::atoi(piece.c_str()));
    if (n.size() < 2) {
      *badLine = line;
      return false;
    }
    if (n.size() <= 3) {
      rects->push_back(SkinRect{n[0], n[1], 0, 0});
    } else if (n.size() == 5) {
      const int w = n[2] - n[0] + 1;
      for (int k = 0; k < n[4]; ++k) rects->push_back(SkinRect{n[0] + k * w, n[1], n[2] + k * w, n[3]});
    } else {
      rects->push_back(SkinRect{n[0], n[1], n[2], n[3]});
    }
  }
  return true;
}
