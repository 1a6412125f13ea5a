#ifndef EDITORSIDE_H
#define EDITORSIDE_H

// The host's side of an instance's editor, for the validator: on Windows
// the editor opens in a window of the host's, the host's message loop runs
// it and a user's hand reaches it (every popup menu cancelled); elsewhere
// there is no window system, so the editor is opened and closed by its
// opcodes alone and the host's idle call draws it. On the thread that
// makes it; the instance's processing may run on another.

#include <memory>

#include "Validator.h"

class EditorSide {
public:
  EditorSide(Case& c, vsthost::Plugin& plug);
  ~EditorSide();  // closes the editor
  EditorSide(const EditorSide&) = delete;
  EditorSide& operator=(const EditorSide&) = delete;

  // The editor's rectangle must be the editor's size, and opening must
  // succeed; false after failing the case.
  bool Open() { return HasEditorSize() && OpenWindow(); }
  void Close();
  bool IsOpen() const { return mOpen; }

  // A click, drag, double click or wheel turn somewhere on the editor.
  void Touch(Dice& d);
  // The host's message loop for ms milliseconds (without windows: its idle
  // call, then as long a wait).
  void Idle(int ms);
  // After the plug-in was closed with its editor open: the editor must
  // have gone with it.
  void PluginClosed();

private:
  struct Window;  // the platform's part

  bool HasEditorSize()
  {
    vsthost::EditorRect r;
    if (mPlug.GetEditorRect(&r) && r.right - r.left == 581 && r.bottom - r.top == 400) return true;
    mCase.Fail("the editor's rectangle is not 581 x 400");
    return false;
  }
  bool OpenWindow();

  Case& mCase;
  vsthost::Plugin& mPlug;
  std::unique_ptr<Window> mWindow;
  bool mOpen = false;
};

#endif
