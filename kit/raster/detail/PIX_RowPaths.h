#ifndef PIX_ROWPATHS_H
#define PIX_ROWPATHS_H

// Which row path serves a blit, a rectangle fill or a scaled blit: a kernel
// of the set in hand (BestRowKernels(): AVX2 where the processor has it,
// else SSE2, none in a build without them), or one of the operation's own
// per-pixel loops. The cases are one table, below, read top to bottom: an
// operation consults it once per call with what it knows of the call, and
// the first case that holds serves.

#include <cstddef>
#include <cstdint>

#include "PIX_Blend.h"
#include "PIX_IBitmap.h"
#include "PIX_RowKernels.h"

namespace pix_detail {

enum class RowOp : uint8_t { kBlit, kFill, kScaledBlit };

// What an operation knows of a call beside its mode and weight, as bits of a word.
constexpr uint32_t kKernels = 1 << 0;     // a kernel set is in hand
constexpr uint32_t kApart = 1 << 1;       // the pixels read lie apart from those written
constexpr uint32_t kHalfAlpha = 1 << 2;   // the alpha is exactly 0.5
constexpr uint32_t kBoxFilter = 1 << 3;   // filter field 1, reducing by 1.7 or more both ways
constexpr uint32_t kTapsNearby = 1 << 4;  // nearest samples, or bilinear ones close enough for the taps to pay

enum class RowPath : uint8_t {
  // Kernels of the set in hand. The scaled blit gathers its samples with
  // the set's sampling kernels and stores them or lays them on with the
  // blend named.
  kFillKernel,
  kSamplesKernel,
  kMixHalfKernel,
  kMixQuarterKernel,
  kMixThreeQuartersKernel,
  kCopyAlphaKernel,
  kCopySourceAlphaFullKernel,
  kCopySourceAlphaKernel,
  kAddKernel,
  kAddSourceAlphaKernel,
  // The operation's own loops, the reference the kernels are tested
  // against. The stores and the mixes take the colour, the source pixel or
  // the nearest sample; the mixes are the whole-word ones, each channel
  // masked so that no carry crosses.
  kChannelCopy,  // one byte of each source pixel into one of the destination's
  kRowCopy,      // the rows copied as bytes
  kStore,
  kMixHalf,
  kMixQuarter,
  kMixThreeQuarters,
  kCombiner,     // the mode's combiner a pixel at a time, nearest or bilinear as the filter field says
  kBoxCombiner,  // the same over box-filtered samples
};

namespace row_cases {

// A case holds when the mode AND mask equals value, the weight lies within
// lightest..heaviest, and every fact it needs holds.
struct Modes {
  int32_t mask, value;
};
struct Weights {
  int32_t lightest, heaviest;
};
struct RowCase {
  RowOp op;
  Modes modes;
  Weights weights;
  uint32_t needs;
  RowPath path;
};

// The blits choose their combiner by mode AND 0x100FF, the fill by the low byte.
constexpr Modes Blend(int32_t mode) { return {PIX_MODE_BLEND_SELECT, mode}; }
constexpr Modes LowByte(int32_t mode) { return {PIX_MODE_MASK, mode}; }
constexpr Modes kAnyMode = {0, 0};
constexpr Modes kChannelCopies = {PIX_MODE_CHANNEL_COPY, PIX_MODE_CHANNEL_COPY};             // low bytes 0xF0..0xFF
constexpr Modes kPlainCopy = {PIX_MODE_BLEND_SELECT | PIX_MODE_FILTER_MASK, PIX_MODE_COPY};  // no filter field
constexpr int32_t kCopy = PIX_MODE_COPY, kAdd = PIX_MODE_ADD;
constexpr int32_t kCopySourceAlpha = PIX_MODE_SOURCE_ALPHA | PIX_MODE_COPY;
constexpr int32_t kAddSourceAlpha = PIX_MODE_SOURCE_ALPHA | PIX_MODE_ADD;

constexpr Weights kAnyWeight = {INT32_MIN, INT32_MAX};
constexpr Weights kFull = {256, 256};
constexpr Weights kHalf = {128, 128};
constexpr Weights kQuarter = {64, 64};
constexpr Weights kThreeQuarters = {192, 192};
constexpr Weights kBelowFull = {1, 255};
constexpr Weights kUpToFull = {1, 256};

constexpr RowOp kBlit = RowOp::kBlit, kFill = RowOp::kFill, kScaled = RowOp::kScaledBlit;
constexpr uint32_t kRowKernels = kKernels | kApart;
constexpr uint32_t kSampleKernels = kKernels | kApart | kTapsNearby;

// clang-format off
inline constexpr RowCase kCases[] = {
    // op     mode                       weight          needs                     path
    // The blit. A copy at full weight copies its rows, even onto itself.
    {kBlit,   kChannelCopies,            kAnyWeight,     0,                        RowPath::kChannelCopy},
    {kBlit,   Blend(kCopy),              kFull,          0,                        RowPath::kRowCopy},
    {kBlit,   Blend(kCopy),              kHalf,          kRowKernels | kHalfAlpha, RowPath::kMixHalfKernel},
    {kBlit,   Blend(kCopy),              kBelowFull,     kRowKernels,              RowPath::kCopyAlphaKernel},
    {kBlit,   Blend(kAdd),               kUpToFull,      kRowKernels,              RowPath::kAddKernel},
    {kBlit,   Blend(kCopySourceAlpha),   kFull,          kRowKernels,              RowPath::kCopySourceAlphaFullKernel},
    {kBlit,   Blend(kCopySourceAlpha),   kBelowFull,     kRowKernels,              RowPath::kCopySourceAlphaKernel},
    {kBlit,   Blend(kAddSourceAlpha),    kUpToFull,      kRowKernels,              RowPath::kAddSourceAlphaKernel},
    {kBlit,   Blend(kCopy),              kHalf,          kHalfAlpha,               RowPath::kMixHalf},
    {kBlit,   kAnyMode,                  kAnyWeight,     0,                        RowPath::kCombiner},

    // The rectangle fill: the kernels blend a row of the colour, whose
    // alpha channel the weight stands for where the kernel takes a weight.
    {kFill,   LowByte(kCopy),            kFull,          kKernels,                 RowPath::kFillKernel},
    {kFill,   LowByte(kCopy),            kHalf,          kKernels,                 RowPath::kMixHalfKernel},
    {kFill,   LowByte(kCopy),            kQuarter,       kKernels,                 RowPath::kMixQuarterKernel},
    {kFill,   LowByte(kCopy),            kThreeQuarters, kKernels,                 RowPath::kMixThreeQuartersKernel},
    {kFill,   LowByte(kCopy),            kBelowFull,     kKernels,                 RowPath::kCopyAlphaKernel},
    {kFill,   LowByte(kAdd),             kUpToFull,      kKernels,                 RowPath::kAddKernel},
    {kFill,   LowByte(kCopy),            kFull,          0,                        RowPath::kStore},
    {kFill,   LowByte(kCopy),            kHalf,          0,                        RowPath::kMixHalf},
    {kFill,   LowByte(kCopy),            kQuarter,       0,                        RowPath::kMixQuarter},
    {kFill,   LowByte(kCopy),            kThreeQuarters, 0,                        RowPath::kMixThreeQuarters},
    {kFill,   kAnyMode,                  kAnyWeight,     0,                        RowPath::kCombiner},

    // The scaled blit, once it is not a blit (equal sizes at a whole position).
    {kScaled, kAnyMode,                  kAnyWeight,     kBoxFilter,               RowPath::kBoxCombiner},
    {kScaled, Blend(kCopy),              kFull,          kSampleKernels,           RowPath::kSamplesKernel},
    {kScaled, kPlainCopy,                kHalf,          kSampleKernels,           RowPath::kMixHalfKernel},
    {kScaled, Blend(kCopy),              kBelowFull,     kSampleKernels,           RowPath::kCopyAlphaKernel},
    {kScaled, Blend(kAdd),               kUpToFull,      kSampleKernels,           RowPath::kAddKernel},
    {kScaled, Blend(kCopySourceAlpha),   kFull,          kSampleKernels,           RowPath::kCopySourceAlphaFullKernel},
    {kScaled, Blend(kCopySourceAlpha),   kBelowFull,     kSampleKernels,           RowPath::kCopySourceAlphaKernel},
    {kScaled, Blend(kAddSourceAlpha),    kUpToFull,      kSampleKernels,           RowPath::kAddSourceAlphaKernel},
    {kScaled, kPlainCopy,                kFull,          0,                        RowPath::kStore},
    {kScaled, kPlainCopy,                kHalf,          0,                        RowPath::kMixHalf},
    {kScaled, kAnyMode,                  kAnyWeight,     0,                        RowPath::kCombiner},
};
// clang-format on

constexpr size_t kCaseCount = sizeof(kCases) / sizeof(kCases[0]);

constexpr bool Holds(const RowCase& c, int32_t mode, int32_t w, uint32_t facts)
{
  return (mode & c.modes.mask) == c.modes.value && w >= c.weights.lightest && w <= c.weights.heaviest &&
         (facts & c.needs) == c.needs;
}

constexpr bool HoldsAlways(const RowCase& c)
{
  return c.modes.mask == 0 && c.weights.lightest == INT32_MIN && c.weights.heaviest == INT32_MAX && c.needs == 0;
}

constexpr size_t FirstCaseOf(RowOp op)
{
  size_t i = 0;
  while (i < kCaseCount && kCases[i].op != op) ++i;
  return i;
}

// Each operation's cases lie together, and the last of them holds always,
// so that a look-up ends within them.
constexpr bool WellFormed()
{
  for (size_t i = 0; i < kCaseCount; ++i) {
    const bool last = i + 1 == kCaseCount || kCases[i + 1].op != kCases[i].op;
    if (last && !HoldsAlways(kCases[i])) return false;
    if (last && i + 1 < kCaseCount && FirstCaseOf(kCases[i + 1].op) != i + 1) return false;
  }
  return FirstCaseOf(kBlit) < kCaseCount && FirstCaseOf(kFill) < kCaseCount && FirstCaseOf(kScaled) < kCaseCount;
}
static_assert(WellFormed(), "each operation's cases lie together and end in one that holds always");

inline constexpr size_t kFirstCase[] = {FirstCaseOf(kBlit), FirstCaseOf(kFill), FirstCaseOf(kScaled)};

}  // namespace row_cases

// The path of the first case of the operation that holds.
inline RowPath RowPathFor(RowOp op, int32_t mode, int32_t w, uint32_t facts)
{
  const row_cases::RowCase* c = row_cases::kCases + row_cases::kFirstCase[(size_t)op];
  while (!row_cases::Holds(*c, mode, w, facts)) ++c;
  return c->path;
}

// The set's kernel of a blend path; null for the other paths.
inline BlendRowsFn BlendKernel(const RowKernels& kernels, RowPath path)
{
  switch (path) {
    case RowPath::kMixHalfKernel: return kernels.mixHalf;
    case RowPath::kMixQuarterKernel: return kernels.mixQuarter;
    case RowPath::kMixThreeQuartersKernel: return kernels.mixThreeQuarters;
    case RowPath::kCopyAlphaKernel: return kernels.copyAlpha;
    case RowPath::kCopySourceAlphaFullKernel: return kernels.copySourceAlphaFull;
    case RowPath::kCopySourceAlphaKernel: return kernels.copySourceAlpha;
    case RowPath::kAddKernel: return kernels.add;
    case RowPath::kAddSourceAlphaKernel: return kernels.addSourceAlpha;
    default: return nullptr;
  }
}

// Pixels a call reads or writes: rows rows of n pixels, the first row at
// first and each next step pixels on.
struct PixelBlock {
  const PIX_Pixel* first;
  ptrdiff_t step;
  int64_t n, rows;
};

// kKernels where a set is given; with kApart where the pixels read lie
// apart from those written, which kernels, reading whole rows ahead of
// their writes, need (a bitmap may be drawn onto itself).
inline uint32_t KernelFacts(const RowKernels* kernels) { return kernels ? kKernels : 0; }

inline uint32_t KernelFacts(const RowKernels* kernels, const PixelBlock& written, const PixelBlock& read)
{
  if (!kernels) return 0;
  // Each block's addresses, from its lowest pixel to just past its highest.
  auto extent = [](const PixelBlock& b, const PIX_Pixel** low, const PIX_Pixel** high) {
    const ptrdiff_t last = (ptrdiff_t)(b.rows - 1) * b.step;
    *low = b.first + (last < 0 ? last : 0), *high = b.first + (last > 0 ? last : 0) + b.n;
  };
  const PIX_Pixel *w0, *w1, *r0, *r1;
  extent(written, &w0, &w1);
  extent(read, &r0, &r1);
  return w0 < r1 && r0 < w1 ? kKernels : kKernels | kApart;
}

}  // namespace pix_detail

#endif
