#ifndef IGRAPHICSWIN_H
#define IGRAPHICSWIN_H

// The editor's Windows back end: a child window inside the host's editor
// frame, a timer that applies a finished text entry and redraws what is
// dirty, the window's mouse, wheel and key messages turned into the editor
// core's events, native popup menus, a one-line EDIT control for typed
// values, the file and colour dialogs, URLs, and the plug-in's PNG and text
// resources. It draws into the drawing layer's draw bitmap, whose device
// context it copies to the window.
//
// Host user-interface thread, through the window's messages and the
// host's editor requests; each slot as IGraphics.h tags it. Window handles
// are kept as plain pointers so that this header does not bring in
// windows.h.

#include <stdint.h>

#include "IGraphicsPix.h"

class IGraphicsWin : public IGraphicsPix {
public:
  IGraphicsWin(IFxBase* pPlug, int w, int h, int fps = 0);
  // Closes an open window first.
  ~IGraphicsWin() override;

  // The plug-in library's module (HINSTANCE): it owns the window class and
  // the PNG and TEXTFILE resources. Set right after construction.
  void SetModuleHandle(void* hInstance) { mHInstance = hInstance; }

  void PrepareDrawing() override;
  bool DrawScreen(const IRECT* pR) override;
  // Every text is drawn with the font of the first style drawn.
  bool DrawIText(const IText* pTxt, const char* str, const IRECT* pR) override;
  void Resize(int w, int h) override;

  IPopupMenu* CreateIPopupMenu(IPopupMenu* pMenu, const IRECT* pRect) override;
  void CreateTextEntry(IControl* pControl, const IText* pText, const IRECT* pRect, const char* str,
                       int paramIdx) override;
  void HostPath(KIT_String* pPath) override;
  void PluginPath(KIT_String* pPath) override;
  void PromptForFile(KIT_String* pFilename, int action, const char* dir, const char* extensions) override;
  bool PromptForColor(IColor* pColor, const char* prompt) override;
  bool OpenURL(const char* url, const char* msgWindowTitle, const char* confirmMsg,
               const char* errMsgOnFailure) override;

  // parent: the host's window (HWND). Returns the editor's window, or null.
  void* OpenWindow(void* pParentWnd) override;
  void CloseWindow() override;
  void* GetWindow() override { return mPlugWnd; }

  // Only names ending in ".png" (any case) are images.
  PIX_IBitmap* LoadPlatformBitmap(int id, const char* name) override;
  bool LoadPlatformText(int id, const char* name, KIT_String* pText) override;

  // The file dialog's filter for space-separated extensions: pairs of a
  // description and a pattern ("*.a;*.b"), ended by an empty entry; the
  // whole list fits in size bytes. False when it does not fit.
  static bool FileDialogFilter(const char* extensions, char* out, int size);

private:
  friend struct IGraphicsWinWindowProc;
  friend struct IGraphicsWinEntryProc;

  // The text entry's states: the window procedure and the entry's own set
  // them, the timer acts on them.
  enum EParamEditMsg { kNone = 0, kEditing, kUpdate, kCancel, kCommit };

  // The timer's work: a finished entry is applied or dropped, then what is
  // dirty is drawn.
  void OnTimerTick();
  // Restores the EDIT control's own procedure, destroys it and its font.
  void CloseEntry();
  void ReleaseTextFont();

  bool mFontSelected = false;
  IColor mTextColor{255, 0, 0, 0};
  void* mHInstance = nullptr;     // HINSTANCE
  void* mPlugWnd = nullptr;       // HWND of the editor's window
  void* mParamEditWnd = nullptr;  // HWND of the text entry
  IControl* mEdControl = nullptr;
  int mEdParamIdx = -1;
  void* mDefEditProc = nullptr;  // the EDIT control's own WNDPROC
  int mParamEditMsg = kNone;
  uint32_t* mCustomColors = nullptr;  // the colour dialog's 16, made on first use
  void* mTextFont = nullptr;          // HFONT of DrawIText, kept while the editor lives
  void* mOldFont = nullptr;           // the draw context's font before it
  void* mEditFont = nullptr;          // HFONT of the text entry
};

#endif
