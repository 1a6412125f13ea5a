#include "IGraphicsMacRules.h"

#include "IGraphicsTranslation.h"

namespace {
// The view's pointer hot spot sits this far from the editor's pixel.
const int kMouseOffsetX = 2;
const int kMouseOffsetY = 3;
const double kPointsPerSize = 0.75;
const int kTextTopMargin = 6;
const int kMaxPlainPointSize = 11;
const int kArialSize = 11;
const SInt16 kEntryFontStyleFlags = kControlUseFontMask | kControlUseSizeMask | kControlUseJustMask;
const char kCharEnter = 3;
const char kCharReturn = 13;
const int kPopupBelow = 5;
}  // namespace

void CocoaEditorPoint(double viewX, double viewY, int editorHeight, int* pX, int* pY)
{
  *pX = (int)viewX - kMouseOffsetX;
  *pY = editorHeight - (int)viewY - kMouseOffsetY;
}

void CarbonEditorPoint(double paneX, double paneY, int* pX, int* pY)
{
  *pX = (int)paneX - kMouseOffsetX;
  *pY = (int)paneY - kMouseOffsetY;
}

MacRect ToNSRect(int editorHeight, const IRECT& r)
{
  return MacRect{(double)r.L, (double)(editorHeight - r.B - 1), (double)(r.R - r.L + 1), (double)(r.B - r.T + 1)};
}

IRECT FlipRect(int editorHeight, const MacRect& r)
{
  const int x = (int)r.x, y = (int)r.y, w = (int)r.w, h = (int)r.h;
  return IRECT(x, editorHeight - (y + h), x + w, editorHeight - y);
}

IMouseModifiers CocoaMouseModifiers(unsigned long modifierFlags, bool rightButton)
{
  const bool command = (modifierFlags & kCocoaCommandKeyMask) != 0;
  return IMouseModifiers(!rightButton, rightButton || command, (modifierFlags & kCocoaShiftKeyMask) != 0,
                         (modifierFlags & kCocoaControlKeyMask) != 0, (modifierFlags & kCocoaAlternateKeyMask) != 0);
}

IMouseModifiers CarbonMouseModifiers(UInt32 keyModifiers, EventMouseButton button)
{
  const bool command = (keyModifiers & cmdKey) != 0;
  const bool left = button == kEventMouseButtonPrimary && !command;
  const bool right = button == kEventMouseButtonSecondary || (button == kEventMouseButtonPrimary && command);
  return IMouseModifiers(left, right, (keyModifiers & shiftKey) != 0, (keyModifiers & controlKey) != 0,
                         (keyModifiers & optionKey) != 0);
}

int TextPointSize(int size) { return (int)(kPointsPerSize * size); }

int TextTop(int top, int pointSize) { return top + kTextTopMargin + pointSize / 4; }

bool TextAntialiased(int pointSize) { return pointSize > kMaxPlainPointSize; }

int CocoaTextAlignment(int align)
{
  switch (align) {
    case IText::kAlignCenter: return 2;
    case IText::kAlignFar: return 1;
    default: return 0;
  }
}

SInt16 CarbonJustification(int align)
{
  switch (align) {
    case IText::kAlignCenter: return teJustCenter;
    case IText::kAlignFar: return teJustRight;
    default: return teJustLeft;
  }
}

ControlFontStyleRec CarbonEntryFontStyle(FMFontFamily arial, int align)
{
  ControlFontStyleRec style = {};
  style.flags = kEntryFontStyleFlags;
  style.font = arial;
  style.size = kArialSize;
  style.just = CarbonJustification(align);
  return style;
}

bool CarbonEntryCommits(char charCode) { return charCode == kCharEnter || charCode == kCharReturn; }

double CocoaTimerInterval(int fps) { return 1.0 / fps; }

double CarbonTimerInterval(int fps) { return 0.5 / fps; }

std::vector<MacMenuEntry> MacMenuEntries(const IPopupMenu& menu)
{
  std::vector<MacMenuEntry> entries;
  for (int i = 0; i < menu.GetNItems(); ++i) {
    const IPopupMenuItem* pItem = menu.GetItem(i);
    if (pItem->GetSubmenu()) continue;
    MacMenuEntry e = {};
    e.mItemIdx = i;
    e.mSeparator = pItem->GetIsSeparator();
    e.mDisabled = !pItem->GetEnabled();
    e.mTitle = pItem->GetIsTitle();
    e.mChecked = pItem->GetChecked();
    if (!e.mSeparator) MenuItemTitle(menu, i, e.mText, sizeof e.mText);
    entries.push_back(e);
  }
  return entries;
}

int MacMenuChosenItem(const std::vector<MacMenuEntry>& entries, int position)
{
  if (position < 0 || position >= (int)entries.size() || entries[(size_t)position].mSeparator) return -1;
  return entries[(size_t)position].mItemIdx;
}

IRECT CarbonDrawRect(const Rect* pRegionBounds, int width, int height)
{
  if (!pRegionBounds) return IRECT(0, 0, width, height);
  return IRECT(pRegionBounds->left, pRegionBounds->top, pRegionBounds->right, pRegionBounds->bottom);
}

void CarbonPopupPoint(const Rect& windowContent, const HIRect& paneFrame, const IRECT& r, short* pTop, short* pLeft)
{
  *pLeft = (short)(windowContent.left + (int)paneFrame.origin.x + r.L);
  *pTop = (short)(windowContent.top + (int)paneFrame.origin.y + r.B + kPopupBelow);
}
