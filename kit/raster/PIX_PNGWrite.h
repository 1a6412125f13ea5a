// PNG encoding of PIX bitmaps: 8-bit RGBA (colour type 6), the same file
// from either pixel layout. For tests, goldens and generated artwork.
#pragma once

#include "PIX_IBitmap.h"

// File name in UTF-8 (plain bytes on Windows). False when the bitmap is
// empty or the file cannot be written.
bool PIX_SavePNG(PIX_IBitmap* bitmap, const char* fileName);
