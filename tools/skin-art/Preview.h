#ifndef PREVIEW_H
#define PREVIEW_H

// The editor as the images and the skin put it together, for looking at the
// artwork: every control in a typical state, with its text in the fonts.

#include <map>
#include <string>
#include <vector>

#include "Artwork.h"

// Images by file name; with the about box open, or not.
Canvas Preview(const std::vector<IRECT>& skin, const std::map<std::string, Canvas>& images, const Fonts& fonts,
               bool aboutOpen);

#endif
