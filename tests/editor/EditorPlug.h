#ifndef TESTS_EDITOR_EDITORPLUG_H
#define TESTS_EDITOR_EDITORPLUG_H

// The framework's editor test plug-in: a VST 2 plug-in on IFxVST whose
// editor, on the window-less back end, holds every stock control bound to
// parameters of each kind, drawn from the images of TestSkin. Observers
// of the controls are recorded.

#include <vector>

#include "IFxVST.h"
#include "IGraphicsHeadless.h"
#include "ISubject.h"

enum EEditorParam {
  kGain = 0,  // double 0..1, "dB"
  kPan,       // double -1..1
  kSteps,     // int 1..16, "steps"
  kMode,      // enum "Up", "Down", "Random"
  kHold,      // bool
  kShift,     // double -12..12 in halves, shown negated
  kRate,
  kTone,
  kBypass,
  kTrigger,
  kPage,
  kLevel,
  kFile,
  kHidden,  // the only one the host does not see
  kNumEditorParams
};
const int kNumHostParams = kHidden;

// Control indices, in attach order.
enum EEditorControl {
  kCtrlBackground = 0,
  kCtrlPanel,
  kCtrlKnob,        // IKnobMultiControl, kGain
  kCtrlKnobLine,    // IKnobLineControl, kPan
  kCtrlCaption,     // ICaptionControl, kSteps
  kCtrlRadio,       // IRadioButtonsControl, kMode
  kCtrlSwitch,      // ISwitchControl, kHold
  kCtrlInvisible,   // IInvisibleSwitchControl, kBypass, over part of the switch
  kCtrlFader,       // IFaderControl, kShift
  kCtrlRotater,     // IKnobRotaterControl, kRate
  kCtrlMask,        // IKnobRotatingMaskControl, kTone
  kCtrlContact,     // IContactControl, kTrigger
  kCtrlOverlay,     // IBitmapOverlayControl, kPage
  kCtrlPlainKnob,   // IKnobControl, kLevel
  kCtrlMeter,       // IBitmapControl, kLevel
  kCtrlFile,        // IFileSelectorControl, kFile
  kCtrlHiddenKnob,  // IKnobMultiControl, kHidden
  kCtrlStatus,      // ITextControl
  kCtrlURL,         // IURLControl
  kCtrlBitmapText,  // IBitmapText
  kNumEditorControls
};

const int kEditorWidth = 320, kEditorHeight = 240;
// The overlay's area while it is off.
const IRECT kOverlayTarget(56, 100, 66, 110);

class EditorPlug : public IFxVST, public IObserverInterface {
public:
  struct Event {
    int mCtrlIdx;
    int mEvent;
  };

  // The editor finds its images in resourceFolder.
  EditorPlug(audioMasterCallback hostCallback, const char* resourceFolder);

  IGraphicsHeadless* Editor() const { return mEditor; }
  const std::vector<Event>& Events() const { return mEvents; }
  void ClearEvents() { mEvents.clear(); }

  void Update(ISubject*) override {}
  void Notify(ISubject* pSubject, int x, int y, int event, const IMouseModifiers& mod) override;

private:
  void DeclareParams();
  void BuildEditor(const char* resourceFolder);

  IGraphicsHeadless* mEditor = nullptr;  // owned by the base once attached
  std::vector<Event> mEvents;
};

#endif
