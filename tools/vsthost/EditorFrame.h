#ifndef VSTHOST_EDITORFRAME_H
#define VSTHOST_EDITORFRAME_H

// The host's side of a plug-in's editor under Windows: a top-level window
// that is the editor's parent, the editor opcodes (13, 14, 15), and what a
// user does to the editor, at editor coordinates: mouse, wheel and key
// messages posted to its window, a screenshot of it, and its text entry
// (the EDIT control it puts up) read and typed into. Each input returns
// once the messages it posted have run; the editor's timer and paint run
// in the message pump (MessagePump.h). On the host's user-interface thread.

#include <cstdint>
#include <string>

#include "Picture.h"
#include "VstHost.h"

namespace vsthost {

// Buttons and keys held, as a mouse message's key-state word has them.
enum MouseFlag : unsigned { kMouseLeft = 1, kMouseRight = 2, kMouseShift = 4, kMouseControl = 8 };

struct WindowInfo {
  std::string className, title;
  bool childOfFrame = false, visible = false;
  int x = 0, y = 0, width = 0, height = 0;  // in the frame
};

struct EntryInfo {
  bool open = false;
  PixelRect rect;  // in the editor
  std::string text;
  int selStart = 0, selEnd = 0;
};

class EditorFrame {
public:
  // slot: the frame's place on the screen, so that instances lie side by side.
  EditorFrame(Plugin& plug, int slot);
  ~EditorFrame();  // closes the editor
  EditorFrame(const EditorFrame&) = delete;
  EditorFrame& operator=(const EditorFrame&) = delete;

  // The frame, sized by opcode 13, and opcode 14 with it; the opcode's
  // answer, or false with the reason.
  bool Open(intptr_t* answer, std::string* error);
  // Opcode 15, then the frame goes.
  intptr_t Close();
  // For a plug-in closed with its editor open: whether the editor's window
  // went with it. The frame goes.
  bool ForgetClosedPlugin();
  bool IsOpen() const { return mFrame != nullptr; }

  void* EditorWindow() const;  // the frame's child, or null
  bool GetWindowInfo(WindowInfo* info) const;
  // Editor coordinates of a point on the screen.
  void ScreenToEditor(int* x, int* y) const;

  void Press(int x, int y, unsigned flags);
  void Release(int x, int y, unsigned flags);
  void Move(int x, int y, unsigned flags);
  void DoubleClick(int x, int y, unsigned flags);
  void Wheel(int x, int y, int units, unsigned flags);
  // The mouse pointer over the editor's (x, y).
  bool MoveCursor(int x, int y);
  // Down, the character it types (as a real key's is translated) and up,
  // to the focus window when it is the editor or inside it, else to the
  // editor's window.
  void Key(int virtualKey);

  bool Screenshot(Picture* picture) const;
  EntryInfo Entry() const;
  // Each character typed into the text entry; false without one. The
  // entry takes only what it has room to show.
  bool Type(const std::string& text);
  // The entry's whole text replaced at once, however long.
  bool SetEntryText(const std::string& text);

private:
  void Post(unsigned msg, uintptr_t wParam, intptr_t lParam);
  void* EntryWindow() const;  // the editor's EDIT control, or null

  Plugin& mPlug;
  int mSlot;
  void* mFrame = nullptr;   // HWND
  void* mEditor = nullptr;  // the editor's window as it opened
};

}  // namespace vsthost

#endif
