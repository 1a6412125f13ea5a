#include <windows.h>

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "EditorScript.h"
#include "MessagePump.h"

namespace vsthost {

namespace {
const int kTickTimeoutMs = 10000;

struct KeyName {
  const char* name;
  int key;
};
const KeyName kKeyNames[] = {
    {"return", VK_RETURN}, {"escape", VK_ESCAPE}, {"space", VK_SPACE}, {"tab", VK_TAB},     {"back", VK_BACK},
    {"up", VK_UP},         {"down", VK_DOWN},     {"left", VK_LEFT},   {"right", VK_RIGHT},
};

// A key by name: the names above, a letter or digit, numpad0 to numpad9, f1
// to f24, or the virtual-key number itself.
int VirtualKey(const std::string& name)
{
  for (const KeyName& k : kKeyNames)
    if (name == k.name) return k.key;
  if (name.size() == 1 && std::isalpha(static_cast<unsigned char>(name[0])))
    return std::toupper(static_cast<unsigned char>(name[0]));
  if (name.size() == 1 && std::isdigit(static_cast<unsigned char>(name[0]))) return name[0];
  if (name.size() == 7 && name.compare(0, 6, "numpad") == 0 && std::isdigit(static_cast<unsigned char>(name[6])))
    return VK_NUMPAD0 + name[6] - '0';
  char* end = nullptr;
  if (name.size() >= 2 && name[0] == 'f') {
    const long n = std::strtol(name.c_str() + 1, &end, 10);
    if (*end == 0 && n >= 1 && n <= 24) return VK_F1 + static_cast<int>(n) - 1;
  }
  const long n = std::strtol(name.c_str(), &end, 0);
  return !name.empty() && *end == 0 && n > 0 && n < 256 ? static_cast<int>(n) : -1;
}

// The words after a mouse action's numbers: right, shift, control.
bool Flags(std::istringstream& in, unsigned* flags)
{
  std::string word;
  while (in >> word) {
    if (word == "right")
      *flags = (*flags & ~kMouseLeft) | kMouseRight;
    else if (word == "shift")
      *flags |= kMouseShift;
    else if (word == "control")
      *flags |= kMouseControl;
    else
      return false;
  }
  return true;
}

std::string FlagWords(unsigned flags)
{
  std::string s;
  if (flags & kMouseRight) s += " right";
  if (flags & kMouseShift) s += " shift";
  if (flags & kMouseControl) s += " control";
  return s;
}
}  // namespace

bool EditorScript::Knows(const std::string& verb)
{
  static const char* const kVerbs[] = {"editor", "pump", "tick",   "click",     "press", "release",
                                       "move",   "drag", "wheel",  "dblclick",  "key",   "popup",
                                       "entry",  "type", "cursor", "screenshot"};
  for (const char* v : kVerbs)
    if (verb == v) return true;
  return false;
}

bool EditorScript::Run(const std::string& verb, std::istringstream& in, Plugin& plug, EditorFrame& frame)
{
  // Everything but these acts on the editor's window.
  if (verb != "editor" && verb != "pump" && verb != "popup" && !frame.EditorWindow()) {
    mOut << verb << " -> no editor window\n";
    return true;
  }
  bool ok = true;
  if (verb == "editor") {
    ok = Editor(in, plug, frame);
  } else if (verb == "pump") {
    int ms = 0;
    if (!(in >> ms) || ms < 0) return false;
    PumpFor(ms);
    mOut << "pump " << ms << "\n";
  } else if (verb == "tick") {
    int n = 1;
    in >> n;
    unsigned timer = 0;
    if (PumpTicks(frame.EditorWindow(), n, kTickTimeoutMs, &timer))
      mOut << "tick " << n << " -> timer " << timer << "\n";
    else
      mOut << "tick " << n << " -> no tick of the editor's timer in " << kTickTimeoutMs / 1000 << " s\n";
  } else if (verb == "key") {
    ok = Key(in, frame);
  } else if (verb == "popup") {
    std::string answer;
    if (!(in >> answer)) return false;
    if (answer == "cancel") {
      mMenus.Answer(MenuAnswerer::kCancel);
    } else {
      char* end = nullptr;
      const long item = std::strtol(answer.c_str(), &end, 10);
      if (*end || item < 0) return false;
      mMenus.Answer(static_cast<int>(item));
    }
    mOut << "popup " << answer << "\n";
  } else if (verb == "entry") {
    std::string what;
    if (!(in >> what)) {
      ok = Entry(frame);
    } else if (what == "set") {
      std::string text;
      std::getline(in >> std::ws, text);
      mOut << "entry set " << text << (frame.SetEntryText(text) ? "" : " -> no text entry") << "\n";
    } else {
      return false;
    }
  } else if (verb == "type") {
    std::string text;
    std::getline(in >> std::ws, text);
    mOut << "type " << text << (frame.Type(text) ? "" : " -> no text entry") << "\n";
  } else if (verb == "screenshot") {
    std::string path, error;
    if (!(in >> path)) return false;
    Picture picture;
    mOut << "screenshot " << PictureName(path) << " -> ";
    if (!frame.Screenshot(&picture))
      mOut << "no editor window\n";
    else if (!WritePng(path, picture, &error))
      mOut << error << "\n";
    else
      mOut << picture.width << " x " << picture.height << "\n";
  } else {
    ok = Mouse(verb, in, frame);
  }
  PrintMenus(frame);
  return ok;
}

bool EditorScript::Editor(std::istringstream& in, Plugin& plug, EditorFrame& frame)
{
  std::string what;
  if (!(in >> what)) return false;
  if (what == "rect") {
    EditorRect r;
    if (plug.GetEditorRect(&r))
      mOut << "editor rect -> top " << r.top << " left " << r.left << " bottom " << r.bottom << " right " << r.right
           << "\n";
    else
      mOut << "editor rect -> none\n";
  } else if (what == "open") {
    intptr_t answer = 0;
    std::string error;
    if (frame.Open(&answer, &error))
      mOut << "editor open -> " << static_cast<long long>(answer) << "\n";
    else
      mOut << "editor open -> " << error << "\n";
  } else if (what == "close") {
    mOut << "editor close -> " << static_cast<long long>(frame.Close()) << "\n";
  } else if (what == "window") {
    WindowInfo w;
    if (!frame.GetWindowInfo(&w)) {
      mOut << "editor window -> none\n";
      return true;
    }
    mOut << "editor window -> class \"" << w.className << "\" title \"" << w.title << "\" "
         << (w.childOfFrame ? "child of the frame" : "not a child of the frame") << " at " << w.x << " " << w.y
         << " size " << w.width << " x " << w.height << (w.visible ? " visible" : " hidden") << "\n";
  } else if (what == "class") {
    std::string name;
    if (!(in >> name)) return false;
    WNDCLASSA wc;
    const bool registered = GetClassInfoA(static_cast<HINSTANCE>(plug.GetLibrary().Handle()), name.c_str(), &wc) != 0;
    mOut << "editor class " << name << " -> " << (registered ? "registered" : "not registered") << "\n";
  } else {
    return false;
  }
  return true;
}

bool EditorScript::Mouse(const std::string& verb, std::istringstream& in, EditorFrame& frame)
{
  int x = 0, y = 0;
  if (!(in >> x >> y)) return false;
  if (verb == "cursor") {
    mOut << "cursor " << x << " " << y << (frame.MoveCursor(x, y) ? "" : " -> cannot move the pointer") << "\n";
    return true;
  }
  int dx = 0, dy = 0, units = 0;
  if (verb == "drag" && !(in >> dx >> dy)) return false;
  if (verb == "wheel" && !(in >> units)) return false;
  unsigned flags = kMouseLeft;
  if (!Flags(in, &flags)) return false;
  const unsigned held = flags & ~(kMouseLeft | kMouseRight);

  if (verb == "click") {
    frame.Press(x, y, flags);
    frame.Release(x, y, flags);
  } else if (verb == "press") {
    frame.Press(x, y, flags);
  } else if (verb == "release") {
    frame.Release(x, y, flags);
  } else if (verb == "move") {
    frame.Move(x, y, flags);
  } else if (verb == "drag") {
    frame.Press(x, y, flags);
    frame.Move(x + dx, y + dy, flags);
    frame.Release(x + dx, y + dy, flags);
  } else if (verb == "dblclick") {
    frame.DoubleClick(x, y, held);
  } else if (verb == "wheel") {
    frame.Wheel(x, y, units, held);
  } else {
    return false;
  }
  mOut << verb << " " << x << " " << y;
  if (verb == "drag") mOut << " " << dx << " " << dy;
  if (verb == "wheel") mOut << " " << units;
  mOut << FlagWords(verb == "wheel" || verb == "dblclick" ? held : flags) << "\n";
  return true;
}

bool EditorScript::Key(std::istringstream& in, EditorFrame& frame)
{
  std::string name;
  if (!(in >> name)) return false;
  const int key = VirtualKey(name);
  if (key < 0) return false;
  frame.Key(key);
  mOut << "key " << name << "\n";
  return true;
}

bool EditorScript::Entry(EditorFrame& frame)
{
  const EntryInfo e = frame.Entry();
  if (!e.open) {
    mOut << "entry -> none\n";
    return true;
  }
  mOut << "entry -> " << e.rect.left << " " << e.rect.top << " " << e.rect.right << " " << e.rect.bottom << " \""
       << e.text << "\" selected " << e.selStart << "-" << e.selEnd << "\n";
  return true;
}

void EditorScript::PrintMenus(const EditorFrame& frame)
{
  for (const MenuAnswerer::Menu& m : mMenus.TakeMenus()) {
    int x = m.screenX, y = m.screenY;
    frame.ScreenToEditor(&x, &y);
    mOut << "  popup at " << x << " " << y << ":";
    for (size_t i = 0; i < m.items.size(); ++i) {
      const MenuAnswerer::Item& item = m.items[i];
      mOut << (i ? " |" : "") << " ";
      if (item.separator) {
        mOut << "---";
        continue;
      }
      mOut << item.id << " \"" << item.text << "\"" << (item.checked ? " checked" : "")
           << (item.grayed ? " grayed" : "");
    }
    if (m.chosen == MenuAnswerer::kCancel)
      mOut << " -> cancelled";
    else
      mOut << " -> " << m.chosen;
    if (!m.note.empty()) mOut << " (" << m.note << ")";
    mOut << "\n";
  }
}

}  // namespace vsthost
