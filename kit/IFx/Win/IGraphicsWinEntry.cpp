// The Windows back end's text entry: an EDIT control over the prompted
// control, whose own messages set the entry's state for the timer.
#include "IGraphicsWin.h"

// After the editor's own headers: windows.h renames LoadBitmap and others.
#include <windows.h>

namespace {
const int kEntryId = 99;
const int kEntryFontHeight = 12;
const char* const kEntryFont = "Verdana";
// The notification code of a command that comes from an accelerator.
const WORD kAcceleratorCommand = 1;
}  // namespace

struct IGraphicsWinEntryProc {
  static LRESULT CALLBACK Entry(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

void IGraphicsWin::CreateTextEntry(IControl* pControl, const IText* pText, const IRECT* pRect, const char* str,
                                   int paramIdx)
{
  if (!pControl || !pText || !pRect || mParamEditWnd || !mPlugWnd) return;

  DWORD align = ES_CENTER;
  if (pText->mAlign == IText::kAlignNear) align = ES_LEFT;
  if (pText->mAlign == IText::kAlignFar) align = ES_RIGHT;
  // Multi-line, so that Enter reaches the entry itself.
  HWND hEdit = CreateWindowA("EDIT", str ? str : "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | align, pRect->L, pRect->T,
                             pRect->W() + 1, pRect->H() + 1, (HWND)mPlugWnd, (HMENU)(INT_PTR)kEntryId,
                             (HINSTANCE)mHInstance, nullptr);
  if (!hEdit) return;
  // The press that opened the entry is released while it is edited, which
  // the editor lets pass without releasing the mouse: held, the capture
  // would bring a click into the entry's text to the editor, and cancel it.
  ReleaseCapture();
  HFONT font =
      CreateFontA(kEntryFontHeight, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kEntryFont);
  SendMessageA(hEdit, WM_SETFONT, (WPARAM)font, FALSE);
  SendMessageA(hEdit, EM_SETSEL, 0, -1);
  SetFocus(hEdit);

  mParamEditWnd = hEdit;
  mEditFont = font;
  mDefEditProc = (void*)SetWindowLongPtrA(hEdit, GWLP_WNDPROC, (LONG_PTR)IGraphicsWinEntryProc::Entry);
  SetWindowLongPtrA(hEdit, GWLP_USERDATA, (LONG_PTR)this);
  mEdControl = pControl;
  mEdParamIdx = paramIdx;
}

void IGraphicsWin::CloseEntry()
{
  if (!mParamEditWnd) return;
  HWND hEdit = (HWND)mParamEditWnd;
  SetWindowLongPtrA(hEdit, GWLP_WNDPROC, (LONG_PTR)mDefEditProc);
  mParamEditWnd = nullptr;
  DestroyWindow(hEdit);
  DeleteObject((HGDIOBJ)mEditFont);
  mEditFont = nullptr;
  mDefEditProc = nullptr;
  mEdControl = nullptr;
  mEdParamIdx = -1;
  // A cancel left over would end the next entry at its first tick.
  mParamEditMsg = kNone;
}

LRESULT CALLBACK IGraphicsWinEntryProc::Entry(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
  IGraphicsWin* pGraphics = (IGraphicsWin*)GetWindowLongPtrA(hWnd, GWLP_USERDATA);
  if (!pGraphics || pGraphics->mParamEditWnd != hWnd) return DefWindowProcA(hWnd, msg, wParam, lParam);
  WNDPROC ownProc = (WNDPROC)pGraphics->mDefEditProc;
  switch (msg) {
    case WM_SETFOCUS: pGraphics->mParamEditMsg = IGraphicsWin::kEditing; break;
    case WM_KILLFOCUS: pGraphics->mParamEditMsg = IGraphicsWin::kCancel; break;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) {
        pGraphics->mParamEditMsg = IGraphicsWin::kCommit;
        return 0;
      }
      break;
    case WM_CHAR:
      // Enter commits: its character is no part of the text.
      if (wParam == '\r' || wParam == '\n') return 0;
      break;
    case WM_COMMAND:
      if (HIWORD(wParam) == kAcceleratorCommand) {
        pGraphics->mParamEditMsg = IGraphicsWin::kCommit;
        return 0;
      }
      break;
    case WM_GETDLGCODE: {
      const MSG* pMsg = (const MSG*)lParam;
      const LRESULT code = CallWindowProcA(ownProc, hWnd, msg, wParam, lParam);
      if (pGraphics->mEdParamIdx < 0 && pMsg && pMsg->wParam == VK_RETURN) return code | DLGC_WANTALLKEYS;
      return code;
    }
    default: break;
  }
  return CallWindowProcA(ownProc, hWnd, msg, wParam, lParam);
}
