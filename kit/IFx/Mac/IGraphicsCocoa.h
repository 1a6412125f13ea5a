#ifndef IGRAPHICSCOCOA_H
#define IGRAPHICSCOCOA_H

// The Cocoa view that shows an IGraphicsMac editor: it marks what its
// timer finds dirty, draws the editor in -drawRect:, turns Cocoa's mouse
// events into the editor core's, and shows the popup menus and the text
// entry. The host holds the view; removing it from its superview closes
// the editor's window. Objective-C++ only; everything on the main thread.

#import <Cocoa/Cocoa.h>

#include "IGraphicsMacRules.h"

class IControl;
class IGraphicsMac;
class IPopupMenu;
struct IText;

// The target of a shown popup menu's items: it keeps the one chosen.
@interface DummyCocoaView_vTesmoran : NSView {
  NSMenuItem* nsMenuItem;
}
- (void)OnMenuSelection:(id)sender;
- (NSMenuItem*)MenuItem;
@end

@interface IGraphicsCocoa_vTesmoran : NSView {
  NSTimer* mTimer;
  NSTextField* mTextFieldView;
  IControl* mEdControl;
  int mEdParamIdx;
  IGraphicsMac* mGraphics;
}
- (id)init;
- (id)initWithIGraphics:(IGraphicsMac*)pGraphics;
- (BOOL)isOpaque;
- (BOOL)acceptsFirstResponder;
- (BOOL)acceptsFirstMouse:(NSEvent*)pEvent;
- (void)viewDidMoveToWindow;
- (void)drawRect:(NSRect)rect;
- (void)onTimer:(NSTimer*)pTimer;
- (void)getMouseXY:(NSEvent*)pEvent x:(int*)pX y:(int*)pY;
- (BOOL)editorMouse:(NSEvent*)pEvent right:(bool)right x:(int*)pX y:(int*)pY modifiers:(IMouseModifiers*)pMod;
- (void)mouseDown:(NSEvent*)pEvent;
- (void)mouseUp:(NSEvent*)pEvent;
- (void)mouseDragged:(NSEvent*)pEvent;
- (void)rightMouseDown:(NSEvent*)pEvent;
- (void)rightMouseUp:(NSEvent*)pEvent;
- (void)rightMouseDragged:(NSEvent*)pEvent;
- (void)mouseMoved:(NSEvent*)pEvent;
- (void)scrollWheel:(NSEvent*)pEvent;
- (void)killTimer;
// Forgets the editor without closing it (the editor is closing the view).
- (void)detachGraphics;
- (IGraphicsMac*)graphics;
- (void)removeFromSuperview;
- (void)controlTextDidEndEditing:(NSNotification*)aNotification;
- (IPopupMenu*)createIPopupMenu:(IPopupMenu*)pMenu:(NSRect)rect;
- (void)createTextEntry:(IControl*)pControl:(int)paramIdx:(const IText*)pText:(const char*)pString:(NSRect)areaRect;
- (void)endUserInput;
@end

// The view rectangle over an editor rectangle, and back.
NSRect ToNSRect(IGraphicsMac* pGraphics, const IRECT* pR);
IRECT FlipRect(IGraphicsMac* pGraphics, const NSRect* pR);

#endif
