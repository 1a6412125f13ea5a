// Which row kernels run: chosen once by what the processor offers.
#include "detail/PIX_RowKernels.h"

#include "PIX_Blend.h"

namespace pix_detail {

#if PIX_X86_KERNELS
extern const RowKernels kSse2RowKernels;
extern const RowKernels kAvx2RowKernels;

const RowKernels* Sse2RowKernels() { return &kSse2RowKernels; }

const RowKernels* Avx2RowKernels()
{
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") ? &kAvx2RowKernels : nullptr;
}
#else
const RowKernels* Sse2RowKernels() { return nullptr; }
const RowKernels* Avx2RowKernels() { return nullptr; }
#endif

const RowKernels* BestRowKernels()
{
  static const RowKernels* const best = [] {
    const RowKernels* avx2 = Avx2RowKernels();
    return avx2 ? avx2 : Sse2RowKernels();
  }();
  return best;
}

BlendRowsFn ChooseBlendRows(const RowKernels& kernels, int32_t mode, int32_t w)
{
  if (w < 1 || w > 256) return nullptr;
  switch (mode & PIX_MODE_BLEND_SELECT) {
    case PIX_MODE_COPY: return w < 256 ? kernels.copyAlpha : nullptr;
    case PIX_MODE_ADD: return kernels.add;
    case PIX_MODE_SOURCE_ALPHA | PIX_MODE_COPY: return w < 256 ? kernels.copySourceAlpha : kernels.copySourceAlphaFull;
    case PIX_MODE_SOURCE_ALPHA | PIX_MODE_ADD: return kernels.addSourceAlpha;
    default: return nullptr;
  }
}

bool SharePixels(PIX_IBitmap* a, PIX_IBitmap* b)
{
  auto extent = [](PIX_IBitmap* bm, uintptr_t* begin, uintptr_t* end) {
    *begin = reinterpret_cast<uintptr_t>(bm->GetBits());
    *end = *begin + (uintptr_t)bm->GetRowSpan() * (uintptr_t)bm->GetHeight() * sizeof(PIX_Pixel);
  };
  uintptr_t a0, a1, b0, b1;
  extent(a, &a0, &a1);
  extent(b, &b0, &b1);
  return a0 < b1 && b0 < a1;
}

}  // namespace pix_detail
