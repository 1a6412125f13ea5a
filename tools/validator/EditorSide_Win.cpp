// The editor in a window of the host's, driven through the test host's
// frame, message loop and menu answerer.
#include "EditorFrame.h"
#include "EditorSide.h"
#include "MenuAnswerer.h"
#include "MessagePump.h"

namespace {
const int kLightCorner = 32;
}

struct EditorSide::Window {
  explicit Window(vsthost::Plugin& plug) : frame(plug, 0) {}
  vsthost::EditorFrame frame;
  vsthost::MenuAnswerer menus;  // cancels every menu: no answer is queued
};

EditorSide::EditorSide(Case& c, vsthost::Plugin& plug) : mCase(c), mPlug(plug), mWindow(new Window(plug)) {}

EditorSide::~EditorSide() { Close(); }

bool EditorSide::OpenWindow()
{
  intptr_t answer = 0;
  std::string error;
  if (!mWindow->frame.Open(&answer, &error) || answer != 1) {
    mCase.Fail("the editor did not open: " + (error.empty() ? "opcode 14 answered " + std::to_string(answer) : error));
    return false;
  }
  mOpen = true;
  return true;
}

void EditorSide::Close()
{
  if (!mOpen) return;
  mWindow->frame.Close();
  mOpen = false;
}

void EditorSide::Touch(Dice& d)
{
  if (!mOpen) return;
  vsthost::EditorFrame& f = mWindow->frame;
  const int x = d.Int(0, 580), y = d.Int(0, 399);
  const unsigned shift = d.Chance(0.2) ? unsigned(vsthost::kMouseShift) : 0u;
  switch (d.Int(0, 4)) {
    case 0:
      f.Press(x, y, vsthost::kMouseLeft | shift);
      f.Release(x, y, vsthost::kMouseLeft | shift);
      break;
    case 1:
      f.Press(x, y, vsthost::kMouseRight);
      f.Release(x, y, vsthost::kMouseRight);
      break;
    case 2:
      f.Press(x, y, vsthost::kMouseLeft | shift);
      f.Move(x + d.Int(-60, 60), y + d.Int(-60, 60), vsthost::kMouseLeft | shift);
      f.Release(x, y, vsthost::kMouseLeft | shift);
      break;
    case 3:
      // Not on the incoming-note light in the top-left corner: its double
      // click sweeps every note off, which the ledger takes for a host's.
      if (x >= kLightCorner || y >= kLightCorner) f.DoubleClick(x, y, 0);
      break;
    default: f.Wheel(x, y, d.Int(-3, 3) * 120, shift); break;
  }
  mWindow->menus.TakeMenus();
}

void EditorSide::Idle(int ms) { vsthost::PumpFor(ms); }

void EditorSide::PluginClosed()
{
  if (mOpen && !mWindow->frame.ForgetClosedPlugin()) mCase.Fail("the editor's window outlived its closed plug-in");
  mOpen = false;
}
