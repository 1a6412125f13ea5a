#ifndef IGRAPHICRECORDS_H
#define IGRAPHICRECORDS_H

// The small value records the editor passes around: rectangles, colours,
// text styles, blends, film-strip bitmaps and the mouse modifiers. Plain
// records copied by value; a strip borrows its bitmap from the bitmap cache.
// Any thread: plain values.

#include <algorithm>

#include "IFxUtilities.h"

class PIX_IBitmap;
struct IBitmapStrip;

// A rectangle in editor pixels, right and bottom exclusive for hit tests.
// Only the all-zero rectangle counts as empty.

struct IRECT {
  int L = 0, T = 0, R = 0, B = 0;

  IRECT() = default;
  IRECT(int l, int t, int r, int b) : L(l), T(t), R(r), B(b) {}
  // One frame of a strip placed at (x, y).
  IRECT(int x, int y, const IBitmapStrip& strip);

  bool Empty() const { return L == 0 && T == 0 && R == 0 && B == 0; }
  int W() const { return R - L; }
  int H() const { return B - T; }
  float MW() const { return (float)(L + R) * 0.5f; }
  float MH() const { return (float)(T + B) * 0.5f; }

  bool Contains(int x, int y) const { return !Empty() && x >= L && x < R && y >= T && y < B; }
  // This side's right and bottom edges count as inside, the other's do not.
  bool Intersects(const IRECT& o) const { return !Empty() && !o.Empty() && R >= o.L && L < o.R && B >= o.T && T < o.B; }
  IRECT Union(const IRECT& o) const
  {
    if (Empty()) return o;
    if (o.Empty()) return *this;
    return IRECT(std::min(L, o.L), std::min(T, o.T), std::max(R, o.R), std::max(B, o.B));
  }
  IRECT Intersect(const IRECT& o) const
  {
    if (!Intersects(o)) return IRECT();
    return IRECT(std::max(L, o.L), std::max(T, o.T), std::min(R, o.R), std::min(B, o.B));
  }
  bool operator==(const IRECT& o) const { return L == o.L && T == o.T && R == o.R && B == o.B; }
  bool operator!=(const IRECT& o) const { return !(*this == o); }
};

// A colour, each component 0..255.
struct IColor {
  int A = 255, R = 0, G = 0, B = 0;

  IColor() = default;
  IColor(int a, int r, int g, int b) : A(a), R(r), G(g), B(b) {}
  bool operator==(const IColor& o) const { return A == o.A && R == o.R && G == o.G && B == o.B; }
  bool operator!=(const IColor& o) const { return !(*this == o); }
};

const IColor COLOR_BLACK(255, 0, 0, 0);
const IColor COLOR_GRAY(255, 127, 127, 127);
const IColor COLOR_WHITE(255, 255, 255, 255);
const IColor COLOR_RED(255, 255, 0, 0);
const IColor COLOR_GREEN(255, 0, 255, 0);
const IColor COLOR_BLUE(255, 0, 0, 255);
const IColor COLOR_YELLOW(255, 255, 255, 0);
const IColor COLOR_ORANGE(255, 255, 127, 0);

// A text style.
struct IText {
  enum EStyle { kStyleNormal = 0, kStyleBold, kStyleItalic };
  enum EAlign { kAlignNear = 0, kAlignCenter, kAlignFar };
  static constexpr int kFontLen = 32;

  char mFont[kFontLen];
  int mSize;
  IColor mColor;
  int mStyle;
  int mAlign;
  int mOrientation;  // degrees

  explicit IText(int size = 13, const IColor& color = COLOR_BLACK, const char* font = nullptr, int style = kStyleNormal,
                 int align = kAlignCenter, int orientation = 0)
    : mSize(size), mColor(color), mStyle(style), mAlign(align), mOrientation(orientation)
  {
    CopyTextCut(mFont, font ? font : "Arial", kFontLen);
  }
};

// How a drawing lays its pixels on the surface, and its opacity.
struct IChannelBlend {
  // Any other method blends by the source alpha, as kBlendAlpha does.
  enum EMethod { kBlendAlpha = 0, kBlendCopy = 1, kBlendAdd = 2, kBlendColorDodge = 3 };

  int mMethod;
  float mWeight;

  explicit IChannelBlend(int method = kBlendAlpha, float weight = 1.0f) : mMethod(method), mWeight(weight) {}
};

// An image as controls hold it: N frames of W x H / N stacked vertically.
struct IBitmapStrip {
  PIX_IBitmap* mBitmap = nullptr;  // borrowed from the bitmap cache
  int W = 0, H = 0, N = 1;

  IBitmapStrip() = default;
  IBitmapStrip(PIX_IBitmap* bitmap, int w, int h, int n = 1) : mBitmap(bitmap), W(w), H(h), N(n) {}
  // The height of one frame; a strip without frames counts as one.
  int FrameHeight() const { return N > 0 ? H / N : H; }
  // The frame (1-based) that shows a value of 0..1.
  int FrameOf(double value) const
  {
    if (N <= 1 || !(value == value)) return 1;
    const double frame = (double)(N - 1) * value + 0.5;
    if (frame < 0.0) return 1;
    if (frame >= (double)(N - 1)) return N;
    return (int)frame + 1;
  }
};

inline IRECT::IRECT(int x, int y, const IBitmapStrip& strip) : L(x), T(y), R(x + strip.W), B(y + strip.FrameHeight()) {}

// The buttons and keys held with a mouse event.
struct IMouseModifiers {
  bool L = false, R = false, S = false, C = false, A = false;

  IMouseModifiers() = default;
  IMouseModifiers(bool l, bool r, bool s = false, bool c = false, bool a = false) : L(l), R(r), S(s), C(c), A(a) {}
};

#endif
