#ifndef IGRAPHICSHEADLESS_H
#define IGRAPHICSHEADLESS_H

// The window-less back end: it stands in for a window system, so that the
// whole editor runs natively and in tests. Its "screen" is a bitmap the
// size of the editor, filled by DrawScreen from the draw bitmap and
// writable as a PNG. Bitmaps and texts load by name from a resource folder.
// Text is recorded, not drawn. Input arrives as a window's messages would
// (key-state words, wheel units, virtual keys) and goes through the same
// translation as the Windows back end's; Tick() does what that back end's
// timer does. Popup menus, text entries and the file, colour and URL
// prompts are recorded and answered from a script the caller sets; their
// results take the editor core's own result paths.
// Host user-interface thread (in tests, the thread that owns the editor),
// each slot as IGraphics.h tags it.

#include <stdint.h>

#include <deque>
#include <string>
#include <vector>

#include "IGraphicsPix.h"

class PIX_MemBitmap;

class IGraphicsHeadless : public IGraphicsPix {
public:
  // A popup answer that cancels the menu.
  static constexpr int kCancel = -1;

  struct PopupRecord {
    IRECT mRect;
    std::vector<std::string> mTitles;  // as shown: prefixed, submenus left out
    std::vector<int> mFlags;
    int mChosen;  // the item chosen, or kCancel
  };
  struct TextEntryRecord {
    IControl* mControl;
    int mParamIdx;
    IRECT mRect;
    int mAlign;
    std::string mText;  // the text the entry opened with
  };
  struct TextRecord {
    IText mStyle;
    std::string mText;
    IRECT mRect;
  };

  IGraphicsHeadless(IFxBase* pPlug, int w, int h, int fps = 0);
  ~IGraphicsHeadless() override;

  void SetResourceFolder(const char* folder) { mFolder = folder ? folder : ""; }

  // --- Input, as the window's messages bring it ---
  void MouseButtonDown(int x, int y, uint32_t keyState, bool altDown = false);
  void MouseButtonUp(int x, int y, uint32_t keyState, bool altDown = false);
  void MouseMove(int x, int y, uint32_t keyState, bool altDown = false);
  void MouseDoubleClick(int x, int y, uint32_t keyState, bool altDown = false);
  void MouseWheel(int x, int y, uint32_t keyState, int wheelDelta, bool altDown = false);
  // At the cursor position (x, y).
  void KeyDown(int x, int y, int virtualKey);
  // The timer: applies a finished text entry, then draws what is dirty.
  void Tick();

  // --- The script: answers taken in order by the prompts to come ---
  void AnswerPopup(int item) { mPopupAnswers.push_back(item); }
  // Types the text and presses Enter; null cancels the entry.
  void AnswerTextEntry(const char* text);
  // The same for an entry already open.
  void TypeIntoTextEntry(const char* text);
  // Null cancels the dialog.
  void AnswerFile(const char* path);
  void AnswerColor(const IColor* pColor);
  void AnswerURL(bool opened) { mURLAnswers.push_back(opened); }

  // --- What happened ---
  const std::vector<PopupRecord>& Popups() const { return mPopups; }
  const std::vector<TextEntryRecord>& TextEntries() const { return mTextEntries; }
  bool TextEntryOpen() const { return mEntry.mControl != nullptr; }
  // The texts of the last frame drawn.
  const std::vector<TextRecord>& DrawnTexts() const { return mDrawnTexts; }
  const std::vector<std::string>& URLs() const { return mURLs; }
  PIX_IBitmap* Screen();
  bool SaveScreen(const char* fileName);

  // --- The back end's slots ---
  void PrepareDrawing() override;
  bool DrawScreen(const IRECT* pR) override;
  bool DrawIText(const IText* pTxt, const char* str, const IRECT* pR) override;
  void Resize(int w, int h) override;
  const char* GetGUIAPIName() override { return "Headless"; }
  IPopupMenu* CreateIPopupMenu(IPopupMenu* pMenu, const IRECT* pRect) override;
  void CreateTextEntry(IControl* pControl, const IText* pText, const IRECT* pRect, const char* str,
                       int paramIdx) override;
  // Both are the resource folder.
  void HostPath(KIT_String* pPath) override;
  void PluginPath(KIT_String* pPath) override;
  void PromptForFile(KIT_String* pFilename, int action, const char* dir, const char* extensions) override;
  bool PromptForColor(IColor* pColor, const char* prompt) override;
  bool OpenURL(const char* url, const char* msgWindowTitle, const char* confirmMsg,
               const char* errMsgOnFailure) override;
  void* OpenWindow(void* pParentWnd) override;
  void CloseWindow() override { mOpen = false; }
  // Ticks: without a window system, the host's idle stands in for the timer.
  void OnHostIdle() override { Tick(); }
  void* GetWindow() override { return mOpen ? this : nullptr; }
  PIX_IBitmap* LoadPlatformBitmap(int id, const char* name) override;
  bool LoadPlatformText(int id, const char* name, KIT_String* pText) override;

private:
  enum EEntryState { kEntryEditing, kEntryCancel, kEntryCommit };
  struct Entry {
    IControl* mControl = nullptr;
    int mParamIdx = -1;
    EEntryState mState = kEntryEditing;
    std::string mText;
  };
  struct FileAnswer {
    bool mChosen;
    std::string mPath;
  };
  struct ColorAnswer {
    bool mChosen;
    IColor mColor;
  };

  std::string PathOf(const char* name) const;
  // A click or wheel while the entry is being edited cancels it and goes
  // no further; true when it did.
  bool CancelEditingEntry();
  void CloseEntry() { mEntry = Entry(); }

  std::string mFolder;
  bool mOpen = false;
  bool mCaptured = false;
  PIX_MemBitmap* mScreen = nullptr;
  Entry mEntry;
  std::deque<int> mPopupAnswers;
  std::deque<Entry> mEntryAnswers;  // only state and text count
  std::deque<FileAnswer> mFileAnswers;
  std::deque<ColorAnswer> mColorAnswers;
  std::deque<bool> mURLAnswers;
  std::vector<PopupRecord> mPopups;
  std::vector<TextEntryRecord> mTextEntries;
  std::vector<TextRecord> mPendingTexts, mDrawnTexts;
  std::vector<std::string> mURLs;
};

#endif
