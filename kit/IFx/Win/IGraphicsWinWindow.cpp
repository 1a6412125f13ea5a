// The Windows back end's window: its class, opening and closing, the
// window procedure and the timer.
#include "IGraphicsTranslation.h"
#include "IGraphicsWin.h"

// After the editor's own headers: windows.h renames LoadBitmap and others.
#include <windows.h>
#include <windowsx.h>

namespace {
const char* const kWndClassName = "IFxWndClass";
const char* const kWndName = "IFx";
const UINT_PTR kTimerId = 2;
const int kMillisecondsPerSecond = 1000;

// Process-wide, on the user-interface thread: the open editor windows of
// this library (its class is registered while there are any), and the frame
// rate of the editor whose window is being made.
int sNWindows = 0;
int sFPS = 0;

bool AltDown() { return GetKeyState(VK_MENU) < 0; }

IMouseModifiers Modifiers(WPARAM wParam) { return ModifiersFromKeyState((uint32_t)wParam, AltDown()); }
}  // namespace

struct IGraphicsWinWindowProc {
  static LRESULT CALLBACK Window(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT Message(IGraphicsWin* pGraphics, HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

void* IGraphicsWin::OpenWindow(void* pParentWnd)
{
  int x = 0, y = 0, w = Width(), h = Height();
  if (mPlugWnd) {
    // The new window takes the old one's place and size.
    RECT r;
    GetWindowRect((HWND)mPlugWnd, &r);
    POINT origin = {r.left, r.top};
    ScreenToClient(::GetParent((HWND)mPlugWnd), &origin);
    x = origin.x;
    y = origin.y;
    w = r.right - r.left;
    h = r.bottom - r.top;
    CloseWindow();
  }

  HINSTANCE module = (HINSTANCE)mHInstance;
  if (sNWindows++ == 0) {
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = IGraphicsWinWindowProc::Window;
    wc.hInstance = module;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kWndClassName;
    RegisterClassA(&wc);
  }
  sFPS = FPS();
  mPlugWnd = CreateWindowA(kWndClassName, kWndName, WS_CHILD | WS_VISIBLE, x, y, w, h, (HWND)pParentWnd, nullptr,
                           module, this);
  if (!mPlugWnd) {
    if (--sNWindows == 0) UnregisterClassA(kWndClassName, module);
    return nullptr;
  }
  ShowPlugChanges();
  SetAllControlsDirty();
  return mPlugWnd;
}

void IGraphicsWin::CloseWindow()
{
  // A host may close an editor it never opened: the count stays true.
  if (!mPlugWnd) return;
  CloseEntry();
  HWND hWnd = (HWND)mPlugWnd;
  mPlugWnd = nullptr;
  DestroyWindow(hWnd);
  if (--sNWindows == 0) UnregisterClassA(kWndClassName, (HINSTANCE)mHInstance);
}

void IGraphicsWin::OnTimerTick()
{
  HWND hWnd = (HWND)mPlugWnd;
  if (mParamEditWnd && mParamEditMsg != kNone) {
    if (mParamEditMsg == kCommit) {
      char text[kMaxEntryLen + 1] = "";
      GetWindowTextA((HWND)mParamEditWnd, text, sizeof text);
      SetFromTextEntry(mEdControl, mEdParamIdx, text);
    }
    if (mParamEditMsg == kCommit || mParamEditMsg == kCancel) CloseEntry();
    mParamEditMsg = kNone;
  }

  IRECT dirty;
  if (!IsDirty(&dirty)) return;
  RECT r = {dirty.L, dirty.T, dirty.R, dirty.B};
  InvalidateRect(hWnd, &r, FALSE);
  if (mParamEditWnd) {
    // The entry lies over the control being edited: leave it unpainted.
    const IRECT& edited = mEdControl->GetRECT();
    RECT e = {edited.L, edited.T, edited.R, edited.B};
    ValidateRect(hWnd, &e);
    UpdateWindow(hWnd);
    mParamEditMsg = kUpdate;
  } else {
    UpdateWindow(hWnd);
  }
}

LRESULT CALLBACK IGraphicsWinWindowProc::Window(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
  if (msg == WM_CREATE) {
    const CREATESTRUCTA* create = (const CREATESTRUCTA*)lParam;
    SetWindowLongPtrA(hWnd, GWLP_USERDATA, (LONG_PTR)create->lpCreateParams);
    SetTimer(hWnd, kTimerId, (UINT)(kMillisecondsPerSecond / sFPS), nullptr);
    SetFocus(hWnd);
    return 0;
  }
  IGraphicsWin* pGraphics = (IGraphicsWin*)GetWindowLongPtrA(hWnd, GWLP_USERDATA);
  if (!pGraphics || pGraphics->mPlugWnd != hWnd) return DefWindowProcA(hWnd, msg, wParam, lParam);
  if (pGraphics->mParamEditWnd && pGraphics->mParamEditMsg == IGraphicsWin::kEditing) {
    // While the user types, a click only ends the entry.
    if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN) {
      pGraphics->mParamEditMsg = IGraphicsWin::kCancel;
      return 0;
    }
    return DefWindowProcA(hWnd, msg, wParam, lParam);
  }
  return Message(pGraphics, hWnd, msg, wParam, lParam);
}

LRESULT IGraphicsWinWindowProc::Message(IGraphicsWin* pGraphics, HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
  const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
  switch (msg) {
    case WM_MOUSEMOVE:
      if (!(wParam & (MK_LBUTTON | MK_RBUTTON))) {
        if (pGraphics->OnMouseOver(x, y, Modifiers(wParam))) {
          TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, hWnd, HOVER_DEFAULT};
          TrackMouseEvent(&track);
        }
      } else if (GetCapture() == hWnd && !pGraphics->mParamEditWnd) {
        pGraphics->OnMouseDrag(x, y, Modifiers(wParam));
      }
      return 0;

    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      pGraphics->CloseEntry();
      SetCapture(hWnd);
      pGraphics->OnMouseDown(x, y, Modifiers(wParam));
      return 0;

    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      ReleaseCapture();
      pGraphics->OnMouseUp(x, y, Modifiers(wParam));
      return 0;

    case WM_LBUTTONDBLCLK:
      if (pGraphics->OnMouseDblClick(x, y, Modifiers(wParam))) SetCapture(hWnd);
      return 0;

    case WM_MOUSEWHEEL: {
      if (pGraphics->mParamEditWnd) {
        pGraphics->mParamEditMsg = IGraphicsWin::kCancel;
        return 0;
      }
      // The wheel's position comes in screen coordinates.
      RECT r;
      GetWindowRect(hWnd, &r);
      const IMouseModifiers mod = Modifiers(GET_KEYSTATE_WPARAM(wParam));
      pGraphics->OnMouseWheel(x - r.left, y - r.top, mod, WheelSteps(GET_WHEEL_DELTA_WPARAM(wParam)));
      return 0;
    }

    case WM_MOUSELEAVE: pGraphics->OnMouseOut(); return 0;

    case WM_PAINT: {
      RECT r;
      if (GetUpdateRect(hWnd, &r, FALSE)) {
        const IRECT update(r.left, r.top, r.right, r.bottom);
        pGraphics->Draw(&update);
      }
      // Also when nothing was drawn: an editor without controls would be
      // asked to paint for ever.
      ValidateRect(hWnd, nullptr);
      return 0;
    }

    case WM_CLOSE: pGraphics->CloseWindow(); return 0;

    case WM_KEYDOWN: {
      const int key = KeyCodeFromVirtualKey((int)wParam);
      if (key != kKeyNone) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(hWnd, &p);
        pGraphics->OnKeyDown(p.x, p.y, key);
      }
      return 0;
    }

    case WM_TIMER:
      if (wParam == kTimerId) pGraphics->OnTimerTick();
      return 0;

    default: return DefWindowProcA(hWnd, msg, wParam, lParam);
  }
}
