#ifndef PIX_SCALEDROWS_H
#define PIX_SCALEDROWS_H

// The scaled blit a row at a time: nearest and bilinear samples gathered
// into whole rows and laid onto the destination with the row kernels.

#include <cstdint>

#include "PIX_IBitmap.h"
#include "PIX_RowKernels.h"
#include "PIX_Sampling.h"

namespace pix_detail {

// A scaled blit once clipped: destination pixel (i, j) samples the source
// at 16.16 position (cx + i x idx, cy + j x idy) within the bounds.
struct ScaleJob {
  PIX_Rows dest;  // at the first drawn pixel
  int32_t width, height;
  int64_t cx, cy;    // 16.16 position of the first sample
  int64_t idx, idy;  // 16.16 steps
  Bounds bounds;
};

// Bilinear taps are made for every source column a strip spans, which pays
// while the columns a row samples lie close: up to a step of 8 (16.16).
constexpr int64_t kMostTapStep = 8 * 65536;

// Draws the job with nearest or bilinear samples, stored where blend is
// null, else laid on with it at weight w; the source rows lie apart from
// the destination pixels.
void ScaleRows(const RowKernels& kernels, const ScaleJob& job, const SourceRows& src, bool bilinear, BlendRowsFn blend,
               int32_t w);

}  // namespace pix_detail

#endif
