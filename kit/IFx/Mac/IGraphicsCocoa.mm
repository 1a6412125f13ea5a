#import "IGraphicsCocoa.h"

#include <string>

#include "IControl.h"
#include "IGraphicsMac.h"
#include "IPopupMenu.h"

static_assert((unsigned long)NSShiftKeyMask == kCocoaShiftKeyMask &&
                  (unsigned long)NSControlKeyMask == kCocoaControlKeyMask &&
                  (unsigned long)NSAlternateKeyMask == kCocoaAlternateKeyMask &&
                  (unsigned long)NSCommandKeyMask == kCocoaCommandKeyMask,
              "the modifier masks are AppKit's");

namespace {
const CGFloat kEntryFontSize = 9;
}  // namespace

NSRect ToNSRect(IGraphicsMac* pGraphics, const IRECT* pR)
{
  const MacRect r = ToNSRect(pGraphics->Height(), *pR);
  return NSMakeRect(r.x, r.y, r.w, r.h);
}

IRECT FlipRect(IGraphicsMac* pGraphics, const NSRect* pR)
{
  return FlipRect(pGraphics->Height(), MacRect{pR->origin.x, pR->origin.y, pR->size.width, pR->size.height});
}

@implementation DummyCocoaView_vTesmoran
- (void)OnMenuSelection:(id)sender
{
  nsMenuItem = sender;
}
- (NSMenuItem*)MenuItem
{
  return nsMenuItem;
}
@end

@implementation IGraphicsCocoa_vTesmoran

- (id)init
{
  self = [super init];
  mGraphics = nullptr;
  mTimer = nil;
  mEdParamIdx = -1;
  return self;
}

- (id)initWithIGraphics:(IGraphicsMac*)pGraphics
{
  self = [super initWithFrame:NSMakeRect(0, 0, pGraphics->Width(), pGraphics->Height())];
  if (!self) return nil;
  mGraphics = pGraphics;
  mEdParamIdx = -1;
  mTimer = [NSTimer timerWithTimeInterval:CocoaTimerInterval(pGraphics->FPS())
                                   target:self
                                 selector:@selector(onTimer:)
                                 userInfo:nil
                                  repeats:YES];
  [[NSRunLoop currentRunLoop] addTimer:mTimer forMode:NSRunLoopCommonModes];
  return self;
}

- (BOOL)isOpaque
{
  return mGraphics ? YES : NO;
}

- (BOOL)acceptsFirstResponder
{
  return YES;
}

- (BOOL)acceptsFirstMouse:(NSEvent*)pEvent
{
  return YES;
}

- (void)viewDidMoveToWindow
{
  NSWindow* window = [self window];
  if (!window) return;
  [window makeFirstResponder:self];
  [window setAcceptsMouseMovedEvents:YES];
}

- (void)drawRect:(NSRect)rect
{
  if (!mGraphics) return;
  const IRECT r = FlipRect(mGraphics, &rect);
  mGraphics->Draw(&r);
}

- (void)onTimer:(NSTimer*)pTimer
{
  if (pTimer != mTimer || !mGraphics) return;
  IRECT r;
  if (mGraphics->IsDirty(&r)) [self setNeedsDisplayInRect:ToNSRect(mGraphics, &r)];
}

- (void)getMouseXY:(NSEvent*)pEvent x:(int*)pX y:(int*)pY
{
  const NSPoint pt = [self convertPoint:[pEvent locationInWindow] fromView:nil];
  CocoaEditorPoint(pt.x, pt.y, mGraphics->Height(), pX, pY);
}

// The editor point and modifiers of a mouse event; NO without an editor.
- (BOOL)editorMouse:(NSEvent*)pEvent right:(bool)right x:(int*)pX y:(int*)pY modifiers:(IMouseModifiers*)pMod
{
  if (!mGraphics) return NO;
  [self getMouseXY:pEvent x:pX y:pY];
  *pMod = CocoaMouseModifiers([pEvent modifierFlags], right);
  return YES;
}

- (void)mouseDown:(NSEvent*)pEvent
{
  int x, y;
  IMouseModifiers mod;
  if (![self editorMouse:pEvent right:false x:&x y:&y modifiers:&mod]) return;
  if ([pEvent clickCount] > 1)
    mGraphics->OnMouseDblClick(x, y, mod);
  else
    mGraphics->OnMouseDown(x, y, mod);
}

- (void)mouseUp:(NSEvent*)pEvent
{
  int x, y;
  IMouseModifiers mod;
  if ([self editorMouse:pEvent right:false x:&x y:&y modifiers:&mod]) mGraphics->OnMouseUp(x, y, mod);
}

- (void)mouseDragged:(NSEvent*)pEvent
{
  int x, y;
  IMouseModifiers mod;
  if (!mTextFieldView && [self editorMouse:pEvent right:false x:&x y:&y modifiers:&mod])
    mGraphics->OnMouseDrag(x, y, mod);
}

- (void)rightMouseDown:(NSEvent*)pEvent
{
  int x, y;
  IMouseModifiers mod;
  if ([self editorMouse:pEvent right:true x:&x y:&y modifiers:&mod]) mGraphics->OnMouseDown(x, y, mod);
}

- (void)rightMouseUp:(NSEvent*)pEvent
{
  int x, y;
  IMouseModifiers mod;
  if ([self editorMouse:pEvent right:true x:&x y:&y modifiers:&mod]) mGraphics->OnMouseUp(x, y, mod);
}

- (void)rightMouseDragged:(NSEvent*)pEvent
{
  int x, y;
  IMouseModifiers mod;
  if (!mTextFieldView && [self editorMouse:pEvent right:true x:&x y:&y modifiers:&mod])
    mGraphics->OnMouseDrag(x, y, mod);
}

- (void)mouseMoved:(NSEvent*)pEvent
{
  int x, y;
  IMouseModifiers mod;
  if ([self editorMouse:pEvent right:false x:&x y:&y modifiers:&mod]) mGraphics->OnMouseOver(x, y, mod);
}

- (void)scrollWheel:(NSEvent*)pEvent
{
  if (mGraphics && mTextFieldView) [self endUserInput];
  int x, y;
  IMouseModifiers mod;
  if ([self editorMouse:pEvent right:false x:&x y:&y modifiers:&mod])
    mGraphics->OnMouseWheel(x, y, mod, (int)[pEvent deltaY]);
}

- (void)killTimer
{
  [mTimer invalidate];
  mTimer = nil;
}

- (void)detachGraphics
{
  mGraphics = nullptr;
}

- (IGraphicsMac*)graphics
{
  return mGraphics;
}

// The host takes the view away: the editor's window closes, and the view
// really leaves the host's window. A view in no superview has nothing to
// leave (a superview about to take it may ask it first).
- (void)removeFromSuperview
{
  if (![self superview]) {
    [super removeFromSuperview];
    return;
  }
  if (mTextFieldView) [self endUserInput];
  IGraphicsMac* graphics = mGraphics;
  mGraphics = nullptr;
  if (graphics) graphics->CloseWindow();
  [super removeFromSuperview];
}

- (void)controlTextDidEndEditing:(NSNotification*)aNotification
{
  if (!mTextFieldView) return;
  const std::string text = [[mTextFieldView stringValue] UTF8String];
  IControl* control = mEdControl;
  const int paramIdx = mEdParamIdx;
  [self endUserInput];
  if (mGraphics) mGraphics->SetFromTextEntry(control, paramIdx, text.c_str());
  [self setNeedsDisplay:YES];
}

- (IPopupMenu*)createIPopupMenu:(IPopupMenu*)pMenu:(NSRect)rect
{
  if (!pMenu) return nullptr;
  const std::vector<MacMenuEntry> entries = MacMenuEntries(*pMenu);
  if (entries.empty()) return nullptr;
  NSMenu* menu = [[NSMenu alloc] initWithTitle:@"IFx Popup Menu"];
  DummyCocoaView_vTesmoran* dummy = [[DummyCocoaView_vTesmoran alloc] initWithFrame:rect];
  for (const MacMenuEntry& e : entries) {
    if (e.mSeparator) {
      [menu addItem:[NSMenuItem separatorItem]];
      continue;
    }
    NSMenuItem* item = [menu addItemWithTitle:[NSString stringWithUTF8String:e.mText]
                                       action:@selector(OnMenuSelection:)
                                keyEquivalent:@""];
    [item setTarget:dummy];
    if (e.mTitle) [item setIndentationLevel:1];
    if (e.mChecked) [item setState:NSOnState];
  }
  [self addSubview:dummy];
  const NSPoint at = [self convertPoint:NSMakePoint(rect.origin.x, rect.origin.y - 5) toView:nil];
  NSEvent* event = [NSEvent otherEventWithType:NSApplicationDefined
                                      location:at
                                 modifierFlags:0
                                     timestamp:0
                                  windowNumber:[[self window] windowNumber]
                                       context:[NSGraphicsContext currentContext]
                                       subtype:0
                                         data1:0
                                         data2:0];
  [NSMenu popUpContextMenu:menu withEvent:event forView:dummy];
  NSMenuItem* chosen = [dummy MenuItem];
  const int item = chosen ? MacMenuChosenItem(entries, (int)[menu indexOfItem:chosen]) : -1;
  [dummy removeFromSuperview];
  [dummy release];
  [menu release];
  if (item < 0) return nullptr;
  pMenu->SetChosenItemIdx(item);
  return pMenu;
}

- (void)createTextEntry:(IControl*)pControl:(int)paramIdx:(const IText*)pText:(const char*)pString:(NSRect)areaRect
{
  if (!pControl || mTextFieldView) return;
  mTextFieldView = [[NSTextField alloc] initWithFrame:areaRect];
  [mTextFieldView setFont:[NSFont fontWithName:@"Monaco" size:kEntryFontSize]];
  [mTextFieldView setAlignment:(NSTextAlignment)CocoaTextAlignment(pText->mAlign)];
  [[mTextFieldView cell] setLineBreakMode:NSLineBreakByTruncatingTail];
  [mTextFieldView setAllowsEditingTextAttributes:NO];
  [mTextFieldView setFocusRingType:NSFocusRingTypeNone];
  [mTextFieldView setBordered:NO];
  [mTextFieldView setDelegate:(id)self];
  [mTextFieldView setStringValue:[NSString stringWithUTF8String:pString ? pString : ""]];
  [self addSubview:mTextFieldView];
  NSWindow* window = [self window];
  [window makeKeyAndOrderFront:nil];
  [window makeFirstResponder:mTextFieldView];
  mEdControl = pControl;
  mEdParamIdx = paramIdx;
}

- (void)endUserInput
{
  [mTextFieldView setDelegate:nil];
  [mTextFieldView removeFromSuperview];
  [mTextFieldView release];
  mTextFieldView = nil;
  mEdControl = nullptr;
  mEdParamIdx = -1;
}

@end
