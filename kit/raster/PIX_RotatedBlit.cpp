#include "PIX_RotatedBlit.h"

#include <cmath>

#include "PIX_Blend.h"
#include "detail/PIX_Sampling.h"

using namespace pix_detail;

namespace {

// A mapping from destination pixels to source positions, in source pixels.
struct Mapping {
  double s, t;            // at the first destination pixel
  double dsdx, dtdx;      // per destination pixel
  double dsdy, dtdy;      // per destination row
  double dsdxdy, dtdxdy;  // added to dsdx, dtdx after each row
};

// Float sampling bounds of the source: the whole bitmap, or with the clip
// flag the source rectangle within it.
struct FloatBounds {
  float left, top, right, bottom;
};

FloatBounds SourceBounds(PIX_IBitmap* src, float sx, float sy, float sw, float sh, bool clip)
{
  const float bw = (float)src->GetWidth(), bh = (float)src->GetHeight();
  if (!clip) return FloatBounds{0.0f, 0.0f, bw, bh};
  return FloatBounds{sx > 0 ? sx : 0.0f, sy > 0 ? sy : 0.0f, std::fmin(bw, sx + sw), std::fmin(bh, sy + sh)};
}

// Positions beyond this many source pixels draw nothing: no bitmap reaches
// them, and their 16.16 form must not overflow while stepping.
const double kMaxPosition = 1099511627776.0;  // 2^40

bool ReachableEverywhere(const Mapping& m, int32_t width, int32_t height)
{
  const double w = width - 1, h = height - 1;
  const double corners[4][2] = {{0, 0}, {w, 0}, {0, h}, {w, h}};
  for (const auto& c : corners) {
    const double s = m.s + c[1] * m.dsdy + c[0] * (m.dsdx + c[1] * m.dsdxdy);
    const double t = m.t + c[1] * m.dtdy + c[0] * (m.dtdx + c[1] * m.dtdxdy);
    if (!(std::fabs(s) <= kMaxPosition && std::fabs(t) <= kMaxPosition)) return false;
  }
  const double steps[] = {m.dsdx, m.dtdx, m.dsdy, m.dtdy, m.dsdxdy, m.dtdxdy};
  for (double v : steps)
    if (!(std::fabs(v) <= kMaxPosition)) return false;
  return true;
}

// Clips the destination rectangle, moving the start position along, and
// runs the shared sampling loop with the mode's combiner.
void MappedBlit(PIX_IBitmap* dest, PIX_IBitmap* src, int64_t dx, int64_t dy, int64_t dw, int64_t dh, Mapping m,
                const FloatBounds& fb, float alpha, int32_t mode)
{
  if (dx < 0) {
    dw += dx, m.s -= dx * m.dsdx, m.t -= dx * m.dtdx, dx = 0;
  }
  if (dy < 0) {
    dh += dy, m.t -= dy * m.dtdy, m.s -= dy * m.dsdy, dy = 0;
  }
  if (dx + dw > dest->GetWidth()) dw = dest->GetWidth() - dx;
  if (dy + dh > dest->GetHeight()) dh = dest->GetHeight() - dy;
  if (dw <= 0 || dh <= 0 || !dest->GetBits() || !src->GetBits()) return;
  const int32_t width = (int32_t)dw, height = (int32_t)dh;
  if (!ReachableEverywhere(m, width, height)) return;

  const int32_t w = PIX_AlphaToWeight(alpha);
  const PIX_CombinerFn combine = PIX_BlendCombinerFn(mode, w);
  if (!combine) return;

  auto fixed = [](double v) { return TruncToInt64(v * 65536.0); };
  int64_t s = fixed(m.s), t = fixed(m.t), dsdx = fixed(m.dsdx), dtdx = fixed(m.dtdx);
  const int64_t dsdy = fixed(m.dsdy), dtdy = fixed(m.dtdy), dsdxdy = fixed(m.dsdxdy), dtdxdy = fixed(m.dtdxdy);
  const Bounds b{TruncToInt64(fb.left), TruncToInt64(fb.top), TruncToInt64(fb.right), TruncToInt64(fb.bottom)};
  const bool bilinear = PIX_ModeFilter(mode) == 1;
  const SourceRows rows(src);

  PIX_Rows d = PIX_RowsAt(dest, (int32_t)dy);
  d.row += dx;
  for (int32_t j = 0; j < height; ++j, d.row += d.step) {
    int64_t ps = s, pt = t;
    for (int32_t i = 0; i < width; ++i, ps += dsdx, pt += dtdx) {
      PIX_Pixel* p = d.row + i;
      auto emit = [p, w, combine](int32_t r, int32_t g, int32_t bl, int32_t a) { combine(p, r, g, bl, a, w); };
      if (bilinear)
        SampleBilinear(rows, b, ps / 65536, pt / 65536, (uint32_t)(ps & 0xFFFF), (uint32_t)(pt & 0xFFFF), emit);
      else
        SampleNearest(rows, b, ps / 65536, pt / 65536, emit);
    }
    s += dsdy, t += dtdy, dsdx += dsdxdy, dtdx += dtdxdy;
  }
}

bool SaneSource(float sx, float sy, float sw, float sh)
{
  return SaneCoordinate(sx) && SaneCoordinate(sy) && SaneCoordinate(sw) && SaneCoordinate(sh);
}

}  // namespace

void PIX_RotatedBlit(PIX_IBitmap* dest, PIX_IBitmap* src, int32_t destX, int32_t destY, int32_t destWidth,
                     int32_t destHeight, float srcX, float srcY, float srcWidth, float srcHeight, float angle,
                     bool clipToSource, float alpha, int32_t mode, float centerOffsetX, float centerOffsetY)
{
  if (!dest || !src || destWidth == 0 || destHeight == 0) return;
  if (!SaneSource(srcX, srcY, srcWidth, srcHeight) || !std::isfinite(angle) || !SaneCoordinate(centerOffsetX) ||
      !SaneCoordinate(centerOffsetY))
    return;
  const FloatBounds bounds = SourceBounds(src, srcX, srcY, srcWidth, srcHeight, clipToSource);

  int64_t dx = destX, dy = destY, dw = destWidth, dh = destHeight;
  const bool mirrorX = dw < 0, mirrorY = dh < 0;
  if (mirrorX) dw = -dw, dx -= dw, srcX += srcWidth, srcWidth = -srcWidth;
  if (mirrorY) dh = -dh, dy -= dh, srcY += srcHeight, srcHeight = -srcHeight;

  const float c = std::cos(angle), s = std::sin(angle);
  const float xs = srcWidth / (float)dw, ys = srcHeight / (float)dh;
  Mapping m = {};
  m.dsdx = xs * c, m.dtdx = -(ys * s), m.dsdy = xs * s, m.dtdy = ys * c;
  m.s = srcX - (((float)dh * (float)m.dsdy + (float)dw * (float)m.dsdx - srcWidth) * 0.5f - centerOffsetX);
  m.t = srcY - (((float)dw * (float)m.dtdx + (float)dh * (float)m.dtdy - srcHeight) * 0.5f - centerOffsetY);
  // A mirrored axis starts one step in, at the last source column or row,
  // not one past it.
  if (mirrorX) m.s += m.dsdx, m.t += m.dtdx;
  if (mirrorY) m.s += m.dsdy, m.t += m.dtdy;
  MappedBlit(dest, src, dx, dy, dw, dh, m, bounds, alpha, mode);
}

void PIX_AffineBlit(PIX_IBitmap* dest, PIX_IBitmap* src, int32_t destX, int32_t destY, int32_t destWidth,
                    int32_t destHeight, float srcX, float srcY, float srcWidth, float srcHeight, double dsdx,
                    double dtdx, double dsdy, double dtdy, double dsdxdy, double dtdxdy, bool clipToSource, float alpha,
                    int32_t mode)
{
  if (!dest || !src || destWidth == 0 || destHeight == 0) return;
  if (!SaneSource(srcX, srcY, srcWidth, srcHeight)) return;
  const FloatBounds bounds = SourceBounds(src, srcX, srcY, srcWidth, srcHeight, clipToSource);
  int64_t dx = destX, dy = destY, dw = destWidth, dh = destHeight;
  if (dw < 0) dw = -dw, dx -= dw, srcX += srcWidth;
  if (dh < 0) dh = -dh, dy -= dh, srcY += srcHeight;
  const Mapping m = {srcX, srcY, dsdx, dtdx, dsdy, dtdy, dsdxdy, dtdxdy};
  MappedBlit(dest, src, dx, dy, dw, dh, m, bounds, alpha, mode);
}

void PIX_MeshBlit(PIX_IBitmap* dest, PIX_IBitmap* src, int32_t destX, int32_t destY, int32_t destWidth,
                  int32_t destHeight, const float* points, int32_t columns, int32_t rows, float alpha, int32_t mode)
{
  if (!dest || !src || !points || destWidth <= 0 || destHeight <= 0 || columns < 2 || rows < 2) return;
  const float cellW = (float)destWidth / (float)(columns - 1), cellH = (float)destHeight / (float)(rows - 1);
  auto point = [&](int32_t col, int32_t row) { return points + 2 * ((ptrdiff_t)row * columns + col); };
  float yPos = 0.0f;
  int32_t top = 0;
  for (int32_t row = 0; row + 1 < rows; ++row) {
    yPos += cellH;
    const int32_t bottom = (int32_t)yPos;
    const int32_t ch = bottom - top;
    float xPos = 0.0f;
    int32_t left = 0;
    for (int32_t col = 0; ch > 0 && col + 1 < columns; ++col) {
      xPos += cellW;
      const int32_t right = (int32_t)xPos;
      const int32_t cw = right - left;
      // Cells beyond the int32 range lie off every bitmap.
      if (cw > 0 && (int64_t)destX + left <= INT32_MAX && (int64_t)destY + top <= INT32_MAX) {
        const float* p00 = point(col, row);
        const float* p01 = point(col + 1, row);
        const float* p10 = point(col, row + 1);
        const float* p11 = point(col + 1, row + 1);
        const double dsdx = (p01[0] - p00[0]) / (double)cw, dtdx = (p01[1] - p00[1]) / (double)cw;
        const double dsdy = (p10[0] - p00[0]) / (double)ch, dtdy = (p10[1] - p00[1]) / (double)ch;
        const double dsdxdy = ((p11[0] - p10[0]) / (double)cw - dsdx) / ch;
        const double dtdxdy = ((p11[1] - p10[1]) / (double)cw - dtdx) / ch;
        PIX_AffineBlit(dest, src, destX + left, destY + top, cw, ch, p00[0], p00[1], p01[0] - p00[0], p01[1] - p00[1],
                       dsdx, dtdx, dsdy, dtdy, dsdxdy, dtdxdy, false, alpha, mode);
      }
      left = right;
    }
    top = bottom;
  }
}
