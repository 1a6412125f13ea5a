// Carbon for the tests: windows with a content view and a root control,
// controls in a tree with frames, texts and handlers, events built by the
// test and sent to a window or a control, event-loop timers fired on
// demand, regions, and menus that answer a choice the test sets. What a
// host would show is recorded instead.

#include <Carbon/Carbon.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "AppleTesting.h"

namespace {
struct Handler {
  EventHandlerUPP mProc;
  std::vector<EventTypeSpec> mTypes;
  void* mUserData;
};

struct HandlerList {
  std::vector<OpaqueEventHandlerRef*> mHandlers;
};

std::vector<TestCarbonTimer>& Timers()
{
  static auto* timers = new std::vector<TestCarbonTimer>;
  return *timers;
}

int sMenuAnswer = 0;
TestCarbonMenu sLastMenu;
SInt16 sNextMenuID = 128;
}  // namespace

struct OpaqueEventHandlerRef {
  HandlerList* mList;
  Handler mHandler;
};

struct OpaqueEventTargetRef : HandlerList {};

struct OpaqueControlRef {
  WindowRef mWindow = nullptr;
  ControlRef mParent = nullptr;
  std::vector<ControlRef> mChildren;
  HIRect mFrame{};
  UInt32 mFeatures = 0;
  bool mVisible = true;
  bool mIsEdit = false;
  std::string mText;
  ControlEditTextSelectionRec mSelection{};
  ControlFontStyleRec mFontStyle{};
  std::vector<HIRect> mNeedsDisplay;
  OpaqueEventTargetRef mTarget;
};

struct OpaqueWindowPtr {
  WindowAttributes mAttributes = 0;
  Rect mContent{};
  ControlRef mContentView = nullptr;
  ControlRef mRoot = nullptr;
  ControlRef mFocus = nullptr;
  int mUpdates = 0;
  std::vector<uint8_t> mPixels;
  OpaqueEventTargetRef mTarget;
};

struct OpaqueEventRef {
  UInt32 mClass, mKind;
  std::map<EventParamName, std::pair<EventParamType, std::vector<uint8_t>>> mParams;
};

struct OpaqueRgnHandle {
  Rect mBounds{};
};

struct OpaqueMenuRef {
  TestCarbonMenu mShown;
};

struct OpaqueEventLoopTimerRef {};

namespace {
ControlRef NewControl(WindowRef window, const Rect* bounds)
{
  ControlRef control = new OpaqueControlRef;
  control->mWindow = window;
  if (bounds)
    control->mFrame = CGRectMake(bounds->left, bounds->top, bounds->right - bounds->left, bounds->bottom - bounds->top);
  return control;
}

void Detach(ControlRef control)
{
  if (!control->mParent) return;
  std::vector<ControlRef>& siblings = control->mParent->mChildren;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), control), siblings.end());
  control->mParent = nullptr;
}

void DeleteTree(ControlRef control)
{
  for (ControlRef child : control->mChildren) DeleteTree(child);
  delete control;
}

OSStatus Send(HandlerList* list, EventRef event)
{
  // The last installed handler is asked first, as Carbon does.
  const std::vector<OpaqueEventHandlerRef*> handlers = list->mHandlers;
  for (auto it = handlers.rbegin(); it != handlers.rend(); ++it) {
    const Handler& h = (*it)->mHandler;
    for (const EventTypeSpec& t : h.mTypes) {
      if (t.eventClass != event->mClass || t.eventKind != event->mKind) continue;
      const OSStatus result = h.mProc(nullptr, event, h.mUserData);
      if (result != eventNotHandledErr) return result;
    }
  }
  return eventNotHandledErr;
}
}  // namespace

extern "C" {

const HIViewID kHIViewWindowContentID = {0x77696E64 /* wind */, 1};

EventHandlerUPP NewEventHandlerUPP(EventHandlerProcPtr userRoutine) { return userRoutine; }
EventLoopTimerUPP NewEventLoopTimerUPP(EventLoopTimerProcPtr userRoutine) { return userRoutine; }
EventTargetRef GetControlEventTarget(ControlRef inControl) { return &inControl->mTarget; }
EventTargetRef GetWindowEventTarget(WindowRef inWindow) { return &inWindow->mTarget; }

OSStatus InstallEventHandler(EventTargetRef inTarget, EventHandlerUPP inHandler, ItemCount inNumTypes,
                             const EventTypeSpec* inList, void* inUserData, EventHandlerRef* outRef)
{
  EventHandlerRef ref =
      new OpaqueEventHandlerRef{inTarget, Handler{inHandler, {inList, inList + inNumTypes}, inUserData}};
  inTarget->mHandlers.push_back(ref);
  if (outRef) *outRef = ref;
  return noErr;
}

OSStatus RemoveEventHandler(EventHandlerRef inHandlerRef)
{
  if (!inHandlerRef) return -50;  // paramErr
  std::vector<OpaqueEventHandlerRef*>& handlers = inHandlerRef->mList->mHandlers;
  handlers.erase(std::remove(handlers.begin(), handlers.end(), inHandlerRef), handlers.end());
  delete inHandlerRef;
  return noErr;
}

OSStatus CallNextEventHandler(EventHandlerCallRef, EventRef) { return eventNotHandledErr; }
UInt32 GetEventClass(EventRef inEvent) { return inEvent->mClass; }
UInt32 GetEventKind(EventRef inEvent) { return inEvent->mKind; }

OSStatus GetEventParameter(EventRef inEvent, EventParamName inName, EventParamType inDesiredType,
                           EventParamType* outActualType, ByteCount inBufferSize, ByteCount* outActualSize,
                           void* outData)
{
  auto it = inEvent->mParams.find(inName);
  if (it == inEvent->mParams.end()) return -9870;  // eventParameterNotFoundErr
  const std::vector<uint8_t>& bytes = it->second.second;
  if (it->second.first != inDesiredType || bytes.size() > inBufferSize) return -9875;  // a type Carbon cannot give
  std::copy(bytes.begin(), bytes.end(), (uint8_t*)outData);
  if (outActualType) *outActualType = it->second.first;
  if (outActualSize) *outActualSize = bytes.size();
  return noErr;
}

EventLoopRef GetMainEventLoop(void) { return nullptr; }

OSStatus InstallEventLoopTimer(EventLoopRef, EventTimerInterval inFireDelay, EventTimerInterval inInterval,
                               EventLoopTimerUPP inTimerProc, void* inTimerData, EventLoopTimerRef* outTimer)
{
  EventLoopTimerRef timer = new OpaqueEventLoopTimerRef;
  Timers().push_back(TestCarbonTimer{timer, inFireDelay, inInterval, inTimerProc, inTimerData});
  *outTimer = timer;
  return noErr;
}

OSStatus RemoveEventLoopTimer(EventLoopTimerRef inTimer)
{
  std::vector<TestCarbonTimer>& timers = Timers();
  timers.erase(
      std::remove_if(timers.begin(), timers.end(), [&](const TestCarbonTimer& t) { return t.timer == inTimer; }),
      timers.end());
  delete inTimer;
  return noErr;
}

OSStatus GetWindowAttributes(WindowRef window, WindowAttributes* outAttributes)
{
  *outAttributes = window->mAttributes;
  return noErr;
}

OSStatus GetWindowBounds(WindowRef window, WindowRegionCode, Rect* globalBounds)
{
  *globalBounds = window->mContent;
  return noErr;
}

OSStatus SetWindowBounds(WindowRef window, WindowRegionCode, const Rect* globalBounds)
{
  window->mContent = *globalBounds;
  return noErr;
}

OSStatus SetUserFocusWindow(WindowRef) { return noErr; }

OSStatus CreateUserPaneControl(WindowRef window, const Rect* boundsRect, UInt32 features, ControlRef* outControl)
{
  *outControl = NewControl(window, boundsRect);
  (*outControl)->mFeatures = features;
  return noErr;
}

OSStatus CreateEditUnicodeTextControl(WindowRef window, const Rect* boundsRect, CFStringRef text, Boolean,
                                      const ControlFontStyleRec* style, ControlRef* outControl)
{
  *outControl = NewControl(window, boundsRect);
  (*outControl)->mIsEdit = true;
  (*outControl)->mText = TestCFText(text);
  if (style) (*outControl)->mFontStyle = *style;
  return noErr;
}

HIViewRef HIViewGetRoot(WindowRef inWindow) { return inWindow->mRoot; }

OSStatus HIViewFindByID(HIViewRef inStartView, HIViewID inID, HIViewRef* outControl)
{
  if (!inStartView || inID.signature != kHIViewWindowContentID.signature || inID.id != kHIViewWindowContentID.id)
    return -30584;  // errUnknownControl
  *outControl = inStartView->mWindow->mContentView;
  return noErr;
}

OSStatus HIViewAddSubview(HIViewRef inParent, HIViewRef inNewChild)
{
  Detach(inNewChild);
  inParent->mChildren.push_back(inNewChild);
  inNewChild->mParent = inParent;
  if (!inNewChild->mWindow) inNewChild->mWindow = inParent->mWindow;
  return noErr;
}

OSStatus HIViewGetFrame(HIViewRef inView, HIRect* outRect)
{
  *outRect = inView->mFrame;
  return noErr;
}

OSStatus HIViewSetFrame(HIViewRef inView, const HIRect* inRect)
{
  inView->mFrame = *inRect;
  return noErr;
}

OSStatus HIViewSetNeedsDisplay(HIViewRef inView, Boolean inNeedsDisplay)
{
  if (inNeedsDisplay) inView->mNeedsDisplay.push_back(inView->mFrame);
  return noErr;
}

OSStatus HIViewSetNeedsDisplayInRect(HIViewRef inView, const HIRect* inRect, Boolean inNeedsDisplay)
{
  if (inNeedsDisplay) inView->mNeedsDisplay.push_back(*inRect);
  return noErr;
}

// From the window's content (a null view) into a view, through the frames
// of the view and its parents below the content view.
OSStatus HIViewConvertPoint(HIPoint* ioPoint, HIViewRef inSourceView, HIViewRef inDestView)
{
  if (inSourceView) return -50;  // only the window's points are converted here
  for (HIViewRef v = inDestView; v && v != v->mWindow->mContentView && v != v->mWindow->mRoot; v = v->mParent) {
    ioPoint->x -= v->mFrame.origin.x;
    ioPoint->y -= v->mFrame.origin.y;
  }
  return noErr;
}

OSErr GetRootControl(WindowRef inWindow, ControlRef* outControl)
{
  *outControl = inWindow->mRoot;
  return inWindow->mRoot ? noErr : -30599;  // errNoRootControl
}

OSErr CreateRootControl(WindowRef inWindow, ControlRef* outControl)
{
  if (!inWindow->mRoot) inWindow->mRoot = NewControl(inWindow, &inWindow->mContent);
  *outControl = inWindow->mRoot;
  return noErr;
}

OSErr EmbedControl(ControlRef inControl, ControlRef inContainer)
{
  return (OSErr)HIViewAddSubview(inContainer, inControl);
}

void SizeControl(ControlRef theControl, SInt16 w, SInt16 h) { theControl->mFrame.size = CGSizeMake(w, h); }
void ShowControl(ControlRef inControl) { inControl->mVisible = true; }
void HideControl(ControlRef inControl) { inControl->mVisible = false; }
void UpdateControls(WindowRef inWindow, RgnHandle) { ++inWindow->mUpdates; }

void DisposeControl(ControlRef theControl)
{
  Detach(theControl);
  DeleteTree(theControl);
}

OSErr SetControlData(ControlRef inControl, ControlPartCode, ResType inTagName, Size inSize, const void* inData)
{
  if (inTagName == kControlEditTextCFStringTag && inSize == sizeof(CFStringRef))
    inControl->mText = TestCFText(*(const CFStringRef*)inData);
  else if (inTagName == kControlEditTextSelectionTag && inSize == sizeof(ControlEditTextSelectionRec))
    inControl->mSelection = *(const ControlEditTextSelectionRec*)inData;
  else
    return -30582;  // errDataNotSupported
  return noErr;
}

OSErr GetControlData(ControlRef inControl, ControlPartCode, ResType inTagName, Size inBufferSize, void* inBuffer,
                     Size* outActualSize)
{
  if (inTagName != kControlEditTextCFStringTag || inBufferSize < (Size)sizeof(CFStringRef)) return -30582;
  *(CFStringRef*)inBuffer =
      CFStringCreateWithCString(kCFAllocatorDefault, inControl->mText.c_str(), kCFStringEncodingUTF8);
  if (outActualSize) *outActualSize = sizeof(CFStringRef);
  return noErr;
}

OSErr SetControlFontStyle(ControlRef inControl, const ControlFontStyleRec* inStyle)
{
  inControl->mFontStyle = *inStyle;
  return noErr;
}

OSErr SetKeyboardFocus(WindowRef inWindow, ControlRef inControl, ControlFocusPart)
{
  inWindow->mFocus = inControl;
  return noErr;
}

RgnHandle NewRgn(void) { return new OpaqueRgnHandle; }
void DisposeRgn(RgnHandle rgn) { delete rgn; }

Rect* GetRegionBounds(RgnHandle region, Rect* bounds)
{
  *bounds = region->mBounds;
  return bounds;
}

// The window's port draws into pixels of its own.
OSStatus QDBeginCGContext(CGrafPtr inPort, CGContextRef* outContext)
{
  WindowRef window = (WindowRef)inPort;
  const int w = window->mContent.right - window->mContent.left, h = window->mContent.bottom - window->mContent.top;
  window->mPixels.assign((size_t)(w * h * 4), 0);
  CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
  *outContext = CGBitmapContextCreate(window->mPixels.data(), (size_t)w, (size_t)h, 8, (size_t)w * 4, space,
                                      kCGImageAlphaNoneSkipFirst);
  CGColorSpaceRelease(space);
  return *outContext ? noErr : -50;
}

OSStatus QDEndCGContext(CGrafPtr, CGContextRef* inoutContext)
{
  CGContextRelease(*inoutContext);
  *inoutContext = nullptr;
  return noErr;
}

FMFontFamily FMGetFontFamilyFromName(ConstStr255Param iName)
{
  return std::string((const char*)iName + 1, iName[0]) == "Arial" ? kTestArialFamily : 0;
}

OSStatus SetThemeCursor(ThemeCursor) { return noErr; }

SInt16 UniqueID(ResType) { return sNextMenuID++; }

OSStatus CreateNewMenu(MenuID inMenuID, MenuAttributes, MenuRef* outMenuRef)
{
  *outMenuRef = new OpaqueMenuRef;
  (*outMenuRef)->mShown.id = inMenuID;
  return noErr;
}

OSStatus AppendMenuItemTextWithCFString(MenuRef inMenu, CFStringRef inString, MenuItemAttributes inAttributes,
                                        MenuCommand, MenuItemIndex* outNewItem)
{
  inMenu->mShown.items.push_back(TestCarbonMenuItem{TestCFText(inString), inAttributes, false});
  if (outNewItem) *outNewItem = (MenuItemIndex)inMenu->mShown.items.size();
  return noErr;
}

void CheckMenuItem(MenuRef theMenu, MenuItemIndex item, Boolean checked)
{
  if (item >= 1 && item <= theMenu->mShown.items.size()) theMenu->mShown.items[item - 1].checked = checked;
}

long PopUpMenuSelect(MenuRef menu, short top, short left, short)
{
  menu->mShown.top = top;
  menu->mShown.left = left;
  sLastMenu = menu->mShown;
  const int answer = sMenuAnswer;
  sMenuAnswer = 0;
  return answer ? ((long)menu->mShown.id << 16) | answer : 0;
}

OSStatus ReleaseMenu(MenuRef inMenu)
{
  delete inMenu;
  return noErr;
}

}  // extern "C"

WindowRef TestNewWindow(bool composited, const Rect& content)
{
  WindowRef window = new OpaqueWindowPtr;
  window->mAttributes = composited ? kWindowCompositingAttribute : 0;
  window->mContent = content;
  if (composited) {
    window->mRoot = NewControl(window, &content);
    const Rect inside = {0, 0, (short)(content.bottom - content.top), (short)(content.right - content.left)};
    window->mContentView = NewControl(window, &inside);
    HIViewAddSubview(window->mRoot, window->mContentView);
  }
  return window;
}

void TestDisposeWindow(WindowRef window)
{
  if (window->mRoot) DeleteTree(window->mRoot);
  delete window;
}

ControlRef TestWindowContent(WindowRef window) { return window->mContentView ? window->mContentView : window->mRoot; }
ControlRef TestWindowFocus(WindowRef window) { return window->mFocus; }
int TestWindowUpdates(WindowRef window) { return window->mUpdates; }

const std::vector<ControlRef>& TestControlChildren(ControlRef control) { return control->mChildren; }
HIRect TestControlFrame(ControlRef control) { return control->mFrame; }
UInt32 TestControlFeatures(ControlRef control) { return control->mFeatures; }
bool TestControlVisible(ControlRef control) { return control->mVisible; }
int TestControlHandlers(ControlRef control) { return (int)control->mTarget.mHandlers.size(); }
int TestWindowHandlers(WindowRef window) { return (int)window->mTarget.mHandlers.size(); }
std::string TestControlText(ControlRef control) { return control->mText; }
void TestSetControlText(ControlRef control, const char* text) { control->mText = text; }
ControlEditTextSelectionRec TestControlSelection(ControlRef control) { return control->mSelection; }
ControlFontStyleRec TestControlFontStyle(ControlRef control) { return control->mFontStyle; }
std::vector<HIRect> TestTakeNeedsDisplay(ControlRef control)
{
  std::vector<HIRect> rects;
  rects.swap(control->mNeedsDisplay);
  return rects;
}

EventRef TestNewEvent(UInt32 eventClass, UInt32 kind) { return new OpaqueEventRef{eventClass, kind, {}}; }

void TestSetEventParamBytes(EventRef event, EventParamName name, EventParamType type, const void* data, size_t size)
{
  event->mParams[name] = {type, std::vector<uint8_t>((const uint8_t*)data, (const uint8_t*)data + size)};
}

void TestReleaseEvent(EventRef event) { delete event; }

OSStatus TestSendToWindow(WindowRef window, EventRef event) { return Send(&window->mTarget, event); }
OSStatus TestSendToControl(ControlRef control, EventRef event) { return Send(&control->mTarget, event); }

RgnHandle TestNewRegion(const Rect& bounds) { return new OpaqueRgnHandle{bounds}; }

const std::vector<TestCarbonTimer>& TestCarbonTimers() { return Timers(); }

void TestFireTimers()
{
  const std::vector<TestCarbonTimer> timers = Timers();
  for (const TestCarbonTimer& t : timers) t.proc(t.timer, t.userData);
}

void TestAnswerMenu(int item) { sMenuAnswer = item; }
const TestCarbonMenu& TestLastMenu() { return sLastMenu; }
