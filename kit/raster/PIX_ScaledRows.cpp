// The scaled blit a row at a time. The destination is cut into strips of
// columns whose samples all lie in the source; a strip fixes its columns'
// source positions once, and then each row gathers its samples, nearest or
// bilinear, and lays them on with one row kernel.
#include "detail/PIX_ScaledRows.h"

#include <algorithm>
#include <cstring>

namespace pix_detail {
namespace {

constexpr int32_t kStripColumns = 256;
// Source columns whose bilinear taps one strip may span.
constexpr int32_t kTapColumns = 512;

struct Column {
  int64_t sx;
  uint32_t fx;
};

inline Column ColumnAt(const ScaleJob& job, int64_t i)
{
  const int64_t cx = job.cx + i * job.idx;
  return Column{cx / 65536, (uint32_t)(cx & 0xFFFF)};
}

inline bool Sampled(const ScaleJob& job, int64_t sx) { return sx >= 0 && sx < job.bounds.right; }

// Destination columns start .. start + count - 1 and their source columns,
// which span low .. high.
struct Strip {
  int32_t start, count, low, high;
  int32_t sx[kStripColumns];
  uint16_t fx[kStripColumns];
};

// As many columns from start on, before end, as the strip and a span of
// maxSpan source columns hold.
void TakeStrip(const ScaleJob& job, int32_t start, int32_t end, int32_t maxSpan, Strip& s)
{
  s.start = start, s.count = 0, s.low = INT32_MAX, s.high = INT32_MIN;
  for (int32_t i = start; i < end && s.count < kStripColumns; ++i) {
    const Column c = ColumnAt(job, i);
    const int32_t low = std::min(s.low, (int32_t)c.sx), high = std::max(s.high, (int32_t)c.sx);
    if (high - low >= maxSpan) break;
    s.sx[s.count] = (int32_t)c.sx, s.fx[s.count] = (uint16_t)c.fx, ++s.count;
    s.low = low, s.high = high;
  }
}

// Runs row(destination pixel of the strip, sy, fy) over the rows that sample the source.
template <class Row>
void EachRow(const ScaleJob& job, const Strip& s, Row row)
{
  for (int32_t j = 0; j < job.height; ++j) {
    const int64_t cy = job.cy + j * job.idy, sy = cy / 65536;
    if (sy < 0 || sy >= job.bounds.bottom) continue;
    row(job.dest.row + (ptrdiff_t)j * job.dest.step + s.start, sy, (uint32_t)(cy & 0xFFFF));
  }
}

// Stored samples repeat the row above wherever it sampled the same source row.
void NearestStrip(const RowKernels& k, const ScaleJob& job, const SourceRows& src, const Strip& s, BlendRowsFn blend,
                  int32_t w)
{
  PIX_Pixel samples[kStripColumns];
  const PIX_Pixel* above = nullptr;
  int64_t aboveSy = -1;
  EachRow(job, s, [&](PIX_Pixel* d, int64_t sy, uint32_t) {
    if (!blend && sy == aboveSy) {
      std::memcpy(d, above, (size_t)s.count * sizeof(PIX_Pixel));
      return;
    }
    k.nearestRow(blend ? samples : d, src.Row(sy), s.sx, s.count);
    if (blend)
      blend(d, 0, samples, 0, s.count, 1, w);
    else
      above = d, aboveSy = sy;
  });
}

// Taps of the source columns low .. high for row sy. The pixel right of the
// last column and the row below the last row stand in for themselves, which
// makes the edge samples one-directional.
void TapsOfRow(const RowKernels& k, const ScaleJob& job, const SourceRows& src, const Strip& s, int64_t sy,
               BilinearTaps* taps)
{
  const PIX_Pixel* r0 = src.Row(sy);
  const PIX_Pixel* r1 = sy + 1 < job.bounds.bottom ? src.Row(sy + 1) : r0;
  const int64_t last = job.bounds.right - 1;
  const int32_t inner = (int32_t)std::min<int64_t>(s.high, last - 1);
  if (inner >= s.low) k.bilinearTaps(taps, r0 + s.low, r1 + s.low, inner - s.low + 1);
  if (s.high == last) {
    const PIX_Pixel e0[2] = {r0[last], r0[last]}, e1[2] = {r1[last], r1[last]};
    k.bilinearTaps(taps + (s.high - s.low), e0, e1, 1);
  }
}

void BilinearStrip(const RowKernels& k, const ScaleJob& job, const SourceRows& src, const Strip& s, BlendRowsFn blend,
                   int32_t w)
{
  BilinearTaps taps[kTapColumns];
  int32_t cols[kStripColumns];
  PIX_Pixel samples[kStripColumns];
  for (int32_t i = 0; i < s.count; ++i) cols[i] = s.sx[i] - s.low;
  int64_t tapsSy = -1;
  EachRow(job, s, [&](PIX_Pixel* d, int64_t sy, uint32_t fy) {
    if (sy != tapsSy) TapsOfRow(k, job, src, s, sy, taps), tapsSy = sy;
    PIX_Pixel* out = blend ? samples : d;
    k.bilinearRow(out, taps, cols, s.fx, fy, s.count);
    if (blend) blend(d, 0, samples, 0, s.count, 1, w);
  });
}

}  // namespace

void ScaleRows(const RowKernels& kernels, const ScaleJob& job, const SourceRows& rows, bool bilinear, BlendRowsFn blend,
               int32_t w)
{
  // Positions move one way, so the sampled columns are one run.
  int32_t first = 0;
  while (first < job.width && !Sampled(job, ColumnAt(job, first).sx)) ++first;
  int32_t end = first;
  while (end < job.width && Sampled(job, ColumnAt(job, end).sx)) ++end;

  Strip strip;
  for (int32_t start = first; start < end; start += strip.count) {
    TakeStrip(job, start, end, bilinear ? kTapColumns : INT32_MAX, strip);
    if (bilinear)
      BilinearStrip(kernels, job, rows, strip, blend, w);
    else
      NearestStrip(kernels, job, rows, strip, blend, w);
  }
}

}  // namespace pix_detail
