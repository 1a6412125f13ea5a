// The editor, built with the plug-in: the skin's rectangles, then every
// control on its rectangle, bound to its parameter and filed in the
// registry. The order in which controls are attached gives them their
// indices, which the controller mappings and the state block store: it
// never changes.
#include <stdio.h>
#include <string.h>

#include <memory>

#include "ControlRegistry.h"
#include "ICustomKnobMultiControl.h"
#include "ICustomRadioButtonsControl.h"
#include "ICustomSwitchControl.h"
#include "ICustomTextControl.h"
#include "IFxCheck.h"
#include "IGraphics.h"
#include "PatternView.h"
#include "SkinLayout.h"
#include "SkinRects.h"
#include "Tolvo.h"
#include "TolvoResources.h"
#include "UIEventHandler.h"

using namespace TolvoParams;

namespace {

// Never hit and never drawn: a carrier of a parameter only.
const IRECT kNowhere(-1, -1, -1, -1);
const IRECT kHiddenRect(0, 0, 0, 0);

const int kStatusLineHeight = 6;
const int kVersionLineHeight = 11;
const char* const kWelcome = "-- WELCOME --";
// The lanes up to shift have observed step controls.
const int kObservedLanes = 6;
const int kStepCarrierIds = 5;

// One of the editor's images, with all its frames.
IBitmapStrip LoadStrip(IGraphics* pGraphics, const TolvoImage& image)
{
  return pGraphics->LoadBitmap(image.id, image.name, image.frames);
}

}  // namespace

// The skin text is built into the plug-in: read and parsed once in a
// process, its rectangles copied into every instance.
void Tolvo::LoadSkin(IGraphics* pGraphics)
{
  static const std::unique_ptr<const KIT_TypedBuf<IRECT>> skin = [pGraphics] {
    std::unique_ptr<KIT_TypedBuf<IRECT>> rects(new KIT_TypedBuf<IRECT>);
    KIT_String text;
    if (pGraphics->LoadText(kSkinTextId, kSkinTextName, &text)) ParseSkin(text.Get(), rects.get());
    return std::unique_ptr<const KIT_TypedBuf<IRECT>>(std::move(rects));
  }();
  const int n = skin->GetSize();
  if (n > 0 && mSkin.Resize(n)) memcpy(mSkin.Get(), skin->Get(), sizeof(IRECT) * size_t(n));
}

// The skin text is built in: a rectangle it lacks is a fault of the build.
const IRECT& Tolvo::SkinRect(int i) const
{
  const int n = mSkin.GetSize();
  IFX_CHECK(i >= 0 && i < n);
  return mSkin.Get()[i];
}

void Tolvo::CreateKnob(IGraphics* pGraphics, const TolvoImage& image, int paramIdx, int page, int rectIdx, int kind)
{
  const IRECT& r = SkinRect(rectIdx);
  ICustomKnobMultiControl* pKnob =
      new ICustomKnobMultiControl(this, r.L, r.T, paramIdx, LoadStrip(pGraphics, image), true, true);
  mRegistry->Add(page, pKnob, paramIdx);
  pKnob->SetKind(kind);
  pKnob->SetTextEntryParamIdx(kMidiLearnMenu);
  pKnob->AttachObserver(mEventHandler);
  pGraphics->AttachControl(pKnob);
}

void Tolvo::CreateStepEditor(IGraphics* pGraphics)
{
  for (int lane = 0; lane < kNumLanes; ++lane) {
    for (int step = 0; step < kNumSteps; ++step) {
      const int paramIdx = kLanes[lane].base + step;
      ICustomSwitchControl* pStep = new ICustomSwitchControl(this, kHiddenRect, paramIdx, mEmptyStrip, true);
      const int ctrlIdx = pGraphics->AttachControl(pStep);
      if (paramIdx == kStepLength) mFirstStepControl = ctrlIdx;
      if (lane < kObservedLanes) {
        pStep->SetID(step % kStepCarrierIds);
        pStep->SetKind(kKindStepCarrier);
        pStep->SetValueFromUserInput(0.0);
        pStep->AttachObserver(mEventHandler);
      }
      mRegistry->Add(ControlRegistry::kPatternPage, pStep, kLanes[lane].base);
    }
  }
}

// Patterns beyond the first are not offered; their switches keep the
// parameters' places.
void Tolvo::CreatePatternSwitches(IGraphics* pGraphics)
{
  for (int i = 0; i < kNumPatternSwitches; ++i) {
    IControl* pSwitch = new ICustomSwitchControl(this, kHiddenRect, kPatternSwitch + i, mEmptyStrip, true);
    mRegistry->Add(ControlRegistry::kScenePage, pSwitch, kPatternSwitch);
    pGraphics->AttachControl(pSwitch);
  }
}

void Tolvo::CreateAboutBox(IGraphics* pGraphics)
{
  IControl* pTrigger = new ICustomInvisibleSwitchControl(this, SkinRect(kRectAboutTrigger), -1);
  pTrigger->SetKind(kKindAbout);
  pTrigger->AttachObserver(mEventHandler);
  pGraphics->AttachControl(pTrigger);

  const IRECT& box = SkinRect(kRectAboutBox);
  mAboutBox = new IBitmapControl(this, box.L, box.T, LoadStrip(pGraphics, kAboutBox));
  mAboutBox->SetKind(kKindAbout);
  mAboutBox->AttachObserver(mEventHandler);
  pGraphics->AttachControl(mAboutBox);

  const IBitmapStrip darkFont = LoadStrip(pGraphics, kDarkFont);
  mVersionText = new ICustomTextControl(this, SkinRect(kRectVersion), darkFont, kVersionLineHeight);
  char version[16];
  snprintf(version, sizeof version, "v. %.1f", kVersion);
  mVersionText->SetTextFromPlug(version);
  pGraphics->AttachControl(mVersionText);

  mAboutBox->Hide(true);
  mVersionText->Hide(true);
  if (mAboutExtra) {
    pGraphics->AttachControl(mAboutExtra);
    mAboutExtra->Hide(true);
  }
}

void Tolvo::BuildEditor(IGraphics* pGraphics)
{
  const IBitmapStrip font = LoadStrip(pGraphics, kLightFont);
  const auto textSwitch = [&](int rectIdx, int paramIdx) {
    return new ICustomSwitchControl(this, SkinRect(rectIdx), paramIdx, font, true);
  };
  const auto bitmapSwitch = [&](const TolvoImage& image, int rectIdx, int paramIdx) {
    return new ICustomSwitchControl(this, SkinRect(rectIdx), paramIdx, LoadStrip(pGraphics, image), false);
  };
  const auto registered = [&](IControl* pControl, int key) {
    mRegistry->Add(ControlRegistry::kPatternPage, pControl, key);
    return pGraphics->AttachControl(pControl);
  };

  // The step editor and the light it drives.
  const IRECT& light = SkinRect(kRectNoteLight);
  ICustomKnobMultiControl* pLight =
      new ICustomKnobMultiControl(this, light.L, light.T, -1, LoadStrip(pGraphics, kIncomingNoteLight), false, false);
  mPatternView =
      new PatternView(this, this, SkinRect(kRectPatternView), kPatternViewParam, LoadStrip(pGraphics, kNoteMarker),
                      LoadStrip(pGraphics, kStepLengthBar), pLight, mEngine.GetPatternList());
  mEngine.GetViewLink()->SetView(mPatternView);
  mPatternView->SetTextEntryParamIdx(kResetStepsMenu);
  mPatternView->SetPromptAtMouse(true);
  pGraphics->AttachControl(mPatternView);
  mEventHandler = new UIEventHandler(this, mApp, &mEngine, mPatternView);
  pLight->SetKind(kKindNoteLight);
  pLight->AttachObserver(mEventHandler);
  pGraphics->AttachControl(pLight);

  for (int c = 0; c < kNumControllers; ++c)
    registered(new ICustomInvisibleSwitchControl(this, kNowhere, kCCMapping + c), kCCMapping + c);

  pGraphics->AttachControl(textSwitch(kRectSplitNoteName, kSplitNoteName));
  pGraphics->AttachControl(textSwitch(kRectMidiIn, kMidiInChannel));
  pGraphics->AttachControl(textSwitch(kRectPatternSelection, kPatternSelection));
  pGraphics->AttachControl(textSwitch(kRectSceneSelection, kSceneSelection));
  pGraphics->AttachControl(textSwitch(kRectMidiOut, kMidiOutChannel));
  pGraphics->AttachControl(textSwitch(kRectCC1Control, kCC1Control));
  pGraphics->AttachControl(textSwitch(kRectCC2Control, kCC2Control));
  pGraphics->AttachControl(textSwitch(kRectSplitNoteNumber, kSplitNoteNumber));
  pGraphics->AttachControl(textSwitch(kRectScale, kScale));
  pGraphics->AttachControl(textSwitch(kRectScaleKey, kScaleKey));
  pGraphics->AttachControl(textSwitch(kRectScaleMode, kScaleMode));
  pGraphics->AttachControl(textSwitch(kRectSplitSide, kSplitSide));
  mCC1TeachButton = pGraphics->AttachControl(bitmapSwitch(kTeachButton, kRectCC1Teach, kCC1Teach));
  mCC2TeachButton = pGraphics->AttachControl(bitmapSwitch(kTeachButton, kRectCC2Teach, kCC2Teach));
  pGraphics->AttachControl(bitmapSwitch(kOnOff, kRectHold, kHold));

  mStatus = new ICustomTextControl(this, SkinRect(kRectStatus), font, kStatusLineHeight);
  mStatus->SetTextFromPlug(kWelcome);
  pGraphics->AttachControl(mStatus);

  const IBitmapStrip modeButton = LoadStrip(pGraphics, kStepModeButton);
  ICustomRadioButtonsControl* pStepMode = new ICustomRadioButtonsControl(
      this, SkinRect(kRectStepMode), kStepMode, kNumLanes, modeButton, font, IKnobControl::kHorizontal);
  pGraphics->AttachControl(pStepMode);
  for (const Lane& lane : kLanes) pStepMode->AddButtonText(lane.button);
  pStepMode->SetID(0);
  pStepMode->SetKind(kKindStepMode);
  pStepMode->AttachObserver(mEventHandler);

  // Every step starts on, and the host hears of it.
  for (int step = 0; step < kNumSteps; ++step) {
    ICustomSwitchControl* pButton = bitmapSwitch(kStepButton, kRectStepButtons + step, kStepOn + step);
    pButton->SetID(step);
    pButton->SetKind(kKindStepButton);
    pButton->AttachObserver(mEventHandler);
    registered(pButton, kStepOn);
    pButton->SetValueFromUserInput(1.0);
    pButton->SetDirty(true);
  }

  ICustomSwitchControl* pRate = textSwitch(kRectStepRate, kStepRate);
  pRate->SetTextEntryParamIdx(kMidiLearnMenu);
  registered(pRate, kStepRate);
  ICustomSwitchControl* pRateType = textSwitch(kRectStepRateType, kStepRateType);
  pRateType->SetTextEntryParamIdx(kMidiLearnMenu);
  registered(pRateType, kStepRateType);
  registered(textSwitch(kRectDirection, kDirection), kDirection);
  registered(textSwitch(kRectSortOrder, kSortOrder), kSortOrder);
  registered(textSwitch(kRectVelocityMode, kVelocityMode), kVelocityMode);
  registered(bitmapSwitch(kOnOff, kRectResetOnNewNote, kResetOnNewNote), kResetOnNewNote);
  registered(bitmapSwitch(kOnOff, kRectResetNoteList, kResetNoteList), kResetNoteList);
  registered(bitmapSwitch(kOnOff, kRectResetOnBeat, kResetOnBeat), kResetOnBeat);

  const int page = ControlRegistry::kPatternPage;
  CreateKnob(pGraphics, kKnobTranspose, kTranspose, page, kRectTranspose, kKindKnob);
  CreateKnob(pGraphics, kKnobSteps, kPatternSteps, page, kRectPatternSteps, kKindKnob);
  CreateKnob(pGraphics, kKnobOctaves, kOctaves, page, kRectOctaves, kKindKnob);
  CreateKnob(pGraphics, kKnobBipolar, kGate, page, kRectGate, kKindKnob);
  CreateKnob(pGraphics, kKnobUnipolar, kSwing, page, kRectSwing, kKindKnob);
  CreateKnob(pGraphics, kKnobBeat, kResetOnBeatValue, page, kRectResetOnBeatValue, kKindKnob);
  registered(bitmapSwitch(kOnOff, kRectPatternOn, kPatternOn), kPatternOn);

  for (int slot = 0; slot < kNumCustomSlots; ++slot) {
    ICustomSwitchControl* pSlot = textSwitch(kRectSortSlots + slot, kCustomSortOrder + slot);
    pSlot->SetID(slot);
    pSlot->SetKind(kKindSortSlot);
    pSlot->AttachObserver(mEventHandler);
    registered(pSlot, kCustomSortOrder);
  }

  CreateStepEditor(pGraphics);
  CreatePatternSwitches(pGraphics);
  DeclareMidiOutput(SkinRect(kRectMidiOutput), font);
  CreateAboutBox(pGraphics);
}
