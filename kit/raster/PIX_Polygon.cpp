// Convex polygons cut into trapezoids with horizontal top and bottom rows;
// each trapezoid is clipped to the bitmap and filled row by row with 16.16
// edge steps. Coordinates are held in 64 bits inside, so that flipping and
// edge arithmetic on extreme int32 input cannot overflow.
#include "PIX_Polygon.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <new>

#include "detail/PIX_ShapeCombine.h"

namespace {

struct Vertex {
  int64_t x, y;
};

// The bitmap and the writer one call fills with.
template <class Put>
struct Filler {
  PIX_Pixel* bits;
  ptrdiff_t span;
  int64_t width, height;
  Put put;
  int32_t w;
};

// x of the edge (xa, ya)-(xb, yb), ya <= yb, at a row; rows outside the
// edge take the x of its nearer end.
int64_t EdgeXAtRow(int64_t xa, int64_t ya, int64_t xb, int64_t yb, int64_t row)
{
  if (row <= ya) return xa;
  if (row >= yb) return xb;
  return xa + (int64_t)((float)(xb - xa) / (float)(yb - ya) * (float)(row - ya));
}

// y of an edge at a column, its ends taken in order of x.
int64_t EdgeYAtColumn(int64_t xa, int64_t ya, int64_t xb, int64_t yb, int64_t column)
{
  if (xa > xb) {
    std::swap(xa, xb);
    std::swap(ya, yb);
  }
  if (column <= xa) return ya;
  if (column >= xb) return yb;
  return ya + (int64_t)((float)(yb - ya) / (float)(xb - xa) * (float)(column - xa));
}

// Rows ya..yb (as far as the bitmap goes); row k's edges sit at
// x + sign * floor((|step| * k + 32767) / 65536).
template <class Put>
void FillSpans(const Filler<Put>& f, int64_t x1a, int64_t x2a, int64_t ya, int64_t x1b, int64_t x2b, int64_t yb)
{
  if (yb < ya) return;
  const int64_t dy = yb - ya;
  const double scale = dy ? 65536.0 / (double)dy : 0.0;
  const int64_t stepL = (int64_t)((double)(x1b - x1a) * scale), stepR = (int64_t)((double)(x2b - x2a) * scale);
  const int64_t magL = stepL < 0 ? -stepL : stepL, magR = stepR < 0 ? -stepR : stepR;
  int64_t accL = 32767, accR = 32767, left = x1a, right = x2a;
  const int64_t last = std::min(yb, f.height - 1);
  for (int64_t y = ya; y <= last; ++y) {
    // The cuts keep spans inside already; holding each row to the bitmap
    // as well costs nothing and keeps any rounding slip off other memory.
    const int64_t l = std::max<int64_t>(left, 0), r = std::min<int64_t>(right, f.width - 1);
    if (y >= 0 && l <= r) {
      PIX_Pixel* p = f.bits + (ptrdiff_t)y * f.span + (ptrdiff_t)l;
      for (int64_t n = r - l; n >= 0; --n, ++p) f.put(p, f.w);
    }
    accL += magL;
    if (accL >= 65536) {
      left += stepL < 0 ? -(accL >> 16) : (accL >> 16);
      accL &= 0xFFFF;
    }
    accR += magR;
    if (accR >= 65536) {
      right += stepR < 0 ? -(accR >> 16) : (accR >> 16);
      accR &= 0xFFFF;
    }
  }
}

// Cuts a trapezoid to the bitmap: rows above 0 and columns beyond the sides
// are dropped, and where a side edge crosses a border the trapezoid is split
// at that row (the crossing row is filled by both pieces).
template <class Put>
void FillTrapezoid(const Filler<Put>& f, int64_t x1a, int64_t x2a, int64_t ya, int64_t x1b, int64_t x2b, int64_t yb,
                   int depth = 0)
{
  const int64_t w = f.width;
  // Every restart or split puts one more edge end on a border; the bound
  // only stops a float slip from cutting forever (rows are held anyway).
  for (int pass = 0; pass < 8 && depth < 4; ++pass) {
    if (ya > yb) {
      std::swap(ya, yb);
      std::swap(x1a, x1b);
      std::swap(x2a, x2b);
    }
    if (x1a > x2a) std::swap(x1a, x2a);
    if (x1b > x2b) std::swap(x1b, x2b);
    // A trapezoid one column wide at column 0 is drawn like any other.
    if (x2a < 0 && x2b < 0) return;
    if (x1a >= w && x1b >= w) return;
    if (x1a <= 0 && x1b <= 0) x1a = x1b = 0;
    if (x2a >= w - 1 && x2b >= w - 1) x2a = x2b = w - 1;
    if (ya < 0) {
      if (yb < 0) return;
      x1a = EdgeXAtRow(x1a, ya, x1b, yb, 0);
      x2a = EdgeXAtRow(x2a, ya, x2b, yb, 0);
      ya = 0;
      // What shows from row 0 on may lie wholly beside the bitmap; the cuts
      // below would pull such a sliver onto column 0 or the last column.
      if (x2a < 0 && x2b < 0) return;
      if (x1a >= w && x1b >= w) return;
    }
    if (x2a < 0 || x2b < 0) {
      const int64_t yc = EdgeYAtColumn(x2a, ya, x2b, yb, 0), xl = EdgeXAtRow(x1a, ya, x1b, yb, yc);
      if (x2b < 0) {
        yb = yc;
        x1b = xl;
        x2b = 0;
      } else {
        ya = yc;
        x1a = xl;
        x2a = 0;
      }
    }
    if (x1a >= w || x1b >= w) {
      const int64_t yc = EdgeYAtColumn(x1a, ya, x1b, yb, w), xr = EdgeXAtRow(x2a, ya, x2b, yb, yc);
      if (x1b < w) {
        ya = yc;
        x1a = w;
        x2a = xr;
      } else {
        yb = yc;
        x1b = w;
        x2b = xr;
      }
    }
    if (x1a < 0 || x1b < 0) {
      const int64_t yc = EdgeYAtColumn(x1a, ya, x1b, yb, 0), xr = EdgeXAtRow(x2a, ya, x2b, yb, yc);
      FillTrapezoid(f, x1a, x2a, ya, 0, xr, yc, depth + 1);
      x1a = 0;
      x2a = xr;
      ya = yc;
      continue;
    }
    if (x2a >= w || x2b >= w) {
      const int64_t yc = EdgeYAtColumn(x2a, ya, x2b, yb, w - 1), xl = EdgeXAtRow(x1a, ya, x1b, yb, yc);
      FillTrapezoid(f, x1a, x2a, ya, xl, w - 1, yc, depth + 1);
      x1a = xl;
      x2a = w - 1;
      ya = yc;
      continue;
    }
    break;
  }
  if (ya >= 0) FillSpans(f, x1a, x2a, ya, x1b, x2b, yb);
}

// Calls loop(filler) with the filler of the mode; false when nothing is filled.
template <class Loop>
bool WithFiller(PIX_IBitmap* bitmap, PIX_Pixel color, float alpha, int32_t mode, Loop&& loop)
{
  PIX_Pixel* bits = bitmap->GetBits();
  const int32_t width = bitmap->GetWidth(), height = bitmap->GetHeight(), span = bitmap->GetRowSpan();
  if (!bits || width < 1 || height < 1 || span < width) return false;
  const int32_t w = PIX_AlphaToWeight(alpha);
  auto run = [&](const auto& put) { loop(Filler<std::decay_t<decltype(put)>>{bits, span, width, height, put, w}); };
  if ((mode & PIX_MODE_MASK) == PIX_MODE_COPY) {
    switch (w) {
      case 256: run(PIX_StoreWriter{color}); return true;
      case 128: run(PIX_HalfWriter{PIX_Half(color)}); return true;
      case 64: run(PIX_QuarterWriter{PIX_Quarter(color)}); return true;
      case 192: run(PIX_ThreeQuartersWriter{PIX_ThreeQuartersOf(color)}); return true;
      default: break;
    }
  }
  return PIX_WithShapeWriter<false>(mode, w, PIX_InkOf(color), run);
}

// Next vertex of a boundary chain from vertex a: among the later vertices on
// other rows, the one with the smallest slope (left chain) or the largest
// (right chain); on equal slopes the later one. a itself when none is left.
int32_t NextOnChain(const Vertex* v, int32_t n, int32_t a, bool left)
{
  int32_t best = a;
  float bestSlope = 0.0f;
  for (int32_t j = a + 1; j < n; ++j) {
    if (v[j].y == v[a].y) continue;
    const float slope = (float)(v[j].x - v[a].x) / (float)(v[j].y - v[a].y);
    if (best == a || (left ? slope <= bestSlope : slope >= bestSlope)) {
      best = j;
      bestSlope = slope;
    }
  }
  return best;
}

template <class Put>
void FillSorted(const Filler<Put>& f, const Vertex* v, int32_t n)
{
  const int64_t top = v[0].y;
  if (v[n - 1].y == top) {  // all on one row
    if (top >= 0 && top < f.height) FillTrapezoid(f, v[0].x, v[n - 1].x, top, v[0].x, v[n - 1].x, top);
    return;
  }
  int32_t right = 0, left = 0;
  while (right + 1 < n && v[right + 1].y == top) ++right;
  while (left + 1 < n && v[left + 1].y == top && v[left + 1].x == v[0].x) ++left;
  int32_t leftNext = NextOnChain(v, n, left, true), rightNext = NextOnChain(v, n, right, false);
  int64_t y = top;
  while (rightNext != right) {
    const int64_t yNext = std::min(v[leftNext].y, v[rightNext].y);
    const Vertex &la = v[left], &lb = v[leftNext], &ra = v[right], &rb = v[rightNext];
    FillTrapezoid(f, EdgeXAtRow(la.x, la.y, lb.x, lb.y, y), EdgeXAtRow(ra.x, ra.y, rb.x, rb.y, y), y,
                  EdgeXAtRow(la.x, la.y, lb.x, lb.y, yNext), EdgeXAtRow(ra.x, ra.y, rb.x, rb.y, yNext), yNext);
    if (v[leftNext].y == yNext) {
      left = leftNext;
      leftNext = NextOnChain(v, n, left, true);
    }
    if (v[rightNext].y == yNext) {
      right = rightNext;
      rightNext = NextOnChain(v, n, right, false);
    }
    y = yNext + 1;  // consecutive trapezoids share no row
  }
}

}  // namespace

void PIX_FillConvexPolygon(PIX_IBitmap* bitmap, const int32_t* x, const int32_t* y, int32_t n, PIX_Pixel color,
                           float alpha, int32_t mode)
{
  if (!bitmap || !x || !y || n < 3) return;
  constexpr int32_t kStackVertices = 512;
  Vertex stackVertices[kStackVertices];
  std::unique_ptr<Vertex[]> heapVertices;
  Vertex* v = stackVertices;
  if (n > kStackVertices) {
    heapVertices.reset(new (std::nothrow) Vertex[n]);
    if (!heapVertices) return;
    v = heapVertices.get();
  }
  const bool flipped = bitmap->IsFlipped();
  const int64_t height = bitmap->GetHeight();
  for (int32_t i = 0; i < n; ++i) v[i] = Vertex{x[i], flipped ? height - 1 - y[i] : y[i]};
  std::sort(v, v + n, [](const Vertex& a, const Vertex& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
  WithFiller(bitmap, color, alpha, mode, [&](const auto& f) { FillSorted(f, v, n); });
}

void PIX_FillTriangle(PIX_IBitmap* bitmap, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3,
                      PIX_Pixel color, float alpha, int32_t mode)
{
  const int32_t x[3] = {x1, x2, x3}, y[3] = {y1, y2, y3};
  PIX_FillConvexPolygon(bitmap, x, y, 3, color, alpha, mode);
}

void PIX_FillTrapezoid(PIX_IBitmap* bitmap, int32_t x1a, int32_t x2a, int32_t ya, int32_t x1b, int32_t x2b, int32_t yb,
                       PIX_Pixel color, float alpha, int32_t mode)
{
  if (!bitmap) return;
  int64_t rowA = ya, rowB = yb;
  if (bitmap->IsFlipped()) {
    rowA = (int64_t)bitmap->GetHeight() - 1 - ya;
    rowB = (int64_t)bitmap->GetHeight() - 1 - yb;
  }
  WithFiller(bitmap, color, alpha, mode, [&](const auto& f) { FillTrapezoid(f, x1a, x2a, rowA, x1b, x2b, rowB); });
}
