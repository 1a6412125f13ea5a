#ifndef TESTS_EDITOR_EDITORPLUG_H
#define TESTS_EDITOR_EDITORPLUG_H

// The framework's editor test plug-in: a VST 2 plug-in on IFxVST whose
// editor holds every stock control bound to parameters of each kind, drawn
// from the images of TestSkin. Its back end is the caller's: the
// window-less one in the native tests, the Windows one in its library.
// Observers of the controls are recorded.

#include <vector>

#include "IFxVST.h"
#include "IGraphicsPix.h"
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
// Where the editor draws text (DrawIText): the caption and the status line.
const IRECT kCaptionRect(112, 16, 176, 36);
const IRECT kStatusRect(16, 150, 200, 166);

class EditorPlug : public IFxVST, public IObserverInterface {
public:
  struct Event {
    int mCtrlIdx;
    int mEvent;
  };

  explicit EditorPlug(audioMasterCallback hostCallback);

  // Attaches every control to the back end, which the plug-in owns from
  // then on; it finds the images by TestSkin's ids and names.
  void BuildEditor(IGraphicsPix* pGraphics);

  const std::vector<Event>& Events() const { return mEvents; }
  void ClearEvents() { mEvents.clear(); }

  void Update(ISubject*) override {}
  void Notify(ISubject* pSubject, int x, int y, int event, const IMouseModifiers& mod) override;

private:
  void DeclareParams();

  std::vector<Event> mEvents;
};

#endif
