#include <windows.h>

#include <cctype>
#include <vector>

#include "EditorFrame.h"
#include "MessagePump.h"

namespace vsthost {

namespace {
const char* const kFrameClass = "VstHostEditorFrame";
const int kSlotWidth = 640;

HWND Hwnd(void* p) { return static_cast<HWND>(p); }

bool RegisterFrameClass()
{
  static bool registered = false;
  if (registered) return true;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kFrameClass;
  registered = RegisterClassA(&wc) != 0;
  return registered;
}

LPARAM Point(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }
}  // namespace

EditorFrame::EditorFrame(Plugin& plug, int slot) : mPlug(plug), mSlot(slot) {}

EditorFrame::~EditorFrame() { Close(); }

bool EditorFrame::Open(intptr_t* answer, std::string* error)
{
  if (mFrame) {
    *error = "the editor is open already";
    return false;
  }
  EditorRect r;
  if (!mPlug.GetEditorRect(&r)) {
    *error = "opcode 13 gave no rectangle";
    return false;
  }
  if (!RegisterFrameClass()) {
    *error = "the frame's window class cannot be registered";
    return false;
  }
  const int w = r.right - r.left, h = r.bottom - r.top;
  HWND frame = CreateWindowExA(0, kFrameClass, "vsthost", WS_POPUP | WS_CLIPCHILDREN, mSlot * kSlotWidth, 0, w, h,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!frame) {
    *error = "the frame window cannot be made (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  ShowWindow(frame, SW_SHOW);
  SetForegroundWindow(frame);
  mFrame = frame;
  *answer = mPlug.Dispatch(kEditOpen, 0, 0, frame);
  mEditor = EditorWindow();
  DrainMessages();
  return true;
}

intptr_t EditorFrame::Close()
{
  if (!mFrame) return 0;
  const intptr_t answer = mPlug.Dispatch(kEditClose);
  DestroyWindow(Hwnd(mFrame));
  mFrame = mEditor = nullptr;
  DrainMessages();
  return answer;
}

bool EditorFrame::ForgetClosedPlugin()
{
  const bool gone = !mEditor || !IsWindow(Hwnd(mEditor));
  if (mFrame) DestroyWindow(Hwnd(mFrame));
  mFrame = mEditor = nullptr;
  return gone;
}

void* EditorFrame::EditorWindow() const { return mFrame ? GetWindow(Hwnd(mFrame), GW_CHILD) : nullptr; }

bool EditorFrame::GetWindowInfo(WindowInfo* info) const
{
  HWND editor = Hwnd(EditorWindow());
  if (!editor) return false;
  char text[256] = "";
  GetClassNameA(editor, text, sizeof text);
  info->className = text;
  GetWindowTextA(editor, text, sizeof text);
  info->title = text;
  info->childOfFrame = (GetWindowLongPtrA(editor, GWL_STYLE) & WS_CHILD) && GetParent(editor) == Hwnd(mFrame);
  info->visible = IsWindowVisible(editor) != 0;
  RECT r;
  GetWindowRect(editor, &r);
  MapWindowPoints(nullptr, Hwnd(mFrame), reinterpret_cast<POINT*>(&r), 2);
  info->x = r.left;
  info->y = r.top;
  info->width = r.right - r.left;
  info->height = r.bottom - r.top;
  return true;
}

void EditorFrame::ScreenToEditor(int* x, int* y) const
{
  POINT p = {*x, *y};
  if (HWND editor = Hwnd(EditorWindow())) ScreenToClient(editor, &p);
  *x = p.x;
  *y = p.y;
}

void EditorFrame::Post(unsigned msg, uintptr_t wParam, intptr_t lParam)
{
  if (HWND editor = Hwnd(EditorWindow())) PostMessageA(editor, msg, wParam, lParam);
  DrainMessages();
}

void EditorFrame::Press(int x, int y, unsigned flags)
{
  Post(flags & kMouseRight ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, flags, Point(x, y));
}

void EditorFrame::Release(int x, int y, unsigned flags)
{
  Post(flags & kMouseRight ? WM_RBUTTONUP : WM_LBUTTONUP, flags & ~(kMouseLeft | kMouseRight), Point(x, y));
}

void EditorFrame::Move(int x, int y, unsigned flags) { Post(WM_MOUSEMOVE, flags, Point(x, y)); }

void EditorFrame::DoubleClick(int x, int y, unsigned flags)
{
  // As Windows sends a double click: the first click, then the second
  // press as a double click.
  Press(x, y, flags | kMouseLeft);
  Release(x, y, flags | kMouseLeft);
  Post(WM_LBUTTONDBLCLK, flags | kMouseLeft, Point(x, y));
  Release(x, y, flags | kMouseLeft);
}

void EditorFrame::Wheel(int x, int y, int units, unsigned flags)
{
  // The wheel's position comes in screen coordinates.
  POINT p = {x, y};
  ClientToScreen(Hwnd(EditorWindow()), &p);
  Post(WM_MOUSEWHEEL, MAKEWPARAM(static_cast<WORD>(flags), static_cast<WORD>(units)), Point(p.x, p.y));
}

bool EditorFrame::MoveCursor(int x, int y)
{
  HWND editor = Hwnd(EditorWindow());
  POINT p = {x, y};
  if (!editor || !ClientToScreen(editor, &p) || !SetCursorPos(p.x, p.y)) return false;
  DrainMessages();
  return true;
}

void EditorFrame::Key(int virtualKey)
{
  HWND editor = Hwnd(EditorWindow());
  if (!editor) return;
  HWND focus = GetFocus();
  HWND target = focus && (focus == editor || IsChild(editor, focus)) ? focus : editor;
  PostMessageA(target, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
  // The character a real key brings too (posted keys are not translated).
  const UINT character = MapVirtualKeyA(static_cast<UINT>(virtualKey), MAPVK_VK_TO_CHAR) & 0x7FFF;
  if (character) PostMessageA(target, WM_CHAR, static_cast<WPARAM>(std::tolower(static_cast<int>(character))), 1);
  PostMessageA(target, WM_KEYUP, static_cast<WPARAM>(virtualKey), static_cast<LPARAM>(0xC0000001u));
  DrainMessages();
}

bool EditorFrame::Screenshot(Picture* picture) const
{
  HWND editor = Hwnd(EditorWindow());
  RECT r;
  if (!editor || !GetClientRect(editor, &r) || r.right <= 0 || r.bottom <= 0) return false;
  const int w = r.right, h = r.bottom;
  // The window's device context copied into a 32-bit DIB of our own.
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  HDC window = GetDC(editor);
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(window, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(window);
  bool ok = dib && bits && memory;
  if (ok) {
    HGDIOBJ old = SelectObject(memory, dib);
    ok = BitBlt(memory, 0, 0, w, h, window, 0, 0, SRCCOPY) != 0;
    GdiFlush();
    SelectObject(memory, old);
  }
  if (ok) {
    picture->Resize(w, h);
    const uint8_t* bgrx = static_cast<const uint8_t*>(bits);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const uint8_t* s = bgrx + (static_cast<size_t>(y) * w + x) * 4;
        uint8_t* d = picture->Pixel(x, y);
        d[0] = s[2];
        d[1] = s[1];
        d[2] = s[0];
      }
    }
  }
  if (memory) DeleteDC(memory);
  if (dib) DeleteObject(dib);
  ReleaseDC(editor, window);
  return ok;
}

EntryInfo EditorFrame::Entry() const
{
  EntryInfo info;
  HWND editor = Hwnd(EditorWindow());
  HWND edit = Hwnd(EntryWindow());
  if (!edit) return info;
  info.open = true;
  RECT r;
  GetWindowRect(edit, &r);
  MapWindowPoints(nullptr, editor, reinterpret_cast<POINT*>(&r), 2);
  info.rect = PixelRect{r.left, r.top, r.right, r.bottom};
  std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(edit)) + 1, 0);
  GetWindowTextA(edit, text.data(), static_cast<int>(text.size()));
  info.text = text.data();
  DWORD start = 0, end = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  info.selStart = static_cast<int>(start);
  info.selEnd = static_cast<int>(end);
  return info;
}

bool EditorFrame::Type(const std::string& text)
{
  HWND edit = Hwnd(EntryWindow());
  if (!edit) return false;
  for (char c : text) PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
  DrainMessages();
  return true;
}

bool EditorFrame::SetEntryText(const std::string& text)
{
  HWND edit = Hwnd(EntryWindow());
  if (!edit) return false;
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  DrainMessages();
  return true;
}

void* EditorFrame::EntryWindow() const
{
  HWND editor = Hwnd(EditorWindow());
  return editor ? FindWindowExA(editor, nullptr, "Edit", nullptr) : nullptr;
}

}  // namespace vsthost
