// Which row kernels run: chosen once by what the processor offers.
#include "detail/PIX_RowKernels.h"

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

}  // namespace pix_detail
