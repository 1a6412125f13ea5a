// The component entry: the selector table, open and close, listeners,
// render notifications, parameters, scheduled events, notes in, and the
// Carbon view component.

#include <cmath>

#include "BindingFixture.h"

namespace {
using EntryTest = BindingTest;

TEST_F(EntryTest, CanDoAnswersForEverySelectorTheEntryHandles)
{
  const struct {
    int selector;
    ComponentResult canDo;
  } cases[] = {{-1, 1},    {-2, 1},    {-3, 1},    {-4, 1},     {-5, 0},    {0, 0},     {1, 1},     {2, 1},
               {3, 1},     {4, 1},     {5, 1},     {6, 1},      {7, 1},     {8, 0},     {9, 1},     {10, 1},
               {11, 1},    {12, 0},    {13, 0},    {14, 1},     {15, 1},    {16, 1},    {17, 1},    {18, 1},
               {19, 0},    {31, 0},    {32, 0},    {0x101, 1},  {0x102, 0}, {0x103, 1}, {0x104, 1}, {0x105, 1},
               {0x106, 1}, {0x107, 0}, {0x301, 0}, {0x7FFF, 0}, {-32768, 0}};
  for (const auto& c : cases) EXPECT_EQ(CallComponentCanDo(unit, (SInt16)c.selector), c.canDo) << c.selector;
}

// A Component Manager counts each argument at its own size, can-do's
// 16-bit selector as 2 bytes, though each has a word of the record. A
// record that says it holds less than its arguments need is refused before
// any is read; a can-do refused so cannot do.
TEST_F(EntryTest, CallRecordsAreReadAsFarAsTheySayTheyHold)
{
  const long render = TestCallWord((SInt16)kAudioUnitRenderSelect);
  for (int size : {2, 4, (int)sizeof(long)})
    EXPECT_EQ(TestCallWords(unit, kComponentCanDoSelect, &render, 1, size), 1) << size;
  for (int size : {0, 1}) EXPECT_EQ(TestCallWords(unit, kComponentCanDoSelect, &render, 1, size), 0) << size;

  // Get parameter: id, scope, element, then the value out, first in the
  // record.
  AudioUnitParameterValue value = -7.0f;
  const long get[] = {TestAUPlug::kSteps, kAudioUnitScope_Global, 0, TestCallWord(&value)};
  const int whole = 4 * (int)sizeof(long);
  EXPECT_EQ(TestCallWords(unit, kAudioUnitGetParameterSelect, get, 4, whole - 1), kAudioUnitErr_InvalidPropertyValue);
  EXPECT_EQ(value, -7.0f);
  EXPECT_EQ(TestCallWords(unit, kAudioUnitGetParameterSelect, get, 4, whole), noErr);
  EXPECT_EQ(value, 4.0f);

  const long note[] = {0x90, 60, 100, 0};
  EXPECT_EQ(TestCallWords(unit, kMusicDeviceMIDIEventSelect, note, 4, 0), kAudioUnitErr_InvalidPropertyValue);
  EXPECT_TRUE(plug->received.empty());
  EXPECT_EQ(TestCallWords(unit, kMusicDeviceMIDIEventSelect, note, 4, whole + 4), noErr);  // more is no harm
  EXPECT_EQ(plug->received.size(), 1u);
}

TEST_F(EntryTest, SelectorsOutsideTheTableAnswerBadSelector)
{
  for (int selector : {0, 8, 12, 13, 19, 0x102, 0x107, 0x301, -5})
    EXPECT_EQ(TestCall(unit, (SInt16)selector, 0L, 0L, 0L, 0L, 0L), badComponentSelector) << selector;
  const UInt8 sysex[] = {0xF0, 0x7E, 0xF7};
  EXPECT_EQ(MusicDeviceSysEx(unit, sysex, sizeof sysex), badComponentSelector);
  EXPECT_EQ(GetComponentVersion(unit), 0x00010203);
}

IFxAU* MakeNothing() { return nullptr; }
ComponentResult FailingEntry(ComponentParameters* params, Handle storage)
{
  return IFxAU::IFxAUEntry(params, storage, MakeNothing);
}

TEST(EntryOpen, APlugInThatCannotBeMadeFailsTheOpen)
{
  const Component component = TestRegisterComponent(TestAUPlug::kDescription, FailingEntry);
  EXPECT_EQ(OpenComponent(component), nullptr);
}

TEST_F(EntryTest, OpenKeepsTheInstanceAndCloseDeletesThePlugIn)
{
  EXPECT_EQ(plug->GetInstance(), unit);
  EXPECT_EQ((void*)GetComponentInstanceStorage(unit), (void*)plug);
  EXPECT_EQ(plug->NPresets(), 2);  // both initialised, so none pruned
  Close();
  EXPECT_EQ(TestAUPlug::sLast, nullptr);
}

TEST_F(EntryTest, InitializeAppliesEveryParameterAndActivates)
{
  plug->paramChanges.clear();
  EXPECT_EQ(AudioUnitInitialize(unit), noErr);
  EXPECT_TRUE(plug->IsInitialized());
  EXPECT_EQ(plug->paramChanges.size(), (size_t)TestAUPlug::kNumParams);
  EXPECT_EQ(AudioUnitUninitialize(unit), noErr);
  EXPECT_FALSE(plug->IsInitialized());
  EXPECT_EQ(plug->activations, (std::vector<bool>{true, false}));
}

TEST_F(EntryTest, InitializeRefusesChannelCountsNoPairAccepts)
{
  // Each alone is acceptable while the other side is open; together, 1 in
  // and 2 out, no declared pair takes them.
  AudioStreamBasicDescription format;
  ASSERT_EQ(Get(kAudioUnitProperty_StreamFormat, &format, kAudioUnitScope_Input), noErr);
  format.mChannelsPerFrame = 1;
  ASSERT_EQ(Set(kAudioUnitProperty_StreamFormat, format, kAudioUnitScope_Input), noErr);
  format.mChannelsPerFrame = 2;
  ASSERT_EQ(Set(kAudioUnitProperty_StreamFormat, format, kAudioUnitScope_Output), noErr);
  EXPECT_EQ(AudioUnitInitialize(unit), badComponentSelector);
  EXPECT_FALSE(plug->IsInitialized());
  EXPECT_TRUE(plug->activations.empty());
}

TEST_F(EntryTest, TheSameListenerIsHeldOnce)
{
  Listen(kAudioUnitProperty_SampleRate);
  Listen(kAudioUnitProperty_SampleRate);
  ASSERT_EQ(Set(kAudioUnitProperty_SampleRate, 48000.0), noErr);
  EXPECT_EQ(heard.size(), 1u);
  EXPECT_EQ(AudioUnitRemovePropertyListener(unit, kAudioUnitProperty_SampleRate, Heard), noErr);
  heard.clear();
  ASSERT_EQ(Set(kAudioUnitProperty_SampleRate, 44100.0), noErr);
  EXPECT_TRUE(heard.empty());
}

TEST_F(EntryTest, RemovingWithUserDataNeedsTheSameUserData)
{
  Listen(kAudioUnitProperty_BypassEffect);
  AUHost other;
  EXPECT_EQ(AudioUnitRemovePropertyListenerWithUserData(unit, kAudioUnitProperty_BypassEffect, Heard, &other), noErr);
  ASSERT_EQ(Set(kAudioUnitProperty_BypassEffect, (UInt32)1), noErr);
  EXPECT_EQ(heard.size(), 1u);
  EXPECT_EQ(AudioUnitRemovePropertyListenerWithUserData(unit, kAudioUnitProperty_BypassEffect, Heard, UserData()),
            noErr);
  ASSERT_EQ(Set(kAudioUnitProperty_BypassEffect, (UInt32)0), noErr);
  EXPECT_EQ(heard.size(), 1u);
  EXPECT_EQ(AudioUnitAddPropertyListener(unit, kAudioUnitProperty_BypassEffect, nullptr, UserData()),
            kAudioUnitErr_InvalidPropertyValue);
}

struct NotifyLog {
  std::vector<AudioUnitRenderActionFlags> flags;
  static OSStatus Proc(void* refCon, AudioUnitRenderActionFlags* flags, const AudioTimeStamp*, UInt32, UInt32,
                       AudioBufferList*)
  {
    ((NotifyLog*)refCon)->flags.push_back(*flags);
    return noErr;
  }
};

TEST_F(EntryTest, RenderNotificationsMayBeAddedTwiceAndGoOneAtATime)
{
  NotifyLog log;
  ASSERT_EQ(AudioUnitAddRenderNotify(unit, NotifyLog::Proc, &log), noErr);
  ASSERT_EQ(AudioUnitAddRenderNotify(unit, NotifyLog::Proc, &log), noErr);
  ASSERT_EQ(Render(), noErr);
  const AudioUnitRenderActionFlags pre = kAudioUnitRenderAction_PreRender, post = kAudioUnitRenderAction_PostRender;
  EXPECT_EQ(log.flags, (std::vector<AudioUnitRenderActionFlags>{pre, pre, post, post}));
  // The user data is not compared.
  ASSERT_EQ(AudioUnitRemoveRenderNotify(unit, NotifyLog::Proc, nullptr), noErr);
  log.flags.clear();
  ASSERT_EQ(Render(), noErr);
  EXPECT_EQ(log.flags, (std::vector<AudioUnitRenderActionFlags>{pre, post}));
}

TEST_F(EntryTest, ParametersThroughTheEntryAndTheFastProcedures)
{
  RecordingEditor* editor = plug->GiveEditor();
  editor->pushes.clear();
  plug->paramChanges.clear();
  EXPECT_EQ(AudioUnitSetParameter(unit, TestAUPlug::kSteps, kAudioUnitScope_Global, 0, 40.0f, 0), noErr);
  AudioUnitParameterValue value = 0.0f;
  EXPECT_EQ(AudioUnitGetParameter(unit, TestAUPlug::kSteps, kAudioUnitScope_Global, 0, &value), noErr);
  EXPECT_EQ(value, 16.0f);    // clamped
  editor->ShowPlugChanges();  // as the editor's next tick does
  ASSERT_EQ(editor->pushes.size(), 1u);
  EXPECT_EQ(editor->pushes[0].idx, TestAUPlug::kSteps);
  EXPECT_EQ(editor->pushes[0].value, 1.0);  // the control sees 16 of 1..16
  EXPECT_EQ(plug->paramChanges, (std::vector<int>{TestAUPlug::kSteps}));

  EXPECT_EQ(AudioUnitGetParameter(unit, TestAUPlug::kSteps, kAudioUnitScope_Input, 0, &value),
            kAudioUnitErr_InvalidProperty);
  EXPECT_EQ(plug->paramChanges.size(), 1u);

  AudioUnitGetParameterProc get = nullptr;
  AudioUnitSetParameterProc set = nullptr;
  ASSERT_EQ(Get(kAudioUnitProperty_FastDispatch, &get, kAudioUnitScope_Global, kAudioUnitGetParameterSelect), noErr);
  ASSERT_EQ(Get(kAudioUnitProperty_FastDispatch, &set, kAudioUnitScope_Global, kAudioUnitSetParameterSelect), noErr);
  void* storage = GetComponentInstanceStorage(unit);
  EXPECT_EQ(set(storage, TestAUPlug::kGain, kAudioUnitScope_Global, 0, 0.25f, 0), noErr);
  EXPECT_EQ(get(storage, TestAUPlug::kGain, kAudioUnitScope_Global, 0, &value), noErr);
  EXPECT_EQ(value, 0.25f);
  void* other = nullptr;
  EXPECT_EQ(Get(kAudioUnitProperty_FastDispatch, &other, kAudioUnitScope_Global, kAudioUnitResetSelect),
            kAudioUnitErr_InvalidElement);
}

// Wherever a host names a parameter by an id the plug-in does not have, it
// is told the parameter is invalid: the selectors, the fast procedures, the
// scheduled events and the properties of one parameter. Nothing is changed.
TEST_F(EntryTest, AnUnknownParameterIdIsAnInvalidParameter)
{
  const AudioUnitScope G = kAudioUnitScope_Global;
  AudioUnitGetParameterProc get = nullptr;
  AudioUnitSetParameterProc set = nullptr;
  ASSERT_EQ(Get(kAudioUnitProperty_FastDispatch, &get, G, kAudioUnitGetParameterSelect), noErr);
  ASSERT_EQ(Get(kAudioUnitProperty_FastDispatch, &set, G, kAudioUnitSetParameterSelect), noErr);
  void* storage = GetComponentInstanceStorage(unit);
  plug->paramChanges.clear();
  for (AudioUnitParameterID id : {(AudioUnitParameterID)TestAUPlug::kNumParams, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
    AudioUnitParameterValue value = 0.0f;
    EXPECT_EQ(AudioUnitGetParameter(unit, id, G, 0, &value), kAudioUnitErr_InvalidParameter) << id;
    EXPECT_EQ(AudioUnitSetParameter(unit, id, G, 0, 1.0f, 0), kAudioUnitErr_InvalidParameter) << id;
    EXPECT_EQ(get(storage, id, G, 0, &value), kAudioUnitErr_InvalidParameter) << id;
    EXPECT_EQ(set(storage, id, G, 0, 1.0f, 0), kAudioUnitErr_InvalidParameter) << id;
    AudioUnitParameterEvent event{};
    event.parameter = id;
    event.eventType = kParameterEvent_Immediate;
    EXPECT_EQ(AudioUnitScheduleParameters(unit, &event, 1), kAudioUnitErr_InvalidParameter) << id;

    UInt32 size = 0;
    Boolean writable = false;
    AudioUnitParameterInfo info;
    EXPECT_EQ(Info(kAudioUnitProperty_ParameterInfo, &size, &writable, G, id), kAudioUnitErr_InvalidParameter) << id;
    EXPECT_EQ(Get(kAudioUnitProperty_ParameterInfo, &info, G, id), kAudioUnitErr_InvalidParameter) << id;
    CFArrayRef strings = nullptr;
    EXPECT_EQ(Get(kAudioUnitProperty_ParameterValueStrings, &strings, G, id), kAudioUnitErr_InvalidParameter) << id;
    AudioUnitParameterStringFromValue sfv{id, nullptr, nullptr};
    EXPECT_EQ(Get(kAudioUnitProperty_ParameterStringFromValue, &sfv), kAudioUnitErr_InvalidParameter) << id;
    AudioUnitParameterNameInfo name{id, -1, nullptr};
    EXPECT_EQ(Get(kAudioUnitProperty_ParameterIDName, &name), kAudioUnitErr_InvalidParameter) << id;
    CFStringRef text = CFStringCreateWithCString(nullptr, "1", kCFStringEncodingUTF8);
    AudioUnitParameterValueFromString vfs{id, text, 0.0f};
    EXPECT_EQ(Get(kAudioUnitProperty_ParameterValueFromString, &vfs), kAudioUnitErr_InvalidParameter) << id;
    CFRelease(text);
  }
  EXPECT_TRUE(plug->paramChanges.empty());
  // A parameter that is there but has no texts keeps the property's answer.
  CFArrayRef strings = nullptr;
  EXPECT_EQ(Get(kAudioUnitProperty_ParameterValueStrings, &strings, G, TestAUPlug::kGain),
            kAudioUnitErr_InvalidProperty);
}

AudioUnitParameterEvent Immediate(AudioUnitParameterID id, float value, AudioUnitScope scope = kAudioUnitScope_Global)
{
  AudioUnitParameterEvent e{};
  e.scope = scope;
  e.parameter = id;
  e.eventType = kParameterEvent_Immediate;
  e.eventValues.immediate.value = value;
  return e;
}

TEST_F(EntryTest, ScheduledParametersSetImmediateEventsUpToTheFirstError)
{
  AudioUnitParameterEvent ramp{};
  ramp.parameter = TestAUPlug::kGain;
  ramp.eventType = kParameterEvent_Ramped;
  ramp.eventValues.ramp.endValue = 1.0f;
  EXPECT_EQ(AudioUnitScheduleParameters(unit, &ramp, 1), noErr);
  EXPECT_EQ(plug->GetParam(TestAUPlug::kGain)->Value(), 0.5);

  const AudioUnitParameterEvent events[] = {Immediate(TestAUPlug::kGain, 0.75f), ramp,
                                            Immediate(TestAUPlug::kSteps, 2.0f, kAudioUnitScope_Output),
                                            Immediate(TestAUPlug::kMode, 2.0f)};
  EXPECT_EQ(AudioUnitScheduleParameters(unit, events, 4), kAudioUnitErr_InvalidProperty);
  EXPECT_EQ(plug->GetParam(TestAUPlug::kGain)->Value(), 0.75);
  EXPECT_EQ(plug->GetParam(TestAUPlug::kSteps)->Value(), 4.0);
  EXPECT_EQ(plug->GetParam(TestAUPlug::kMode)->Value(), 1.0);
  EXPECT_EQ(AudioUnitScheduleParameters(unit, nullptr, 2), kAudioUnitErr_InvalidPropertyValue);
}

TEST_F(EntryTest, MidiEventsAndNotesReachThePlugIn)
{
  EXPECT_EQ(MusicDeviceMIDIEvent(unit, 0xB3, 7, 100, 12), noErr);
  EXPECT_EQ(MusicDevicePrepareInstrument(unit, 0), noErr);
  const struct {
    float pitch, velocity;
    UInt32 id;
    uint8_t note, vel;
  } notes[] = {{60.7f, 100.2f, 60, 60, 100}, {300.0f, -5.0f, 127, 127, 0}, {NAN, 1e30f, 0, 0, 127}};
  for (const auto& n : notes) {
    MusicDeviceNoteParams params{2, n.pitch, n.velocity, {}};
    NoteInstanceID id = 999;
    EXPECT_EQ(MusicDeviceStartNote(unit, 0, 0, &id, 256, &params), noErr);
    EXPECT_EQ(id, n.id) << n.pitch;
  }
  EXPECT_EQ(MusicDeviceStopNote(unit, 0, 60, 300), noErr);
  EXPECT_EQ(MusicDeviceStopNote(unit, 0, 0xFFFFFFFF, 0), kAudioUnitErr_InvalidPropertyValue);
  EXPECT_EQ(MusicDeviceStartNote(unit, 0, 0, nullptr, 0, nullptr), kAudioUnitErr_InvalidPropertyValue);

  const std::vector<IMidiMessage>& r = plug->received;
  ASSERT_EQ(r.size(), 5u);
  const IMidiMessage expected[] = {
      {12, 0xB3, 7, 100}, {256, 0x90, 60, 100}, {256, 0x90, 127, 0}, {256, 0x90, 0, 127}, {300, 0x80, 60, 0}};
  for (size_t i = 0; i < r.size(); ++i) {
    EXPECT_EQ(r[i].mOffset, expected[i].mOffset) << i;
    EXPECT_EQ(r[i].mStatus, expected[i].mStatus) << i;
    EXPECT_EQ(r[i].mData1, expected[i].mData1) << i;
    EXPECT_EQ(r[i].mData2, expected[i].mData2) << i;
  }
}

// An editor that opens in a Carbon window, as the macOS back end does.
class CarbonEditor : public RecordingEditor {
public:
  using RecordingEditor::OpenWindow;
  using RecordingEditor::RecordingEditor;
  void* OpenWindow(void* pWindow, void* pParentControl) override
  {
    window = pWindow;
    parent = pParentControl;
    return pane;
  }
  void* window = nullptr;
  void* parent = nullptr;
  void* pane = nullptr;  // what it makes; null when it cannot
};

class CarbonViewTest : public BindingTest {
protected:
  void SetUp() override
  {
    BindingTest::SetUp();
    static const Component viewComponent = TestRegisterComponent(
        ComponentDescription{kAudioUnitCarbonViewComponentType, 0x74415570, 0x71376D32, 0, 0}, TestAUPlug::ViewEntry);
    view = OpenComponent(viewComponent);
    ASSERT_NE(view, nullptr);
  }
  void TearDown() override
  {
    if (view) {
      EXPECT_EQ(CloseComponent(view), noErr);
    }
    BindingTest::TearDown();
  }
  AUCarbonViewRecord* Record() { return (AUCarbonViewRecord*)GetComponentInstanceStorage(view); }
  OSStatus Create()
  {
    ControlRef control = nullptr;
    return AudioUnitCarbonViewCreate(view, unit, nullptr, nullptr, nullptr, nullptr, &control);
  }

  AudioUnitCarbonView view = nullptr;
};

TEST_F(CarbonViewTest, WithoutAnEditorThereIsNoView)
{
  ASSERT_NE(Record(), nullptr);
  EXPECT_EQ(Record()->mView, view);
  EXPECT_EQ(Record()->mPlug, nullptr);
  EXPECT_EQ(Create(), badComponentSelector);
  EXPECT_EQ(Record()->mPlug, plug);
  EXPECT_EQ(TestCall(view, 0x0302), badComponentSelector);
}

TEST_F(CarbonViewTest, TheViewIsTheEditorInTheHostsWindow)
{
  CarbonEditor* editor = new CarbonEditor(plug);
  plug->GiveEditor(editor);
  int window = 0, parent = 0, pane = 0;
  editor->pane = &pane;
  ControlRef control = nullptr;
  EXPECT_EQ(AudioUnitCarbonViewCreate(view, unit, (WindowRef)&window, (ControlRef)&parent, nullptr, nullptr, &control),
            noErr);
  EXPECT_EQ(control, (ControlRef)&pane);
  EXPECT_EQ(editor->window, &window);
  EXPECT_EQ(editor->parent, &parent);

  // A pane that cannot be made is not reported as a view.
  editor->pane = nullptr;
  control = nullptr;
  EXPECT_EQ(AudioUnitCarbonViewCreate(view, unit, (WindowRef)&window, nullptr, nullptr, nullptr, &control),
            badComponentSelector);
  EXPECT_EQ(control, nullptr);
}

TEST_F(CarbonViewTest, ClosingTheViewClosesTheEditorWindow)
{
  RecordingEditor* editor = plug->GiveEditor();
  int parent = 0;
  ASSERT_NE(editor->OpenWindow(&parent), nullptr);
  Create();
  EXPECT_EQ(CloseComponent(view), noErr);
  view = nullptr;
  EXPECT_FALSE(editor->WindowIsOpen());
}

TEST_F(CarbonViewTest, AViewClosedAfterItsAudioUnitLeavesThePlugInAlone)
{
  plug->GiveEditor();
  Create();
  Close();
  // The plug-in is gone: the view's record no longer points at it, and
  // closing the view touches nothing of it.
  EXPECT_EQ(Record()->mPlug, nullptr);
  EXPECT_EQ(CloseComponent(view), noErr);
  view = nullptr;
}

}  // namespace
