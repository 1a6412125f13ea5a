#ifndef SKINLAYOUT_H
#define SKINLAYOUT_H

// The skin layout: the text that says where each control of the editor
// sits, as a list of rectangles addressed by their position. Lines end in
// "\n" or "\r\n"; a line with a "/" is a comment. Other lines hold numbers
// between single blanks: two or three give a top-left corner (L, T, 0, 0),
// four a rectangle, five a row of n rectangles side by side (the fifth
// number), six or more a rectangle from the first four. Read once, while
// the plug-in is built.

#include "IGraphicRecords.h"
#include "KIT_TypedBuf.h"

// Appends the rectangles of the text (up to its terminator) to *pRects. A
// line with fewer than two numbers is a fault of the skin and stops the
// plug-in.
void ParseSkin(const char* text, KIT_TypedBuf<IRECT>* pRects);

#endif
