#ifndef PIX_BLITWITHKERNELS_H
#define PIX_BLITWITHKERNELS_H

// The blit, the rectangle fill and the scaled blit with a given set of row
// kernels; null runs the per-pixel loops alone. The public operations pass
// BestRowKernels(); the tests compare every set with none.

#include <cstdint>

#include "PIX_IBitmap.h"
#include "PIX_Rect.h"
#include "PIX_RowPaths.h"

namespace pix_detail {

void BlitRect(const RowKernels* kernels, PIX_IBitmap* dest, PIX_IBitmap* src, int32_t x, int32_t y,
              const PIX_Rect* srcRect, float alpha, int32_t mode);
void FillRect(const RowKernels* kernels, PIX_IBitmap* bitmap, int32_t x, int32_t y, int32_t width, int32_t height,
              PIX_Pixel color, float alpha, int32_t mode);
void ScaledBlit(const RowKernels* kernels, PIX_IBitmap* dest, PIX_IBitmap* src, int32_t destX, int32_t destY,
                int32_t destWidth, int32_t destHeight, float srcX, float srcY, float srcWidth, float srcHeight,
                float alpha, int32_t mode);

}  // namespace pix_detail

#endif
