// Arcs drawn by the circle rasterisers through a clip box that lets through
// only the rows and the half of the circle an angle range covers, and
// rounded rectangles made of lines and quarter arcs.
#include "PIX_Arc.h"

#include <algorithm>
#include <cmath>

#include "PIX_Circle.h"
#include "PIX_Line.h"
#include "detail/PIX_ShapeCombine.h"

namespace {

constexpr float kPi = 3.1415927f;
constexpr float kTwoPi = 6.2831855f;
constexpr float kHalfPi = 1.5707964f;
constexpr float kThreeHalfPi = 4.712389f;

}  // namespace

void PIX_ArcSegment(int32_t width, int32_t height, PIX_IBitmap* bitmap, float cx, float cy, float radius, float low,
                    float high, PIX_Pixel color, int32_t w, bool aa, int32_t mode)
{
  if (!bitmap || !std::isfinite(low) || !std::isfinite(high)) return;
  if (!PIX_ShapeCoordOK(cx) || !PIX_ShapeCoordOK(cy) || !PIX_ShapeCoordOK(radius)) return;
  // Cut at -pi, 0 and pi so that each piece lies in one half of the circle,
  // where the row falls or rises monotonically with the angle.
  if (low < -kPi && -kPi < high) {
    PIX_ArcSegment(width, height, bitmap, cx, cy, radius, low, -kPi, color, w, aa, mode);
    low = -kPi;
  }
  if (low < 0.0f && 0.0f < high) {
    PIX_ArcSegment(width, height, bitmap, cx, cy, radius, low + kTwoPi, kTwoPi, color, w, aa, mode);
    low = 0.0f;
  }
  if (low < kPi && kPi < high) {
    PIX_ArcSegment(width, height, bitmap, cx, cy, radius, low, kPi, color, w, aa, mode);
    low = kPi;
  }
  const int32_t ya = PIX_Trunc(cy - std::cos(low) * radius + 0.5f), yb = PIX_Trunc(cy - std::cos(high) * radius + 0.5f);
  PIX_Rect box{0, std::max(std::min(ya, yb), 0), width, std::min(std::max(ya, yb) + 1, height)};
  const bool leftHalf = -kPi <= low && (low < 0.0f || low >= kPi);
  if (leftHalf) {
    if (cx < (float)width) box.right = PIX_Trunc(cx);  // the centre column belongs to the right half
  } else if (cx > 0.0f) {
    box.left = PIX_Trunc(cx);
  }
  PIX_CircleDispatch(bitmap, cx, cy, radius, color, w, aa, false, mode, box, true);
}

void PIX_Arc(PIX_IBitmap* bitmap, float cx, float cy, float radius, float angle1, float angle2, PIX_Pixel color,
             float alpha, int32_t mode, bool aa)
{
  if (!bitmap || !std::isfinite(angle1) || !std::isfinite(angle2)) return;
  const int32_t width = bitmap->GetWidth(), height = bitmap->GetHeight();
  const bool flipped = bitmap->IsFlipped();
  if (flipped) {
    angle1 = kPi - angle1;
    angle2 = kPi - angle2;
  }
  float low = std::min(angle1, angle2), high = std::max(angle1, angle2);
  if (high - low >= kTwoPi) {
    PIX_Circle(bitmap, cx, cy, radius, color, alpha, mode, aa);
    return;
  }
  if (high >= kTwoPi) {
    const float m = std::fmod(high, kTwoPi);
    low = low - (high - m);
    high = m;
  } else if (low <= -kTwoPi) {
    const float m = std::fmod(low, kTwoPi);
    high = high - (low - m);
    low = m;
  }
  const int32_t w = PIX_AlphaToWeight(alpha);
  if (w == 0) return;
  PIX_ArcSegment(width, height, bitmap, cx, flipped ? (float)(height - 1) - cy : cy, radius, low, high, color, w, aa,
                 mode);
}

void PIX_RoundRect(PIX_IBitmap* bitmap, float x, float y, float width, float height, int32_t cornerRadius,
                   PIX_Pixel color, float alpha, int32_t mode, bool aa)
{
  if (!bitmap) return;
  if (!PIX_ShapeCoordOK(x) || !PIX_ShapeCoordOK(y) || !PIX_ShapeCoordOK(width) || !PIX_ShapeCoordOK(height)) return;
  if (cornerRadius > 0) {
    float c = (float)cornerRadius;
    if ((double)c > (double)width * 0.5) c = width * 0.5f;
    if ((double)c > (double)height * 0.5) c = height * 0.5f;
    c = std::floor(c);
    if (c >= 2.0f) {
      PIX_Line(bitmap, PIX_Trunc(x + c), PIX_Trunc(y), PIX_Trunc(x + width - c), PIX_Trunc(y), color, alpha, mode, aa);
      PIX_Line(bitmap, PIX_Trunc(x + c - 1), PIX_Trunc(y + height), PIX_Trunc(x + width - c), PIX_Trunc(y + height),
               color, alpha, mode, aa);
      PIX_Line(bitmap, PIX_Trunc(x + width), PIX_Trunc(y + c), PIX_Trunc(x + width), PIX_Trunc(y + height - c), color,
               alpha, mode, aa);
      PIX_Line(bitmap, PIX_Trunc(x), PIX_Trunc(y + c - 1), PIX_Trunc(x), PIX_Trunc(y + height - c), color, alpha, mode,
               aa);
      PIX_Arc(bitmap, x + c, y + c, c, -kHalfPi, 0.0f, color, alpha, mode, aa);
      PIX_Arc(bitmap, x + width - c, y + c, c, 0.0f, kHalfPi, color, alpha, mode, aa);
      PIX_Arc(bitmap, x + width - c, y + height - c, c, kHalfPi, kPi, color, alpha, mode, aa);
      PIX_Arc(bitmap, x + c, y + height - c, c, kPi, kThreeHalfPi, color, alpha, mode, aa);
      return;
    }
  }
  PIX_DrawRect(bitmap, PIX_Trunc(x), PIX_Trunc(y), PIX_Trunc(width), PIX_Trunc(height), color, alpha, mode);
}
