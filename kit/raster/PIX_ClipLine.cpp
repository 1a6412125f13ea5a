#include "PIX_ClipLine.h"

#include <cmath>

#include "detail/PIX_Clip.h"

bool PIX_ClipLine(int32_t* px1, int32_t* py1, int32_t* px2, int32_t* py2, int32_t width, int32_t height)
{
  return PIX_ClipSegment(*px1, *py1, *px2, *py2, width, height);
}

bool PIX_ClipLineF(float* x1, float* y1, float* x2, float* y2, int32_t width, int32_t height)
{
  if (!std::isfinite(*x1) || !std::isfinite(*y1) || !std::isfinite(*x2) || !std::isfinite(*y2)) return false;
  double a = *x1, b = *y1, c = *x2, d = *y2;
  const bool kept = PIX_ClipSegment(a, b, c, d, width, height);
  *x1 = (float)a;
  *y1 = (float)b;
  *x2 = (float)c;
  *y2 = (float)d;
  return kept;
}

bool PIX_ClipLineToRect(int32_t* x1, int32_t* y1, int32_t* x2, int32_t* y2, const PIX_Rect& rect)
{
  const int64_t w = (int64_t)rect.right - rect.left, h = (int64_t)rect.bottom - rect.top;
  int32_t a = PIX_SaturateInt32((int64_t)*x1 - rect.left), b = PIX_SaturateInt32((int64_t)*y1 - rect.top);
  int32_t c = PIX_SaturateInt32((int64_t)*x2 - rect.left), d = PIX_SaturateInt32((int64_t)*y2 - rect.top);
  const bool kept = PIX_ClipLine(&a, &b, &c, &d, PIX_SaturateInt32(w), PIX_SaturateInt32(h));
  *x1 = PIX_SaturateInt32((int64_t)a + rect.left);
  *y1 = PIX_SaturateInt32((int64_t)b + rect.top);
  *x2 = PIX_SaturateInt32((int64_t)c + rect.left);
  *y2 = PIX_SaturateInt32((int64_t)d + rect.top);
  return kept;
}

bool PIX_ClipLineToRectF(float* x1, float* y1, float* x2, float* y2, const PIX_Rect& rect)
{
  if (!std::isfinite(*x1) || !std::isfinite(*y1) || !std::isfinite(*x2) || !std::isfinite(*y2)) return false;
  double a = (double)*x1 - rect.left, b = (double)*y1 - rect.top;
  double c = (double)*x2 - rect.left, d = (double)*y2 - rect.top;
  const bool kept = PIX_ClipSegment(a, b, c, d, (double)rect.right - rect.left, (double)rect.bottom - rect.top);
  *x1 = (float)(a + rect.left);
  *y1 = (float)(b + rect.top);
  *x2 = (float)(c + rect.left);
  *y2 = (float)(d + rect.top);
  return kept;
}
