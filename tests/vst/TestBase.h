#ifndef TESTBASE_H
#define TESTBASE_H

// A plug-in on IFxBase alone, whose host is a recorder.

#include <string>
#include <vector>

#include "IFxBase.h"
#include "IGraphicsHeadless.h"

class TestBase : public IFxBase {
public:
  // 4 parameters by default: doubles 0..1 (step 0.01) unless a test
  // declares them otherwise; the last one host-hidden.
  TestBase(const char* channelIO = "0-2", int nPresets = 3, int nParams = 4, int nHostParams = 3, bool declare = true)
    : IFxBase(nHostParams, nParams, channelIO, nPresets, "Effect", "Product", "Maker", 0x00010200, 1, 2, 0, true, true,
              false)
  {
    if (!declare) return;
    for (int i = 0; i < nParams; ++i) GetParam(i)->InitDouble(("p" + std::to_string(i)).c_str(), 0.5, 0.0, 1.0, 0.01);
  }

  struct Informed {
    int idx;
    double value;
  };
  std::vector<Informed> informed;
  std::vector<int> changed;
  int fromControl = 0;
  double tempo = 120.0;

  void OnParamChange(int paramIdx) override { changed.push_back(paramIdx); }
  void OnParamChangeFromControl(int, int, int paramIdx, int, int) override { ++fromControl; }
  void BeginInformHostOfParamChange(int) override {}
  void InformHostOfParamChange(int idx, double value) override { informed.push_back({idx, value}); }
  void EndInformHostOfParamChange(int) override {}
  void UpdateHostDisplay() override {}
  int64_t GetSamplePos() override { return 0; }
  double GetTempo() override { return tempo; }
  void GetTimeSig(int* pNum, int* pDenom) override { *pNum = *pDenom = 4; }
  void GetTime(double*, double*, double*, double*, int*, int*, double*, double*, bool*, bool*) override {}
  void ResizeGraphics() override {}
  void HostSpecificInit() override {}
  bool SendMidiMsg(IMidiMessage*) override { return true; }
  bool SendMidiMsgs(KIT_TypedBuf<IMidiMessage>*) override { return true; }

  std::vector<double> Values()
  {
    std::vector<double> v;
    for (int i = 0; i < NParams(); ++i) v.push_back(GetParam(i)->Value());
    return v;
  }
};

// An editor whose controls, one per parameter, record what the plug-in
// pushes into them.
class RecordingEditor : public IGraphicsHeadless {
public:
  struct Push {
    int idx;
    double value;
  };
  std::vector<Push> pushes;
  int prepared = 0;

  explicit RecordingEditor(IFxBase* plug) : IGraphicsHeadless(plug, 10, 20)
  {
    for (int i = 0; i < plug->NParams(); ++i) AttachControl(new Recorder(plug, i, &pushes));
  }
  void PrepareDrawing() override
  {
    IGraphicsHeadless::PrepareDrawing();
    ++prepared;
  }

private:
  class Recorder : public IControl {
  public:
    Recorder(IFxBase* plug, int idx, std::vector<Push>* pushes) : IControl(plug, IRECT(), idx), mPushes(pushes) {}
    void SetValueFromPlug(double value) override { mPushes->push_back({mParamIdx, value}); }
    bool Draw(IGraphics*) override { return true; }

  private:
    std::vector<Push>* mPushes;
  };
};

#endif
