#ifndef PIX_ROTATEDBLIT_H
#define PIX_ROTATEDBLIT_H

// Blits through a general mapping from destination pixels to source
// positions: rotation about the rectangle's centre, caller-given affine
// steps, and a grid of source points drawn cell by cell.

#include <cstdint>

#include "PIX_IBitmap.h"

void PIX_RotatedBlit(PIX_IBitmap* dest, PIX_IBitmap* src, int32_t destX, int32_t destY, int32_t destWidth,
                     int32_t destHeight, float srcX, float srcY, float srcWidth, float srcHeight, float angle,
                     bool clipToSource, float alpha, int32_t mode, float centerOffsetX, float centerOffsetY);

// s is the source x, t the source y: steps per destination pixel (dsdx,
// dtdx) and per row (dsdy, dtdy); dsdxdy, dtdxdy grow the per-pixel steps
// after each row.
void PIX_AffineBlit(PIX_IBitmap* dest, PIX_IBitmap* src, int32_t destX, int32_t destY, int32_t destWidth,
                    int32_t destHeight, float srcX, float srcY, float srcWidth, float srcHeight, double dsdx,
                    double dtdx, double dsdy, double dtdy, double dsdxdy, double dtdxdy, bool clipToSource, float alpha,
                    int32_t mode);

// points: columns x rows (x, y) pairs, row-major.
void PIX_MeshBlit(PIX_IBitmap* dest, PIX_IBitmap* src, int32_t destX, int32_t destY, int32_t destWidth,
                  int32_t destHeight, const float* points, int32_t columns, int32_t rows, float alpha, int32_t mode);

#endif
