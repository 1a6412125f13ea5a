#ifndef PLUGINEDITORFIXTURE_H
#define PLUGINEDITORFIXTURE_H

// A Tolvo instance with its editor open on the window-less back end, and
// the user's hand: clicks, drags, double clicks and wheel turns at editor
// coordinates, in the window's own terms.

#include <string>

#include "IGraphicsHeadless.h"
#include "IGraphicsTranslation.h"
#include "PluginFixture.h"

// A committed golden of the plug-in's editor.
inline std::string Golden(const char* name) { return std::string(PLUGIN_GOLDEN_DIR) + "/" + name; }

class PluginEditorFixture : public ::testing::Test, public HostedPlugin {
protected:
  void SetUp() override
  {
    Create();
    gui = static_cast<IGraphicsHeadless*>(plug->GetGUI());
    Dispatch(effEditOpen, 0, 0, this);
    gui->Tick();
    edits.clear();
    automated.clear();
  }

  IControl* Control(int ctrlIdx) { return gui->GetControl(ctrlIdx); }
  // The middle of a control's target area.
  int X(int ctrlIdx) { return (Control(ctrlIdx)->GetTargetRECT().L + Control(ctrlIdx)->GetTargetRECT().R) / 2; }
  int Y(int ctrlIdx) { return (Control(ctrlIdx)->GetTargetRECT().T + Control(ctrlIdx)->GetTargetRECT().B) / 2; }

  void Click(int x, int y, uint32_t keyState = kKeyStateLButton)
  {
    gui->MouseButtonDown(x, y, keyState);
    gui->MouseButtonUp(x, y, keyState & ~(uint32_t)(kKeyStateLButton | kKeyStateRButton));
  }
  void RightClick(int x, int y) { Click(x, y, kKeyStateRButton); }
  void ClickControl(int ctrlIdx, uint32_t keyState = kKeyStateLButton) { Click(X(ctrlIdx), Y(ctrlIdx), keyState); }
  // Presses at (x, y), moves to (x2, y2) with the button held, releases.
  void Drag(int x, int y, int x2, int y2)
  {
    gui->MouseButtonDown(x, y, kKeyStateLButton);
    gui->MouseMove(x2, y2, kKeyStateLButton);
    gui->MouseButtonUp(x2, y2, 0);
  }
  void DoubleClick(int x, int y)
  {
    Click(x, y);
    gui->MouseDoubleClick(x, y, kKeyStateLButton);
    gui->MouseButtonUp(x, y, 0);
  }

  IGraphicsHeadless* gui = nullptr;
};

#endif
