#include "IPopupMenu.h"

#include "IFxUtilities.h"

IPopupMenuItem::IPopupMenuItem(const char* text, int flags) : mFlags(flags) { CopyTextCut(mText, text, kTextLen); }

IPopupMenu::~IPopupMenu() { mMenuItems.Empty(true); }

IPopupMenuItem* IPopupMenu::AppendItem(IPopupMenuItem* pItem, int index)
{
  if (index == kAppend) mMenuItems.Add(pItem);
  return pItem;
}

IPopupMenuItem* IPopupMenu::AddOwnItem(IPopupMenuItem* pItem, int index)
{
  if (index == kAppend) return AppendItem(pItem, index);
  delete pItem;
  return nullptr;
}

IPopupMenuItem* IPopupMenu::AddItem(const char* text, int index, int flags)
{
  return AddOwnItem(new IPopupMenuItem(text, flags), index);
}

IPopupMenuItem* IPopupMenu::AddSeparator(int index)
{
  return AddOwnItem(new IPopupMenuItem("", IPopupMenuItem::kSeparator), index);
}

void IPopupMenu::SetPrefix(int mode)
{
  if (mode >= kPrefixNone && mode <= kPrefixThreeDigits) mPrefix = mode;
}
