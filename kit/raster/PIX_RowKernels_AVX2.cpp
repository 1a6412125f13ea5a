// The row kernels in AVX2: two 128-bit lanes of four pixels each. This file
// alone is built for AVX2, and its kernels run only where the processor
// has it.
#include <immintrin.h>

#include "detail/PIX_RowKernels.h"

namespace {

struct Avx2 {
  using Vec = __m256i;
  static constexpr int32_t kLanes = 2;
  static constexpr int kAllBytes = -1;  // MoveMask8 with every byte set

  static Vec Load(const void* p) { return _mm256_loadu_si256(static_cast<const __m256i*>(p)); }
  static void Store(void* p, Vec v) { _mm256_storeu_si256(static_cast<__m256i*>(p), v); }
  // base[index[i]] into lane i.
  static Vec Gather(const PIX_Pixel* base, const int32_t* index)
  {
    return _mm256_i32gather_epi32(reinterpret_cast<const int*>(base), Load(index), 4);
  }
  // One 16-bit number into each 32-bit lane.
  static Vec LoadWords(const uint16_t* p) { return _mm256_cvtepu16_epi32(_mm_loadu_si128((const __m128i*)p)); }
  // The taps of each lane's pixel: ab and cn side by side in memory, a lane each.
  static void LoadTaps(const pix_detail::BilinearTaps& lane0, const pix_detail::BilinearTaps& lane1, Vec* ab, Vec* cn)
  {
    const Vec t0 = Load(&lane0), t1 = Load(&lane1);
    *ab = _mm256_permute2x128_si256(t0, t1, 0x20), *cn = _mm256_permute2x128_si256(t0, t1, 0x31);
  }
  static void StoreTaps(pix_detail::BilinearTaps* lane0, pix_detail::BilinearTaps* lane1, Vec ab, Vec cn)
  {
    Store(lane0, _mm256_permute2x128_si256(ab, cn, 0x20)), Store(lane1, _mm256_permute2x128_si256(ab, cn, 0x31));
  }

  static Vec Zero() { return _mm256_setzero_si256(); }
  static Vec Set16(int32_t x) { return _mm256_set1_epi16((short)x); }
  static Vec Set32(int32_t x) { return _mm256_set1_epi32(x); }

  static Vec And(Vec a, Vec b) { return _mm256_and_si256(a, b); }
  static Vec Or(Vec a, Vec b) { return _mm256_or_si256(a, b); }
  static Vec Xor(Vec a, Vec b) { return _mm256_xor_si256(a, b); }
  // mask ? a : b, bytewise, for masks of whole bytes.
  static Vec Select(Vec mask, Vec a, Vec b) { return _mm256_blendv_epi8(b, a, mask); }

  static Vec Add8(Vec a, Vec b) { return _mm256_add_epi8(a, b); }
  static Vec Sub8(Vec a, Vec b) { return _mm256_sub_epi8(a, b); }
  static Vec AddSaturate8(Vec a, Vec b) { return _mm256_adds_epu8(a, b); }
  static Vec SubSaturate8(Vec a, Vec b) { return _mm256_subs_epu8(a, b); }
  static Vec Min8(Vec a, Vec b) { return _mm256_min_epu8(a, b); }
  static Vec Equal32(Vec a, Vec b) { return _mm256_cmpeq_epi32(a, b); }
  static int MoveMask8(Vec a) { return _mm256_movemask_epi8(a); }

  static Vec UnpackLow8(Vec a, Vec b) { return _mm256_unpacklo_epi8(a, b); }
  static Vec UnpackHigh8(Vec a, Vec b) { return _mm256_unpackhi_epi8(a, b); }
  static Vec UnpackLow16(Vec a, Vec b) { return _mm256_unpacklo_epi16(a, b); }
  static Vec UnpackHigh16(Vec a, Vec b) { return _mm256_unpackhi_epi16(a, b); }
  static Vec PackUnsigned16(Vec a, Vec b) { return _mm256_packus_epi16(a, b); }
  static Vec PackSigned32(Vec a, Vec b) { return _mm256_packs_epi32(a, b); }

  static Vec Add16(Vec a, Vec b) { return _mm256_add_epi16(a, b); }
  static Vec Sub16(Vec a, Vec b) { return _mm256_sub_epi16(a, b); }
  static Vec MulLow16(Vec a, Vec b) { return _mm256_mullo_epi16(a, b); }
  static Vec MulHigh16(Vec a, Vec b) { return _mm256_mulhi_epu16(a, b); }
  static Vec MulAdd16(Vec a, Vec b) { return _mm256_madd_epi16(a, b); }
  static Vec Add32(Vec a, Vec b) { return _mm256_add_epi32(a, b); }
  template <int n>
  static Vec ShiftRight16(Vec a)
  {
    return _mm256_srli_epi16(a, n);
  }
  template <int n>
  static Vec ShiftRightSigned32(Vec a)
  {
    return _mm256_srai_epi32(a, n);
  }
  template <int order>
  static Vec Shuffle32(Vec a)
  {
    return _mm256_shuffle_epi32(a, order);
  }
  template <int order>
  static Vec ShuffleLow16(Vec a)
  {
    return _mm256_shufflelo_epi16(a, order);
  }
  template <int order>
  static Vec ShuffleHigh16(Vec a)
  {
    return _mm256_shufflehi_epi16(a, order);
  }
};

}  // namespace

#include "detail/PIX_RowKernelBodies.h"

namespace pix_detail {
extern const RowKernels kAvx2RowKernels;
const RowKernels kAvx2RowKernels = kRowKernelsOf<Avx2>;
}  // namespace pix_detail
