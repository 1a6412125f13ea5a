// The Windows back end's drawing to the window, its text, its size, its
// paths and the plug-in's resources.
#include "IGraphicsWin.h"

#include <string.h>

#include "PIX_PNG.h"
#include "PIX_SysBitmap.h"

// After the editor's own headers: windows.h renames LoadBitmap and others.
#include <windows.h>

namespace {
const int kMaxPath = 256;
const int kEscapementPerDegree = 10;

COLORREF ToColorRef(const IColor& color) { return RGB(color.R, color.G, color.B); }

// A module's file path up to and including its last backslash; empty when
// it has none.
void FolderOfModule(HMODULE module, KIT_String* pPath)
{
  pPath->Set("");
  char path[kMaxPath] = "";
  const DWORD n = GetModuleFileNameA(module, path, kMaxPath);
  if (n == 0 || n >= (DWORD)kMaxPath) return;
  const char* slash = strrchr(path, '\\');
  if (slash) pPath->Set(path, (int)(slash - path) + 1);
}

bool IsChildWindow(HWND hWnd)
{
  if (!hWnd) return false;
  const LONG_PTR style = GetWindowLongPtrA(hWnd, GWL_STYLE), exStyle = GetWindowLongPtrA(hWnd, GWL_EXSTYLE);
  return (style & WS_CHILD) && !(exStyle & WS_EX_MDICHILD);
}

// Grows or shrinks the window by (dw, dh), keeping its place and z-order.
void ResizeBy(HWND hWnd, int dw, int dh)
{
  RECT r;
  if (!GetWindowRect(hWnd, &r)) return;
  SetWindowPos(hWnd, nullptr, 0, 0, r.right - r.left + dw, r.bottom - r.top + dh,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
}  // namespace

IGraphicsWin::IGraphicsWin(IFxBase* pPlug, int w, int h, int fps) : IGraphicsPix(pPlug, w, h, fps) {}

IGraphicsWin::~IGraphicsWin()
{
  CloseWindow();
  ReleaseTextFont();
  delete[] mCustomColors;
}

void IGraphicsWin::ReleaseTextFont()
{
  if (!mFontSelected) return;
  if (mDrawBitmap) SelectObject((HDC)mDrawBitmap->GetDC(), (HGDIOBJ)mOldFont);
  DeleteObject((HGDIOBJ)mTextFont);
  mTextFont = mOldFont = nullptr;
  mFontSelected = false;
}

// A new draw bitmap has a context of its own: the font goes with the old one.
void IGraphicsWin::PrepareDrawing()
{
  ReleaseTextFont();
  IGraphicsPix::PrepareDrawing();
}

bool IGraphicsWin::DrawScreen(const IRECT* pR)
{
  PIX_SysBitmap* pSurface = DrawSurface();
  if (!mPlugWnd || !pSurface) return false;
  PAINTSTRUCT ps;
  HDC dc = BeginPaint((HWND)mPlugWnd, &ps);
  BitBlt(dc, pR->L, pR->T, pR->W(), pR->H(), (HDC)pSurface->GetDC(), pR->L, pR->T, SRCCOPY);
  EndPaint((HWND)mPlugWnd, &ps);
  return true;
}

bool IGraphicsWin::DrawIText(const IText* pTxt, const char* str, const IRECT* pR)
{
  if (!str) return true;
  if (!pTxt || !pR || !DrawSurface()) return false;
  HDC dc = (HDC)DrawSurface()->GetDC();
  if (!mFontSelected) {
    const int escapement = kEscapementPerDegree * pTxt->mOrientation;
    HFONT font =
        CreateFontA(pTxt->mSize, 0, escapement, escapement, pTxt->mStyle == IText::kStyleBold ? FW_BOLD : FW_DONTCARE,
                    pTxt->mStyle == IText::kStyleItalic, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, pTxt->mFont);
    if (!font) return false;
    mTextFont = font;
    mOldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(pTxt->mColor));
    mTextColor = pTxt->mColor;
    mFontSelected = true;
  } else if (pTxt->mColor.R != mTextColor.R || pTxt->mColor.G != mTextColor.G || pTxt->mColor.B != mTextColor.B) {
    SetTextColor(dc, ToColorRef(pTxt->mColor));
    mTextColor = pTxt->mColor;
  }
  UINT format = DT_NOCLIP;
  switch (pTxt->mAlign) {
    case IText::kAlignNear: format |= DT_LEFT; break;
    case IText::kAlignCenter: format |= DT_CENTER; break;
    case IText::kAlignFar: format |= DT_RIGHT; break;
    default: break;
  }
  RECT r = {pR->L, pR->T, pR->R, pR->B};
  return DrawTextA(dc, str, -1, &r, format) != 0;
}

void IGraphicsWin::Resize(int w, int h)
{
  RECT before = {};
  if (mPlugWnd) GetWindowRect((HWND)mPlugWnd, &before);
  // The entry's control goes with the others.
  CloseEntry();
  IGraphicsPix::Resize(w, h);
  if (!mPlugWnd) return;

  HWND hWnd = (HWND)mPlugWnd;
  const int oldW = before.right - before.left, oldH = before.bottom - before.top;
  const int dw = w - oldW, dh = h - oldH;
  ResizeBy(hWnd, dw, dh);
  // The host's frame grows with the editor, up to the editor's grandparent.
  HWND parent = IsChildWindow(hWnd) ? ::GetParent(hWnd) : nullptr;
  if (parent) {
    ResizeBy(parent, dw, dh);
    HWND grandparent = IsChildWindow(parent) ? ::GetParent(parent) : nullptr;
    if (grandparent) ResizeBy(grandparent, dw, dh);
  }
  RECT old = {0, 0, oldW, oldH};
  InvalidateRect(hWnd, &old, FALSE);
}

void IGraphicsWin::HostPath(KIT_String* pPath) { FolderOfModule(nullptr, pPath); }

void IGraphicsWin::PluginPath(KIT_String* pPath) { FolderOfModule((HMODULE)mHInstance, pPath); }

PIX_IBitmap* IGraphicsWin::LoadPlatformBitmap(int id, const char* name)
{
  const char* dot = name ? strrchr(name, '.') : nullptr;
  if (!dot || _stricmp(dot + 1, "png") != 0) return nullptr;
  return PIX_LoadPNGFromResource(mHInstance, (uint16_t)id, nullptr);
}

bool IGraphicsWin::LoadPlatformText(int id, const char* name, KIT_String* pText)
{
  if (!pText) return false;
  HMODULE module = (HMODULE)mHInstance;
  HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), "TEXTFILE");
  if (!resource) return false;
  const DWORD size = SizeofResource(module, resource);
  HGLOBAL loaded = LoadResource(module, resource);
  const char* bytes = loaded ? (const char*)LockResource(loaded) : nullptr;
  if (!bytes || size > (DWORD)INT32_MAX - 1) return false;
  // The resource's bytes are not terminated: the copy is.
  pText->Set("");
  if (size > 0) pText->Set(bytes, (int)size);
  return true;
}
