#ifndef PIX_ROWKERNELS_H
#define PIX_ROWKERNELS_H

// Whole-row forms of the commonest blit, fill and sampling loops in vector
// instructions: one set in SSE2, which every target has, one in AVX2 for
// processors that have it. Each kernel gives exactly the pixels of the
// per-pixel loop it stands in for. An operation picks its kernel once per
// call and runs its own per-pixel loops for every case no kernel covers,
// and for every case at all where it is handed no kernel set: those loops
// are the reference the kernels are tested against.

#include <cstdint>

#include "PIX_IBitmap.h"

namespace pix_detail {

// d[i] combined with s[i], i < n, at weight w.
typedef void (*BlendRowFn)(PIX_Pixel* d, const PIX_Pixel* s, int32_t n, int32_t w);

struct RowKernels {
  // Whole-word mixes of each channel, masked so that no carry crosses:
  // s/2 + d/2; d/2 + d/4 + s/4; d/4 + s/4 + s/2 (weight unused).
  BlendRowFn mixHalf, mixQuarter, mixThreeQuarters;
  // Copy toward the source, weight 1..255.
  BlendRowFn copyAlpha;
  // Copy with source alpha at full weight (weight unused), and at 1..255.
  BlendRowFn copySourceAlphaFull, copySourceAlpha;
  // Add, and add with source alpha, weight 1..256.
  BlendRowFn add, addSourceAlpha;
  // d[i] = color, i < n.
  void (*fill)(PIX_Pixel* d, int32_t n, PIX_Pixel color);
};

// The widest set this processor runs, chosen once; null where the build has none.
const RowKernels* BestRowKernels();
// Each set by itself, null where the build or the processor lacks it.
const RowKernels* Sse2RowKernels();
const RowKernels* Avx2RowKernels();

// The kernel of the blit combiner that mode AND 0x100FF selects at weight
// w, or null where none stands in (copy at full weight is a plain copy,
// which the caller does itself).
BlendRowFn ChooseBlendRow(const RowKernels& kernels, int32_t mode, int32_t w);

// True when the stored pixels of the two bitmaps share memory: a bitmap
// drawn onto itself, which the kernels, reading whole rows ahead of their
// writes, leave to the per-pixel loops.
bool SharePixels(PIX_IBitmap* a, PIX_IBitmap* b);

}  // namespace pix_detail

#endif
