// Draws the editor's images into <folder>/images from the skin layout text;
// with --preview, also the editor as they put it together.
//
//   make_skin_art <skin.txt> <folder> [--preview <closed.png> <about.png>]

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

#include "Artwork.h"
#include "FontFile.h"
#include "PIX_PNGWrite.h"
#include "Preview.h"
#include "SkinLayout.h"

namespace {
bool Save(const Canvas& canvas, const std::string& path)
{
  if (PIX_SavePNG(canvas.ToBitmap().get(), path.c_str())) return true;
  std::fprintf(stderr, "make_skin_art: cannot write %s\n", path.c_str());
  return false;
}
}  // namespace

int main(int argc, char** argv)
{
  const bool preview = argc == 6 && std::strcmp(argv[3], "--preview") == 0;
  if (argc != 3 && !preview) {
    std::fprintf(stderr, "usage: make_skin_art <skin.txt> <folder> [--preview <closed.png> <about.png>]\n");
    return 2;
  }
  std::ifstream file(argv[1], std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  KIT_TypedBuf<IRECT> rects;
  ParseSkin(text.str().c_str(), &rects);
  const std::vector<IRECT> skin(rects.Get(), rects.Get() + rects.GetSize());
  if (!file || skin.size() != kSkinRectCount) {
    std::fprintf(stderr, "make_skin_art: %s is not the editor's skin layout\n", argv[1]);
    return 1;
  }

  Fonts fonts;
  std::string error;
  if (!ReadFonts(SKIN_ART_FONTS, &fonts, &error)) {
    std::fprintf(stderr, "make_skin_art: %s\n", error.c_str());
    return 1;
  }

  const std::string folder = argv[2];
  mkdir((folder + "/images").c_str(), 0777);
  std::map<std::string, Canvas> images;
  for (const Artwork& art : AllArtwork(skin, fonts)) {
    const Canvas& canvas = images.emplace(art.file, art.draw(art.frameWidth, art.frameHeight)).first->second;
    if (canvas.Width() != art.frameWidth || canvas.Height() != art.frameHeight * art.frames) {
      std::fprintf(stderr, "make_skin_art: %s came out %d x %d\n", art.file.c_str(), canvas.Width(), canvas.Height());
      return 1;
    }
    if (!Save(canvas, folder + "/" + art.file)) return 1;
  }
  if (preview &&
      !(Save(Preview(skin, images, fonts, false), argv[4]) && Save(Preview(skin, images, fonts, true), argv[5])))
    return 1;
  return 0;
}
