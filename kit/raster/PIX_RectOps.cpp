#include "PIX_RectOps.h"

#include <cstdlib>
#include <cstring>

#include "PIX_Blend.h"
#include "detail/PIX_Clip.h"

namespace {

// Float to a 16.16 or 8.8 integer, held where no arithmetic below can overflow.
int64_t ToFixed(double v, double scale)
{
  if (!(v == v)) return 0;
  const double f = v * scale, limit = 1099511627776.0;  // 2^40
  return (int64_t)(f > limit ? limit : f < -limit ? -limit : f);
}

int32_t Held(int64_t v, int32_t lo, int32_t hi) { return (int32_t)(v < lo ? lo : v > hi ? hi : v); }

}  // namespace

void PIX_GradientRect(PIX_IBitmap* dest, int32_t x, int32_t y, int32_t width, int32_t height, float r, float g, float b,
                      float a, float drdx, float dgdx, float dbdx, float dadx, float drdy, float dgdy, float dbdy,
                      float dady, int32_t mode)
{
  if (!dest) return;
  // Colours in 0..255 and alpha in 0..256, moved to the clipped corner.
  double start[4] = {r * 255.0, g * 255.0, b * 255.0, a * 256.0};
  const double perPixel[4] = {drdx * 255.0, dgdx * 255.0, dbdx * 255.0, dadx * 256.0};
  const double perRow[4] = {drdy * 255.0, dgdy * 255.0, dbdy * 255.0, dady * 256.0};
  for (int c = 0; c < 4; ++c) {
    if (x < 0) start[c] -= (double)x * perPixel[c];
    if (y < 0) start[c] -= (double)y * perRow[c];
  }
  const PIX_ClippedRect rect = PIX_ClipToBitmap(dest, x, y, width, height);
  if (rect.Empty()) return;

  int64_t rowValue[4], dx[4], dy[4];
  for (int c = 0; c < 4; ++c) {
    rowValue[c] = ToFixed(start[c], 65536.0);
    dx[c] = ToFixed(perPixel[c], 65536.0);
    dy[c] = ToFixed(perRow[c], 65536.0);
  }
  PIX_Rows rows = PIX_RowsAt(dest, rect.y);
  auto eachPixel = [&](auto op) {
    int64_t v[4];
    for (int32_t j = 0; j < rect.height; ++j, rows.row += rows.step) {
      std::memcpy(v, rowValue, sizeof v);
      PIX_Pixel* p = rows.row + rect.x;
      for (int32_t i = 0; i < rect.width; ++i) {
        op(p[i], v);
        for (int c = 0; c < 4; ++c) v[c] += dx[c];
      }
      for (int c = 0; c < 4; ++c) rowValue[c] += dy[c];
    }
  };

  const int32_t low = mode & PIX_MODE_MASK;
  if (low == PIX_MODE_COPY && rowValue[3] == (256 << 16) && dx[3] == 0 && dy[3] == 0) {
    eachPixel([](PIX_Pixel& p, const int64_t* v) {
      PIX_StoreClampedPixel(&p, Held(v[0] >> 16, 0, 255), Held(v[1] >> 16, 0, 255), Held(v[2] >> 16, 0, 255), 255);
    });
    return;
  }
  if (low > PIX_MODE_HSV_ADJUST) return;
  // The weight also stands for the colour's alpha channel. Colours are held
  // to 0..255 and weights to +-4096, where no combiner can overflow.
  auto run = [&](auto combine, bool copy) {
    eachPixel([&](PIX_Pixel& p, const int64_t* v) {
      const int32_t w = Held(v[3] >> 16, -4096, 4096);
      if (w == 0 || (copy && w < 1)) return;
      combine(&p, Held(v[0] >> 16, 0, 255), Held(v[1] >> 16, 0, 255), Held(v[2] >> 16, 0, 255), w, w);
    });
  };
  switch (low) {
    case PIX_MODE_COPY: run(PIX_CombineCopyAlphaClamped(), true); break;
    case PIX_MODE_ADD: run(PIX_CombineAdd(), false); break;
    case PIX_MODE_DODGE: run(PIX_CombineDodge(), false); break;
    case PIX_MODE_MULTIPLY: run(PIX_CombineMultiplyClamped(), false); break;
    case PIX_MODE_OVERLAY: run(PIX_CombineOverlay(), false); break;
    case PIX_MODE_HSV_ADJUST: run(PIX_CombineHSVAdjust(), false); break;
  }
}

void PIX_BlurRect(PIX_IBitmap* dest, PIX_IBitmap* src, int32_t destX, int32_t destY, int32_t srcX, int32_t srcY,
                  int32_t srcWidth, int32_t srcHeight)
{
  if (!dest || !src) return;
  int64_t sx = srcX, sy = srcY, w = srcWidth, h = srcHeight, dx = destX, dy = destY;
  if (sx < 0) w += sx, dx -= sx, sx = 0;
  if (sy < 0) h += sy, dy -= sy, sy = 0;
  if (sx + w > src->GetWidth()) w = src->GetWidth() - sx;
  if (sy + h > src->GetHeight()) h = src->GetHeight() - sy;
  if (dx < 0) w += dx, sx -= dx, dx = 0;
  if (dy < 0) h += dy, sy -= dy, dy = 0;
  if (dx + w > dest->GetWidth()) w = dest->GetWidth() - dx;
  if (dy + h > dest->GetHeight()) h = dest->GetHeight() - dy;
  if (w < 2 || h < 2 || !src->GetBits() || !dest->GetBits()) return;
  const int32_t width = (int32_t)w, height = (int32_t)h;

  // Blurring a bitmap onto itself reads from a copy, so no neighbour is
  // read after it was overwritten.
  PIX_Pixel* copy = nullptr;
  PIX_Rows s = PIX_RowsAt(src, (int32_t)sy);
  s.row += sx;
  if (src == dest) {
    copy = static_cast<PIX_Pixel*>(std::malloc((size_t)width * height * 4));
    if (!copy) return;
    for (int32_t j = 0; j < height; ++j, s.row += s.step)
      std::memcpy(copy + (size_t)j * width, s.row, (size_t)width * 4);
    s = PIX_Rows{copy, width};
  }
  PIX_Rows d = PIX_RowsAt(dest, (int32_t)dy);
  d.row += dx;
  for (int32_t j = 0; j < height; ++j, s.row += s.step, d.row += d.step) {
    const PIX_Pixel* above = j > 0 ? s.row - s.step : nullptr;
    const PIX_Pixel* below = j + 1 < height ? s.row + s.step : nullptr;
    const PIX_Pixel* c = s.row;
    for (int32_t i = 0; i < width; ++i) {
      PIX_Pixel sum = PIX_Half(c[i]);
      if (i > 0 && i + 1 < width)
        sum += PIX_Eighth(c[i - 1]) + PIX_Eighth(c[i + 1]);
      else
        sum += PIX_Quarter(i > 0 ? c[i - 1] : c[i + 1]);
      if (above && below)
        sum += PIX_Eighth(above[i]) + PIX_Eighth(below[i]);
      else
        sum += PIX_Quarter(above ? above[i] : below[i]);
      d.row[i] = sum;
    }
  }
  std::free(copy);
}

void PIX_ScaleAddRect(PIX_IBitmap* bitmap, int32_t x, int32_t y, int32_t width, int32_t height, float rScale,
                      float gScale, float bScale, float aScale, float rAdd, float gAdd, float bAdd, float aAdd)
{
  if (!bitmap) return;
  const PIX_ClippedRect r = PIX_ClipToBitmap(bitmap, x, y, width, height);
  if (r.Empty()) return;
  const int64_t scale[4] = {ToFixed(rScale, 256.0), ToFixed(gScale, 256.0), ToFixed(bScale, 256.0),
                            ToFixed(aScale, 256.0)};
  const int64_t add[4] = {ToFixed(rAdd, 256.0), ToFixed(gAdd, 256.0), ToFixed(bAdd, 256.0), ToFixed(aAdd, 256.0)};
  static const int kByte[4] = {PIX_BYTE_R, PIX_BYTE_G, PIX_BYTE_B, PIX_BYTE_A};
  PIX_ForEachPixel(bitmap, r, [&](PIX_Pixel& p) {
    uint8_t* bytes = reinterpret_cast<uint8_t*>(&p);
    for (int c = 0; c < 4; ++c) bytes[kByte[c]] = (uint8_t)Held((bytes[kByte[c]] * scale[c] + add[c]) >> 8, 0, 255);
  });
}

void PIX_ForEachPixel(PIX_IBitmap* bitmap, int32_t x, int32_t y, int32_t width, int32_t height,
                      void (*callback)(PIX_Pixel* pixel, void* user), void* user)
{
  if (!bitmap || !callback) return;
  const PIX_ClippedRect r = PIX_ClipToBitmap(bitmap, x, y, width, height);
  if (r.Empty()) return;
  PIX_ForEachPixel(bitmap, r, [callback, user](PIX_Pixel& p) { callback(&p, user); });
}

void PIX_KeyColorToAlpha(PIX_IBitmap* bitmap, uint32_t keyColor)
{
  if (!bitmap) return;
  const PIX_ClippedRect r = PIX_ClipToBitmap(bitmap, 0, 0, bitmap->GetWidth(), bitmap->GetHeight());
  if (r.Empty()) return;
  const uint32_t alpha = 0xFFu << PIX_SHIFT_A, colour = ~alpha;
  const uint32_t key = keyColor & colour;
  PIX_ForEachPixel(bitmap, r, [=](PIX_Pixel& p) { p = (p & colour) == key ? p & colour : p | alpha; });
}

void PIX_FloodFillColumn(PIX_IBitmap* bitmap, int32_t x, int32_t y, uint32_t newBits, uint32_t compareMask,
                         uint32_t keepMask)
{
  if (!bitmap || !bitmap->GetBits() || x < 0 || y < 0 || x >= bitmap->GetWidth() || y >= bitmap->GetHeight()) return;
  const int32_t width = bitmap->GetWidth(), height = bitmap->GetHeight();
  const uint32_t seed = PIX_RowsAt(bitmap, y).row[x] & compareMask;
  auto matches = [=](PIX_Pixel p) { return (p & compareMask) == seed; };
  auto fill = [=](PIX_Pixel& p) { p = (p & keepMask) | newBits; };
  // Fills the run through column x of a row; false when column x does not match.
  auto fillRow = [&](int32_t row) {
    PIX_Pixel* p = PIX_RowsAt(bitmap, row).row;
    if (!matches(p[x])) return false;
    fill(p[x]);
    for (int32_t i = x + 1; i < width && matches(p[i]); ++i) fill(p[i]);
    for (int32_t i = x - 1; i >= 0 && matches(p[i]); --i) fill(p[i]);
    return true;
  };
  for (int32_t row = y; row < height && fillRow(row); ++row) {}
  for (int32_t row = y - 1; row >= 0 && fillRow(row); --row) {}
}

void PIX_HalfSizeBlit(PIX_IBitmap* dest, PIX_IBitmap* src)
{
  if (!dest || !src || !dest->GetBits() || !src->GetBits()) return;
  const int32_t width = dest->GetWidth() < src->GetWidth() / 2 ? dest->GetWidth() : src->GetWidth() / 2;
  const int32_t height = dest->GetHeight() < src->GetHeight() / 2 ? dest->GetHeight() : src->GetHeight() / 2;
  for (int32_t j = 0; j < height; ++j) {
    const PIX_Pixel* s0 = PIX_RowsAt(src, 2 * j).row;
    const PIX_Pixel* s1 = PIX_RowsAt(src, 2 * j + 1).row;
    PIX_Pixel* d = PIX_RowsAt(dest, j).row;
    for (int32_t i = 0; i < width; ++i)
      d[i] = PIX_Quarter(s0[2 * i]) + PIX_Quarter(s0[2 * i + 1]) + PIX_Quarter(s1[2 * i]) + PIX_Quarter(s1[2 * i + 1]);
  }
}

int32_t PIX_CompareBitmaps(PIX_IBitmap* a, PIX_IBitmap* b, PIX_DiffRect* differing)
{
  if (!a || !b) return a ? 1 : b ? -1 : 0;
  if (a->GetWidth() != b->GetWidth()) return b->GetWidth() - a->GetWidth();
  if (a->GetHeight() != b->GetHeight()) return b->GetHeight() - a->GetHeight();
  const int32_t width = a->GetWidth(), height = a->GetHeight();
  if (differing) *differing = PIX_DiffRect{0, 0, 0, 0};
  if (width <= 0 || height <= 0) return 0;
  if (!a->GetBits() || !b->GetBits()) return a->GetBits() ? 1 : b->GetBits() ? -1 : 0;
  auto rowA = [&](int32_t y) { return PIX_RowsAt(a, y).row; };
  auto rowB = [&](int32_t y) { return PIX_RowsAt(b, y).row; };
  const size_t bytes = (size_t)width * 4;
  if (!differing) {
    for (int32_t y = 0; y < height; ++y)
      if (int c = std::memcmp(rowA(y), rowB(y), bytes)) return c;
    return 0;
  }
  int32_t top = 0;
  while (top < height && std::memcmp(rowA(top), rowB(top), bytes) == 0) ++top;
  if (top == height) return 0;
  int32_t bottom = height - 1;
  while (std::memcmp(rowA(bottom), rowB(bottom), bytes) == 0) --bottom;
  int32_t left = width, right = -1;
  for (int32_t y = top; y <= bottom; ++y) {
    const PIX_Pixel *pa = rowA(y), *pb = rowB(y);
    for (int32_t x = 0; x < width; ++x)
      if (pa[x] != pb[x]) {
        if (x < left) left = x;
        if (x > right) right = x;
      }
  }
  *differing = PIX_DiffRect{left, top, right - left + 1, bottom - top + 1};
  return 1;
}
