#include "SceneView.h"

#include <stdio.h>

#include "IGraphics.h"
#include "ParamTable.h"
#include "Scene.h"
#include "StepBars.h"
#include "StepViewHost.h"

using namespace TolvoParams;

namespace {

// The bars, relative to the view: 10 pixels wide every 12 from x 3 (the
// mouse's columns from x 4), values from y 21.
const int kBarLeft = 3;
const int kColumnLeft = 4;
const int kBarPitch = 12;
const int kBarWidth = 10;
const int kBarsTop = 21;
const int kColumnHeight = 142;
const IColor kBarColor(180, 255, 155, 0);
const int kLabelHeight = 10;
const int kMarkerHeight = 25;
const IRECT kStepText(3, 50, 53, 100);

}  // namespace

SceneView::SceneView(IFxBase* pPlug, StepViewHost* pHost, const IRECT& rect, int paramIdx, SceneList* pScenes)
  : IControl(pPlug, rect, paramIdx), mHost(pHost), mScenes(pScenes), mShownLane(kPatternSwitch)
{
  for (Step& s : mSteps) s = Step{25.0, 0.0, 100.0};
}

void SceneView::SetStepValue(int lane, int step, double minimum, double maximum, double value)
{
  KIT_MutexLock lock(EditorLock());
  if (lane == mShownLane && step >= 0 && step < kSteps) mSteps[step] = Step{value, minimum, maximum};
}

int SceneView::BarAt(int x, int y, int top, int bottom) const
{
  if (y < mRECT.T + top || y >= mRECT.T + bottom) return -1;
  return StepBars::ColumnAt(x, mRECT.L + kColumnLeft, kBarPitch, kBarWidth);
}

void SceneView::SetFromMouse(int x, int y)
{
  const int step = BarAt(x, y, 0, kColumnHeight);
  if (step < 0 || !(mSteps[step].maximum > mSteps[step].minimum)) return;
  mHost->SetControlFromView(mShownLane, step,
                            StepBars::ValueAt(y, mSteps[step].minimum, mSteps[step].maximum, mRECT.T + kBarsTop), true);
}

void SceneView::OnMouseDblClick(int x, int y, const IMouseModifiers& mod)
{
  const int step = BarAt(x, y, kBarsTop, kBarsTop + StepBars::kBarsHeight);
  if (step < 0 || !(mSteps[step].maximum > mSteps[step].minimum)) return;
  const Step& s = mSteps[step];
  mHost->SetControlFromView(mShownLane, step, (0.0 - s.minimum) / (s.maximum - s.minimum), true);
}

bool SceneView::Draw(IGraphics* pGraphics)
{
  const IText style(18, COLOR_BLACK, "Arial", IText::kStyleNormal, IText::kAlignCenter);
  const int y0 = mRECT.T + kBarsTop;
  for (int i = 0; i < kSteps; ++i) {
    const Step& s = mSteps[i];
    if (!(s.maximum > s.minimum)) continue;
    const int x = mRECT.L + kBarLeft + kBarPitch * i;
    const StepBars::Span bar = StepBars::BarSpan(s.value, s.minimum, s.maximum, y0);
    const IRECT r(x, bar.top, x + kBarWidth, bar.bottom);
    pGraphics->FillRect(&kBarColor, &r);
    if (s.value < s.minimum || s.value == 0.0) continue;
    char label[32];
    snprintf(label, sizeof label, "%.0f", s.value);
    const IRECT labelRect(x + 1, y0, x + kBarWidth + 1, y0 + kLabelHeight);
    pGraphics->DrawIText(&style, label, &labelRect);
  }
  const Scene* scene = mScenes ? mScenes->GetScene(mCurrentScene) : nullptr;
  if (scene && scene->IsStarted()) {
    const int s = scene->GetCurrentStep();
    const IRECT marker(mRECT.L + kBarLeft + kBarPitch * s, y0, mRECT.L + kBarLeft + kBarPitch * s + kBarWidth,
                       y0 + kMarkerHeight);
    pGraphics->FillRect(&kBarColor, &marker);
    char text[32];
    snprintf(text, sizeof text, "Step: %d", s);
    const IRECT textRect(mRECT.L + kStepText.L, mRECT.T + kStepText.T, mRECT.L + kStepText.R, mRECT.T + kStepText.B);
    pGraphics->DrawIText(&style, text, &textRect);
  }
  return true;
}
