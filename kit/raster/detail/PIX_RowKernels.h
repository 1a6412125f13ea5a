#ifndef PIX_ROWKERNELS_H
#define PIX_ROWKERNELS_H

// Whole-row forms of the commonest blit, fill and sampling loops in vector
// instructions: one set in SSE2, which every target has, one in AVX2 for
// processors that have it. Each kernel gives exactly the pixels of the
// per-pixel loop it stands in for; which of them serves a call, or which
// of the operation's own loops, the table in PIX_RowPaths.h says.

#include <cstdint>

#include "PIX_IBitmap.h"

namespace pix_detail {

// d[i] combined with s[i], i < n, at weight w, over rows rows: each next
// row of d starts dStep pixels on, of s sStep pixels on (0 repeats a row).
typedef void (*BlendRowsFn)(PIX_Pixel* d, ptrdiff_t dStep, const PIX_Pixel* s, ptrdiff_t sStep, int32_t n, int32_t rows,
                            int32_t w);

// A source pixel's bilinear neighbourhood (p00 the pixel, p01 right of it,
// p10 below, p11 below right) as 16-bit pairs per channel, in byte order:
// ab holds (p01 - p00, p10 - p00), cn (p11 - p10 - p01 + p00, -(p00 + p11)).
// With the weight pairs (fx - 32768, fy - 32768) and (f - 32768, -32768),
// f = (fx x fy) >> 16, the pairs' products sum to the bilinear channel sum
// p00 x w00 + p01 x w01 + p10 x w10 + p11 x w11, and every factor fits a
// signed 16-bit lane. Kernels may read and write a whole entry at once.
struct BilinearTaps {
  int16_t ab[8];
  int16_t cn[8];
};

struct RowKernels {
  // Whole-word mixes of each channel, masked so that no carry crosses:
  // s/2 + d/2; d/2 + d/4 + s/4; d/4 + s/4 + s/2 (weight unused).
  BlendRowsFn mixHalf, mixQuarter, mixThreeQuarters;
  // Copy toward the source, weight 1..255.
  BlendRowsFn copyAlpha;
  // Copy with source alpha at full weight (weight unused), and at 1..255.
  BlendRowsFn copySourceAlphaFull, copySourceAlpha;
  // Add, and add with source alpha, weight 1..256.
  BlendRowsFn add, addSourceAlpha;
  // d[i] = color, i < n, over rows rows dStep pixels apart.
  void (*fill)(PIX_Pixel* d, ptrdiff_t dStep, int32_t n, int32_t rows, PIX_Pixel color);
  // out[i] = row[cols[i]], i < n: nearest samples.
  void (*nearestRow)(PIX_Pixel* out, const PIX_Pixel* row, const int32_t* cols, int32_t n);
  // taps[k], k < n, of the rows r0 (above) and r1 (below); reads r0[0..n]
  // and r1[0..n].
  void (*bilinearTaps)(BilinearTaps* taps, const PIX_Pixel* r0, const PIX_Pixel* r1, int32_t n);
  // out[i], i < n: the bilinear sample of taps[cols[i]] at the fractions
  // fx[i] and fy (0..65535 each).
  void (*bilinearRow)(PIX_Pixel* out, const BilinearTaps* taps, const int32_t* cols, const uint16_t* fx, uint32_t fy,
                      int32_t n);
};

// The widest set this processor runs, chosen once; null where the build has none.
const RowKernels* BestRowKernels();
// Each set by itself, null where the build or the processor lacks it.
const RowKernels* Sse2RowKernels();
const RowKernels* Avx2RowKernels();

}  // namespace pix_detail

#endif
