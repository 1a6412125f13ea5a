#ifndef IGRAPHICSTRANSLATION_H
#define IGRAPHICSTRANSLATION_H

// What a back end turns Windows-style input into before it reaches the
// editor core: virtual keys into the core's key codes, a message's key-state
// word into mouse modifiers, wheel units into steps, and a menu item into
// its title with the menu's number prefix. Platform-neutral, so that the
// Windows back end and the window-less one share it.
// Any thread, no lock: pure functions.

#include <stdint.h>

#include "IGraphicRecords.h"

class IPopupMenu;

// Key codes handed to IGraphics::OnKeyDown.
enum EKeyCode {
  kKeySpace = 0,
  kKeyUp = 1,
  kKeyDown = 2,
  kKeyLeft = 3,
  kKeyRight = 4,
  kKeyDigit0 = 5,  // to kKeyDigit0 + 9
  kKeyA = 15,      // to kKeyA + 25
  kKeyNone = -1
};

// Windows virtual keys the map knows.
enum EVirtualKey {
  kVirtualSpace = 32,
  kVirtualLeft = 37,
  kVirtualUp = 38,
  kVirtualRight = 39,
  kVirtualDown = 40,
  kVirtualDigit0 = 48,
  kVirtualA = 65,
  kVirtualNumpad0 = 96
};

// Bits of a mouse message's key-state word.
enum EKeyState { kKeyStateLButton = 1, kKeyStateRButton = 2, kKeyStateShift = 4, kKeyStateControl = 8 };

// Wheel units of one notch.
const int kWheelDelta = 120;

// The key code of a virtual key; kKeyNone for keys the editor ignores. The
// numeric keypad's digits are digits; its other keys and the function keys
// are ignored.
int KeyCodeFromVirtualKey(int virtualKey);
// altDown: whether the alt key is down at that moment.
IMouseModifiers ModifiersFromKeyState(uint32_t keyState, bool altDown);
// Whole notches, truncated toward zero.
int WheelSteps(int wheelDelta);
// Item idx's text with the menu's number prefix (its 1-based position) into
// out (outSize bytes, terminated); false for no such item.
bool MenuItemTitle(const IPopupMenu& menu, int idx, char* out, int outSize);

#endif
