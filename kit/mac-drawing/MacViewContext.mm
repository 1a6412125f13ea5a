// Contexts over a view: the paint context of a view that is painting, or
// the view's port with its focus locked.
#import <Cocoa/Cocoa.h>

#include "MacDrawingRecords.h"

// A view that paints through the drawing layer hands out its context
// while it paints.
@protocol MacDrawingPaintInfo
- (BOOL)getDrawPaintInfo:(ContextRecord**)context;
@end

namespace {
ContextRecord* PaintContext(NSView* view)
{
  ContextRecord* context = nullptr;
  if (view && [view respondsToSelector:@selector(getDrawPaintInfo:)] &&
      [(id<MacDrawingPaintInfo>)view getDrawPaintInfo:&context])
    return context;
  return nullptr;
}
}  // namespace

ContextRecord* GetViewContext(NSView* view)
{
  if (!view) return nullptr;
  if (ContextRecord* paint = PaintContext(view)) {
    CGContextSaveGState(paint->mContext);
    return paint;
  }
  ContextRecord* record = AllocContextRecord();
  if (!record) return nullptr;
  [view lockFocus];
  record->mContext = (CGContextRef)[[NSGraphicsContext currentContext] graphicsPort];
  record->mFocusedView = view;
  if (!record->mContext) {
    ReturnContextRecord(record);
    [view unlockFocus];
    return nullptr;
  }
  CGContextSaveGState(record->mContext);
  const NSRect bounds = [view bounds];
  CGContextTranslateCTM(record->mContext, bounds.origin.x, bounds.origin.y);
  SetContextTextColor(record, 0);
  return record;
}

void ReleaseViewContext(NSView* view, ContextRecord* context)
{
  if (!context || context->mFree) return;
  CGContextRestoreGState(context->mContext);
  if (PaintContext(view) == context) return;
  NSView* focused = context->mFocusedView;
  DeleteContext(context);
  [focused unlockFocus];
}
