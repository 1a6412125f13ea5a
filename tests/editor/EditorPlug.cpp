#include "EditorPlug.h"

#include "IBitmapControl.h"
#include "IFaderControl.h"
#include "IFileSelectorControl.h"
#include "IKnobControl.h"
#include "IPanelControl.h"
#include "IRadioButtonsControl.h"
#include "ITextControl.h"
#include "IURLControl.h"
#include "TestSkin.h"

namespace {
IBitmapStrip Load(IGraphics* pGraphics, ETestImage image)
{
  const TestImage& t = kTestImages[image];
  return pGraphics->LoadBitmap(t.mID, t.mName, t.mFrames);
}
}  // namespace

EditorPlug::EditorPlug(audioMasterCallback hostCallback)
  : IFxVST(hostCallback, kNumHostParams, kNumEditorParams, "0-2", 0, "Tolvo Editor Test", "Tolvo", "Tolvo Makers",
           0x00010000, 0x74456474 /* tEdt */, 0x71376D32 /* q7m2 */, 0, false, false, false)
{
  DeclareParams();
}

void EditorPlug::DeclareParams()
{
  GetParam(kGain)->InitDouble("Gain", 0.5, 0.0, 1.0, 0.01, "dB");
  GetParam(kPan)->InitDouble("Pan", 0.0, -1.0, 1.0, 0.01);
  GetParam(kSteps)->InitInt("Steps", 4, 1, 16, "steps");
  GetParam(kMode)->InitEnum("Mode", 0, 3);
  GetParam(kMode)->SetDisplayText(0, "Up");
  GetParam(kMode)->SetDisplayText(1, "Down");
  GetParam(kMode)->SetDisplayText(2, "Random");
  GetParam(kHold)->InitBool("Hold", false);
  GetParam(kShift)->InitDouble("Shift", 0.0, -12.0, 12.0, 0.5, "st");
  GetParam(kShift)->SetDisplayNegated(true);
  GetParam(kRate)->InitDouble("Rate", 0.25, 0.0, 1.0, 0.01);
  GetParam(kTone)->InitDouble("Tone", 0.75, 0.0, 1.0, 0.01);
  GetParam(kBypass)->InitBool("Bypass", false);
  GetParam(kTrigger)->InitBool("Trigger", false);
  GetParam(kPage)->InitBool("Page", false);
  GetParam(kLevel)->InitDouble("Level", 0.5, 0.0, 1.0, 0.01);
  GetParam(kFile)->InitBool("File", false);
  GetParam(kHidden)->InitDouble("Hidden", 0.5, 0.0, 1.0, 0.01);
}

void EditorPlug::BuildEditor(IGraphicsPix* g)
{
  const TestImage& back = kTestImages[kImageBackground];
  g->AttachBackground(back.mID, back.mName);
  g->AttachControl(new IPanelControl(this, IRECT(8, 200, 120, 232), IColor(255, 30, 30, 36)));
  g->AttachControl(new IKnobMultiControl(this, 16, 16, kGain, Load(g, kImageKnob)));
  g->AttachControl(new IKnobLineControl(this, IRECT(64, 16, 96, 48), kPan, COLOR_ORANGE, 4.0));
  g->AttachControl(new ICaptionControl(this, kCaptionRect, kSteps, IText(12, COLOR_WHITE)));
  g->AttachControl(new IRadioButtonsControl(this, IRECT(16, 64, 112, 80), kMode, 3, Load(g, kImageRadio),
                                            IKnobControl::kHorizontal));
  g->AttachControl(new ISwitchControl(this, 128, 60, kHold, Load(g, kImageSwitch)));
  g->AttachControl(new IInvisibleSwitchControl(this, IRECT(144, 76, 172, 96), kBypass));
  g->AttachControl(new IFaderControl(this, 184, 16, 80, kShift, Load(g, kImageFader)));
  g->AttachControl(new IKnobRotaterControl(this, 216, 16, kRate, Load(g, kImageRotater)));
  g->AttachControl(new IKnobRotatingMaskControl(this, 264, 16, kTone, Load(g, kImageMaskBase), Load(g, kImageMask),
                                                Load(g, kImageMaskTop)));
  g->AttachControl(new IContactControl(this, 16, 100, kTrigger, Load(g, kImageSwitch)));
  g->AttachControl(new IBitmapOverlayControl(this, 56, 100, kPage, Load(g, kImageOverlay), kOverlayTarget));
  g->AttachControl(new IKnobControl(this, IRECT(112, 100, 136, 140), kLevel));
  g->AttachControl(new IBitmapControl(this, 144, 100, kLevel, Load(g, kImageMeter)));
  g->AttachControl(new IFileSelectorControl(this, IRECT(168, 100, 188, 120), kFile, Load(g, kImageFile),
                                            IGraphics::kFileOpen, "presets", "fxp fxb"));
  g->AttachControl(new IKnobMultiControl(this, 200, 100, kHidden, Load(g, kImageKnob)));
  g->AttachControl(new ITextControl(this, kStatusRect, IText(12, COLOR_YELLOW), "Ready"));
  g->AttachControl(
      new IURLControl(this, IRECT(240, 150, 300, 170), "https://example.org/tolvo", "https://example.org/", "Tolvo"));
  g->AttachControl(new IBitmapText(this, IRECT(240, 180, 270, 188), Load(g, kImageFont)));

  for (int i = 0; i < g->NControls(); ++i) g->GetControl(i)->AttachObserver(this);
  AttachGraphics(g);
}

void EditorPlug::Notify(ISubject* pSubject, int x, int y, int event, const IMouseModifiers& mod)
{
  mEvents.push_back(Event{static_cast<IControl*>(pSubject)->GetControlIdx(), event});
}
