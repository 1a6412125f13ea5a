#ifndef IGRAPHICSMACRULES_H
#define IGRAPHICSMACRULES_H

// The arithmetic and rules of the macOS back end, apart from Cocoa and
// Carbon so that the tests run them: where a view's point lands in the
// editor, the mouse modifiers of a Cocoa or Carbon event (Command with the
// left button is the right button), the rectangles between the editor's
// rows and Cocoa's upward y, the text's point size and placement, the
// alignment numbers, the timers' intervals, the entries of a popup menu
// and which item a choice means, and the Carbon text entry's and popup's
// own rules. Called on the main thread by the Cocoa view and the Carbon
// host.

#include <Carbon/Carbon.h>

#include <vector>

#include "IGraphicRecords.h"
#include "IPopupMenu.h"

// A rectangle in a Cocoa view: origin at the bottom left, y up.
struct MacRect {
  double x, y, w, h;
};

// --- Points and rectangles ---

// The editor point of a point in the Cocoa view.
void CocoaEditorPoint(double viewX, double viewY, int editorHeight, int* pX, int* pY);
// The editor point of a point in the Carbon pane.
void CarbonEditorPoint(double paneX, double paneY, int* pX, int* pY);
// The view rectangle that covers the editor rectangle, edges included.
MacRect ToNSRect(int editorHeight, const IRECT& r);
// The editor rectangle of a view rectangle, each part truncated first.
IRECT FlipRect(int editorHeight, const MacRect& r);

// --- Modifiers ---

// Cocoa's modifier flags, as AppKit numbers them.
enum ECocoaModifierFlags : unsigned long {
  kCocoaShiftKeyMask = 1ul << 17,
  kCocoaControlKeyMask = 1ul << 18,
  kCocoaAlternateKeyMask = 1ul << 19,
  kCocoaCommandKeyMask = 1ul << 20,
};
// A left-button event reports Command as the right button too.
IMouseModifiers CocoaMouseModifiers(unsigned long modifierFlags, bool rightButton);
// The left button with Command counts as the right button alone.
IMouseModifiers CarbonMouseModifiers(UInt32 keyModifiers, EventMouseButton button);

// --- Text ---

// Points of an IText size: three quarters, truncated.
int TextPointSize(int size);
// The top of the text's rectangle in the draw bitmap.
int TextTop(int top, int pointSize);
bool TextAntialiased(int pointSize);
// The NSTextAlignment of an IText alignment: near 0, centre 2, far 1.
int CocoaTextAlignment(int align);
// The Carbon justification of an IText alignment: near 0, centre 1, far -1.
SInt16 CarbonJustification(int align);
// The font, size and justification of a Carbon text entry.
ControlFontStyleRec CarbonEntryFontStyle(FMFontFamily arial, int align);
// Enter (3) and Return (13) end a Carbon text entry, keeping its text.
bool CarbonEntryCommits(char charCode);

// --- Timers, in seconds ---

double CocoaTimerInterval(int fps);
double CarbonTimerInterval(int fps);

// --- Popup menus ---

// One entry of a shown menu. Items holding a submenu are not shown; the
// numbers of the prefix still count them, as on Windows.
struct MacMenuEntry {
  int mItemIdx;  // in the IPopupMenu
  bool mSeparator;
  bool mDisabled;
  bool mTitle;
  bool mChecked;
  char mText[IPopupMenuItem::kTextLen + 8];  // prefixed
};
std::vector<MacMenuEntry> MacMenuEntries(const IPopupMenu& menu);
// The IPopupMenu item of the entry at the 0-based position chosen; -1 for
// none or a separator.
int MacMenuChosenItem(const std::vector<MacMenuEntry>& entries, int position);

// --- Carbon drawing and placement ---

// What a control-draw event redraws: its region's bounds, else the editor.
IRECT CarbonDrawRect(const Rect* pRegionBounds, int width, int height);
// The top left of a popup menu under the editor rectangle, in global
// coordinates.
void CarbonPopupPoint(const Rect& windowContent, const HIRect& paneFrame, const IRECT& r, short* pTop, short* pLeft);

#endif
