#include "IGraphicsCarbon.h"

#include <vector>

#include "IControl.h"
#include "IGraphicsMac.h"
#include "IGraphicsMacRules.h"
#include "IPopupMenu.h"

namespace {
const UInt32 kPaneFeaturesComposited = 38;
const UInt32 kPaneFeaturesNonComposited = 0x12000026;
const ResType kMenuResource = 0x4D454E55;  // 'MENU'
// What the entry hands the editor: the core cuts it shorter still.
const int kEntryTextBytes = 32;
const SInt16 kWholeText = 0x7FFF;

const EventTypeSpec kControlEvents[] = {
    {kEventClassControl, kEventControlClick},
    {kEventClassControl, kEventControlDraw},
    {kEventClassControl, kEventControlDispose},
    {kEventClassControl, kEventControlBoundsChanged},
};
const EventTypeSpec kWindowEvents[] = {
    {kEventClassMouse, kEventMouseDown},       {kEventClassMouse, kEventMouseUp},
    {kEventClassMouse, kEventMouseMoved},      {kEventClassMouse, kEventMouseDragged},
    {kEventClassMouse, kEventMouseWheelMoved}, {kEventClassWindow, kEventWindowDeactivated},
};
const EventTypeSpec kTextEntryEvents[] = {
    {kEventClassKeyboard, kEventRawKeyDown},
    {kEventClassKeyboard, kEventRawKeyRepeat},
};

template <class T>
bool GetParam(EventRef pEvent, EventParamName name, EventParamType type, T* pValue)
{
  return GetEventParameter(pEvent, name, type, nullptr, sizeof(T), nullptr, pValue) == noErr;
}

Rect ToRect(const IRECT& r) { return Rect{(short)r.T, (short)r.L, (short)r.B, (short)r.R}; }
}  // namespace

IGraphicsCarbon::IGraphicsCarbon(IGraphicsMac* pGraphicsMac, WindowRef pWindow, ControlRef pParentControl)
  : mGraphicsMac(pGraphicsMac), mWindow(pWindow)
{
  WindowAttributes attributes = 0;
  GetWindowAttributes(pWindow, &attributes);
  mIsComposited = (attributes & kWindowCompositingAttribute) != 0;
  mRgn = NewRgn();

  const Rect bounds = ToRect(IRECT(0, 0, pGraphicsMac->Width(), pGraphicsMac->Height()));
  if (CreateUserPaneControl(pWindow, &bounds, mIsComposited ? kPaneFeaturesComposited : kPaneFeaturesNonComposited,
                            &mView) != noErr)
    mView = nullptr;
  if (!mView) return;

  EventHandlerUPP handler = NewEventHandlerUPP(MainEventHandler);
  InstallEventHandler(GetControlEventTarget(mView), handler, sizeof kControlEvents / sizeof kControlEvents[0],
                      kControlEvents, this, &mControlHandler);
  InstallEventHandler(GetWindowEventTarget(pWindow), handler, sizeof kWindowEvents / sizeof kWindowEvents[0],
                      kWindowEvents, this, &mWindowHandler);
  InstallEventLoopTimer(GetMainEventLoop(), kEventDurationNoWait, CarbonTimerInterval(pGraphicsMac->FPS()),
                        NewEventLoopTimerUPP(TimerHandler), this, &mTimer);

  OSStatus placed;
  if (mIsComposited) {
    if (!pParentControl) HIViewFindByID(HIViewGetRoot(pWindow), kHIViewWindowContentID, &pParentControl);
    placed = pParentControl ? HIViewAddSubview(pParentControl, mView) : (OSStatus)eventNotHandledErr;
  } else {
    if (!pParentControl && GetRootControl(pWindow, &pParentControl) != noErr)
      CreateRootControl(pWindow, &pParentControl);
    placed = pParentControl ? EmbedControl(mView, pParentControl) : (OSStatus)eventNotHandledErr;
  }
  if (placed == noErr) SizeControl(mView, (SInt16)pGraphicsMac->Width(), (SInt16)pGraphicsMac->Height());
}

IGraphicsCarbon::~IGraphicsCarbon()
{
  if (mTextEntryView) {
    RemoveEventHandler(mTextEntryHandler);
    DisposeControl(mTextEntryView);
  }
  if (mTimer) RemoveEventLoopTimer(mTimer);
  if (mControlHandler) RemoveEventHandler(mControlHandler);
  if (mWindowHandler) RemoveEventHandler(mWindowHandler);
  if (mRgn) DisposeRgn(mRgn);
}

void IGraphicsCarbon::OffsetContentRect(CGRect* pR) const
{
  pR->origin.x += mContentXOffset;
  pR->origin.y += mContentYOffset;
}

void IGraphicsCarbon::Resize(int w, int h)
{
  if (!mWindow || !mView) return;
  Rect content;
  GetWindowBounds(mWindow, kWindowContentRgn, &content);
  content.right = (short)(content.left + w);
  content.bottom = (short)(content.top + h);
  SetWindowBounds(mWindow, kWindowContentRgn, &content);
  const HIRect frame = CGRectMake(0, 0, w, h);
  HIViewSetFrame(mView, &frame);
}

// --- Events ---

OSStatus IGraphicsCarbon::MainEventHandler(EventHandlerCallRef pHandlerCall, EventRef pEvent, void* pGraphicsCarbon)
{
  IGraphicsCarbon* _this = static_cast<IGraphicsCarbon*>(pGraphicsCarbon);
  const UInt32 eventClass = GetEventClass(pEvent), kind = GetEventKind(pEvent);
  switch (eventClass) {
    case kEventClassControl:
      switch (kind) {
        case kEventControlDraw: return _this->OnControlDraw(pEvent);
        case kEventControlBoundsChanged:
        case kEventControlDispose: return noErr;
        default: return eventNotHandledErr;
      }
    case kEventClassMouse: return _this->OnMouse(pHandlerCall, pEvent, kind);
    case kEventClassWindow: {
      WindowRef window = nullptr;
      if (kind == kEventWindowDeactivated && GetParam(pEvent, kEventParamDirectObject, typeWindowRef, &window) &&
          window)
        _this->EndUserInput(false);
      return eventNotHandledErr;
    }
    default: return eventNotHandledErr;
  }
}

OSStatus IGraphicsCarbon::OnControlDraw(EventRef pEvent)
{
  RgnHandle region = nullptr;
  Rect regionBounds;
  const bool hasRegion = GetParam(pEvent, kEventParamRgnHandle, typeQDRgnHandle, &region) && region;
  if (hasRegion) GetRegionBounds(region, &regionBounds);
  IRECT r = CarbonDrawRect(hasRegion ? &regionBounds : nullptr, mGraphicsMac->Width(), mGraphicsMac->Height());

  if (mIsComposited) {
    if (!GetParam(pEvent, kEventParamCGContextRef, typeCGContextRef, &mCGC)) mCGC = nullptr;
    if (mCGC) {
      CGContextTranslateCTM(mCGC, 0, mGraphicsMac->Height());
      CGContextScaleCTM(mCGC, 1, -1);
      mGraphicsMac->Draw(&r);
    }
  } else {
    mContentYOffset = r.H() - mGraphicsMac->Height();
    CGrafPtr port = nullptr;
    if (GetParam(pEvent, kEventParamGrafPort, typeGrafPtr, &port) && port && QDBeginCGContext(port, &mCGC) == noErr) {
      IRECT dirty;
      if (mGraphicsMac->IsDirty(&dirty)) mGraphicsMac->Draw(&dirty);
      CGContextFlush(mCGC);
      QDEndCGContext(port, &mCGC);
    }
  }
  mCGC = nullptr;
  return noErr;
}

OSStatus IGraphicsCarbon::OnMouse(EventHandlerCallRef pHandlerCall, EventRef pEvent, UInt32 kind)
{
  HIPoint point = CGPointMake(0, 0);
  GetParam(pEvent, kEventParamWindowMouseLocation, typeHIPoint, &point);
  HIViewConvertPoint(&point, nullptr, mView);
  int x, y;
  CarbonEditorPoint(point.x, point.y, &x, &y);
  UInt32 keyModifiers = 0;
  EventMouseButton button = kEventMouseButtonPrimary;
  GetParam(pEvent, kEventParamKeyModifiers, typeUInt32, &keyModifiers);
  GetParam(pEvent, kEventParamMouseButton, typeMouseButton, &button);
  const IMouseModifiers mod = CarbonMouseModifiers(keyModifiers, button);

  switch (kind) {
    case kEventMouseDown: {
      if (mTextEntryView) {
        HIRect entry = CGRectMake(0, 0, 0, 0);
        HIViewGetFrame(mTextEntryView, &entry);
        const bool onEntry = point.x >= entry.origin.x && point.x < entry.origin.x + entry.size.width &&
                             point.y >= entry.origin.y && point.y < entry.origin.y + entry.size.height;
        if (onEntry) return eventNotHandledErr;
        EndUserInput(true);
      }
      CallNextEventHandler(pHandlerCall, pEvent);
      UInt32 clicks = 1;
      GetParam(pEvent, kEventParamClickCount, typeUInt32, &clicks);
      if (clicks > 1)
        mGraphicsMac->OnMouseDblClick(x, y, mod);
      else
        mGraphicsMac->OnMouseDown(x, y, mod);
      return noErr;
    }
    case kEventMouseUp: mGraphicsMac->OnMouseUp(x, y, mod); return noErr;
    case kEventMouseMoved: mGraphicsMac->OnMouseOver(x, y, mod); return noErr;
    case kEventMouseDragged:
      if (!mTextEntryView) mGraphicsMac->OnMouseDrag(x, y, mod);
      return noErr;
    case kEventMouseWheelMoved: {
      EventMouseWheelAxis axis = kEventMouseWheelAxisX;
      GetParam(pEvent, kEventParamMouseWheelAxis, typeMouseWheelAxis, &axis);
      if (axis != kEventMouseWheelAxisY) return eventNotHandledErr;
      SInt32 delta = 0;
      GetParam(pEvent, kEventParamMouseWheelDelta, typeSInt32, &delta);
      if (mTextEntryView) EndUserInput(false);
      mGraphicsMac->OnMouseWheel(x, y, mod, (int)delta);
      return noErr;
    }
    default: return eventNotHandledErr;
  }
}

void IGraphicsCarbon::TimerHandler(EventLoopTimerRef pTimer, void* pGraphicsCarbon)
{
  static_cast<IGraphicsCarbon*>(pGraphicsCarbon)->OnTimer();
}

void IGraphicsCarbon::OnTimer()
{
  IRECT r;
  if (!mGraphicsMac->IsDirty(&r)) return;
  if (mIsComposited) {
    const HIRect dirty = CGRectMake(r.L, r.T, r.W(), r.H());
    HIViewSetNeedsDisplayInRect(mView, &dirty, true);
  } else {
    UpdateControls(mWindow, nullptr);
  }
}

// --- Text entry ---

void IGraphicsCarbon::CreateTextEntry(IControl* pControl, const IText* pText, const IRECT* pRect, const char* str,
                                      int paramIdx)
{
  if (!pControl || mTextEntryView || !mIsComposited) return;
  const Rect bounds = ToRect(*pRect);
  if (CreateEditUnicodeTextControl(nullptr, &bounds, nullptr, false, nullptr, &mTextEntryView) != noErr ||
      !mTextEntryView) {
    mTextEntryView = nullptr;
    return;
  }
  HIViewAddSubview(mView, mTextEntryView);
  InstallEventHandler(GetControlEventTarget(mTextEntryView), NewEventHandlerUPP(TextEntryHandler),
                      sizeof kTextEntryEvents / sizeof kTextEntryEvents[0], kTextEntryEvents, this, &mTextEntryHandler);
  if (str && str[0]) {
    CFStringRef text = CFStringCreateWithCString(kCFAllocatorDefault, str, kCFStringEncodingUTF8);
    if (text) {
      SetControlData(mTextEntryView, kControlEditTextPart, kControlEditTextCFStringTag, sizeof text, &text);
      CFRelease(text);
    }
    const ControlEditTextSelectionRec all = {0, kWholeText};
    SetControlData(mTextEntryView, kControlEditTextPart, kControlEditTextSelectionTag, sizeof all, &all);
  }
  const unsigned char arial[] =
      "\x05"
      "Arial";
  const ControlFontStyleRec style = CarbonEntryFontStyle(FMGetFontFamilyFromName(arial), pText->mAlign);
  SetControlFontStyle(mTextEntryView, &style);
  ShowControl(mTextEntryView);
  SetKeyboardFocus(mWindow, mTextEntryView, kControlEditTextPart);
  SetUserFocusWindow(mWindow);
  mEdControl = pControl;
  mEdParamIdx = paramIdx;
}

OSStatus IGraphicsCarbon::TextEntryHandler(EventHandlerCallRef pHandlerCall, EventRef pEvent, void* pGraphicsCarbon)
{
  char charCode = 0;
  GetParam(pEvent, kEventParamKeyMacCharCodes, typeChar, &charCode);
  if (!CarbonEntryCommits(charCode)) return eventNotHandledErr;
  static_cast<IGraphicsCarbon*>(pGraphicsCarbon)->EndUserInput(true);
  return noErr;
}

void IGraphicsCarbon::EndUserInput(bool commit)
{
  if (!mTextEntryView) return;
  RemoveEventHandler(mTextEntryHandler);
  mTextEntryHandler = nullptr;
  if (commit) {
    CFStringRef text = nullptr;
    char utf8[kEntryTextBytes] = {};
    if (GetControlData(mTextEntryView, kControlEditTextPart, kControlEditTextCFStringTag, sizeof text, &text,
                       nullptr) == noErr &&
        text) {
      CFStringGetCString(text, utf8, sizeof utf8, kCFStringEncodingUTF8);
      CFRelease(text);
    }
    mGraphicsMac->SetFromTextEntry(mEdControl, mEdParamIdx, utf8);
  }
  HideControl(mTextEntryView);
  DisposeControl(mTextEntryView);
  if (mIsComposited) {
    HIViewSetNeedsDisplay(mView, true);
  } else if (mEdControl) {
    mEdControl->SetDirty(false);
    mEdControl->SetRedraw(true);
  }
  SetThemeCursor(kThemeArrowCursor);
  SetUserFocusWindow(kUserFocusAuto);
  mTextEntryView = nullptr;
  mEdControl = nullptr;
  mEdParamIdx = -1;
}

// --- Popup menu ---

IPopupMenu* IGraphicsCarbon::CreateIPopupMenu(IPopupMenu* pMenu, const IRECT* pRect)
{
  if (!pMenu) return nullptr;
  const std::vector<MacMenuEntry> entries = MacMenuEntries(*pMenu);
  if (entries.empty()) return nullptr;
  MenuRef menu = nullptr;
  const MenuID menuID = UniqueID(kMenuResource);
  if (CreateNewMenu(menuID, 0, &menu) != noErr || !menu) return nullptr;
  for (size_t i = 0; i < entries.size(); ++i) {
    const MacMenuEntry& e = entries[i];
    if (e.mSeparator) {
      AppendMenuItemTextWithCFString(menu, nullptr, kMenuItemAttrSeparator, 0, nullptr);
      continue;
    }
    MenuItemAttributes attributes = kMenuItemAttrIgnoreMeta;
    if (e.mDisabled) attributes |= kMenuItemAttrDisabled;
    if (e.mTitle) attributes |= kMenuItemAttrSectionHeader;
    CFStringRef title = CFStringCreateWithCString(kCFAllocatorDefault, e.mText, kCFStringEncodingUTF8);
    AppendMenuItemTextWithCFString(menu, title, attributes, 0, nullptr);
    if (title) CFRelease(title);
    if (e.mChecked) CheckMenuItem(menu, (MenuItemIndex)(i + 1), true);
  }
  Rect content = {};
  GetWindowBounds(mWindow, kWindowContentRgn, &content);
  HIRect frame = CGRectMake(0, 0, 0, 0);
  HIViewGetFrame(mView, &frame);
  short top, left;
  CarbonPopupPoint(content, frame, *pRect, &top, &left);
  const long chosen = PopUpMenuSelect(menu, top, left, 0);
  ReleaseMenu(menu);
  const int item = chosen ? MacMenuChosenItem(entries, (int)(chosen & 0xFFFF) - 1) : -1;
  if (item < 0) return nullptr;
  pMenu->SetChosenItemIdx(item);
  return pMenu;
}
