#ifndef FONTFILE_H
#define FONTFILE_H

// The fonts' pictures as text a person edits, in fonts/ beside these
// sources; each file says at its top how it is written.

#include <string>

#include "PixelFont.h"

// The font of a file, its pictures laid from cell row top of cells
// cellWidth x cellHeight. False, with the file, the line and the fault in
// *error, where the file cannot be read or is no font that fits the cells.
bool ReadPixelFont(const std::string& path, int cellWidth, int cellHeight, int top, PixelFont* font,
                   std::string* error);

// small.txt and tall.txt of the folder, in the cells the editor cuts their strips by.
bool ReadFonts(const std::string& folder, Fonts* fonts, std::string* error);

#endif
