// Tolvo as an Audio Unit: what a host sees of it, its state dictionary, the
// notes it plays through the host's callback, and that they are the notes
// the VST 2 build plays. Run with the path of the VST 2 library (Tolvo.so)
// as the one argument.

#include <cmath>
#include <memory>
#include <string>

#include "Tolvo.h"
#include "TolvoAU.h"
#include "VstHost.h"

using namespace TolvoParams;

namespace {
std::string gVstPluginPath;

using TolvoAUTest = OpenedTolvo;

TEST_F(TolvoAUTest, WhatTheHostSees)
{
  EXPECT_EQ(GetComponentVersion(unit), 0x10200);
  UInt32 size = 0;
  Boolean writable = true;
  ASSERT_EQ(Info(kAudioUnitProperty_ParameterList, &size, &writable), noErr);
  EXPECT_EQ(size, 391u * 4);  // every parameter, host-hidden ones too
  std::vector<AudioUnitParameterID> ids(391);
  ASSERT_EQ(AudioUnitGetProperty(unit, kAudioUnitProperty_ParameterList, kAudioUnitScope_Global, 0, ids.data(), &size),
            noErr);
  EXPECT_EQ(ids[390], 390u);

  AUChannelInfo io{};
  ASSERT_EQ(Get(kAudioUnitProperty_SupportedNumChannels, &io), noErr);
  EXPECT_EQ(io.inChannels, 0);
  EXPECT_EQ(io.outChannels, 2);
  UInt32 buses = 9;
  ASSERT_EQ(Get(kAudioUnitProperty_ElementCount, &buses, kAudioUnitScope_Input), noErr);
  EXPECT_EQ(buses, 0u);
  ASSERT_EQ(Get(kAudioUnitProperty_ElementCount, &buses, kAudioUnitScope_Output), noErr);
  EXPECT_EQ(buses, 1u);
  Float64 latency = -1.0;
  ASSERT_EQ(Get(kAudioUnitProperty_Latency, &latency), noErr);
  EXPECT_EQ(latency, 0.0);
  EXPECT_EQ(kTolvoEditorWidth, 580);
  EXPECT_EQ(plug->GetBundleID(), std::string("com.Ulvas Orvanne.audiounit.Tolvo"));
  EXPECT_EQ(plug->GetCocoaViewClass(), std::string("Tolvo_View"));
}

TEST_F(TolvoAUTest, ParameterInfoOfEachKind)
{
  const struct {
    int idx;
    const char* name;
    AudioUnitParameterUnit unit;
    float min, max, def;
    int texts;
  } cases[] = {
      {kOctaves, "Octaves", kAudioUnitParameterUnit_Indexed, 1, 5, 1, 0},
      {kStepRate, "Step rate", kAudioUnitParameterUnit_Indexed, 0, 7, 3, 8},
      {kSwing, "Swing", kAudioUnitParameterUnit_Generic, 0, 1, 0, 0},
      {kScaleKey, "Scale key ", kAudioUnitParameterUnit_Indexed, 0, 11, 0, 12},
      {kCCMapping + 127, "", kAudioUnitParameterUnit_Indexed, -1, 1000, -1, 0},
  };
  for (const auto& c : cases) {
    AudioUnitParameterInfo info;
    ASSERT_EQ(Get(kAudioUnitProperty_ParameterInfo, &info, kAudioUnitScope_Global, c.idx), noErr);
    EXPECT_STREQ(info.name, c.name);
    EXPECT_EQ(info.unit, c.unit) << c.name;
    EXPECT_EQ(info.minValue, c.min) << c.name;
    EXPECT_EQ(info.maxValue, c.max) << c.name;
    EXPECT_EQ(info.defaultValue, c.def) << c.name;
    CFRelease(info.cfNameString);
    CFArrayRef strings = nullptr;
    UInt32 size = 0;
    Boolean writable = false;
    EXPECT_EQ(Info(kAudioUnitProperty_ParameterValueStrings, &size, &writable, kAudioUnitScope_Global, c.idx),
              c.texts ? (OSStatus)noErr : (OSStatus)kAudioUnitErr_InvalidProperty);
    if (!c.texts) continue;
    ASSERT_EQ(Get(kAudioUnitProperty_ParameterValueStrings, &strings, kAudioUnitScope_Global, c.idx), noErr);
    EXPECT_EQ(CFArrayGetCount(strings), c.texts);
    CFRelease(strings);
  }
}

// A host reads every parameter within the bounds its info gives.
TEST_F(TolvoAUTest, EveryParameterReadsWithinItsBounds)
{
  for (int i = 0; i < 391; ++i) {
    AudioUnitParameterInfo info;
    ASSERT_EQ(Get(kAudioUnitProperty_ParameterInfo, &info, kAudioUnitScope_Global, i), noErr);
    if (info.cfNameString) CFRelease(info.cfNameString);
    AudioUnitParameterValue value = 0.0f;
    ASSERT_EQ(AudioUnitGetParameter(unit, i, kAudioUnitScope_Global, 0, &value), noErr);
    EXPECT_TRUE(value >= info.minValue && value <= info.maxValue) << i << " reads " << value;
  }
}

// Tolvo declares no presets; a host that restored a user preset of its
// own sets it as the present preset, or preset 0 by name, and hears that
// it went well, as do the property's listeners.
TEST_F(TolvoAUTest, SettingThePresetAPlugInWithoutPresetsAnswersNoError)
{
  Listen(kAudioUnitProperty_CurrentPreset);
  Listen(kAudioUnitProperty_PresentPreset);
  ASSERT_EQ(AudioUnitSetParameter(unit, kSwing, kAudioUnitScope_Global, 0, 0.5f, 0), noErr);
  CFStringRef user = CFStringCreateWithCString(nullptr, "User", kCFStringEncodingUTF8);
  CFStringRef named = CFStringCreateWithCString(nullptr, "My preset", kCFStringEncodingUTF8);
  EXPECT_EQ(Set(kAudioUnitProperty_PresentPreset, AUPreset{-1, user}), noErr);
  EXPECT_EQ(Set(kAudioUnitProperty_CurrentPreset, AUPreset{-1, user}), noErr);
  EXPECT_EQ(Set(kAudioUnitProperty_PresentPreset, AUPreset{0, named}), noErr);
  CFRelease(user);
  CFRelease(named);
  EXPECT_EQ(heard.size(), 3u);
  EXPECT_EQ(plug->GetParam(kSwing)->Value(), 0.5);
  AUPreset present{};
  ASSERT_EQ(Get(kAudioUnitProperty_PresentPreset, &present), noErr);
  EXPECT_EQ(present.presetNumber, 0);
  if (present.presetName) CFRelease(present.presetName);
}

TEST_F(TolvoAUTest, WithoutAVirtualSourceMidiOutputOffersTheHostOnly)
{
  // No JACK server: the source could not be opened.
  EXPECT_FALSE(plug->HasVirtualMidiOutput());
  const IParam* output = plug->GetParam(kMidiOutput);
  EXPECT_STREQ(output->GetNameForHost(), "MIDI output");
  ASSERT_EQ(output->NDisplayTexts(), 1);
  EXPECT_STREQ(output->GetDisplayText(0), "Host");
  EXPECT_TRUE(output->IsHostHidden());
  EXPECT_EQ(output->Value(), 0.0);
  EXPECT_EQ(output->GetNormalized(), 0.0);  // a single choice is 0, not 0 / 0
  EXPECT_EQ(plug->GetMidiOutPort(), IFxAU::kMidiOutHost);
  // "Virtual output" cannot be chosen.
  EXPECT_EQ(AudioUnitSetParameter(unit, kMidiOutput, kAudioUnitScope_Global, 0, 1.0f, 0), noErr);
  EXPECT_EQ(output->Value(), 0.0);
  EXPECT_EQ(plug->GetMidiOutPort(), IFxAU::kMidiOutHost);
}

TEST_F(TolvoAUTest, StateDictionaryRoundTrip)
{
  const struct {
    int idx;
    float value;
  } changes[] = {{kGate, -42}, {kHold, 1},       {kStepRate, 6},           {kSwing, 0.37f},      {kOctaves, 3},
                 {kScale, 12}, {kStepOn + 3, 0}, {kStepShift + 5, -12.5f}, {kMidiOutChannel, 9}, {kCCMapping + 7, 200}};
  for (const auto& c : changes)
    ASSERT_EQ(AudioUnitSetParameter(unit, c.idx, kAudioUnitScope_Global, 0, c.value, 0), noErr);
  CFPropertyListRef state = nullptr;
  ASSERT_EQ(Get(kAudioUnitProperty_ClassInfo, &state), noErr);
  CFStringRef dataKey = CFStringCreateWithCString(nullptr, "data", kCFStringEncodingUTF8);
  CFDataRef data = (CFDataRef)CFDictionaryGetValue((CFDictionaryRef)state, dataKey);
  CFRelease(dataKey);
  EXPECT_EQ(CFDictionaryGetCount((CFDictionaryRef)state), 6);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(CFDataGetLength(data), 4608);

  AUHost second;
  second.Open(TolvoComponent());
  EXPECT_EQ(second.Set(kAudioUnitProperty_ClassInfo, state), noErr);
  const Tolvo* fresh = (const Tolvo*)GetComponentInstanceStorage(second.unit);
  for (int i = 0; i < 391; ++i) EXPECT_EQ(fresh->GetParam(i)->Value(), plug->GetParam(i)->Value()) << i;
  EXPECT_EQ(fresh->GetMidiChannel(false), 10);
  second.Close();
  CFRelease(state);
}

TEST_F(TolvoAUTest, AStateThatDoesNotReadLeavesTheParametersAsTheyWere)
{
  CFPropertyListRef state = nullptr;
  ASSERT_EQ(Get(kAudioUnitProperty_ClassInfo, &state), noErr);
  ASSERT_EQ(AudioUnitSetParameter(unit, kSwing, kAudioUnitScope_Global, 0, 0.5f, 0), noErr);
  ASSERT_EQ(AudioUnitSetParameter(unit, kStepLength + 2, kAudioUnitScope_Global, 0, 7.0f, 0), noErr);
  std::vector<double> held;
  for (int i = 0; i < 391; ++i) held.push_back(plug->GetParam(i)->Value());
  // Tolvo's own doubles whole, its parameter block cut after 62 values.
  std::vector<UInt8> bytes(1480 + 8 * 62, 0);
  CFStringRef dataKey = CFStringCreateWithCString(nullptr, "data", kCFStringEncodingUTF8);
  CFDataRef data = CFDataCreate(nullptr, bytes.data(), (CFIndex)bytes.size());
  CFDictionarySetValue((CFMutableDictionaryRef)state, dataKey, data);
  CFRelease(data);
  CFRelease(dataKey);
  EXPECT_EQ(Set(kAudioUnitProperty_ClassInfo, state), kAudioUnitErr_InvalidPropertyValue);
  for (int i = 0; i < 391; ++i) EXPECT_EQ(plug->GetParam(i)->Value(), held[i]) << i;
  CFRelease(state);
}

TEST_F(TolvoAUTest, ThePhraseReachesTheHostsCallbackInTime)
{
  GiveMidiCallback();
  PlayPhrase(*this);
  EXPECT_EQ(HostPlayed(*this), PhraseNotes());
  for (const std::vector<float>& channel : out)
    for (float s : channel) ASSERT_EQ(s, 0.0f);
}

// The VST 2 build's own notes for the same phrase, from the library.
std::vector<Played> PlayPhraseVst()
{
  vsthost::Library library;
  std::string error;
  EXPECT_TRUE(library.Open(gVstPluginPath, &error)) << error;
  vsthost::Plugin plug(library);
  if (!plug.Create()) return {};
  plug.Dispatch(vsthost::kOpen);
  plug.Dispatch(vsthost::kSetSampleRate, 0, 0, nullptr, 44100.0f);
  plug.Dispatch(vsthost::kSetBlockSize, 0, kPhraseBlock);
  plug.Dispatch(vsthost::kMainsChanged, 0, 1);
  plug.SetParameter(kStepRate, 4.0f / 7.0f);
  plug.time.tempo = 120.0;
  plug.time.flags = 0x2 | 0x200 | 0x400 | 0x800 | 0x2000;
  plug.SendEvents({vsthost::Event::Midi(0, 0x90, 60, 100), vsthost::Event::Midi(0, 0x90, 64, 90),
                   vsthost::Event::Midi(0, 0x90, 67, 80)});
  std::vector<Played> played;
  plug.FillBuffers(kPhraseBlock, 1.0f, 1.0f);
  for (int64_t pos = 0; pos < kPhraseLength; pos += kPhraseBlock) {
    plug.time.samplePos = double(pos);
    plug.time.ppqPos = double(pos) / 22050.0;
    plug.ClearCallbacks();
    plug.Process(vsthost::ProcessKind::Replacing, kPhraseBlock);
    for (const vsthost::Callback& cb : plug.Callbacks())
      for (const vsthost::Event& e : cb.events)
        if (cb.opcode == vsthost::kHostProcessEvents)
          played.push_back({pos + e.deltaFrames, e.midiData()[0], e.midiData()[1], e.midiData()[2]});
  }
  plug.Close();
  return played;
}

TEST_F(TolvoAUTest, ThePhraseIsWhatTheVstBuildPlays)
{
  GiveMidiCallback();
  PlayPhrase(*this);
  const std::vector<Played> vst = PlayPhraseVst();
  ASSERT_FALSE(vst.empty());
  EXPECT_EQ(HostPlayed(*this), vst);
}

}  // namespace

int main(int argc, char** argv)
{
  ::testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <path of the VST 2 library>\n", argv[0]);
    return 2;
  }
  gVstPluginPath = argv[1];
  return RUN_ALL_TESTS();
}
