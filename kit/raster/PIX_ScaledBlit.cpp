#include "PIX_ScaledBlit.h"

#include <cmath>

#include "PIX_Blend.h"
#include "detail/PIX_BlitWithKernels.h"
#include "detail/PIX_Clip.h"
#include "detail/PIX_RowPaths.h"
#include "detail/PIX_Sampling.h"
#include "detail/PIX_ScaledRows.h"

using namespace pix_detail;

namespace {

// Runs draw(destPixel, sourceX, sourceY, fx, fy) over the destination.
template <class Draw>
void ForEachSample(const ScaleJob& job, Draw draw)
{
  // Locals: pixel stores could otherwise alias the job's fields.
  const int32_t width = job.width, height = job.height;
  const int64_t cx0 = job.cx, idx = job.idx, idy = job.idy, bottom = job.bounds.bottom;
  const ptrdiff_t step = job.dest.step;
  PIX_Pixel* row = job.dest.row;
  int64_t cy = job.cy;
  for (int32_t j = 0; j < height; ++j, row += step, cy += idy) {
    const int64_t sy = cy / 65536;
    const uint32_t fy = (uint32_t)(cy & 0xFFFF);
    if (sy < 0 || sy >= bottom) continue;  // no sampler draws this row
    int64_t cx = cx0;
    for (int32_t i = 0; i < width; ++i, cx += idx) draw(row[i], cx / 65536, sy, (uint32_t)(cx & 0xFFFF), fy);
  }
}

// Box filter: the mean of the k x k neighbourhood inside the bounds.
template <class Emit>
inline bool SampleBox(const SourceRows& src, const Bounds& b, int64_t k, int64_t x, int64_t y, Emit emit)
{
  if (x < 0 || x >= b.right || y < 0 || y >= b.bottom) return false;
  uint32_t sr = 0, sg = 0, sb = 0, sa = 0, n = 0;
  const int64_t half = k / 2;
  for (int64_t yy = y - half; yy <= y + half; ++yy) {
    if (yy < 0) continue;
    if (yy >= b.bottom) break;
    const PIX_Pixel* row = src.Row(yy);
    for (int64_t xx = x - half; xx <= x + half; ++xx) {
      if (xx < 0 || xx >= b.right) continue;
      const PIX_Pixel p = row[xx];
      sr += Ch(p, PIX_SHIFT_R), sg += Ch(p, PIX_SHIFT_G), sb += Ch(p, PIX_SHIFT_B), sa += Ch(p, PIX_SHIFT_A);
      ++n;
    }
  }
  if (n == 0) return false;
  emit((int32_t)(sr / n), (int32_t)(sg / n), (int32_t)(sb / n), (int32_t)(sa / n));
  return true;
}

// Columns (or rows) of the destination whose samples can land in the source;
// the others are never drawn, so cutting them changes nothing but keeps every
// position within range. Returns false when none remain.
bool ClipAxis(int64_t& c, int64_t step, int32_t& start, int32_t& count, int64_t sourceSize)
{
  if (step > 0) {
    if (c < 0) {
      const int64_t n = (step - c - 1) / step;
      if (n >= count) return false;
      start += (int32_t)n, count -= (int32_t)n, c += n * step;
    }
    // Samples stay below the source's size in 16.16: the last valid column is drawn.
    const int64_t room = sourceSize * 65536 - c;
    if (room <= 0) return false;
    const int64_t n = (room + step - 1) / step;
    if (n < count) count = (int32_t)n;
  } else if (step < 0) {
    // Positions above -1.0 truncate to 0 and still sample.
    const int64_t room = c + 65536;
    if (room <= 0) return false;
    const int64_t n = (room - step - 1) / -step;
    if (n < count) count = (int32_t)n;
  }
  return count > 0;
}

}  // namespace

void PIX_ScaledBlit(PIX_IBitmap* dest, PIX_IBitmap* src, int32_t destX, int32_t destY, int32_t destWidth,
                    int32_t destHeight, float srcX, float srcY, float srcWidth, float srcHeight, float alpha,
                    int32_t mode)
{
  pix_detail::ScaledBlit(BestRowKernels(), dest, src, destX, destY, destWidth, destHeight, srcX, srcY, srcWidth,
                         srcHeight, alpha, mode);
}

void pix_detail::ScaledBlit(const RowKernels* kernels, PIX_IBitmap* dest, PIX_IBitmap* src, int32_t destX,
                            int32_t destY, int32_t destWidth, int32_t destHeight, float srcX, float srcY,
                            float srcWidth, float srcHeight, float alpha, int32_t mode)
{
  if (!dest || !src || destWidth == 0 || destHeight == 0 || alpha == 0.0f) return;
  if (!SaneCoordinate(srcX) || !SaneCoordinate(srcY) || !SaneCoordinate(srcWidth) || !SaneCoordinate(srcHeight)) return;
  const bool filtered = PIX_ModeFilter(mode) == 1;

  if (std::fabs(srcWidth - destWidth) < 0.001f && std::fabs(srcHeight - destHeight) < 0.001f) {
    const float rx = std::floor(srcX + 0.5f), ry = std::floor(srcY + 0.5f);
    if (!filtered || (std::fabs(srcX - rx) <= 0.03f && std::fabs(srcY - ry) <= 0.03f)) {
      const int32_t sx = (int32_t)(srcX + 0.5f), sy = (int32_t)(srcY + 0.5f);
      const PIX_Rect r = {sx, sy, PIX_SaturateInt32((int64_t)sx + destWidth),
                          PIX_SaturateInt32((int64_t)sy + destHeight)};
      BlitRect(kernels, dest, src, destX, destY, &r, alpha, mode);
      return;
    }
  }

  // Mirroring. Sampling starts one step inside the far edge, at the last
  // source column, so a mirrored image shows exactly the columns of the
  // unmirrored one; the sampling bounds keep the far edge.
  int64_t dx = destX, dy = destY, dw = destWidth, dh = destHeight;
  float shiftX = 0.0f, shiftY = 0.0f;
  if (dw < 0) {
    dw = -dw, dx -= dw, srcX += srcWidth, srcWidth = -srcWidth;
    shiftX = srcWidth / (float)dw;
  }
  if (dh < 0) {
    dh = -dh, dy -= dh, srcY += srcHeight, srcHeight = -srcHeight;
    shiftY = srcHeight / (float)dh;
  }
  const float xstep = srcWidth / (float)dw, ystep = srcHeight / (float)dh;
  if (dx < 0) dw += dx, srcX -= (float)dx * xstep, dx = 0;
  if (dy < 0) dh += dy, srcY -= (float)dy * ystep, dy = 0;
  if (dx + dw > dest->GetWidth()) dw = dest->GetWidth() - dx;
  if (dy + dh > dest->GetHeight()) dh = dest->GetHeight() - dy;
  if (dw <= 0 || dh <= 0) return;

  ScaleJob job;
  job.idx = TruncToInt64(xstep * 65536.0);
  job.idy = TruncToInt64(ystep * 65536.0);
  job.cx = TruncToInt64((srcX + shiftX) * 65536.0);
  job.cy = TruncToInt64((srcY + shiftY) * 65536.0);
  int32_t x0 = (int32_t)dx, y0 = (int32_t)dy, width = (int32_t)dw, height = (int32_t)dh;
  if (!ClipAxis(job.cx, job.idx, x0, width, src->GetWidth())) return;
  if (!ClipAxis(job.cy, job.idy, y0, height, src->GetHeight())) return;
  if (!src->GetBits() || !dest->GetBits()) return;

  int64_t right = TruncToInt64((double)(srcWidth > 0 ? srcWidth : 0.0f) + srcX + 0.999999);
  int64_t bottom = TruncToInt64((double)(srcHeight > 0 ? srcHeight : 0.0f) + srcY + 0.999999);
  if (right > src->GetWidth()) right = src->GetWidth();
  if (bottom > src->GetHeight()) bottom = src->GetHeight();
  if (right <= 0 || bottom <= 0) return;
  job.bounds = Bounds{0, 0, right, bottom};
  job.width = width, job.height = height;
  job.dest = PIX_RowsAt(dest, y0);
  job.dest.row += x0;

  const int32_t w = PIX_AlphaToWeight(alpha);
  // The samples come from anywhere in the source rows as stored.
  const SourceRows rows(src);
  uint32_t facts = KernelFacts(kernels, {job.dest.row, job.dest.step, job.width, job.height},
                               {rows.bits, rows.span, rows.span, rows.height});
  if (filtered && xstep >= 1.7f && ystep >= 1.7f) facts |= kBoxFilter;
  if (!filtered || (job.idx >= -kMostTapStep && job.idx <= kMostTapStep)) facts |= kTapsNearby;
  const RowPath path = RowPathFor(RowOp::kScaledBlit, mode, w, facts);
  // The sampling kernels store their samples, or lay them on with a blend kernel.
  const BlendRowsFn blend = kernels ? BlendKernel(*kernels, path) : nullptr;
  if (blend || path == RowPath::kSamplesKernel) {
    ScaleRows(*kernels, job, rows, filtered, blend, w);
    return;
  }

  const Bounds& b = job.bounds;
  switch (path) {
    case RowPath::kStore:
      ForEachSample(job, [&](PIX_Pixel& d, int64_t x, int64_t y, uint32_t, uint32_t) {
        if (x >= 0 && x < b.right) d = rows.Row(y)[x];
      });
      return;
    case RowPath::kMixHalf:
      ForEachSample(job, [&](PIX_Pixel& d, int64_t x, int64_t y, uint32_t, uint32_t) {
        if (x >= 0 && x < b.right) d = PIX_MixHalf(d, rows.Row(y)[x]);
      });
      return;
    default: break;  // the combiners
  }

  const bool box = path == RowPath::kBoxCombiner;
  const int64_t k = (job.idx > job.idy ? job.idx : job.idy) > 0x30000 ? 5 : 3;
  PIX_WithBlendCombiner(mode, w, [&](auto combine) {
    if (box)
      ForEachSample(job, [&](PIX_Pixel& d, int64_t x, int64_t y, uint32_t, uint32_t) {
        SampleBox(rows, b, k, x, y, [&](int32_t r, int32_t g, int32_t bl, int32_t a) { combine(&d, r, g, bl, a, w); });
      });
    else if (filtered)
      ForEachSample(job, [&](PIX_Pixel& d, int64_t x, int64_t y, uint32_t fx, uint32_t fy) {
        SampleBilinear(rows, b, x, y, fx, fy,
                       [&](int32_t r, int32_t g, int32_t bl, int32_t a) { combine(&d, r, g, bl, a, w); });
      });
    else
      ForEachSample(job, [&](PIX_Pixel& d, int64_t x, int64_t y, uint32_t, uint32_t) {
        SampleNearest(rows, b, x, y, [&](int32_t r, int32_t g, int32_t bl, int32_t a) { combine(&d, r, g, bl, a, w); });
      });
  });
}
