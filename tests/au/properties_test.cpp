// The properties as a host asks for them: sizes, scopes and what they hold.

#include <cmath>
#include <string>

#include "BindingFixture.h"

namespace {
using PropertiesTest = BindingTest;

const AudioUnitScope G = kAudioUnitScope_Global, I = kAudioUnitScope_Input, O = kAudioUnitScope_Output;

TEST_F(PropertiesTest, SizesScopesAndWhatTheHostMaySet)
{
  const struct {
    AudioUnitPropertyID id;
    AudioUnitScope scope;
    AudioUnitElement element;
    OSStatus status;
    UInt32 size;
    bool writable;
  } cases[] = {
      {kAudioUnitProperty_ClassInfo, O, 0, noErr, sizeof(CFPropertyListRef), true},
      {kAudioUnitProperty_MakeConnection, I, 0, noErr, sizeof(AudioUnitConnection), true},
      {kAudioUnitProperty_MakeConnection, O, 0, kAudioUnitErr_InvalidProperty, 0, false},
      {kAudioUnitProperty_SampleRate, I, 3, noErr, 8, true},
      {kAudioUnitProperty_ParameterList, G, 0, noErr, TestAUPlug::kNumParams * 4, false},
      {kAudioUnitProperty_ParameterList, I, 0, noErr, 0, false},
      {kAudioUnitProperty_ParameterInfo, G, TestAUPlug::kGain, noErr, sizeof(AudioUnitParameterInfo), false},
      {kAudioUnitProperty_ParameterInfo, G, TestAUPlug::kNumParams, kAudioUnitErr_InvalidParameter, 0, false},
      {kAudioUnitProperty_ParameterInfo, O, 0, kAudioUnitErr_InvalidProperty, 0, false},
      {kAudioUnitProperty_FastDispatch, O, kAudioUnitRenderSelect, noErr, sizeof(void*), false},
      {kAudioUnitProperty_StreamFormat, I, 0, noErr, sizeof(AudioStreamBasicDescription), true},
      {kAudioUnitProperty_StreamFormat, G, 0, noErr, sizeof(AudioStreamBasicDescription), true},
      {kAudioUnitProperty_StreamFormat, O, 1, kAudioUnitErr_InvalidProperty, 0, false},
      {kAudioUnitProperty_ElementCount, O, 0, noErr, 4, false},
      {kAudioUnitProperty_Latency, G, 0, noErr, 8, false},
      {kAudioUnitProperty_Latency, I, 0, kAudioUnitErr_InvalidProperty, 0, false},
      {kAudioUnitProperty_SupportedNumChannels, G, 0, noErr, 2 * sizeof(AUChannelInfo), false},
      {kAudioUnitProperty_MaximumFramesPerSlice, G, 0, noErr, 4, true},
      {kAudioUnitProperty_ParameterValueStrings, G, TestAUPlug::kMode, noErr, sizeof(CFArrayRef), false},
      {kAudioUnitProperty_ParameterValueStrings, G, TestAUPlug::kGain, kAudioUnitErr_InvalidProperty, 0, false},
      {kAudioUnitProperty_GetUIComponentList, G, 0, kAudioUnitErr_InvalidProperty, 0, false},
      {kAudioUnitProperty_TailTime, G, 0, noErr, 8, false},
      {kAudioUnitProperty_BypassEffect, G, 0, noErr, 4, true},
      {kAudioUnitProperty_LastRenderError, G, 0, noErr, 4, false},
      {kAudioUnitProperty_SetRenderCallback, I, 0, noErr, sizeof(AURenderCallbackStruct), true},
      {kAudioUnitProperty_SetRenderCallback, I, 1, kAudioUnitErr_InvalidProperty, 0, false},
      {kAudioUnitProperty_FactoryPresets, O, 0, noErr, sizeof(CFArrayRef), false},
      {kAudioUnitProperty_HostCallbacks, G, 0, noErr, sizeof(HostCallbackInfo), true},
      {kAudioUnitProperty_CurrentPreset, I, 0, noErr, sizeof(AUPreset), true},
      {kAudioUnitProperty_PresentPreset, G, 0, noErr, sizeof(AUPreset), true},
      {kAudioUnitProperty_CocoaUI, G, 0, kAudioUnitErr_InvalidProperty, 0, false},
      {kAudioUnitProperty_ParameterStringFromValue, I, 0, noErr, sizeof(AudioUnitParameterStringFromValue), false},
      {kAudioUnitProperty_ParameterIDName, G, 0, noErr, sizeof(AudioUnitParameterNameInfo), false},
      {kAudioUnitProperty_ParameterValueFromString, G, 0, noErr, sizeof(AudioUnitParameterValueFromString), false},
      {kAudioUnitProperty_AUHostIdentifier, G, 0, kAudioUnitErr_InvalidProperty, 0, false},
      {kAudioUnitProperty_MIDIOutputCallbackInfo, G, 0, noErr, sizeof(CFArrayRef), false},
      {kAudioUnitProperty_MIDIOutputCallback, G, 0, noErr, sizeof(AUMIDIOutputCallbackStruct), true},
      {kMusicDeviceProperty_InstrumentCount, G, 0, noErr, 4, false},
      {6, G, 0, kAudioUnitErr_InvalidProperty, 0, false},
      {49, G, 0, kAudioUnitErr_InvalidProperty, 0, false},
  };
  for (const auto& c : cases) {
    UInt32 size = 0;
    Boolean writable = true;
    EXPECT_EQ(Info(c.id, &size, &writable, c.scope, c.element), c.status) << c.id << "/" << c.scope;
    if (c.status != noErr) continue;
    EXPECT_EQ(size, c.size) << c.id;
    EXPECT_EQ(writable != 0, c.writable) << c.id;
  }
  // A null size or flag is no harm.
  EXPECT_EQ(AudioUnitGetPropertyInfo(unit, kAudioUnitProperty_SampleRate, G, 0, nullptr, nullptr), noErr);
}

TEST_F(PropertiesTest, AValueIsWrittenOnlyIntoABufferThatHoldsIt)
{
  unsigned char bytes[sizeof(AudioUnitParameterInfo)];
  std::memset(bytes, 0xAB, sizeof bytes);
  UInt32 size = 4;
  EXPECT_EQ(AudioUnitGetProperty(unit, kAudioUnitProperty_ParameterInfo, G, 0, bytes, &size),
            kAudioUnitErr_InvalidPropertyValue);
  for (unsigned char b : bytes) ASSERT_EQ(b, 0xAB);
  EXPECT_EQ(AudioUnitGetProperty(unit, kAudioUnitProperty_ParameterInfo, G, 0, bytes, nullptr),
            kAudioUnitErr_InvalidPropertyValue);
  // Without a buffer the size alone is answered.
  size = 0;
  EXPECT_EQ(AudioUnitGetProperty(unit, kAudioUnitProperty_ParameterInfo, G, 0, nullptr, &size), noErr);
  EXPECT_EQ(size, sizeof(AudioUnitParameterInfo));
  // A short record to set is refused before it is read.
  const UInt16 half = 1;
  EXPECT_EQ(AudioUnitSetProperty(unit, kAudioUnitProperty_BypassEffect, G, 0, &half, sizeof half),
            kAudioUnitErr_InvalidPropertyValue);
  EXPECT_EQ(AudioUnitSetProperty(unit, kAudioUnitProperty_ParameterList, G, 0, &half, sizeof half),
            kAudioUnitErr_InvalidProperty);
}

TEST_F(PropertiesTest, ParameterListNamesEveryParameter)
{
  AudioUnitParameterID ids[TestAUPlug::kNumParams];
  UInt32 size = sizeof ids;
  ASSERT_EQ(AudioUnitGetProperty(unit, kAudioUnitProperty_ParameterList, G, 0, ids, &size), noErr);
  for (int i = 0; i < TestAUPlug::kNumParams; ++i) EXPECT_EQ(ids[i], (AudioUnitParameterID)i);
}

TEST_F(PropertiesTest, ParameterInfoOfEachKind)
{
  const struct {
    int idx;
    AudioUnitParameterUnit unit;
    const char* unitName;
    const char* name;
    float min, max, def;
  } cases[] = {
      {TestAUPlug::kBypass, kAudioUnitParameterUnit_Boolean, "", "Bypass", 0, 1, 0},
      {TestAUPlug::kSteps, kAudioUnitParameterUnit_Indexed, "", "Steps", 1, 16, 4},
      {TestAUPlug::kMode, kAudioUnitParameterUnit_Indexed, "", "Mode", 0, 2, 1},
      {TestAUPlug::kGain, kAudioUnitParameterUnit_CustomUnit, "dB", "Gain", 0, 1, 0.5f},
      {TestAUPlug::kOffset, kAudioUnitParameterUnit_Generic, "", "Offset", -1, 1, 0},
  };
  const long live = TestCFLiveObjects();
  for (const auto& c : cases) {
    AudioUnitParameterInfo info;
    ASSERT_EQ(Get(kAudioUnitProperty_ParameterInfo, &info, G, c.idx), noErr);
    EXPECT_EQ(info.flags, 0xC8000010u) << c.name;
    EXPECT_EQ(info.unit, c.unit) << c.name;
    EXPECT_EQ(TestCFText(info.unitName), c.unitName);
    EXPECT_STREQ(info.name, c.name);
    EXPECT_EQ(TestCFText(info.cfNameString), c.name);
    EXPECT_EQ(info.minValue, c.min) << c.name;
    EXPECT_EQ(info.maxValue, c.max) << c.name;
    EXPECT_EQ(info.defaultValue, c.def) << c.name;
    // The host owns the strings.
    CFRelease(info.cfNameString);
    if (info.unitName) CFRelease(info.unitName);
  }
  EXPECT_EQ(TestCFLiveObjects(), live);

  AudioUnitParameterInfo info;
  ASSERT_EQ(Get(kAudioUnitProperty_ParameterInfo, &info, G, TestAUPlug::kLong), noErr);
  const std::string full = "A parameter with a name long enough that hosts cut it";
  EXPECT_EQ(std::string(info.name), full.substr(0, 51));
  EXPECT_EQ(TestCFText(info.cfNameString), full);
  CFRelease(info.cfNameString);
}

TEST_F(PropertiesTest, TextsOfParameterValues)
{
  CFArrayRef strings = nullptr;
  ASSERT_EQ(Get(kAudioUnitProperty_ParameterValueStrings, &strings, G, TestAUPlug::kMode), noErr);
  ASSERT_EQ(CFArrayGetCount(strings), 3);
  EXPECT_EQ(TestCFText((CFStringRef)CFArrayGetValueAtIndex(strings, 2)), "Harder");
  CFRelease(strings);

  const float hard = 1.9f;
  AudioUnitParameterStringFromValue sfv{TestAUPlug::kMode, &hard, nullptr};
  ASSERT_EQ(Get(kAudioUnitProperty_ParameterStringFromValue, &sfv), noErr);
  EXPECT_EQ(TestCFText(sfv.outString), "Hard");
  CFRelease(sfv.outString);
  sfv = {TestAUPlug::kGain, nullptr, nullptr};  // the current value; no texts
  ASSERT_EQ(Get(kAudioUnitProperty_ParameterStringFromValue, &sfv), noErr);
  EXPECT_EQ(TestCFText(sfv.outString), "");
  CFRelease(sfv.outString);

  const struct {
    SInt32 desired;
    const char* name;
  } names[] = {{3, "A p"},
               {0, ""},
               {40, "A parameter with a name long en"},
               {-1, "A parameter with a name long enough that hosts cut it"}};
  for (const auto& n : names) {
    AudioUnitParameterNameInfo nameInfo{TestAUPlug::kLong, n.desired, nullptr};
    ASSERT_EQ(Get(kAudioUnitProperty_ParameterIDName, &nameInfo), noErr);
    EXPECT_EQ(TestCFText(nameInfo.outName), n.name);
    CFRelease(nameInfo.outName);
  }

  const struct {
    int idx;
    const char* text;
    float value;
  } values[] = {{TestAUPlug::kMode, "Harder", 2.0f},
                {TestAUPlug::kMode, "harder", -7.0f},
                {TestAUPlug::kOffset, "0.25", -0.25f},
                {TestAUPlug::kGain, "0.25", 0.25f}};
  for (const auto& v : values) {
    CFStringRef text = CFStringCreateWithCString(nullptr, v.text, kCFStringEncodingUTF8);
    AudioUnitParameterValueFromString vfs{(AudioUnitParameterID)v.idx, text, -7.0f};
    ASSERT_EQ(Get(kAudioUnitProperty_ParameterValueFromString, &vfs), noErr);
    EXPECT_EQ(vfs.outValue, v.value) << v.text;
    CFRelease(text);
  }
}

TEST_F(PropertiesTest, BusesAndTheirFormats)
{
  UInt32 n = 9;
  EXPECT_EQ(Get(kAudioUnitProperty_ElementCount, &n, I), noErr);
  EXPECT_EQ(n, 1u);
  EXPECT_EQ(Get(kAudioUnitProperty_ElementCount, &n, G), noErr);
  EXPECT_EQ(n, 1u);
  EXPECT_EQ(Get(kAudioUnitProperty_ElementCount, &n, 4), noErr);
  EXPECT_EQ(n, 0u);

  AudioStreamBasicDescription f;
  ASSERT_EQ(Get(kAudioUnitProperty_StreamFormat, &f, O), noErr);
  EXPECT_EQ(f.mSampleRate, 44100.0);
  EXPECT_EQ(f.mFormatID, (UInt32)kAudioFormatLinearPCM);
  EXPECT_EQ(f.mFormatFlags, 41u);
  EXPECT_EQ(f.mBytesPerPacket, 4u);
  EXPECT_EQ(f.mFramesPerPacket, 1u);
  EXPECT_EQ(f.mBytesPerFrame, 4u);
  EXPECT_EQ(f.mChannelsPerFrame, 2u);
  EXPECT_EQ(f.mBitsPerChannel, 32u);

  AUChannelInfo pairs[2];
  ASSERT_EQ(Get(kAudioUnitProperty_SupportedNumChannels, &pairs), noErr);
  EXPECT_EQ(pairs[0].inChannels, 1);
  EXPECT_EQ(pairs[0].outChannels, 1);
  EXPECT_EQ(pairs[1].inChannels, 2);
  EXPECT_EQ(pairs[1].outChannels, 2);

  Listen(kAudioUnitProperty_StreamFormat);
  f.mChannelsPerFrame = 1;
  f.mSampleRate = 48000.0;
  ASSERT_EQ(Set(kAudioUnitProperty_StreamFormat, f, O), noErr);
  EXPECT_EQ(plug->GetSampleRate(), 48000.0);
  EXPECT_EQ(heard.size(), 1u);

  // Refused formats change nothing: the bus keeps the count it had.
  const struct {
    UInt32 formatID, flags, channels;
    Float64 sampleRate = 48000.0;
  } refused[] = {{kAudioFormatLinearPCM, 41, 0},           {kAudioFormatLinearPCM, 41, 3},
                 {0x61616320 /* 'aac ' */, 41, 2},         {kAudioFormatLinearPCM, kAudioFormatFlagIsSignedInteger, 2},
                 {kAudioFormatLinearPCM, 41, 0x80000000u}, {kAudioFormatLinearPCM, 41, 2, INFINITY}};
  for (const auto& r : refused) {
    AudioStreamBasicDescription bad = f;
    bad.mFormatID = r.formatID;
    bad.mFormatFlags = r.flags;
    bad.mChannelsPerFrame = r.channels;
    bad.mSampleRate = r.sampleRate;
    EXPECT_EQ(Set(kAudioUnitProperty_StreamFormat, bad, O), kAudioUnitErr_InvalidProperty) << r.channels;
    AudioStreamBasicDescription now;
    ASSERT_EQ(Get(kAudioUnitProperty_StreamFormat, &now, O), noErr);
    EXPECT_EQ(now.mChannelsPerFrame, 1u);
  }
  EXPECT_EQ(plug->GetSampleRate(), 48000.0);
  EXPECT_EQ(heard.size(), 1u);
}

TEST_F(PropertiesTest, SampleRateBlockSizeLatencyAndTail)
{
  Float64 seconds = 0.0;
  ASSERT_EQ(Get(kAudioUnitProperty_Latency, &seconds), noErr);
  EXPECT_NEAR(seconds, 0.011609977, 1e-9);
  ASSERT_EQ(Get(kAudioUnitProperty_TailTime, &seconds), noErr);
  EXPECT_NEAR(seconds, 0.011609977, 1e-9);

  const int resets = plug->resets;
  EXPECT_EQ(Set(kAudioUnitProperty_SampleRate, 96000.0), noErr);
  EXPECT_EQ(plug->resets, resets + 1);
  for (Float64 bad : {0.0, -44100.0, (double)NAN, (double)INFINITY})
    EXPECT_EQ(Set(kAudioUnitProperty_SampleRate, bad), kAudioUnitErr_InvalidPropertyValue) << bad;
  Float64 rate = 0.0;
  ASSERT_EQ(Get(kAudioUnitProperty_SampleRate, &rate), noErr);
  EXPECT_EQ(rate, 96000.0);

  EXPECT_EQ(Set(kAudioUnitProperty_MaximumFramesPerSlice, (UInt32)256), noErr);
  EXPECT_EQ(plug->GetBlockSize(), 256);
  EXPECT_EQ(Set(kAudioUnitProperty_MaximumFramesPerSlice, (UInt32)0), kAudioUnitErr_InvalidPropertyValue);
  EXPECT_EQ(Set(kAudioUnitProperty_MaximumFramesPerSlice, (UInt32)0xFFFFFFFF), kAudioUnitErr_InvalidPropertyValue);
  UInt32 frames = 0;
  ASSERT_EQ(Get(kAudioUnitProperty_MaximumFramesPerSlice, &frames), noErr);
  EXPECT_EQ(frames, 256u);
}

TEST_F(PropertiesTest, PresetsCurrentAndFactory)
{
  const long live = TestCFLiveObjects();
  CFArrayRef presets = nullptr;
  ASSERT_EQ(Get(kAudioUnitProperty_FactoryPresets, &presets), noErr);
  ASSERT_EQ(CFArrayGetCount(presets), 2);
  const AUPreset* second = (const AUPreset*)CFArrayGetValueAtIndex(presets, 1);
  EXPECT_EQ(second->presetNumber, 1);
  EXPECT_EQ(TestCFText(second->presetName),
            "\xC3\x9C"
            "ber preset");
  CFRelease(presets);
  EXPECT_EQ(TestCFLiveObjects(), live);  // the records and names went with it

  EXPECT_EQ(Set(kAudioUnitProperty_PresentPreset, AUPreset{1, nullptr}), noErr);
  EXPECT_EQ(plug->GetParam(TestAUPlug::kSteps)->Value(), 8.0);
  AUPreset current{};
  ASSERT_EQ(Get(kAudioUnitProperty_CurrentPreset, &current), noErr);
  EXPECT_EQ(current.presetNumber, 1);
  EXPECT_EQ(TestCFText(current.presetName),
            "\xC3\x9C"
            "ber preset");
  CFRelease(current.presetName);
  // A preset the plug-in does not have (a host's own, "User") restores
  // nothing, and is no error.
  EXPECT_EQ(Set(kAudioUnitProperty_CurrentPreset, AUPreset{2, nullptr}), noErr);
  EXPECT_EQ(Set(kAudioUnitProperty_PresentPreset, AUPreset{-1, nullptr}), noErr);
  EXPECT_EQ(plug->GetCurrentPresetIdx(), 1);
  EXPECT_EQ(plug->GetParam(TestAUPlug::kSteps)->Value(), 8.0);
  // A record cut short is still refused.
  const SInt32 number = 0;
  EXPECT_EQ(AudioUnitSetProperty(unit, kAudioUnitProperty_CurrentPreset, G, 0, &number, sizeof number),
            kAudioUnitErr_InvalidPropertyValue);
}

TEST_F(PropertiesTest, HostIdentityCallbacksAndMidiOutput)
{
  CFStringRef name = CFStringCreateWithCString(nullptr, "Logic Pro", kCFStringEncodingUTF8);
  AUHostIdentifier id{name, AUNumVersion{0, 0x80, 0x23, 8}};
  EXPECT_EQ(Set(kAudioUnitProperty_AUHostIdentifier, id), noErr);
  CFRelease(name);
  EXPECT_EQ(plug->GetHost(), 21);
  EXPECT_EQ(plug->GetHostVersion(false), 0x082300);

  CFArrayRef info = nullptr;
  ASSERT_EQ(Get(kAudioUnitProperty_MIDIOutputCallbackInfo, &info), noErr);
  ASSERT_EQ(CFArrayGetCount(info), 1);
  EXPECT_EQ(TestCFText((CFStringRef)CFArrayGetValueAtIndex(info, 0)), "Default Stream");
  CFRelease(info);

  GiveMidiCallback();
  AUMIDIOutputCallbackStruct callback{};
  ASSERT_EQ(Get(kAudioUnitProperty_MIDIOutputCallback, &callback), noErr);
  EXPECT_EQ(callback.userData, UserData());
  EXPECT_NE(callback.midiOutputCallback, nullptr);
  EXPECT_EQ(Set(kAudioUnitProperty_MIDIOutputCallback, callback, O), kAudioUnitErr_InvalidProperty);

  UInt32 instruments = 0;
  ASSERT_EQ(Get(kMusicDeviceProperty_InstrumentCount, &instruments), noErr);
  EXPECT_EQ(instruments, 1u);
}

TEST_F(PropertiesTest, TheHostIsKnownByItsBundleWhenItSaysNothing)
{
  TestCFSetMainBundle("com.apple.logic10");
  EXPECT_EQ(plug->GetHost(), 21);
  TestCFSetMainBundle(nullptr);
}

TEST_F(PropertiesTest, ViewsOnlyWithAnEditor)
{
  plug->GiveEditor();
  ComponentDescription desc{};
  ASSERT_EQ(Get(kAudioUnitProperty_GetUIComponentList, &desc), noErr);
  EXPECT_EQ(desc.componentType, (OSType)kAudioUnitCarbonViewComponentType);
  EXPECT_EQ(desc.componentType, 0x61757677u);  // 'auvw', where hosts look for the view
  EXPECT_EQ(desc.componentSubType, 0x74415570u);
  EXPECT_EQ(desc.componentManufacturer, 0x71376D32u);
  EXPECT_EQ(desc.componentFlags, 0u);

  AudioUnitCocoaViewInfo view{};
  // Not in the bundle list yet: nothing to point at.
  EXPECT_EQ(Get(kAudioUnitProperty_CocoaUI, &view), kAudioUnitErr_InvalidProperty);
  TestCFRegisterBundle("com.tolvo.test.plug", "/Library/Audio/Plug-Ins/Components/Test.component");
  ASSERT_EQ(Get(kAudioUnitProperty_CocoaUI, &view), noErr);
  CFStringRef path = CFURLCopyFileSystemPath(view.mCocoaAUViewBundleLocation, kCFURLPOSIXPathStyle);
  EXPECT_EQ(TestCFText(path), "/Library/Audio/Plug-Ins/Components/Test.component");
  EXPECT_EQ(TestCFText(view.mCocoaAUViewClass[0]), "TestPlug_View");
  CFRelease(path);
  CFRelease(view.mCocoaAUViewBundleLocation);
  CFRelease(view.mCocoaAUViewClass[0]);

  TestSetSystemVersion(0x1049);
  EXPECT_EQ(Get(kAudioUnitProperty_CocoaUI, &view), kAudioUnitErr_InvalidProperty);
  TestSetSystemVersion(0x1068);
}

}  // namespace
