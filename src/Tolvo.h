#ifndef TOLVO_H
#define TOLVO_H

// The Tolvo plug-in: one instance of the arpeggiator as a MIDI effect, on
// the VST 2 or the Audio Unit binding (TolvoBinding.h). It owns the engine,
// the application object that plays it and the router that hands parameter
// changes to it; MIDI in, the block and MIDI out, the state block and MIDI
// learn live here.

#include <atomic>

#include "EngineHolder.h"
#include "ParamTable.h"
#include "Processor.h"
#include "TolvoBinding.h"

class TolvoApp;
class UIEventHandler;

class Tolvo : public TolvoBinding, public ProcessorListener {
public:
  static constexpr int kStateDoubles = 185;  // ahead of the parameter block
  // The parameter whose control's value they carry: step 13 of the
  // transpose lane.
  static constexpr int kStateCarrierParam = TolvoParams::kStepTranspose + 12;
  static constexpr int kStatusTextLen = 64;

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

  // ProcessorListener: sends the engine's notes of one piece as MIDI.
  void ProcessNotes(KIT_PtrList<NoteEvent>& events, int length) override;

  // MIDI learn.
  bool HandleCC(int controller, int value);
  void SetCCMapping(int controller, int controlIndex);
  int GetLearnTarget() const { return mLearnTarget.load(); }

  // Called by the router.
  void AllNotesOff();
  void RequestAllNotesOff() { mPendingAllNotesOff = true; }
  void SetCCTeach(bool isCC1, bool on);
  void SetCCNumber(bool isCC1, int number);
  void SetMidiChannel(bool isInput, int channel);
  // "MIDI output": the host's callback or the plug-in's own virtual source,
  // where the binding has both. The router calls it under the plug lock.
  void SetMidiOutputFromParam(int choice);
  void SetStatusText(const char* text);
  const char* GetStatusText() const { return mStatusText; }
  const char* GetParamDisplayText(int index, double value) const;
  double GetParamValue(int index) const;

  // Editor services the router calls; they show what they are given once
  // the editor exists, and change nothing else.
  void ShowResetSwitch(int which, bool on);
  void UpdateStepView(int key, int step, bool scenePage);
  void OnPatternChanged(int pattern);
  void OnSceneChanged(int scene);

  int GetMidiChannel(bool isInput) const { return isInput ? mMidiInChannel : mMidiOutChannel; }
  int GetCCNumber(bool isCC1) const { return isCC1 ? mCC1Number : mCC2Number; }
  bool IsCCTeachOn(bool isCC1) const { return isCC1 ? mCC1Teach : mCC2Teach; }
  bool IsAllNotesOffPending() const { return mPendingAllNotesOff; }
  EngineHolder& Engine() { return mEngine; }

private:
  // The binding's own way out for MIDI: the Audio Unit opens its virtual
  // source and declares "MIDI output" to choose it.
  void DeclareMidiOutput();
  // One step controller value (1..128) as data 0..127; nothing below 1.
  void SendCC(int value, bool isCC1, int offset);

  // Host time information of the current block.
  double mSamplePos = 0.0, mTempo = 0.0, mMusicalPos = 0.0, mLastBar = 0.0;
  int mNumerator = 4, mDenominator = 4;
  double mCycleStart = 0.0, mCycleEnd = 0.0;
  bool mTransportRunning = false, mCycleActive = false;
  double mSamplesPerBeat = 0.0;
  double mBlockStartPos = 0.0;
  double mLoopStart = 0.0, mLoopEnd = -1.0;
  int mFrames = 0;  // of the block being processed

  // 20 and 21 in turn from block to block, so a learning device sees the
  // teach controller move.
  int mCCTeachValue = 0;
  // Written by the editor thread's menus, read by MIDI input.
  std::atomic<int> mLearnTarget{-1};
  bool mAudioStarted = false;

  EngineHolder mEngine;
  TolvoApp* mApp = nullptr;
  Processor* mProcessor = nullptr;
  UIEventHandler* mEventHandler = nullptr;

  bool mCC1Teach = false, mCC2Teach = false;
  bool mPendingAllNotesOff = false;
  int mMidiOutChannel = 1, mMidiInChannel = 1;
  int mCC1Number = 0, mCC2Number = 0;

  // Fixed storage: the status line may read it from another thread.
  char mStatusText[kStatusTextLen] = "-- WELCOME --";
};

#endif
