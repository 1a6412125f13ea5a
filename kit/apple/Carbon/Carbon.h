#ifndef CARBON_H
#define CARBON_H

// Stands in for Apple's Carbon off Apple (see ../README.md): the windows,
// controls, Carbon events, event-loop timers, menus, regions, theme fills
// and cursors of a Carbon editor host, with ApplicationServices and
// CoreServices, which Carbon brings along.

#include <ApplicationServices/ApplicationServices.h>
#include <CoreServices/CoreServices.h>
#include <MacTypes.h>

typedef long Size;
typedef UInt32 ResType;
typedef const unsigned char* ConstStr255Param;

struct Rect {
  short top;
  short left;
  short bottom;
  short right;
};

typedef CGPoint HIPoint;
typedef CGRect HIRect;

typedef struct OpaqueWindowPtr* WindowRef;
typedef struct OpaqueControlRef* ControlRef;
typedef ControlRef HIViewRef;
typedef struct OpaqueGrafPtr* CGrafPtr;
typedef struct OpaqueRgnHandle* RgnHandle;
typedef struct OpaqueMenuRef* MenuRef;
typedef struct OpaqueEventRef* EventRef;
typedef struct OpaqueEventHandlerRef* EventHandlerRef;
typedef struct OpaqueEventHandlerCallRef* EventHandlerCallRef;
typedef struct OpaqueEventTargetRef* EventTargetRef;
typedef struct OpaqueEventLoopRef* EventLoopRef;
typedef struct OpaqueEventLoopTimerRef* EventLoopTimerRef;

typedef UInt32 WindowAttributes;
typedef UInt32 WindowRegionCode;
typedef UInt32 EventParamName;
typedef UInt32 EventParamType;
typedef UInt16 EventMouseButton;
typedef UInt16 EventMouseWheelAxis;
typedef double EventTimerInterval;
typedef SInt16 ControlPartCode;
typedef ControlPartCode ControlFocusPart;
typedef SInt16 MenuID;
typedef UInt16 MenuItemIndex;
typedef UInt32 MenuAttributes;
typedef UInt32 MenuItemAttributes;
typedef UInt32 MenuCommand;
typedef SInt16 FMFontFamily;
typedef SInt16 ThemeBrush;
typedef UInt32 ThemeCursor;
typedef UInt32 HIThemeOrientation;

struct EventTypeSpec {
  UInt32 eventClass;
  UInt32 eventKind;
};

struct HIViewID {
  OSType signature;
  SInt32 id;
};

struct ControlFontStyleRec {
  SInt16 flags;
  SInt16 font;
  SInt16 size;
  SInt16 style;
  SInt16 mode;
  SInt16 just;
  RGBColor foreColor;
  RGBColor backColor;
};

struct ControlEditTextSelectionRec {
  SInt16 selStart;
  SInt16 selEnd;
};

typedef OSStatus (*EventHandlerProcPtr)(EventHandlerCallRef inHandlerCallRef, EventRef inEvent, void* inUserData);
typedef EventHandlerProcPtr EventHandlerUPP;
typedef void (*EventLoopTimerProcPtr)(EventLoopTimerRef inTimer, void* inUserData);
typedef EventLoopTimerProcPtr EventLoopTimerUPP;

enum {
  eventNotHandledErr = -9874,
};

// Event classes and kinds.
enum {
  kEventClassMouse = 0x6D6F7573,     // 'mous'
  kEventClassKeyboard = 0x6B657962,  // 'keyb'
  kEventClassWindow = 0x77696E64,    // 'wind'
  kEventClassControl = 0x636E746C,   // 'cntl'
};
enum {
  kEventMouseDown = 1,
  kEventMouseUp = 2,
  kEventMouseMoved = 5,
  kEventMouseDragged = 6,
  kEventMouseWheelMoved = 10,
};
enum { kEventRawKeyDown = 1, kEventRawKeyRepeat = 2 };
enum { kEventWindowDeactivated = 6 };
enum {
  kEventControlDraw = 4,
  kEventControlClick = 13,
  kEventControlBoundsChanged = 154,
  kEventControlDispose = 1001,
};

// Event parameters and their types.
enum {
  kEventParamDirectObject = 0x2D2D2D2D,         // '----'
  kEventParamWindowMouseLocation = 0x776D6F75,  // 'wmou'
  kEventParamKeyModifiers = 0x6B6D6F64,         // 'kmod'
  kEventParamMouseButton = 0x6D62746E,          // 'mbtn'
  kEventParamClickCount = 0x63636E74,           // 'ccnt'
  kEventParamMouseWheelAxis = 0x6D776178,       // 'mwax'
  kEventParamMouseWheelDelta = 0x6D77646C,      // 'mwdl'
  kEventParamKeyMacCharCodes = 0x6B636872,      // 'kchr'
  kEventParamRgnHandle = 0x72676E68,            // 'rgnh'
  kEventParamCGContextRef = 0x636E7478,         // 'cntx'
  kEventParamGrafPort = 0x67726166,             // 'graf'
};
enum {
  typeWindowRef = 0x77696E64,       // 'wind'
  typeHIPoint = 0x68697074,         // 'hipt'
  typeUInt32 = 0x6D61676E,          // 'magn'
  typeSInt32 = 0x6C6F6E67,          // 'long'
  typeMouseButton = 0x6D62746E,     // 'mbtn'
  typeMouseWheelAxis = 0x6D776178,  // 'mwax'
  typeChar = 0x54455854,            // 'TEXT'
  typeQDRgnHandle = 0x72676E68,     // 'rgnh'
  typeCGContextRef = 0x636E7478,    // 'cntx'
  typeGrafPtr = 0x67726174,         // 'grat'
};

enum { kEventMouseButtonPrimary = 1, kEventMouseButtonSecondary = 2 };
enum { kEventMouseWheelAxisX = 0, kEventMouseWheelAxisY = 1 };

// Key modifiers.
enum {
  cmdKey = 1 << 8,
  shiftKey = 1 << 9,
  optionKey = 1 << 11,
  controlKey = 1 << 12,
};

enum { kWindowCompositingAttribute = 1u << 19 };
enum { kWindowContentRgn = 33 };

enum { kControlEntireControl = 0, kControlEditTextPart = 5 };
enum {
  kControlEditTextCFStringTag = 0x63667374,   // 'cfst'
  kControlEditTextSelectionTag = 0x73656C65,  // 'sele'
};
enum {
  kControlUseFontMask = 0x01,
  kControlUseSizeMask = 0x04,
  kControlUseJustMask = 0x40,
};
enum { teJustLeft = 0, teJustCenter = 1, teJustRight = -1 };

enum {
  kMenuItemAttrDisabled = 1 << 0,
  kMenuItemAttrSeparator = 1 << 6,
  kMenuItemAttrSectionHeader = 1 << 7,
  kMenuItemAttrIgnoreMeta = 1 << 8,
};

enum { kThemeBrushDialogBackgroundActive = 1 };
enum { kThemeArrowCursor = 0 };
enum { kHIThemeOrientationNormal = 0 };

#define kUserFocusAuto ((WindowRef)(-1))
#define kEventDurationNoWait 0.0

#ifdef __cplusplus
extern "C" {
#endif

extern const HIViewID kHIViewWindowContentID;

// --- Carbon events ---
EventHandlerUPP NewEventHandlerUPP(EventHandlerProcPtr userRoutine);
EventLoopTimerUPP NewEventLoopTimerUPP(EventLoopTimerProcPtr userRoutine);
EventTargetRef GetControlEventTarget(ControlRef inControl);
EventTargetRef GetWindowEventTarget(WindowRef inWindow);
OSStatus InstallEventHandler(EventTargetRef inTarget, EventHandlerUPP inHandler, ItemCount inNumTypes,
                             const EventTypeSpec* inList, void* inUserData, EventHandlerRef* outRef);
OSStatus RemoveEventHandler(EventHandlerRef inHandlerRef);
OSStatus CallNextEventHandler(EventHandlerCallRef inCallRef, EventRef inEvent);
UInt32 GetEventClass(EventRef inEvent);
UInt32 GetEventKind(EventRef inEvent);
OSStatus GetEventParameter(EventRef inEvent, EventParamName inName, EventParamType inDesiredType,
                           EventParamType* outActualType, ByteCount inBufferSize, ByteCount* outActualSize,
                           void* outData);
EventLoopRef GetMainEventLoop(void);
OSStatus InstallEventLoopTimer(EventLoopRef inEventLoop, EventTimerInterval inFireDelay, EventTimerInterval inInterval,
                               EventLoopTimerUPP inTimerProc, void* inTimerData, EventLoopTimerRef* outTimer);
OSStatus RemoveEventLoopTimer(EventLoopTimerRef inTimer);

// --- Windows ---
OSStatus GetWindowAttributes(WindowRef window, WindowAttributes* outAttributes);
OSStatus GetWindowBounds(WindowRef window, WindowRegionCode regionCode, Rect* globalBounds);
OSStatus SetWindowBounds(WindowRef window, WindowRegionCode regionCode, const Rect* globalBounds);
OSStatus SetUserFocusWindow(WindowRef inWindow);

// --- Controls and views ---
OSStatus CreateUserPaneControl(WindowRef window, const Rect* boundsRect, UInt32 features, ControlRef* outControl);
OSStatus CreateEditUnicodeTextControl(WindowRef window, const Rect* boundsRect, CFStringRef text, Boolean isPassword,
                                      const ControlFontStyleRec* style, ControlRef* outControl);
HIViewRef HIViewGetRoot(WindowRef inWindow);
OSStatus HIViewFindByID(HIViewRef inStartView, HIViewID inID, HIViewRef* outControl);
OSStatus HIViewAddSubview(HIViewRef inParent, HIViewRef inNewChild);
OSStatus HIViewGetFrame(HIViewRef inView, HIRect* outRect);
OSStatus HIViewSetFrame(HIViewRef inView, const HIRect* inRect);
OSStatus HIViewSetNeedsDisplay(HIViewRef inView, Boolean inNeedsDisplay);
OSStatus HIViewSetNeedsDisplayInRect(HIViewRef inView, const HIRect* inRect, Boolean inNeedsDisplay);
OSStatus HIViewConvertPoint(HIPoint* ioPoint, HIViewRef inSourceView, HIViewRef inDestView);
OSErr GetRootControl(WindowRef inWindow, ControlRef* outControl);
OSErr CreateRootControl(WindowRef inWindow, ControlRef* outControl);
OSErr EmbedControl(ControlRef inControl, ControlRef inContainer);
void SizeControl(ControlRef theControl, SInt16 w, SInt16 h);
void ShowControl(ControlRef inControl);
void HideControl(ControlRef inControl);
void UpdateControls(WindowRef inWindow, RgnHandle inUpdateRegion);
void DisposeControl(ControlRef theControl);
OSErr SetControlData(ControlRef inControl, ControlPartCode inPart, ResType inTagName, Size inSize, const void* inData);
OSErr GetControlData(ControlRef inControl, ControlPartCode inPart, ResType inTagName, Size inBufferSize, void* inBuffer,
                     Size* outActualSize);
OSErr SetControlFontStyle(ControlRef inControl, const ControlFontStyleRec* inStyle);
OSErr SetKeyboardFocus(WindowRef inWindow, ControlRef inControl, ControlFocusPart inPart);

// --- Regions, ports, fonts, cursors, themes ---
RgnHandle NewRgn(void);
void DisposeRgn(RgnHandle rgn);
Rect* GetRegionBounds(RgnHandle region, Rect* bounds);
OSStatus QDBeginCGContext(CGrafPtr inPort, CGContextRef* outContext);
OSStatus QDEndCGContext(CGrafPtr inPort, CGContextRef* inoutContext);
FMFontFamily FMGetFontFamilyFromName(ConstStr255Param iName);
OSStatus SetThemeCursor(ThemeCursor inCursor);
OSStatus HIThemeSetFill(ThemeBrush inBrush, void* inInfo, CGContextRef inContext, HIThemeOrientation inOrientation);

// --- Menus ---
SInt16 UniqueID(ResType theType);
OSStatus CreateNewMenu(MenuID inMenuID, MenuAttributes inMenuAttributes, MenuRef* outMenuRef);
OSStatus AppendMenuItemTextWithCFString(MenuRef inMenu, CFStringRef inString, MenuItemAttributes inAttributes,
                                        MenuCommand inCommandID, MenuItemIndex* outNewItem);
void CheckMenuItem(MenuRef theMenu, MenuItemIndex item, Boolean checked);
// (menu id << 16) | the item chosen, 0 for none.
long PopUpMenuSelect(MenuRef menu, short top, short left, short popUpItem);
OSStatus ReleaseMenu(MenuRef inMenu);

#ifdef __cplusplus
}
#endif

#endif
