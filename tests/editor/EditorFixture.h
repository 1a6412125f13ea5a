#ifndef TESTS_EDITOR_EDITORFIXTURE_H
#define TESTS_EDITOR_EDITORFIXTURE_H

// The editor test plug-in in a recording host: every begin edit, automate
// and end edit the plug-in sends, in order, and mouse gestures at a
// control's middle in the window's own terms.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "EditorPlug.h"
#include "HostCall.h"
#include "IGraphicsHeadless.h"
#include "IGraphicsTranslation.h"
#include "TestSkin.h"

// The host's calls arrive through the effect's user pointer, set once the
// plug-in stands.
inline VstIntPtr VSTCALLBACK RecordingHost(AEffect* effect, VstInt32 opcode, VstInt32 idx, VstIntPtr, void*, float opt)
{
  if (effect && effect->user &&
      (opcode == audioMasterBeginEdit || opcode == audioMasterEndEdit || opcode == audioMasterAutomate))
    static_cast<std::vector<HostCall>*>(effect->user)->push_back(HostCall{opcode, idx, opt});
  return 0;
}

// The folder the test's images are written to, one per test program.
inline const char* SkinFolder()
{
  static const bool written = WriteTestSkin(EDITOR_SKIN_DIR);
  EXPECT_TRUE(written);
  return EDITOR_SKIN_DIR;
}

class EditorTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    plug.reset(new EditorPlug(RecordingHost));
    gui = new IGraphicsHeadless(plug.get(), kEditorWidth, kEditorHeight);
    gui->SetResourceFolder(SkinFolder());
    plug->BuildEditor(gui);
    plug->HandToHost()->user = &host;
    gui->OpenWindow(this);
    gui->Tick();
    host.clear();
    plug->ClearEvents();
  }

  IControl* Control(int ctrlIdx) { return gui->GetControl(ctrlIdx); }
  double Value(int ctrlIdx) { return Control(ctrlIdx)->GetValue(); }
  double Param(int paramIdx) { return plug->GetParam(paramIdx)->Value(); }
  // The middle of a control's target area.
  int X(int ctrlIdx) { return (Control(ctrlIdx)->GetTargetRECT().L + Control(ctrlIdx)->GetTargetRECT().R) / 2; }
  int Y(int ctrlIdx) { return (Control(ctrlIdx)->GetTargetRECT().T + Control(ctrlIdx)->GetTargetRECT().B) / 2; }

  void Click(int x, int y, uint32_t keyState = kKeyStateLButton)
  {
    gui->MouseButtonDown(x, y, keyState);
    gui->MouseButtonUp(x, y, keyState & ~(uint32_t)(kKeyStateLButton | kKeyStateRButton));
  }
  void ClickControl(int ctrlIdx, uint32_t keyState = kKeyStateLButton) { Click(X(ctrlIdx), Y(ctrlIdx), keyState); }
  void RightClickControl(int ctrlIdx) { ClickControl(ctrlIdx, kKeyStateRButton); }
  // Presses at the middle, moves by (dx, dy) with the button held, releases.
  void DragControl(int ctrlIdx, int dx, int dy, uint32_t keys = 0)
  {
    const int x = X(ctrlIdx), y = Y(ctrlIdx);
    gui->MouseButtonDown(x, y, kKeyStateLButton | keys);
    gui->MouseMove(x + dx, y + dy, kKeyStateLButton | keys);
    gui->MouseButtonUp(x + dx, y + dy, keys);
  }

  std::vector<HostCall> host;
  std::unique_ptr<EditorPlug> plug;
  IGraphicsHeadless* gui = nullptr;
};

#endif
