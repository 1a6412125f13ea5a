// The Windows back end's modal windows: popup menus, the file and colour
// dialogs, and opening a URL. Each runs with the event's locks let go.
#include <stdio.h>
#include <string.h>

#include "IFxUtilities.h"
#include "IGraphicsTranslation.h"
#include "IGraphicsWin.h"

// After the editor's own headers: windows.h renames LoadBitmap and others.
#include <commdlg.h>
#include <shellapi.h>
#include <windows.h>
#include <wininet.h>

namespace {
const int kMaxPath = 256;
const int kMaxFilter = 1024;
const int kMaxExtension = 32;
const int kCustomColors = 16;
const INT_PTR kShellExecuteOK = 32;  // ShellExecute answers above this on success

// Sets the colour dialog's title from the prompt it was given.
UINT_PTR CALLBACK ColorDialogHook(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
  if (msg == WM_INITDIALOG) {
    const CHOOSECOLORA* cc = (const CHOOSECOLORA*)lParam;
    if (cc && cc->lCustData) SetWindowTextA(hDlg, (const char*)cc->lCustData);
  }
  return 0;
}
}  // namespace

IPopupMenu* IGraphicsWin::CreateIPopupMenu(IPopupMenu* pMenu, const IRECT* pRect)
{
  ReleaseMouseCapture();
  ReleaseCapture();
  if (!pMenu || !pRect || !pMenu->GetNItems() || !mPlugWnd) return nullptr;

  HMENU hMenu = CreatePopupMenu();
  if (!hMenu) return nullptr;
  for (int i = 0; i < pMenu->GetNItems(); ++i) {
    const IPopupMenuItem* pItem = pMenu->GetItem(i);
    if (pItem->GetSubmenu()) continue;  // its number is skipped
    if (pItem->GetIsSeparator()) {
      AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    char title[IPopupMenuItem::kTextLen + 8];
    MenuItemTitle(*pMenu, i, title, sizeof title);
    UINT flags = MF_STRING;
    if (!pItem->GetEnabled()) flags |= MF_GRAYED;
    if (pItem->GetIsTitle()) flags |= MF_DISABLED;
    if (pItem->GetChecked()) flags |= MF_CHECKED;
    AppendMenuA(hMenu, flags, (UINT_PTR)(i + 1), title);
  }

  POINT p = {pRect->L, pRect->B};
  ClientToScreen((HWND)mPlugWnd, &p);
  int command;
  {
    ModalScope modal(this);
    command = (int)TrackPopupMenu(hMenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY, p.x, p.y, 0,
                                  (HWND)mPlugWnd, nullptr);
  }
  DestroyMenu(hMenu);
  if (command <= 0) return nullptr;
  pMenu->SetChosenItemIdx(command - 1);
  return pMenu;
}

bool IGraphicsWin::FileDialogFilter(const char* extensions, char* out, int size)
{
  // "*.png;*.txt" twice: once as what the dialog shows, once as the pattern.
  char patterns[kMaxFilter] = "";
  int n = 0;
  for (const char* p = extensions ? extensions : ""; *p;) {
    while (*p == ' ') ++p;
    const char* end = p;
    while (*end && *end != ' ') ++end;
    if (end > p) {
      if (end - p >= kMaxExtension) return false;
      const int written =
          snprintf(patterns + n, sizeof patterns - (size_t)n, "%s*.%.*s", n ? ";" : "", (int)(end - p), p);
      if (written < 0 || n + written >= (int)sizeof patterns) return false;
      n += written;
    }
    p = end;
  }
  // Description, pattern, and the empty entry that ends the list.
  const int total = 2 * (n + 1) + 1;
  if (n == 0 || !out || size < total) return false;
  memcpy(out, patterns, (size_t)n + 1);
  memcpy(out + n + 1, patterns, (size_t)n + 1);
  out[total - 1] = 0;
  return true;
}

void IGraphicsWin::PromptForFile(KIT_String* pFilename, int action, const char* dir, const char* extensions)
{
  if (!pFilename) return;
  if (!mPlugWnd) {
    pFilename->Set("");
    return;
  }

  char fileName[kMaxPath] = "";
  CopyTextCut(fileName, pFilename->Get(), kMaxPath);
  KIT_String folder(dir);
  if (!folder.GetLength()) HostPath(&folder);
  char filter[kMaxFilter];
  const bool haveFilter = FileDialogFilter(extensions, filter, sizeof filter);
  char defExt[kMaxExtension] = "";
  if (haveFilter) sscanf(extensions, "%31s", defExt);

  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = (HWND)mPlugWnd;
  ofn.lpstrFile = fileName;
  ofn.nMaxFile = kMaxPath;
  ofn.lpstrInitialDir = folder.Get();
  if (haveFilter) {
    ofn.lpstrFilter = filter;
    ofn.lpstrDefExt = defExt;
  }
  ofn.Flags = OFN_PATHMUSTEXIST;
  bool chosen;
  {
    ModalScope modal(this);
    if (action == kFileSave) {
      ofn.Flags |= OFN_OVERWRITEPROMPT;
      chosen = GetSaveFileNameA(&ofn) != 0;
    } else {
      ofn.Flags |= OFN_FILEMUSTEXIST;
      chosen = GetOpenFileNameA(&ofn) != 0;
    }
  }
  if (chosen) pFilename->Set(fileName);
}

bool IGraphicsWin::PromptForColor(IColor* pColor, const char* prompt)
{
  if (!mPlugWnd || !pColor) return false;
  if (!mCustomColors) mCustomColors = new uint32_t[kCustomColors]();

  CHOOSECOLORA cc = {};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = (HWND)mPlugWnd;
  cc.rgbResult = RGB(pColor->R, pColor->G, pColor->B);
  cc.lpCustColors = (COLORREF*)mCustomColors;
  cc.lCustData = (LPARAM)prompt;
  cc.lpfnHook = ColorDialogHook;
  cc.Flags = CC_FULLOPEN | CC_RGBINIT | CC_ANYCOLOR | CC_SOLIDCOLOR | CC_ENABLEHOOK;
  bool chosen;
  {
    ModalScope modal(this);
    chosen = ChooseColorA(&cc) != 0;
  }
  if (!chosen) return false;
  pColor->R = GetRValue(cc.rgbResult);
  pColor->G = GetGValue(cc.rgbResult);
  pColor->B = GetBValue(cc.rgbResult);
  return true;
}

bool IGraphicsWin::OpenURL(const char* url, const char* msgWindowTitle, const char* confirmMsg,
                           const char* errMsgOnFailure)
{
  if (!url) return false;
  ModalScope modal(this);
  HWND owner = (HWND)mPlugWnd;
  if (confirmMsg && MessageBoxA(owner, confirmMsg, msgWindowTitle, MB_YESNO) != IDYES) return false;
  DWORD state = 0;
  if (InternetGetConnectedState(&state, 0) &&
      (INT_PTR)ShellExecuteA(owner, "open", url, nullptr, nullptr, SW_SHOWNORMAL) > kShellExecuteOK)
    return true;
  if (errMsgOnFailure) MessageBoxA(owner, errMsgOnFailure, msgWindowTitle, MB_OK);
  return false;
}
