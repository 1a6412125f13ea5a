#ifndef PIX_SCALEDBLIT_H
#define PIX_SCALEDBLIT_H

// A float source rectangle stretched, shrunk or mirrored (negative dest size)
// onto an integer destination rectangle; the mode's filter field 1 asks for
// bilinear sampling, or a box filter when shrinking by 1.7 or more.

#include <cstdint>

#include "PIX_IBitmap.h"

void PIX_ScaledBlit(PIX_IBitmap* dest, PIX_IBitmap* src, int32_t destX, int32_t destY, int32_t destWidth,
                    int32_t destHeight, float srcX, float srcY, float srcWidth, float srcHeight, float alpha,
                    int32_t mode);

#endif
