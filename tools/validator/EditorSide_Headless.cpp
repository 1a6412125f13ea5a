// Without a window system the editor opens on no window: the host knows it
// by its opcodes alone, and its idle call draws it.
#include <chrono>
#include <thread>

#include "EditorSide.h"

struct EditorSide::Window {
  int parent = 0;  // what the host hands over as its window
};

EditorSide::EditorSide(Case& c, vsthost::Plugin& plug) : mCase(c), mPlug(plug), mWindow(new Window) {}

EditorSide::~EditorSide() { Close(); }

bool EditorSide::OpenWindow()
{
  const intptr_t answer = mPlug.Dispatch(vsthost::kEditOpen, 0, 0, &mWindow->parent);
  if (answer != 1) {
    mCase.Fail("the editor did not open: opcode 14 answered " + std::to_string(answer));
    return false;
  }
  mOpen = true;
  return true;
}

void EditorSide::Close()
{
  if (!mOpen) return;
  mPlug.Dispatch(vsthost::kEditClose);
  mOpen = false;
}

void EditorSide::Touch(Dice& d) {}

void EditorSide::Idle(int ms)
{
  if (mOpen) mPlug.Dispatch(vsthost::kEditIdle);
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void EditorSide::PluginClosed() { mOpen = false; }
