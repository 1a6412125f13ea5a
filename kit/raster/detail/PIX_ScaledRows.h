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

// Draws the job with nearest (bilinear when the filter field is 1)
// sampling. False, drawing nothing, where the kernels do not cover the mode
// and weight, the two bitmaps share pixels, or bilinear samples lie so far
// apart that the per-pixel loops are quicker.
bool ScaleRows(const RowKernels& kernels, const ScaleJob& job, PIX_IBitmap* dest, PIX_IBitmap* src, int32_t mode,
               int32_t w);

}  // namespace pix_detail

#endif
