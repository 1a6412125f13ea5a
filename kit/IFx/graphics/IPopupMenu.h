#ifndef IPOPUPMENU_H
#define IPOPUPMENU_H

// A platform-neutral popup menu: items with flags, an optional number
// prefix for every item, and the item the user chose. The editor core fills
// one; a window back end shows it natively and writes the choice back.
// Host user-interface thread.

#include "KIT_PtrList.h"

class IPopupMenu;

class IPopupMenuItem {
public:
  enum EFlags { kNoFlags = 0, kDisabled = 1, kTitle = 2, kChecked = 4, kSeparator = 8 };
  static constexpr int kTextLen = 32;  // terminator included; longer texts are cut

  explicit IPopupMenuItem(const char* text, int flags = kNoFlags);

  bool GetEnabled() const { return !(mFlags & kDisabled); }
  bool GetChecked() const { return (mFlags & kChecked) != 0; }
  bool GetIsTitle() const { return (mFlags & kTitle) != 0; }
  bool GetIsSeparator() const { return (mFlags & kSeparator) != 0; }
  IPopupMenu* GetSubmenu() const { return mSubmenu; }
  const char* GetText() const { return mText; }

private:
  char mText[kTextLen];
  IPopupMenu* mSubmenu = nullptr;
  int mFlags;
};

class IPopupMenu {
public:
  // How the back ends number the items: none, or the 1-based position as
  // "%1d: ", "%02d: " or "%03d: ".
  enum EPrefix { kPrefixNone = 0, kPrefixOneDigit, kPrefixTwoDigits, kPrefixThreeDigits };
  static constexpr int kAppend = -1;

  IPopupMenu() = default;
  virtual ~IPopupMenu();
  IPopupMenu(const IPopupMenu&) = delete;
  IPopupMenu& operator=(const IPopupMenu&) = delete;

  // Index kAppend appends the item and the menu owns it; any other index
  // leaves the menu unchanged and the item the caller's.
  virtual IPopupMenuItem* AppendItem(IPopupMenuItem* pItem, int index = kAppend);
  // These make the item themselves: one the menu refuses is deleted (null).
  virtual IPopupMenuItem* AddItem(const char* text, int index = kAppend, int flags = IPopupMenuItem::kNoFlags);
  virtual IPopupMenuItem* AddSeparator(int index = kAppend);

  // Modes above kPrefixThreeDigits leave the mode as it is.
  void SetPrefix(int mode);
  int GetPrefix() const { return mPrefix; }
  int GetChosenItemIdx() const { return mChosenItemIdx; }
  void SetChosenItemIdx(int index) { mChosenItemIdx = index; }
  // Null out of range.
  IPopupMenuItem* GetItem(int index) const { return mMenuItems.Get(index); }
  int GetNItems() const { return mMenuItems.GetSize(); }

private:
  IPopupMenuItem* AddOwnItem(IPopupMenuItem* pItem, int index);

  int mPrefix = kPrefixNone;
  int mChosenItemIdx = -1;
  KIT_PtrList<IPopupMenuItem> mMenuItems{4096};
};

#endif
