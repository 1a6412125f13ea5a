// Pens, brushes and the shapes drawn with them, in Quartz.
#include <Carbon/Carbon.h>

#include <algorithm>

#include "MacDrawingRecords.h"

namespace {
bool Usable(const GdiObject* object, int kind)
{
  return object && !object->mFree && object->mKind == kind && object->mWidth >= 0 && object->mColor;
}
CGFloat PenWidth(const GdiObject* pen) { return std::max(1.0f, pen->mWidth); }
CGRect ToCGRect(const DrawingRect& r) { return CGRectMake(r.left, r.top, r.right - r.left, r.bottom - r.top); }
}  // namespace

CGColorRef CreateDrawingColor(uint32_t rgb, float alpha)
{
  CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
  if (!space) return nullptr;
  const CGFloat components[4] = {((rgb >> 16) & 0xFF) / 255.0f, ((rgb >> 8) & 0xFF) / 255.0f, (rgb & 0xFF) / 255.0f,
                                 alpha};
  CGColorRef color = CGColorCreate(space, components);
  CGColorSpaceRelease(space);
  return color;
}

GdiObject* SelectGdiObject(ContextRecord* context, GdiObject* object)
{
  if (!IsLiveContext(context) || !object || object->mFree) return nullptr;
  GdiObject** slot = object->mKind == kGdiPen     ? &context->mPen
                     : object->mKind == kGdiBrush ? &context->mBrush
                     : object->mKind == kGdiFont  ? &context->mFont
                                                  : nullptr;
  if (!slot) return nullptr;
  GdiObject* old = *slot;
  *slot = object;
  return old;
}

void MoveToPoint(ContextRecord* context, float x, float y, CGPoint* old)
{
  if (!IsLiveContext(context)) return;
  if (old) *old = CGPointMake(context->mPenX, context->mPenY);
  context->mPenX = x;
  context->mPenY = y;
}

void SetPixelColour(ContextRecord* context, int x, int y, uint32_t rgb)
{
  if (!IsLiveContext(context)) return;
  CGColorRef color = CreateDrawingColor(rgb, 1.0f);
  if (!color) return;
  CGContextRef cg = context->mContext;
  CGContextSaveGState(cg);
  CGContextSetStrokeColorWithColor(cg, color);
  CGContextSetLineWidth(cg, 1);
  CGContextBeginPath(cg);
  CGContextMoveToPoint(cg, x - 0.5f, y - 0.5f);
  CGContextAddLineToPoint(cg, x + 0.5f, y + 0.5f);
  CGContextStrokePath(cg);
  CGContextRestoreGState(cg);
  CGColorRelease(color);
}

void SetBackgroundMode(ContextRecord* context, int mode)
{
  if (IsLiveContext(context)) context->mBackgroundMode = mode;
}

void SaveContextState(ContextRecord* context)
{
  if (IsLiveContext(context)) CGContextSaveGState(context->mContext);
}

void DrawPolygon(ContextRecord* context, const CGPoint* points, int count)
{
  if (!IsLiveContext(context) || !points || count < 2 || !Usable(context->mPen, kGdiPen)) return;
  CGContextRef cg = context->mContext;
  const bool fill = Usable(context->mBrush, kGdiBrush);
  CGContextSaveGState(cg);
  CGContextSetStrokeColorWithColor(cg, context->mPen->mColor);
  CGContextSetLineWidth(cg, PenWidth(context->mPen));
  if (fill) CGContextSetFillColorWithColor(cg, context->mBrush->mColor);
  CGContextBeginPath(cg);
  CGContextMoveToPoint(cg, points[0].x, points[0].y);
  for (int i = 1; i < count; ++i) CGContextAddLineToPoint(cg, points[i].x, points[i].y);
  CGContextClosePath(cg);
  CGContextDrawPath(cg, fill ? kCGPathFillStroke : kCGPathStroke);
  CGContextRestoreGState(cg);
}

// The line lies as a Windows pen of that width would lay it.
void LineToPoint(ContextRecord* context, float x, float y)
{
  if (!IsLiveContext(context)) return;
  if (Usable(context->mPen, kGdiPen)) {
    CGContextRef cg = context->mContext;
    const CGFloat width = PenWidth(context->mPen), half = width / 2;
    CGContextSaveGState(cg);
    CGContextSetStrokeColorWithColor(cg, context->mPen->mColor);
    CGContextSetLineWidth(cg, width);
    CGContextBeginPath(cg);
    CGContextMoveToPoint(cg, context->mPenX + half, context->mPenY + half);
    CGContextAddLineToPoint(cg, x + half, y + half);
    CGContextStrokePath(cg);
    CGContextRestoreGState(cg);
  }
  context->mPenX = x;
  context->mPenY = y;
}

void FillRectWithBrush(ContextRecord* context, const DrawingRect* rect, GdiObject* brush)
{
  if (!IsLiveContext(context) || !rect || !Usable(brush, kGdiBrush)) return;
  CGContextSaveGState(context->mContext);
  CGContextSetFillColorWithColor(context->mContext, brush->mColor);
  CGContextFillRect(context->mContext, ToCGRect(*rect));
  CGContextRestoreGState(context->mContext);
}

void DrawRectangle(ContextRecord* context, int left, int top, int right, int bottom)
{
  if (!IsLiveContext(context)) return;
  const DrawingRect rect{left, top, right, bottom};
  FillRectWithBrush(context, &rect, context->mBrush);
  if (!Usable(context->mPen, kGdiPen)) return;
  CGContextRef cg = context->mContext;
  CGContextSaveGState(cg);
  CGContextSetStrokeColorWithColor(cg, context->mPen->mColor);
  CGContextSetLineWidth(cg, PenWidth(context->mPen));
  CGContextBeginPath(cg);
  CGContextAddRect(cg, ToCGRect(rect));
  CGContextStrokePath(cg);
  CGContextRestoreGState(cg);
}

void ClipToRect(ContextRecord* context, const DrawingRect* rect)
{
  if (IsLiveContext(context) && rect) CGContextClipToRect(context->mContext, ToCGRect(*rect));
}

void FillThemeBackground(ContextRecord* context, const DrawingRect* rect)
{
  if (!IsLiveContext(context) || !rect) return;
  CGContextSaveGState(context->mContext);
  HIThemeSetFill(kThemeBrushDialogBackgroundActive, nullptr, context->mContext, kHIThemeOrientationNormal);
  CGContextFillRect(context->mContext, ToCGRect(*rect));
  CGContextRestoreGState(context->mContext);
}
