#include "TestAUPlug.h"

#include "AppleTesting.h"

TestAUPlug* TestAUPlug::sLast = nullptr;

const ComponentDescription TestAUPlug::kDescription = {0x61756D75 /* aumu */, 0x74415570 /* tAUp */,
                                                       0x71376D32 /* q7m2 */, 0, 0};

namespace {
IFxAU* MakeTestPlug()
{
  AUInstanceInfo info;
  info.mBundleID.Set("com.tolvo.test.plug");
  info.mCocoaViewClass.Set("TestPlug_View");
  return new TestAUPlug(&info);
}
}  // namespace

TestAUPlug::TestAUPlug(const AUInstanceInfo* pInfo)
  : IFxAU(pInfo, kNumParams, "1-1 2-2", 2, "Test Plug", "Test Product", "Tolvo Makers", 0x00010203, 0x74415570,
          0x71376D32, kLatency, true, true, true)
{
  GetParam(kBypass)->InitBool("Bypass", false);
  GetParam(kSteps)->InitInt("Steps", 4, 1, 16, "steps");
  GetParam(kMode)->InitEnum("Mode", 1, 3);
  GetParam(kMode)->SetDisplayText(0, "Soft");
  GetParam(kMode)->SetDisplayText(1, "Hard");
  GetParam(kMode)->SetDisplayText(2, "Harder");
  GetParam(kGain)->InitDouble("Gain", 0.5, 0.0, 1.0, 0.01, "dB");
  GetParam(kOffset)->InitDouble("Offset", 0.0, -1.0, 1.0, 0.1);
  GetParam(kOffset)->SetDisplayNegated(true);
  GetParam(kLong)->InitDouble("A parameter with a name long enough that hosts cut it", 0.0, 0.0, 1.0, 0.1);
  MakePresetsFromCurrentParams("Soft start", 1);
  GetParam(kSteps)->Set(8.0);
  MakePresetsFromCurrentParams(
      "\xC3\x9C"
      "ber preset",
      1);  // "Über preset"
  GetParam(kSteps)->Set(4.0);
  sLast = this;
}

void TestAUPlug::ProcessMidiMsg(IMidiMessage* pMsg)
{
  received.push_back(*pMsg);
  thruSent = SendMidiMsg(pMsg);
}

void TestAUPlug::ProcessDoubleReplacing(double** inputs, double** outputs, int nFrames)
{
  blocks.push_back(nFrames);
  bool running = false, cycling = false;
  int num = 0, denom = 0;
  GetTime(&time[0], &time[1], &time[2], &time[3], &num, &denom, &time[6], &time[7], &running, &cycling);
  time[4] = num;
  time[5] = denom;
  time[8] = running;
  time[9] = cycling;
  IFxAU::ProcessDoubleReplacing(inputs, outputs, nFrames);
}

RecordingEditor* TestAUPlug::GiveEditor()
{
  RecordingEditor* editor = new RecordingEditor(this);
  AttachGraphics(editor);
  return editor;
}

ComponentResult TestAUPlug::Entry(ComponentParameters* params, Handle storage)
{
  return IFxAUEntry(params, storage, MakeTestPlug);
}

ComponentResult TestAUPlug::ViewEntry(ComponentParameters* params, Handle storage)
{
  return IFxAUCarbonViewEntry(params, storage);
}

Component TestAUPlug::Registered()
{
  static const Component component = TestRegisterComponent(kDescription, Entry);
  return component;
}
