#include <windows.h>

#include "MenuAnswerer.h"

namespace vsthost {

namespace {
const UINT kPollMs = 20;
const UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU: the menu a popup window shows
const char* const kMenuClass = "#32768";

MenuAnswerer* sAnswerer = nullptr;

struct Search {
  HWND menu = nullptr;
};

BOOL CALLBACK FindMenu(HWND hWnd, LPARAM lParam)
{
  char name[16] = "";
  GetClassNameA(hWnd, name, sizeof name);
  if (lstrcmpA(name, kMenuClass) != 0 || !IsWindowVisible(hWnd)) return TRUE;
  reinterpret_cast<Search*>(lParam)->menu = hWnd;
  return FALSE;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
  if (sAnswerer) sAnswerer->Look();
}

void PostKey(HWND hWnd, WPARAM key)
{
  PostMessageA(hWnd, WM_KEYDOWN, key, 0);
  PostMessageA(hWnd, WM_KEYUP, key, 0);
}
}  // namespace

MenuAnswerer::MenuAnswerer()
{
  sAnswerer = this;
  mTimer = SetTimer(nullptr, 0, kPollMs, OnTimer);
}

MenuAnswerer::~MenuAnswerer()
{
  KillTimer(nullptr, static_cast<UINT_PTR>(mTimer));
  sAnswerer = nullptr;
}

std::vector<MenuAnswerer::Menu> MenuAnswerer::TakeMenus()
{
  std::vector<Menu> taken;
  taken.swap(mMenus);
  return taken;
}

void MenuAnswerer::Look()
{
  HWND answered = static_cast<HWND>(mAnswered);
  if (answered && IsWindow(answered) && IsWindowVisible(answered)) return;
  mAnswered = nullptr;

  // Only this thread's menus: other programs may share the screen.
  Search search;
  EnumThreadWindows(GetCurrentThreadId(), FindMenu, reinterpret_cast<LPARAM>(&search));
  if (!search.menu) return;
  HMENU hMenu = reinterpret_cast<HMENU>(SendMessageA(search.menu, kGetMenuHandle, 0, 0));

  Menu menu;
  RECT r;
  GetWindowRect(search.menu, &r);
  menu.screenX = r.left;
  menu.screenY = r.top;
  const int n = hMenu ? GetMenuItemCount(hMenu) : 0;
  for (int i = 0; i < n; ++i) {
    Item item;
    char text[256] = "";
    GetMenuStringA(hMenu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    const UINT state = GetMenuState(hMenu, static_cast<UINT>(i), MF_BYPOSITION);
    item.text = text;
    item.id = GetMenuItemID(hMenu, i);
    item.checked = (state & MF_CHECKED) != 0;
    item.grayed = (state & (MF_GRAYED | MF_DISABLED)) != 0;
    item.separator = (state & MF_SEPARATOR) != 0;
    menu.items.push_back(item);
  }

  int position = kCancel;
  if (mAnswers.empty()) {
    menu.note = "no answer was given";
  } else {
    position = mAnswers.front();
    mAnswers.pop_front();
    if (position != kCancel &&
        (position < 0 || position >= n || menu.items[position].separator || menu.items[position].grayed)) {
      menu.note = "item " + std::to_string(position) + " cannot be chosen";
      position = kCancel;
    }
  }
  menu.chosen = position;
  if (position == kCancel) {
    PostKey(search.menu, VK_ESCAPE);
  } else {
    // From the first item, whatever the pointer has chosen meanwhile (a
    // menu that opens under it takes the item there); the keyboard walks
    // past separators only. Posted keys come before any input still on
    // its way, so nothing moves the choice between them and the Enter.
    PostKey(search.menu, VK_HOME);
    bool first = true;
    for (int i = 0; i <= position; ++i) {
      if (menu.items[i].separator) continue;
      if (!first) PostKey(search.menu, VK_DOWN);
      first = false;
    }
    PostKey(search.menu, VK_RETURN);
  }
  mAnswered = search.menu;
  mMenus.push_back(menu);
}

}  // namespace vsthost
