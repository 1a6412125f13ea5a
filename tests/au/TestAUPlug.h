#ifndef TESTAUPLUG_H
#define TESTAUPLUG_H

// A small plug-in on the Audio Unit binding, to run the binding as a host
// would: a parameter of each kind, two presets, stereo or mono in and out,
// MIDI thru, and a stand-in editor when a test gives it one. It records
// what the binding asks of it.

#include <vector>

#include "IFxAU.h"
#include "TestBase.h"

class TestAUPlug : public IFxAU {
public:
  enum {
    kBypass,  // bool
    kSteps,   // int 1..16 "steps"
    kMode,    // enum of three
    kGain,    // double 0..1 "dB"
    kOffset,  // double -1..1, shown negated, no label
    kLong,    // a name longer than a host's 52 bytes
    kNumParams
  };
  static const int kLatency = 512;

  explicit TestAUPlug(const AUInstanceInfo* pInfo);
  ~TestAUPlug() override { sLast = nullptr; }

  void OnParamChange(int paramIdx) override { paramChanges.push_back(paramIdx); }
  void OnActivate(bool active) override { activations.push_back(active); }
  void Reset() override { ++resets; }
  void ProcessMidiMsg(IMidiMessage* pMsg) override;
  void ProcessDoubleReplacing(double** inputs, double** outputs, int nFrames) override;
  bool SerializeState(IChunk* pChunk) override { return !failState && IFxAU::SerializeState(pChunk); }

  RecordingEditor* GiveEditor();

  std::vector<int> paramChanges;
  std::vector<bool> activations;
  std::vector<IMidiMessage> received;
  std::vector<int> blocks;  // frames of each processed block
  int resets = 0;
  bool failState = false;
  bool thruSent = false;  // what the last MIDI thru answered
  // What GetTime read in the last block: sample position, tempo, musical
  // position, last bar, numerator, denominator, cycle start, cycle end,
  // running, cycling.
  double time[10] = {};

  // The last instance made, or null once it is gone.
  static TestAUPlug* sLast;
  static ComponentResult Entry(ComponentParameters* params, Handle storage);
  static ComponentResult ViewEntry(ComponentParameters* params, Handle storage);
  // The component of Entry, registered once: aumu/tAUp/q7m2.
  static Component Registered();
  static const ComponentDescription kDescription;
};

#endif
