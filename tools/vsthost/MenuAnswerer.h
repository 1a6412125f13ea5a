#ifndef VSTHOST_MENUANSWERER_H
#define VSTHOST_MENUANSWERER_H

// Answers the popup menus that open on the host's user-interface thread
// (Windows), as a user would: a host timer finds the open menu, reads its
// items and picks the one it was told to with the keyboard, or cancels the
// menu. A menu it was told nothing about is cancelled, so that no test
// waits on one for ever. One at a time per thread.

#include <deque>
#include <string>
#include <vector>

namespace vsthost {

class MenuAnswerer {
public:
  static constexpr int kCancel = -1;

  struct Item {
    std::string text;
    unsigned id = 0;
    bool checked = false, grayed = false, separator = false;
  };
  struct Menu {
    int screenX = 0, screenY = 0;  // top left
    std::vector<Item> items;
    int chosen = kCancel;  // the position picked, or kCancel
    std::string note;      // why a menu was cancelled unasked, when it was
  };

  MenuAnswerer();
  ~MenuAnswerer();
  MenuAnswerer(const MenuAnswerer&) = delete;
  MenuAnswerer& operator=(const MenuAnswerer&) = delete;

  // The answer to the next menu: a position (0-based) or kCancel.
  void Answer(int position) { mAnswers.push_back(position); }
  // The menus seen since the last call.
  std::vector<Menu> TakeMenus();
  // Answers the menu open now, if any (the host timer calls it).
  void Look();

private:
  unsigned long long mTimer = 0;
  void* mAnswered = nullptr;  // the menu answered, until it closes
  std::deque<int> mAnswers;
  std::vector<Menu> mMenus;
};

}  // namespace vsthost

#endif
