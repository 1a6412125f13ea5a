// The saved-state dictionary of the class-info property.

#include "BindingFixture.h"

namespace {
class StateTest : public BindingTest {
protected:
  CFMutableDictionaryRef SaveState()
  {
    CFPropertyListRef state = nullptr;
    EXPECT_EQ(Get(kAudioUnitProperty_ClassInfo, &state), noErr);
    return (CFMutableDictionaryRef)state;
  }

  static CFStringRef Key(const char* key) { return CFStringCreateWithCString(nullptr, key, kCFStringEncodingUTF8); }

  static void Put(CFMutableDictionaryRef dict, const char* key, CFTypeRef value)
  {
    CFStringRef k = Key(key);
    CFDictionarySetValue(dict, k, value);
    CFRelease(k);
    CFRelease(value);
  }

  static void Remove(CFMutableDictionaryRef dict, const char* key)
  {
    CFStringRef k = Key(key);
    CFDictionaryRemoveValue(dict, k);
    CFRelease(k);
  }

  static SInt32 Number(CFDictionaryRef dict, const char* key)
  {
    CFStringRef k = Key(key);
    SInt32 value = -1;
    CFNumberGetValue((CFNumberRef)CFDictionaryGetValue(dict, k), kCFNumberSInt32Type, &value);
    CFRelease(k);
    return value;
  }

  static CFTypeRef Value(CFDictionaryRef dict, const char* key)
  {
    CFStringRef k = Key(key);
    CFTypeRef value = CFDictionaryGetValue(dict, k);
    CFRelease(k);
    return value;
  }

  std::vector<double> Values() const
  {
    std::vector<double> v;
    for (int i = 0; i < plug->NParams(); ++i) v.push_back(plug->GetParam(i)->Value());
    return v;
  }

  void SetValues()
  {
    AudioUnitSetParameter(unit, TestAUPlug::kBypass, kAudioUnitScope_Global, 0, 1.0f, 0);
    AudioUnitSetParameter(unit, TestAUPlug::kSteps, kAudioUnitScope_Global, 0, 13.0f, 0);
    AudioUnitSetParameter(unit, TestAUPlug::kGain, kAudioUnitScope_Global, 0, 0.125f, 0);
  }
};

TEST_F(StateTest, TheDictionaryHoldsTheIdentityThePresetAndTheParameters)
{
  ASSERT_EQ(Set(kAudioUnitProperty_PresentPreset, AUPreset{1, nullptr}), noErr);
  CFMutableDictionaryRef state = SaveState();
  ASSERT_NE(state, nullptr);
  EXPECT_EQ(CFGetRetainCount(state), 1);  // the host's to release
  EXPECT_EQ(CFDictionaryGetCount(state), 6);
  EXPECT_EQ(Number(state, "version"), 0x00010203);
  EXPECT_EQ(Number(state, "type"), (SInt32)TestAUPlug::kDescription.componentType);
  EXPECT_EQ(Number(state, "subtype"), (SInt32)TestAUPlug::kDescription.componentSubType);
  EXPECT_EQ(Number(state, "manufacturer"), (SInt32)TestAUPlug::kDescription.componentManufacturer);
  EXPECT_EQ(TestCFText((CFStringRef)Value(state, "name")),
            "\xC3\x9C"
            "ber preset");
  CFDataRef data = (CFDataRef)Value(state, "data");
  ASSERT_EQ(CFGetTypeID(data), CFDataGetTypeID());
  EXPECT_EQ(CFDataGetLength(data), 8 * TestAUPlug::kNumParams);
  CFRelease(state);
}

TEST_F(StateTest, ARoundTripRestoresEveryParameterAndThePresetByName)
{
  ASSERT_EQ(Set(kAudioUnitProperty_PresentPreset, AUPreset{1, nullptr}), noErr);
  SetValues();
  const std::vector<double> saved = Values();
  CFMutableDictionaryRef state = SaveState();

  AUHost second;
  second.Open(TestAUPlug::Registered());
  TestAUPlug* fresh = TestAUPlug::sLast;
  fresh->paramChanges.clear();
  EXPECT_EQ(second.Set(kAudioUnitProperty_ClassInfo, (CFPropertyListRef)state), noErr);
  for (int i = 0; i < fresh->NParams(); ++i) EXPECT_EQ(fresh->GetParam(i)->Value(), saved[i]) << i;
  EXPECT_EQ(fresh->GetCurrentPresetIdx(), 1);
  EXPECT_GE(fresh->paramChanges.size(), (size_t)TestAUPlug::kNumParams);
  second.Close();

  // A name no preset has still restores the data.
  Put(state, "name", Key("No such preset"));
  SetValues();
  AudioUnitSetParameter(unit, TestAUPlug::kSteps, kAudioUnitScope_Global, 0, 2.0f, 0);
  EXPECT_EQ(Set(kAudioUnitProperty_ClassInfo, (CFPropertyListRef)state), noErr);
  EXPECT_EQ(plug->GetParam(TestAUPlug::kSteps)->Value(), 13.0);
  CFRelease(state);
}

TEST_F(StateTest, APresetNameOfAnyLengthIsFound)
{
  const std::string name(200, 'n');
  ASSERT_EQ(Set(kAudioUnitProperty_PresentPreset, AUPreset{1, nullptr}), noErr);
  plug->ModifyCurrentPreset(name.c_str());
  CFMutableDictionaryRef state = SaveState();
  ASSERT_EQ(Set(kAudioUnitProperty_PresentPreset, AUPreset{0, nullptr}), noErr);
  EXPECT_EQ(Set(kAudioUnitProperty_ClassInfo, (CFPropertyListRef)state), noErr);
  EXPECT_EQ(plug->GetCurrentPresetIdx(), 1);
  CFRelease(state);
}

TEST_F(StateTest, ARefusedDictionaryChangesNothing)
{
  const SInt32 otherSubtype = 0x6F746872;  // 'othr'
  const UInt8 shortData[12] = {};
  const struct {
    const char* what;
    const char* key;  // the key changed or removed
    CFTypeRef value;  // null: removed
  } cases[] = {
      {"another subtype", "subtype", CFNumberCreate(nullptr, kCFNumberSInt32Type, &otherSubtype)},
      {"no version", "version", nullptr},
      {"no type", "type", nullptr},
      {"no subtype", "subtype", nullptr},
      {"no manufacturer", "manufacturer", nullptr},
      {"no name", "name", nullptr},
      {"no data", "data", nullptr},
      {"a name that is a number", "name", CFNumberCreate(nullptr, kCFNumberSInt32Type, &otherSubtype)},
      {"data too short", "data", CFDataCreate(nullptr, shortData, sizeof shortData)},
      {"empty data", "data", CFDataCreate(nullptr, nullptr, 0)},
  };
  SetValues();
  CFMutableDictionaryRef good = SaveState();
  AudioUnitSetParameter(unit, TestAUPlug::kSteps, kAudioUnitScope_Global, 0, 7.0f, 0);
  ASSERT_EQ(Set(kAudioUnitProperty_PresentPreset, AUPreset{1, nullptr}), noErr);
  AudioUnitSetParameter(unit, TestAUPlug::kGain, kAudioUnitScope_Global, 0, 0.75f, 0);
  const std::vector<double> held = Values();
  for (const auto& c : cases) {
    CFMutableDictionaryRef state = SaveState();
    // The good state's bytes, with one key spoilt.
    Put(state, "data", CFRetain(Value(good, "data")));
    if (c.value)
      Put(state, c.key, c.value);
    else
      Remove(state, c.key);
    EXPECT_EQ(Set(kAudioUnitProperty_ClassInfo, (CFPropertyListRef)state), kAudioUnitErr_InvalidPropertyValue)
        << c.what;
    EXPECT_EQ(Values(), held) << c.what;
    EXPECT_EQ(plug->GetCurrentPresetIdx(), 1) << c.what;
    CFRelease(state);
  }
  CFStringRef notADictionary = Key("state");
  EXPECT_EQ(Set(kAudioUnitProperty_ClassInfo, (CFPropertyListRef)notADictionary), kAudioUnitErr_InvalidPropertyValue);
  CFRelease(notADictionary);
  EXPECT_EQ(Set(kAudioUnitProperty_ClassInfo, (CFPropertyListRef) nullptr), kAudioUnitErr_InvalidPropertyValue);
  EXPECT_EQ(Values(), held);
  CFRelease(good);
}

TEST_F(StateTest, AStateThatCannotBeSavedIsAnErrorNotAnEmptyDictionary)
{
  const long live = TestCFLiveObjects();
  plug->failState = true;
  CFPropertyListRef state = nullptr;
  EXPECT_EQ(Get(kAudioUnitProperty_ClassInfo, &state), kAudioUnitErr_InvalidPropertyValue);
  EXPECT_EQ(state, nullptr);
  EXPECT_EQ(TestCFLiveObjects(), live);
}

}  // namespace
