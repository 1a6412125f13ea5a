#import "IGraphicsMac.h"

#import <Cocoa/Cocoa.h>

#include "IGraphicsCarbon.h"
#include "IGraphicsCocoa.h"
#include "IGraphicsMacBundle.h"
#include "IGraphicsMacRules.h"
#include "MacDrawing.h"
#include "PIX_SysBitmap.h"

namespace {
// Options of -drawWithRect:options:attributes:: device metrics.
const NSStringDrawingOptions kDrawWithDeviceMetrics = (NSStringDrawingOptions)8;

NSString* NSStringFromUTF8(const char* text) { return [NSString stringWithUTF8String:text ? text : ""]; }

NSColor* ToNSColor(const IColor& color)
{
  return [NSColor colorWithCalibratedRed:color.R / 255.0
                                   green:color.G / 255.0
                                    blue:color.B / 255.0
                                   alpha:color.A / 255.0];
}

NSAutoreleasePool* MakeAutoreleasePool() { return [[NSAutoreleasePool alloc] init]; }

// The text fonts of the same name and size share their attributes.
bool SameFont(const IText& a, const IText& b) { return a.mSize == b.mSize && strcmp(a.mFont, b.mFont) == 0; }
}  // namespace

IGraphicsMac::IGraphicsMac(IFxBase* pPlug, int w, int h, int fps) : IGraphicsPix(pPlug, w, h, fps)
{
  NSApplicationLoad();
}

IGraphicsMac::~IGraphicsMac()
{
  CloseWindow();
  [mTextAttributes release];
}

CGContextRef IGraphicsMac::GetDrawContext()
{
  ContextRecord* context = DrawSurface() ? static_cast<ContextRecord*>(DrawSurface()->GetDC()) : nullptr;
  return context ? context->mContext : nullptr;
}

bool IGraphicsMac::DrawScreen(const IRECT* pR)
{
  CGContextRef drawContext = GetDrawContext();
  if (!drawContext) return false;
  CGContextRef target = nullptr;
  CGRect r = CGRectMake(0, 0, Width(), Height());
  NSGraphicsContext* current = mGraphicsCocoa ? [NSGraphicsContext currentContext] : nil;
  if (current) {
    NSGraphicsContext* flipped = [NSGraphicsContext graphicsContextWithGraphicsPort:[current graphicsPort] flipped:YES];
    target = (CGContextRef)[flipped graphicsPort];
  } else if (mGraphicsCarbon) {
    target = mGraphicsCarbon->GetCGContext();
    mGraphicsCarbon->OffsetContentRect(&r);
  }
  if (!target) return true;
  CGImageRef image = CGBitmapContextCreateImage(drawContext);
  if (!image) return false;
  CGContextDrawImage(target, r, image);
  CGImageRelease(image);
  return true;
}

bool IGraphicsMac::DrawIText(const IText* pTxt, const char* str, const IRECT* pR)
{
  CGContextRef drawContext = GetDrawContext();
  if (!str || !drawContext) return true;
  NSAutoreleasePool* pool = MakeAutoreleasePool();
  const int pointSize = TextPointSize(pTxt->mSize);
  const bool first = !mTextAttributes;
  if (first) mTextAttributes = [[NSMutableDictionary alloc] init];
  if (first || !SameFont(*pTxt, mLastText)) {
    NSFont* font = [NSFont fontWithName:NSStringFromUTF8(pTxt->mFont) size:pointSize];
    if (font) [mTextAttributes setObject:font forKey:NSFontAttributeName];
  }
  if (first || pTxt->mColor != mLastText.mColor)
    [mTextAttributes setObject:ToNSColor(pTxt->mColor) forKey:NSForegroundColorAttributeName];
  if (first || pTxt->mAlign != mLastText.mAlign) {
    NSMutableParagraphStyle* style = [[[NSMutableParagraphStyle alloc] init] autorelease];
    [style setAlignment:(NSTextAlignment)CocoaTextAlignment(pTxt->mAlign)];
    [mTextAttributes setObject:style forKey:NSParagraphStyleAttributeName];
  }
  mLastText = *pTxt;

  [NSGraphicsContext saveGraphicsState];
  NSGraphicsContext* context = [NSGraphicsContext graphicsContextWithGraphicsPort:drawContext flipped:YES];
  [NSGraphicsContext setCurrentContext:context];
  [context setShouldAntialias:TextAntialiased(pointSize)];
  [NSStringFromUTF8(str) drawWithRect:NSMakeRect(pR->L, TextTop(pR->T, pointSize), pR->R - pR->L, pR->B - pR->T)
                              options:kDrawWithDeviceMetrics
                           attributes:mTextAttributes];
  [NSGraphicsContext restoreGraphicsState];
  [pool release];
  return true;
}

void IGraphicsMac::Resize(int w, int h)
{
  // The entry's control goes with the others.
  if (mGraphicsCarbon)
    mGraphicsCarbon->EndUserInput(false);
  else if (mGraphicsCocoa)
    [mGraphicsCocoa endUserInput];
  IGraphicsPix::Resize(w, h);
  if (mGraphicsCarbon)
    mGraphicsCarbon->Resize(w, h);
  else if (mGraphicsCocoa)
    [mGraphicsCocoa setFrameSize:NSMakeSize(w, h)];
}

bool IGraphicsMac::WindowIsOpen() { return mGraphicsCarbon || mGraphicsCocoa; }

const char* IGraphicsMac::GetGUIAPIName()
{
  if (!mGraphicsCarbon) return "Cocoa";
  return mGraphicsCarbon->GetIsComposited() ? "Carbon Composited" : "Carbon Non Composited";
}

IPopupMenu* IGraphicsMac::CreateIPopupMenu(IPopupMenu* pMenu, const IRECT* pRect)
{
  ReleaseMouseCapture();
  if (!pMenu || !pRect) return nullptr;
  ModalScope modal(this);
  if (mGraphicsCocoa) return [mGraphicsCocoa createIPopupMenu:pMenu:ToNSRect(this, pRect)];
  if (mGraphicsCarbon) return mGraphicsCarbon->CreateIPopupMenu(pMenu, pRect);
  return nullptr;
}

void IGraphicsMac::CreateTextEntry(IControl* pControl, const IText* pText, const IRECT* pRect, const char* str,
                                   int paramIdx)
{
  if (!pControl || !pText || !pRect) return;
  if (mGraphicsCocoa)
    [mGraphicsCocoa createTextEntry:pControl:paramIdx:pText:str:ToNSRect(this, pRect)];
  else if (mGraphicsCarbon)
    mGraphicsCarbon->CreateTextEntry(pControl, pText, pRect, str, paramIdx);
}

void IGraphicsMac::HostPath(KIT_String* pPath)
{
  pPath->Set("");
  BundleExecutablePath(mBundleID.Get(), pPath);
}

void IGraphicsMac::PluginPath(KIT_String* pPath)
{
  pPath->Set("");
  BundleFolder(mBundleID.Get(), pPath);
}

void IGraphicsMac::PromptForFile(KIT_String* pFilename, int action, const char* dir, const char* extensions)
{
  if (!WindowIsOpen()) {
    pFilename->Set("");
    return;
  }
  ModalScope modal(this);
  NSAutoreleasePool* pool = MakeAutoreleasePool();
  NSString* defaultName = NSStringFromUTF8(pFilename->Get());
  NSString* folder = dir && dir[0] ? NSStringFromUTF8(dir) : [@"~/Desktop" stringByExpandingTildeInPath];
  NSArray* types = extensions && extensions[0] ? [NSStringFromUTF8(extensions) componentsSeparatedByString:@" "] : nil;
  NSSavePanel* panel;
  if (action == kFileSave) {
    panel = [NSSavePanel savePanel];
  } else {
    NSOpenPanel* open = [NSOpenPanel openPanel];
    [open setCanChooseFiles:YES];
    [open setCanChooseDirectories:NO];
    [open setResolvesAliases:YES];
    panel = open;
  }
  [panel setAllowedFileTypes:types];
  [panel setDirectoryURL:[NSURL fileURLWithPath:folder]];
  [panel setNameFieldStringValue:defaultName];
  // A cancelled panel leaves the name as it was, as on Windows.
  if ([panel runModal] == NSOKButton) pFilename->Set([[[panel URL] path] UTF8String]);
  [pool release];
}

bool IGraphicsMac::OpenURL(const char* url, const char* msgWindowTitle, const char* confirmMsg,
                           const char* errMsgOnFailure)
{
  if (!url) return false;
  NSAutoreleasePool* pool = MakeAutoreleasePool();
  NSString* text = NSStringFromUTF8(url);
  NSURL* target = strstr(url, "http") ? [NSURL URLWithString:text] : [NSURL fileURLWithPath:text];
  const bool opened = target && [[NSWorkspace sharedWorkspace] openURL:target];
  [pool release];
  return opened;
}

void* IGraphicsMac::OpenCocoaWindow(void* pParentView)
{
  CloseWindow();
  mGraphicsCocoa = [[[IGraphicsCocoa_vTesmoran alloc] initWithIGraphics:this] autorelease];
  if (pParentView) [(NSView*)pParentView addSubview:mGraphicsCocoa];
  ShowPlugChanges();
  SetAllControlsDirty();
  return mGraphicsCocoa;
}

void* IGraphicsMac::OpenWindow(void* pWindow, void* pParentControl)
{
  CloseWindow();
  mGraphicsCarbon = new IGraphicsCarbon(this, (WindowRef)pWindow, (ControlRef)pParentControl);
  if (!mGraphicsCarbon->GetView()) {
    delete mGraphicsCarbon;
    mGraphicsCarbon = nullptr;
    return nullptr;
  }
  ShowPlugChanges();
  SetAllControlsDirty();
  return mGraphicsCarbon->GetView();
}

void IGraphicsMac::CloseWindow()
{
  if (mGraphicsCarbon) {
    delete mGraphicsCarbon;
    mGraphicsCarbon = nullptr;
  } else if (mGraphicsCocoa) {
    // Its timer may be all that holds the view: stopping it would free the
    // view before it is done with.
    IGraphicsCocoa_vTesmoran* view = [mGraphicsCocoa retain];
    mGraphicsCocoa = nil;
    [view killTimer];
    if ([view graphics] == this) {
      [view detachGraphics];
      [view removeFromSuperview];
    }
    [view release];
  }
}

void* IGraphicsMac::GetWindow() { return mGraphicsCocoa; }

PIX_IBitmap* IGraphicsMac::LoadPlatformBitmap(int id, const char* name)
{
  NSAutoreleasePool* pool = MakeAutoreleasePool();
  PIX_IBitmap* bitmap = LoadBundlePNG(mBundleID.Get(), name);
  [pool release];
  return bitmap;
}

bool IGraphicsMac::LoadPlatformText(int id, const char* name, KIT_String* pText)
{
  return LoadBundleText(mBundleID.Get(), name, pText);
}
