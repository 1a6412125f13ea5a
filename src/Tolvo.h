#ifndef TOLVO_H
#define TOLVO_H

// The Tolvo plug-in: one instance of the arpeggiator as a MIDI effect, on
// the VST 2 or the Audio Unit binding (TolvoBinding.h). It owns the engine,
// the application object that plays it, the router that hands parameter
// changes to it, and its editor (built with the plug-in, shown when the
// host opens it); MIDI in, the block and MIDI out, the state block and MIDI
// learn live here.

#include <atomic>

#include "EngineHolder.h"
#include "IGraphicRecords.h"
#include "KIT_TypedBuf.h"
#include "KeyRoutes.h"
#include "ParamTable.h"
#include "Processor.h"
#include "SentNotes.h"
#include "StatusSlot.h"
#include "TolvoBinding.h"

class ControlRegistry;
class ICustomTextControl;
class IControl;
class IGraphics;
class PatternView;
class TolvoApp;
class UIEventHandler;
struct TolvoImage;

class Tolvo : public TolvoBinding, public ProcessorListener {
public:
  // Shown in the about box; scenes play only from version 2.0.
  static constexpr double kVersion = 1.2;
  static constexpr int kStateDoubles = 185;  // ahead of the parameter block
  // The parameter whose control's value they carry: step 13 of the
  // transpose lane.
  static constexpr int kStateCarrierParam = TolvoParams::kStepTranspose + 12;
  static constexpr int kStatusTextLen = 64;

  // Host user-interface thread, from the entry point.
  explicit Tolvo(TolvoHost host);
  ~Tolvo() override;

  // IFxBase
  void Reset() override;
  void OnParamChangeFromControl(int ctrlIdx, int ctrlParamIdx, int paramIdx, int x, int y) override;
  void OnParamChange(int paramIdx) override;
  void ProcessDoubleReplacing(double** inputs, double** outputs, int nFrames) override;
  void ProcessMidiMsg(IMidiMessage* pMsg) override;
  bool SerializeState(IChunk* pChunk) override;
  int UnserializeState(IChunk* pChunk, int startPos) override;
  int StateEnd(const IChunk* pChunk, int startPos) const override;
  // The editor's tick: the status line, the pattern page's visibility and
  // the step editor's values as the router last asked for them.
  void OnGUITick() override;

  // ProcessorListener: sends the engine's notes of one piece as MIDI.
  void ProcessNotes(KIT_PtrList<NoteEvent>& events, int length) override;

  // MIDI learn, under the plug lock.
  bool HandleCC(int controller, int value);
  void SetCCMapping(int controller, int controlIndex);
  int GetLearnTarget() const { return mLearnTarget.load(); }

  // Called by the router under the plug lock, but for RequestAllNotesOff,
  // which the editor calls too.
  void AllNotesOff();
  void RequestAllNotesOff() { mPendingAllNotesOff = true; }
  void SetCCTeach(bool isCC1, bool on);
  void SetCCNumber(bool isCC1, int number);
  void SetMidiChannel(bool isInput, int channel);
  // "MIDI output": the host's callback or the plug-in's own virtual source,
  // where the binding has both.
  void SetMidiOutputFromParam(int choice);
  // As the plug-in goes: ends the notes still sounding where no host will
  // (the Audio Unit's virtual source).
  void EndMidiOutput();

  // --- Editor services ---
  // The views' edits: the n-th control filed under key on the pattern page
  // (the scene page with scenePage) takes the value as if the user had set
  // it, between a begin and an end edit for the host. User-interface
  // thread, in an editor event.
  void SetControlFromView(int key, int n, double normalized, bool scenePage);
  // The services the router calls, under the plug lock from either thread.
  // None waits for the editor: each posts what the editor is to show, and
  // the editor shows it on its next tick.
  // The value of that control's parameter, for the pattern view.
  void UpdateStepView(int key, int n, bool scenePage);
  void HidePageControls(int page, bool hide);
  void OnPatternChanged(int pattern);
  void OnSceneChanged(int scene);
  // which: 1 "Reset on new note", 2 "Reset note list on pattern reset",
  // 3 "Reset on beat (on/off)"; shows that switch on or off.
  void ShowResetSwitch(int which, bool on);
  // The status line describes the change of that parameter to that plain
  // value, from the first processed block on; a change that has no text
  // leaves it.
  void PostStatus(int index, double value);
  // User-interface thread: the status line shows the text, from the first
  // processed block on.
  void SetStatusText(const char* text);
  // User-interface thread: the about box and its version text appear or go.
  void ToggleAboutBox();
  // Any thread; "" and 0 for an index that does not exist.
  const char* GetParamDisplayText(int index, double value) const;
  double GetParamValue(int index) const;

  // Fills the presets from the bank file beside the plug-in library, a
  // program each; a missing, short or damaged file is reported on the
  // standard error stream, and keeps the presets made from the programs
  // read before the failure. Nothing calls it: the plug-in declares no
  // presets. Host user-interface thread.
  void LoadDefaultBank();

  // --- Inspection, for the tests ---
  const char* GetStatusText() const;
  int GetMidiChannel(bool isInput) const { return isInput ? mMidiInChannel : mMidiOutChannel; }
  int GetCCNumber(bool isCC1) const { return isCC1 ? mCC1Number : mCC2Number; }
  bool IsCCTeachOn(bool isCC1) const { return isCC1 ? mCC1Teach : mCC2Teach; }
  bool IsAllNotesOffPending() const { return mPendingAllNotesOff; }
  EngineHolder& Engine() { return mEngine; }
  const KIT_TypedBuf<IRECT>& GetSkin() const { return mSkin; }
  const ControlRegistry* GetRegistry() const { return mRegistry; }
  PatternView* GetPatternView() const { return mPatternView; }

private:
  // The binding's own way out for MIDI: the Audio Unit opens its virtual
  // source, declares "MIDI output" to choose it and makes the about box's
  // switch of it on the rectangle, in the font.
  void DeclareMidiOutput(const IRECT& rect, const IBitmapStrip& font);
  // One step controller value (1..128) as data 0..127; nothing below 1.
  void SendCC(int value, bool isCC1, int offset);
  // A note-on or note-off from the input, to the arpeggiator or through.
  void RouteKey(IMidiMessage* pMsg, bool on);
  void SendNoteOff(int note, int channel, int offset);
  // Every note still sounding ended, on the channel it went out on.
  void EndSentNotes();
  // A control moved as the user would move it, from any thread under the
  // plug lock: its parameter is set and the host told at once, the control
  // shows it from the editor's next tick. Nothing moves without a control
  // or its parameter.
  void MoveControl(IControl* pControl, double normalized);
  // The page the pattern view shows, or the scene page.
  int StepViewPage(bool scenePage) const;
  // The hidden step control that shows the state block's parameter.
  int StateCarrierControl() const { return mFirstStepControl + (kStateCarrierParam - TolvoParams::kStepLength); }

  // The editor: the skin's rectangles, then every control in its place.
  void LoadSkin(IGraphics* pGraphics);
  const IRECT& SkinRect(int index) const;
  void BuildEditor(IGraphics* pGraphics);
  void CreateKnob(IGraphics* pGraphics, const TolvoImage& image, int paramIdx, int page, int rectIdx, int kind);
  void CreateStepEditor(IGraphics* pGraphics);
  void CreatePatternSwitches(IGraphics* pGraphics);
  void CreateAboutBox(IGraphics* pGraphics);

  // The host's time of the current block.
  BlockTime mBlockTime;

  // 20 and 21 in turn from block to block, so a learning device sees the
  // teach controller move.
  int mCCTeachValue = 0;
  // Written by the editor thread's menus, read by MIDI input.
  std::atomic<int> mLearnTarget{-1};
  std::atomic<bool> mAudioStarted{false};

  EngineHolder mEngine;
  TolvoApp* mApp = nullptr;
  Processor* mProcessor = nullptr;
  UIEventHandler* mEventHandler = nullptr;
  ControlRegistry* mRegistry = nullptr;

  // Controls the plug-in reaches; the editor owns them.
  PatternView* mPatternView = nullptr;
  ICustomTextControl* mStatus = nullptr;
  IControl* mAboutBox = nullptr;
  ICustomTextControl* mVersionText = nullptr;
  // The further control of the about box: the macOS build's "MIDI output"
  // switch; none here.
  IControl* mAboutExtra = nullptr;
  int mCC1TeachButton = -1, mCC2TeachButton = -1;
  int mFirstStepControl = -1;  // of parameter kStepLength; the lanes follow
  // What the editor is to show from its next tick: the status line, and
  // the pattern page hidden or shown (kPageAsIs: no change asked).
  StatusSlot mStatusSlot;
  enum { kPageAsIs = -1 };
  std::atomic<int> mPageHiding{kPageAsIs};
  // What the hidden step controls and the pattern switches draw with.
  IBitmapStrip mEmptyStrip;
  KIT_TypedBuf<IRECT> mSkin;

  bool mCC1Teach = false, mCC2Teach = false;
  // Set from the editor's double click as well as by MIDI.
  std::atomic<bool> mPendingAllNotesOff{false};
  int mMidiOutChannel = 1, mMidiInChannel = 1;
  KeyRoutes mKeyRoutes;
  SentNotes mSentNotes;
  int mCC1Number = 0, mCC2Number = 0;
};

#endif
