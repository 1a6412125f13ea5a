#include "PIX_Blit.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "PIX_Blend.h"
#include "detail/PIX_BlitWithKernels.h"
#include "detail/PIX_Clip.h"
#include "detail/PIX_RowPaths.h"

using namespace pix_detail;

namespace {

// The whole-word copy shortcuts of single pixels; false for other weights.
inline bool CopyShortcut(PIX_Pixel& p, PIX_Pixel color, int32_t w)
{
  switch (w) {
    case 256: p = color; return true;
    case 128: p = PIX_MixHalf(p, color); return true;
    case 64: p = PIX_MixThreeQuartersPre(p, PIX_Quarter(color)); return true;
    case 192: p = PIX_MixQuarterPre(p, PIX_ThreeQuartersOf(color)); return true;
    default: return false;
  }
}

PIX_Pixel WithAlpha(PIX_Pixel color, int32_t a)
{
  return (color & ~(0xFFu << PIX_SHIFT_A)) | ((PIX_Pixel)a << PIX_SHIFT_A);
}

// The fill through a blend kernel: a row of the colour laid on, chunk by chunk.
void FillRows(BlendRowsFn blend, PIX_IBitmap* bitmap, const PIX_ClippedRect& r, PIX_Pixel color, int32_t w)
{
  const int32_t kChunk = 256;
  PIX_Pixel colors[kChunk];
  std::fill(colors, colors + kChunk, color);
  const PIX_Rows rows = PIX_RowsAt(bitmap, r.y);
  for (int32_t x0 = 0; x0 < r.width; x0 += kChunk)
    blend(rows.row + r.x + x0, rows.step, colors, 0, std::min(kChunk, r.width - x0), r.height, w);
}

}  // namespace

void pix_detail::BlitRect(const RowKernels* kernels, PIX_IBitmap* dest, PIX_IBitmap* src, int32_t x, int32_t y,
                          const PIX_Rect* srcRect, float alpha, int32_t mode)
{
  if (!dest || !src || alpha == 0.0f) return;
  const int64_t sw = src->GetWidth(), sh = src->GetHeight();
  int64_t left = 0, top = 0, right = sw, bottom = sh, dx = x, dy = y;
  if (srcRect) {
    left = srcRect->left, top = srcRect->top, right = srcRect->right, bottom = srcRect->bottom;
    if (left < 0) dx -= left, left = 0;
    if (top < 0) dy -= top, top = 0;
    if (right > sw) right = sw;
    if (bottom > sh) bottom = sh;
  }
  if (dx < 0) left -= dx, dx = 0;
  if (dy < 0) top -= dy, dy = 0;
  if (right - left + dx > dest->GetWidth()) right = dest->GetWidth() + left - dx;
  if (bottom - top + dy > dest->GetHeight()) bottom = dest->GetHeight() + top - dy;
  if (right <= left || bottom <= top || !src->GetBits() || !dest->GetBits()) return;

  const int32_t width = (int32_t)(right - left), height = (int32_t)(bottom - top);
  PIX_Rows s = PIX_RowsAt(src, (int32_t)top);
  PIX_Rows d = PIX_RowsAt(dest, (int32_t)dy);
  s.row += left;
  d.row += dx;
  auto eachPixel = [width, height, s, d](auto op) {
    const PIX_Pixel* from = s.row;
    PIX_Pixel* to = d.row;
    for (int32_t j = 0; j < height; ++j, from += s.step, to += d.step)
      for (int32_t i = 0; i < width; ++i) op(to[i], from[i]);
  };

  const int32_t w = PIX_AlphaToWeight(alpha);
  uint32_t facts = KernelFacts(kernels, {d.row, d.step, width, height}, {s.row, s.step, width, height});
  if (alpha == 0.5f) facts |= kHalfAlpha;
  const RowPath path = RowPathFor(RowOp::kBlit, mode, w, facts);
  if (BlendRowsFn blend = kernels ? BlendKernel(*kernels, path) : nullptr) {
    blend(d.row, d.step, s.row, s.step, width, height, w);
    return;
  }
  switch (path) {
    case RowPath::kChannelCopy: {
      const int32_t to = (mode >> 2) & 3, from = mode & 3;
      eachPixel([to, from](PIX_Pixel& dp, PIX_Pixel sp) {
        reinterpret_cast<uint8_t*>(&dp)[to] = reinterpret_cast<const uint8_t*>(&sp)[from];
      });
      return;
    }
    case RowPath::kRowCopy:
      // memmove: a bitmap may be blitted onto itself.
      for (int32_t j = 0; j < height; ++j, s.row += s.step, d.row += d.step)
        std::memmove(d.row, s.row, (size_t)width * 4);
      return;
    case RowPath::kMixHalf: eachPixel([](PIX_Pixel& dp, PIX_Pixel sp) { dp = PIX_MixHalf(dp, sp); }); return;
    default: break;  // the combiner
  }
  PIX_WithBlendCombiner(mode, w, [&](auto combine) {
    using Combiner = decltype(combine);
    if constexpr (Combiner::kBytewise) {
      // Every channel alike: the rows run byte by byte, which vectorises,
      // the more so with the full weight as a constant.
      const size_t bytes = (size_t)width * 4;
      auto eachByte = [&](auto weight) {
        for (int32_t j = 0; j < height; ++j, s.row += s.step, d.row += d.step) {
          const uint8_t* from = reinterpret_cast<const uint8_t*>(s.row);
          uint8_t* to = reinterpret_cast<uint8_t*>(d.row);
          for (size_t k = 0; k < bytes; ++k) to[k] = Combiner::Byte(to[k], from[k], weight);
        }
      };
      if (w == 256)
        eachByte(std::integral_constant<int32_t, 256>());
      else
        eachByte(w);
    } else {
      eachPixel([w, combine](PIX_Pixel& dp, PIX_Pixel sp) {
        combine(&dp, PIX_PixelR(sp), PIX_PixelG(sp), PIX_PixelB(sp), PIX_PixelA(sp), w);
      });
    }
  });
}

void PIX_BlitRect(PIX_IBitmap* dest, PIX_IBitmap* src, int32_t x, int32_t y, const PIX_Rect* srcRect, float alpha,
                  int32_t mode)
{
  pix_detail::BlitRect(BestRowKernels(), dest, src, x, y, srcRect, alpha, mode);
}

void PIX_Blit(PIX_IBitmap* dest, PIX_IBitmap* src, int32_t x, int32_t y, int32_t srcX, int32_t srcY, int32_t srcWidth,
              int32_t srcHeight, float alpha, int32_t mode)
{
  // Widened and held to int32 so that a huge size cannot wrap the rectangle.
  const PIX_Rect r = {srcX, srcY, PIX_SaturateInt32((int64_t)srcX + srcWidth),
                      PIX_SaturateInt32((int64_t)srcY + srcHeight)};
  PIX_BlitRect(dest, src, x, y, &r, alpha, mode);
}

void PIX_Copy(PIX_IBitmap* dest, PIX_IBitmap* src)
{
  if (!dest || !src) return;
  dest->Resize(src->GetWidth(), src->GetHeight());
  PIX_BlitRect(dest, src, 0, 0, nullptr, 1.0f, PIX_MODE_COPY);
}

void PIX_FillRect(PIX_IBitmap* bitmap, int32_t x, int32_t y, int32_t width, int32_t height, PIX_Pixel color,
                  float alpha, int32_t mode)
{
  pix_detail::FillRect(BestRowKernels(), bitmap, x, y, width, height, color, alpha, mode);
}

void pix_detail::FillRect(const RowKernels* kernels, PIX_IBitmap* bitmap, int32_t x, int32_t y, int32_t width,
                          int32_t height, PIX_Pixel color, float alpha, int32_t mode)
{
  if (!bitmap) return;
  const PIX_ClippedRect r = PIX_ClipToBitmap(bitmap, x, y, width, height);
  if (r.Empty()) return;
  if (mode & PIX_MODE_SOURCE_ALPHA) alpha *= PIX_PixelA(color) * 0.003921569f;
  if (alpha == 0.0f) return;
  const int32_t w = PIX_AlphaToWeight(alpha);
  const RowPath path = RowPathFor(RowOp::kFill, mode, w, KernelFacts(kernels));
  switch (path) {
    case RowPath::kFillKernel: {
      const PIX_Rows rows = PIX_RowsAt(bitmap, r.y);
      kernels->fill(rows.row + r.x, rows.step, r.width, r.height, color);
      return;
    }
    case RowPath::kCopyAlphaKernel:
    case RowPath::kAddKernel:
      // The weight stands for the colour's alpha channel, as in the
      // combiners; add's alpha gains 256 at weight 256 and saturates, as with 255.
      FillRows(BlendKernel(*kernels, path), bitmap, r, WithAlpha(color, std::min(w, 255)), w);
      return;
    case RowPath::kMixHalfKernel:
    case RowPath::kMixQuarterKernel:
    case RowPath::kMixThreeQuartersKernel: FillRows(BlendKernel(*kernels, path), bitmap, r, color, w); return;
    // One loop per whole-word mix, with the colour's share computed once.
    case RowPath::kStore: PIX_ForEachPixel(bitmap, r, [color](PIX_Pixel& p) { p = color; }); return;
    case RowPath::kMixHalf:
      PIX_ForEachPixel(bitmap, r, [c = PIX_Half(color)](PIX_Pixel& p) { p = PIX_MixHalfPre(p, c); });
      return;
    case RowPath::kMixQuarter:
      PIX_ForEachPixel(bitmap, r, [c = PIX_Quarter(color)](PIX_Pixel& p) { p = PIX_MixThreeQuartersPre(p, c); });
      return;
    case RowPath::kMixThreeQuarters:
      PIX_ForEachPixel(bitmap, r, [c = PIX_ThreeQuartersOf(color)](PIX_Pixel& p) { p = PIX_MixQuarterPre(p, c); });
      return;
    default: break;  // the combiner
  }
  const int32_t cr = PIX_PixelR(color), cg = PIX_PixelG(color), cb = PIX_PixelB(color);
  // The weight also stands for the colour's alpha channel.
  PIX_WithPlainCombiner(mode, w, [&](auto combine) {
    PIX_ForEachPixel(bitmap, r, [=](PIX_Pixel& p) { combine(&p, cr, cg, cb, w, w); });
  });
}

void PIX_ClearRect(PIX_IBitmap* bitmap, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t andMask,
                   uint32_t orBits)
{
  if (!bitmap) return;
  const PIX_ClippedRect r = PIX_ClipToBitmap(bitmap, x, y, width, height);
  if (r.Empty()) return;
  PIX_ForEachPixel(bitmap, r, [andMask, orBits](PIX_Pixel& p) { p = (p & andMask) | orBits; });
}

void PIX_FillBitmap(PIX_IBitmap* bitmap, PIX_Pixel color)
{
  if (!bitmap) return;
  const PIX_ClippedRect r = PIX_ClipToBitmap(bitmap, 0, 0, bitmap->GetWidth(), bitmap->GetHeight());
  if (r.Empty()) return;
  PIX_ForEachPixel(bitmap, r, [color](PIX_Pixel& p) { p = color; });
}

namespace {
PIX_Pixel* PixelAt(PIX_IBitmap* bitmap, int32_t x, int32_t y)
{
  if (!bitmap || !bitmap->GetBits() || x < 0 || y < 0 || x >= bitmap->GetWidth() || y >= bitmap->GetHeight())
    return nullptr;
  return PIX_RowsAt(bitmap, y).row + x;
}
}  // namespace

PIX_Pixel PIX_GetPixel(PIX_IBitmap* bitmap, int32_t x, int32_t y)
{
  const PIX_Pixel* p = PixelAt(bitmap, x, y);
  return p ? *p : 0;
}

void PIX_PutPixel(PIX_IBitmap* bitmap, int32_t x, int32_t y, PIX_Pixel color, float alpha, int32_t mode)
{
  PIX_Pixel* p = PixelAt(bitmap, x, y);
  if (!p) return;
  const int32_t w = PIX_AlphaToWeight(alpha);
  if ((mode & PIX_MODE_MASK) == PIX_MODE_COPY && CopyShortcut(*p, color, w)) return;
  PIX_WithPlainCombiner(mode, w, [&](auto combine) {
    combine(p, PIX_PixelR(color), PIX_PixelG(color), PIX_PixelB(color), PIX_PixelA(color), w);
  });
}

void PIX_DrawGlyph(PIX_IBitmap* bitmap, int32_t x, int32_t y, PIX_Pixel color, const uint8_t* coverage,
                   int32_t glyphWidth, int32_t glyphHeight, float alpha, int32_t mode)
{
  if (!bitmap || !coverage || glyphWidth <= 0 || glyphHeight <= 0) return;
  const int32_t w = PIX_AlphaToWeight(alpha);
  const int32_t stride = glyphWidth;
  int64_t gx = x, gy = y, width = glyphWidth, height = glyphHeight, skipX = 0, skipY = 0;
  if (gx < 0) width += gx, skipX = -gx, gx = 0;
  if (gy < 0) height += gy, skipY = -gy, gy = 0;
  if (gx + width >= bitmap->GetWidth()) width = bitmap->GetWidth() - gx;
  if (gy + height >= bitmap->GetHeight()) height = bitmap->GetHeight() - gy;
  if (width <= 0 || height <= 0 || !bitmap->GetBits()) return;
  if (w == 0 || (mode & PIX_MODE_MASK) > PIX_MODE_HSV_ADJUST) return;
  if ((mode & PIX_MODE_MASK) == PIX_MODE_COPY && w < 1) return;

  const int32_t cr = PIX_PixelR(color), cg = PIX_PixelG(color), cb = PIX_PixelB(color), ca = PIX_PixelA(color);
  auto stamp = [&](auto combine) {
    PIX_Rows rows = PIX_RowsAt(bitmap, (int32_t)gy);
    const uint8_t* cov = coverage + skipY * stride + skipX;
    for (int64_t j = 0; j < height; ++j, rows.row += rows.step, cov += stride) {
      PIX_Pixel* p = rows.row + gx;
      for (int64_t i = 0; i < width; ++i)
        if (cov[i]) combine(p + i, cr, cg, cb, ca, (cov[i] * w) / 256);
    }
  };
  // The weight varies with the coverage, so copy always takes the weighted form.
  if ((mode & PIX_MODE_MASK) == PIX_MODE_COPY)
    stamp(PIX_CombineCopyAlpha());
  else
    PIX_WithPlainCombiner(mode, w, stamp);
}
