#ifndef BACKENDFIXTURE_H
#define BACKENDFIXTURE_H

// The macOS back end over a plug-in on IFxBase alone, with controls that
// record what the editor core hands them: one over the whole editor, a
// small one in a corner, and one bound to parameter 0.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "IGraphicsMac.h"
#include "TestBase.h"

struct MouseRecord {
  std::string what;
  int x, y;
  IMouseModifiers mod;
  int d;
};

class MouseRecorder : public IControl {
public:
  MouseRecorder(IFxBase* plug, const IRECT& rect, int paramIdx = -1) : IControl(plug, rect, paramIdx) {}
  void OnMouseDown(int x, int y, const IMouseModifiers& mod) override { Add("down", x, y, mod); }
  void OnMouseUp(int x, int y, const IMouseModifiers& mod) override { Add("up", x, y, mod); }
  void OnMouseDrag(int x, int y, int, int, const IMouseModifiers& mod) override { Add("drag", x, y, mod); }
  void OnMouseDblClick(int x, int y, const IMouseModifiers& mod) override { Add("double", x, y, mod); }
  void OnMouseWheel(int x, int y, const IMouseModifiers& mod, int d) override { Add("wheel", x, y, mod, d); }
  bool Draw(IGraphics*) override
  {
    ++draws;
    return true;
  }

  std::vector<MouseRecord> events;
  int draws = 0;

private:
  void Add(const char* what, int x, int y, const IMouseModifiers& mod, int d = 0)
  {
    events.push_back(MouseRecord{what, x, y, mod, d});
  }
};

class BackEndTest : public testing::Test {
protected:
  static constexpr int kWidth = 580, kHeight = 400;

  void SetUp() override
  {
    gui = new IGraphicsMac(&plug, kWidth, kHeight, 0);
    whole = new MouseRecorder(&plug, IRECT(0, 0, kWidth, kHeight));
    corner = new MouseRecorder(&plug, IRECT(500, 300, 520, 320));
    knob = new MouseRecorder(&plug, IRECT(100, 100, 140, 140), 0);
    gui->AttachControl(whole);
    gui->AttachControl(corner);
    gui->AttachControl(knob);
    plug.AttachGraphics(gui);
  }

  TestBase plug{"0-2", 0, 4, 3};
  IGraphicsMac* gui = nullptr;  // the plug-in's
  MouseRecorder* whole = nullptr;
  MouseRecorder* corner = nullptr;
  MouseRecorder* knob = nullptr;
};

#endif
