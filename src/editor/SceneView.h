#ifndef SCENEVIEW_H
#define SCENEVIEW_H

// The step editor of a scene: 16 narrow bars, one per scene step, set with
// the mouse like the pattern view's. Scenes play only from version 2.0, so
// this version's editor never makes one. User-interface thread, but for
// SetStepValue, which the plug-in calls under the plug lock.

#include "IControl.h"

class SceneList;
class StepViewHost;

class SceneView : public IControl {
public:
  static constexpr int kSteps = 16;

  SceneView(IFxBase* pPlug, StepViewHost* pHost, const IRECT& rect, int paramIdx, SceneList* pScenes);

  void SetCurrentScene(int scene) { mCurrentScene = scene; }
  // Kept only for the lane shown; values in the parameter's plain units.
  void SetStepValue(int lane, int step, double minimum, double maximum, double value);

  void OnMouseDown(int x, int y, const IMouseModifiers& mod) override { SetFromMouse(x, y); }
  void OnMouseDrag(int x, int y, int dX, int dY, const IMouseModifiers& mod) override { SetFromMouse(x, y); }
  void OnMouseDblClick(int x, int y, const IMouseModifiers& mod) override;
  bool IsDirty() override { return true; }
  bool Draw(IGraphics* pGraphics) override;

private:
  struct Step {
    double value, minimum, maximum;
  };

  int BarAt(int x, int y, int top, int bottom) const;
  void SetFromMouse(int x, int y);

  StepViewHost* mHost;
  SceneList* mScenes;
  Step mSteps[kSteps];
  int mCurrentScene = 0;
  int mShownLane;
};

#endif
