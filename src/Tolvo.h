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
#include "RouterHost.h"
#include "SentNotes.h"
#include "StatusSlot.h"
#include "StepViewHost.h"
#include "TolvoBinding.h"

class ControlRegistry;
class ICustomTextControl;
class IControl;
class IGraphics;
class PatternView;
class TolvoApp;
class UIEventHandler;
struct TolvoImage;

class Tolvo : public TolvoBinding, public ProcessorListener, public RouterHost, public StepViewHost {
public:
  // Shown in the about box; scenes play only from version 2.0.
  static constexpr double kVersion = 1.2;
  static constexpr int kStateDoubles = 185;  // ahead of the parameter block
  // The parameter whose control's value they carry: step 13 of the
  // transpose lane.
  static constexpr int kStateCarrierParam = TolvoParams::kStepTranspose + 12;
  static constexpr int kStatusTextLen = 64;

  // Host user-interface thread, from the entry point under its creation
  // lock (the Audio Unit's open under MakePlug's).
  explicit Tolvo(TolvoHost host);
  // Host user-interface thread, as the host closes the instance.
  ~Tolvo() override;

  // IFxBase
  // Either host thread: the dispatcher's sample rate, block size and
  // suspend, and every block; takes the plug lock.
  void Reset() override;
  // Host user-interface thread; takes the plug lock: a parameter menu's
  // choice (MIDI learn, the pattern view's menu).
  void OnParamChangeFromControl(int ctrlIdx, int ctrlParamIdx, int paramIdx, int x, int y) override;
  // Either host thread; takes the plug lock: every parameter change.
  void OnParamChange(int paramIdx) override;
  // Host audio thread, under the plug lock.
  void ProcessDoubleReplacing(double** inputs, double** outputs, int nFrames) override;
  // Host audio thread, under the plug lock: before each block (the
  // process-events opcode).
  void ProcessMidiMsg(IMidiMessage* pMsg) override;
  // Host user-interface thread, under the plug lock: the state's readers
  // and writers.
  bool SerializeState(IChunk* pChunk) override;
  int UnserializeState(IChunk* pChunk, int startPos) override;
  int StateEnd(const IChunk* pChunk, int startPos) const override;
  // Host user-interface thread, under the editor lock: the editor's tick
  // shows the status line, the pattern page's visibility and the step
  // editor's values as the router last asked for them.
  void OnGUITick() override;

  // ProcessorListener. Host audio thread, under the plug lock: sends the
  // engine's notes of one piece as MIDI.
  void ProcessNotes(KIT_PtrList<NoteEvent>& events, int length) override;

  // RouterHost. Either host thread, under the plug lock (RouterHost.h).
  void SetCCTeach(bool isCC1, bool on) override;
  void SetCCNumber(bool isCC1, int number) override;
  void SetMidiChannel(bool isInput, int channel) override;
  void SetMidiOutputFromParam(int choice) override;
  void OnPatternChanged(int pattern) override;
  void OnSceneChanged(int scene) override;
  void ShowResetSwitch(int which, bool on) override;
  void PostStatus(int index, double value) override;
  // Also from MIDI input (controller 123) on the audio thread.
  void RequestAllNotesOff() override { mPendingAllNotesOff = true; }
  void ToggleAboutBox() override;
  // Any thread; 0 for an index that does not exist.
  double GetParamValue(int index) const override;

  // StepViewHost (StepViewHost.h), and RouterHost's UpdateStepView. Either
  // host thread, under the plug lock.
  void SetControlFromView(int key, int n, double normalized, bool scenePage) override;
  void UpdateStepView(int key, int n, bool scenePage) override;

  // Host user-interface thread, under the editor lock (the editor's tick
  // or an event): the status line shows the text, from the first processed
  // block on.
  void SetStatusText(const char* text);

  // Fills the presets from the bank file beside the plug-in library, a
  // program each; a missing, short or damaged file is reported on the
  // standard error stream, and keeps the presets made from the programs
  // read before the failure. Nothing calls it: the plug-in declares no
  // presets. Host user-interface thread.
  void LoadDefaultBank();

  // --- Inspection, for the tests: their thread, between calls ---
  int GetLearnTarget() const { return mLearnTarget.load(); }
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
  // Host audio thread, under the plug lock: MIDI learn; a controller from the input moves the
  // control mapped to it (and is mapped first while a control is learning).
  bool HandleCC(int controller, int value);
  void SetCCMapping(int controller, int controlIndex);
  // Host audio thread, under the plug lock: every note of the output channel ended.
  void AllNotesOff();
  // As the plug-in goes: ends the notes still sounding where no host will
  // (the Audio Unit's virtual source). Takes the plug lock.
  void EndMidiOutput();
  // The pattern page hidden or shown from the editor's next tick.
  void HidePageControls(int page, bool hide);
  // "" for an index that does not exist.
  const char* GetParamDisplayText(int index, double value) const;
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
