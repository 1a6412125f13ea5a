#include "IGraphicsTranslation.h"

#include <stdio.h>

#include "IPopupMenu.h"

namespace {
const int kDigits = 10;
const int kLetters = 26;
}  // namespace

int KeyCodeFromVirtualKey(int virtualKey)
{
  switch (virtualKey) {
    case kVirtualSpace: return kKeySpace;
    case kVirtualUp: return kKeyUp;
    case kVirtualDown: return kKeyDown;
    case kVirtualLeft: return kKeyLeft;
    case kVirtualRight: return kKeyRight;
    default: break;
  }
  if (virtualKey >= kVirtualDigit0 && virtualKey < kVirtualDigit0 + kDigits)
    return kKeyDigit0 + virtualKey - kVirtualDigit0;
  if (virtualKey >= kVirtualNumpad0 && virtualKey < kVirtualNumpad0 + kDigits)
    return kKeyDigit0 + virtualKey - kVirtualNumpad0;
  if (virtualKey >= kVirtualA && virtualKey < kVirtualA + kLetters) return kKeyA + virtualKey - kVirtualA;
  return kKeyNone;
}

IMouseModifiers ModifiersFromKeyState(uint32_t keyState, bool altDown)
{
  return IMouseModifiers((keyState & kKeyStateLButton) != 0, (keyState & kKeyStateRButton) != 0,
                         (keyState & kKeyStateShift) != 0, (keyState & kKeyStateControl) != 0, altDown);
}

int WheelSteps(int wheelDelta) { return wheelDelta / kWheelDelta; }

bool MenuItemTitle(const IPopupMenu& menu, int idx, char* out, int outSize)
{
  const IPopupMenuItem* pItem = menu.GetItem(idx);
  if (!pItem || !out || outSize <= 0) return false;
  const int number = idx + 1;
  switch (menu.GetPrefix()) {
    case IPopupMenu::kPrefixOneDigit: snprintf(out, (size_t)outSize, "%1d: %s", number, pItem->GetText()); break;
    case IPopupMenu::kPrefixTwoDigits: snprintf(out, (size_t)outSize, "%02d: %s", number, pItem->GetText()); break;
    case IPopupMenu::kPrefixThreeDigits: snprintf(out, (size_t)outSize, "%03d: %s", number, pItem->GetText()); break;
    default: snprintf(out, (size_t)outSize, "%s", pItem->GetText()); break;
  }
  return true;
}
