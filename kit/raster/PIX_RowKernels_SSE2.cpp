// The row kernels in SSE2: one 128-bit lane of four pixels.
#include <emmintrin.h>

#include "detail/PIX_RowKernels.h"

namespace {

struct Sse2 {
  using Vec = __m128i;
  static constexpr int32_t kLanes = 1;
  static constexpr int kAllBytes = 0xFFFF;  // MoveMask8 with every byte set

  static Vec Load(const void* p) { return _mm_loadu_si128(static_cast<const __m128i*>(p)); }
  static void Store(void* p, Vec v) { _mm_storeu_si128(static_cast<__m128i*>(p), v); }
  // base[index[i]] into lane i.
  static Vec Gather(const PIX_Pixel* base, const int32_t* index)
  {
    return _mm_setr_epi32((int)base[index[0]], (int)base[index[1]], (int)base[index[2]], (int)base[index[3]]);
  }
  // One 16-bit number into each 32-bit lane.
  static Vec LoadWords(const uint16_t* p)
  {
    return _mm_unpacklo_epi16(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)), _mm_setzero_si128());
  }
  // The taps of a lane's pixel; the second lane's are not there.
  static void LoadTaps(const pix_detail::BilinearTaps& lane0, const pix_detail::BilinearTaps&, Vec* ab, Vec* cn)
  {
    *ab = Load(lane0.ab), *cn = Load(lane0.cn);
  }
  static void StoreTaps(pix_detail::BilinearTaps* lane0, pix_detail::BilinearTaps*, Vec ab, Vec cn)
  {
    Store(lane0->ab, ab), Store(lane0->cn, cn);
  }

  static Vec Zero() { return _mm_setzero_si128(); }
  static Vec Set16(int32_t x) { return _mm_set1_epi16((short)x); }
  static Vec Set32(int32_t x) { return _mm_set1_epi32(x); }

  static Vec And(Vec a, Vec b) { return _mm_and_si128(a, b); }
  static Vec Or(Vec a, Vec b) { return _mm_or_si128(a, b); }
  static Vec Xor(Vec a, Vec b) { return _mm_xor_si128(a, b); }
  // mask ? a : b, bytewise, for masks of whole bytes.
  static Vec Select(Vec mask, Vec a, Vec b) { return _mm_or_si128(_mm_and_si128(mask, a), _mm_andnot_si128(mask, b)); }

  static Vec Add8(Vec a, Vec b) { return _mm_add_epi8(a, b); }
  static Vec Sub8(Vec a, Vec b) { return _mm_sub_epi8(a, b); }
  static Vec AddSaturate8(Vec a, Vec b) { return _mm_adds_epu8(a, b); }
  static Vec SubSaturate8(Vec a, Vec b) { return _mm_subs_epu8(a, b); }
  static Vec Min8(Vec a, Vec b) { return _mm_min_epu8(a, b); }
  static Vec Equal32(Vec a, Vec b) { return _mm_cmpeq_epi32(a, b); }
  static int MoveMask8(Vec a) { return _mm_movemask_epi8(a); }

  static Vec UnpackLow8(Vec a, Vec b) { return _mm_unpacklo_epi8(a, b); }
  static Vec UnpackHigh8(Vec a, Vec b) { return _mm_unpackhi_epi8(a, b); }
  static Vec UnpackLow16(Vec a, Vec b) { return _mm_unpacklo_epi16(a, b); }
  static Vec UnpackHigh16(Vec a, Vec b) { return _mm_unpackhi_epi16(a, b); }
  static Vec PackUnsigned16(Vec a, Vec b) { return _mm_packus_epi16(a, b); }
  static Vec PackSigned32(Vec a, Vec b) { return _mm_packs_epi32(a, b); }

  static Vec Add16(Vec a, Vec b) { return _mm_add_epi16(a, b); }
  static Vec Sub16(Vec a, Vec b) { return _mm_sub_epi16(a, b); }
  static Vec MulLow16(Vec a, Vec b) { return _mm_mullo_epi16(a, b); }
  static Vec MulHigh16(Vec a, Vec b) { return _mm_mulhi_epu16(a, b); }
  static Vec MulAdd16(Vec a, Vec b) { return _mm_madd_epi16(a, b); }
  static Vec Add32(Vec a, Vec b) { return _mm_add_epi32(a, b); }
  template <int n>
  static Vec ShiftRight16(Vec a)
  {
    return _mm_srli_epi16(a, n);
  }
  template <int n>
  static Vec ShiftRightSigned32(Vec a)
  {
    return _mm_srai_epi32(a, n);
  }
  template <int order>
  static Vec Shuffle32(Vec a)
  {
    return _mm_shuffle_epi32(a, order);
  }
  template <int order>
  static Vec ShuffleLow16(Vec a)
  {
    return _mm_shufflelo_epi16(a, order);
  }
  template <int order>
  static Vec ShuffleHigh16(Vec a)
  {
    return _mm_shufflehi_epi16(a, order);
  }
};

}  // namespace

#include "detail/PIX_RowKernelBodies.h"

namespace pix_detail {
extern const RowKernels kSse2RowKernels;
const RowKernels kSse2RowKernels = kRowKernelsOf<Sse2>;
}  // namespace pix_detail
