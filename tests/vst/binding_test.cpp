// The VST 2 binding as a host sees it: the test plug-ins loaded through the
// test host, whose view of every record is raw byte offsets.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "TestPlug.h"
#include "VstHost.h"

namespace {

using vsthost::Callback;
using vsthost::Event;
using vsthost::Offset;
using vsthost::Plugin;
using vsthost::ProcessKind;

vsthost::Library& Lib(const char* path)
{
  // Loaded once per process and kept: instances come and go.
  static vsthost::Library plug, synth;
  vsthost::Library& lib = std::strcmp(path, TESTPLUG_PATH) ? synth : plug;
  if (!lib.HasEntryPoint()) {
    std::string error;
    EXPECT_TRUE(lib.Open(path, &error)) << error;
  }
  return lib;
}

class Binding : public ::testing::Test {
protected:
  void SetUp() override
  {
    ASSERT_TRUE(Lib(TESTPLUG_PATH).HasEntryPoint());
    plug.reset(new Plugin(Lib(TESTPLUG_PATH)));
    ASSERT_TRUE(plug->Create());
    plug->Dispatch(vsthost::kOpen);
    plug->ClearCallbacks();
  }

  int Count(const char* what)
  {
    auto fn = reinterpret_cast<TestPlugCountFn>(Lib(TESTPLUG_PATH).Symbol("TestPlug_Count"));
    return fn(plug->Effect(), what);
  }

  std::vector<double> Time()
  {
    auto fn = reinterpret_cast<TestPlugTimeFn>(Lib(TESTPLUG_PATH).Symbol("TestPlug_Time"));
    std::vector<double> out(kTestPlugTimeValues, -99.0);
    fn(plug->Effect(), out.data());
    return out;
  }

  std::string Text(int32_t opcode, int32_t index = 0, intptr_t value = 0, float opt = 0.0f, intptr_t* result = nullptr)
  {
    char buf[256];
    std::memset(buf, 0x7F, sizeof buf);
    intptr_t r = plug->Dispatch(opcode, index, value, buf, opt);
    if (result) *result = r;
    if (buf[0] == 0x7F) return "<untouched>";
    size_t n = strnlen(buf, sizeof buf);
    EXPECT_LT(n, sizeof buf);
    EXPECT_EQ(buf[n + 1], 0x7F) << "wrote past the terminator";
    return std::string(buf, n);
  }

  std::vector<const Callback*> CallbacksOf(int32_t opcode)
  {
    std::vector<const Callback*> v;
    for (const Callback& cb : plug->Callbacks())
      if (cb.opcode == opcode) v.push_back(&cb);
    return v;
  }

  std::vector<uint8_t> GetChunk(int32_t index) { return plug->GetChunk(index == 0); }
  intptr_t SetChunk(int32_t index, const std::vector<uint8_t>& bytes) { return plug->SetChunk(index == 0, bytes); }

  std::unique_ptr<Plugin> plug;
};

std::vector<uint8_t> Doubles(std::vector<double> values, bool header)
{
  std::vector<uint8_t> b;
  if (header) b = {0x74, 0x66, 0x66, 0x70, 0x00, 0x00, 0x01, 0x00};
  for (double v : values) {
    uint8_t d[8];
    std::memcpy(d, &v, 8);
    b.insert(b.end(), d, d + 8);
  }
  return b;
}

// --- The effect record ---

TEST_F(Binding, EffectRecordHoldsWhatThePluginDeclares)
{
  std::vector<uint8_t> bytes = plug->RecordBytes();
  ASSERT_EQ(bytes.size(), sizeof(void*) == 8 ? 192u : 144u);
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 4), (std::vector<uint8_t>{0x50, 0x74, 0x73, 0x56}));

  vsthost::EffectRecord r = plug->Record();
  EXPECT_EQ(r.numPrograms, 2);
  EXPECT_EQ(r.numParams, 4);  // the host-visible ones only
  EXPECT_EQ(r.numInputs, 2);
  EXPECT_EQ(r.numOutputs, 2);
  EXPECT_EQ(r.flags, 0x1000 | 0x10 | 0x20 | 0x1);  // double, replacing, chunks, editor
  EXPECT_EQ(r.initialDelay, 16);
  EXPECT_EQ(r.ioRatio, 1.0f);
  EXPECT_EQ(r.uniqueID, 0x74547374);
  EXPECT_EQ(r.version, 10200);
  EXPECT_TRUE(r.dispatcher && r.process && r.setParameter && r.getParameter && r.processReplacing &&
              r.processDoubleReplacing && r.object);
  EXPECT_TRUE(r.resvd1 == 0 && r.resvd2 == 0 && r.realQualities == 0 && r.offQualities == 0 && !r.user && r.futureZero);
}

TEST(BindingSynth, FlagsAndProgramCountFollowTheSettings)
{
  Plugin synth(Lib(TESTSYNTH_PATH));
  ASSERT_TRUE(synth.Create());
  vsthost::EffectRecord r = synth.Record();
  EXPECT_EQ(r.numPrograms, 1);  // none declared, at least one reported
  EXPECT_EQ(r.numParams, 2);
  EXPECT_EQ(r.numInputs, 1);
  EXPECT_EQ(r.numOutputs, 2);
  EXPECT_EQ(r.flags, 0x1000 | 0x10 | 0x8 | 0x100);  // double, replacing, a mono pair, synth
  EXPECT_EQ(synth.Dispatch(35), 2);                 // category synth
  char text[64] = "sendVstEvents";
  EXPECT_EQ(synth.Dispatch(vsthost::kCanDo, 0, 0, text), 0);  // no MIDI
  std::strcpy(text, "receiveVstTimeInfo");
  EXPECT_EQ(synth.Dispatch(vsthost::kCanDo, 0, 0, text), 1);
  void* rect = nullptr;
  EXPECT_EQ(synth.Dispatch(13, 0, 0, &rect), 0);  // no editor
  EXPECT_EQ(synth.Dispatch(15), 0);
}

// --- Dispatcher opcodes ---

TEST_F(Binding, OpcodesWithFixedAnswers)
{
  struct Case {
    int32_t opcode, index;
    intptr_t value, expected;
  };
  const Case cases[] = {
      {3, 0, 0, 0},                           // current program
      {19, 0, 0, 0},                          // edit idle
      {53, 0, 0, 0},                          // idle
      {70, 0, 0, 0},                          // shell: not one
      {22, 0, 0, 0x4E764566},                 // identify
      {26, 3, 0, 1},                          // can be automated
      {26, 9999, 0, 1},       {35, 0, 0, 1},  // category effect
      {41, 0, 0, 0},                          // variable I/O
      {58, 0, 0, 2400},       {9, 0, 0, 0},   // not in the table
      {44, 0, 1, 0},          {71, 0, 0, 0}, {-1, 0, 0, 0}, {100000, 0, 0, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(plug->Dispatch(c.opcode, c.index, c.value), c.expected) << "opcode " << c.opcode;

  // Requests that need a pointer answer 0 without one and write nothing.
  for (int32_t op : {13, 14, 23, 29, 33, 34, 45, 47, 48, 50, 51, 66, 25})
    EXPECT_EQ(plug->Dispatch(op, op == 50 ? 7 : 0, 0, nullptr), 0) << "opcode " << op;
}

TEST_F(Binding, TextsAreCopiedBoundedAndTerminated)
{
  EXPECT_EQ(Text(45), "Tolvo Test Plug-in With A Long ");  // effect name: 31 characters
  EXPECT_EQ(Text(47), "Tolvo Makers");
  EXPECT_EQ(Text(48), std::string("Tolvo Test Product, with a name that runs on past what hosts give room for", 63));
  EXPECT_EQ(Text(8, 0), "Gain");
  EXPECT_EQ(Text(6, 0), "dB");
  EXPECT_EQ(Text(7, 0), "0.50");
  EXPECT_EQ(Text(7, 2), "Up");     // display text
  EXPECT_EQ(Text(8, 4), "Shift");  // hidden from the host, still in the list
  EXPECT_EQ(Text(8, 5), "<untouched>");
  EXPECT_EQ(Text(7, -1), "<untouched>");
  EXPECT_EQ(Text(5), "Soft");

  intptr_t r = 0;
  EXPECT_EQ(Text(29, 1, 0, 0.0f, &r), "Loud");
  EXPECT_EQ(r, 1);
  EXPECT_EQ(Text(29, 2, 0, 0.0f, &r), "");
  EXPECT_EQ(r, 0);

  // A long program name is kept whole, and handed out cut to the buffer.
  std::string longName(300, 'n');
  plug->Dispatch(4, 0, 0, &longName[0]);
  EXPECT_EQ(Text(5), std::string(63, 'n'));
}

TEST_F(Binding, MidiKeyNames)
{
  struct Case {
    int32_t key;
    intptr_t result;
    std::string name;
  };
  for (const Case& c : {Case{60, 1, "Middle C"}, Case{61, 1, std::string(63, 'k')}, Case{62, 0, ""}}) {
    uint8_t rec[80];
    std::memset(rec, 0x7F, sizeof rec);
    std::memcpy(rec + 4, &c.key, 4);
    EXPECT_EQ(plug->Dispatch(66, 0, 0, rec), c.result) << c.key;
    EXPECT_EQ(std::string(reinterpret_cast<char*>(rec + 8)), c.name);
    int32_t reserved, flags;
    std::memcpy(&reserved, rec + 72, 4);
    std::memcpy(&flags, rec + 76, 4);
    EXPECT_EQ(reserved, 0x7F7F7F7F);  // nothing written past the name
    EXPECT_EQ(flags, 0x7F7F7F7F);
  }
}

TEST_F(Binding, PinProperties)
{
  struct Case {
    int32_t opcode, index;
    intptr_t result;
    int32_t flags;
    const char* label;
  };
  const Case cases[] = {{33, 0, 1, 3, "Input 1"},  {33, 1, 1, 1, "Input 2"},  {33, 2, 0, 0, nullptr},
                        {34, 0, 1, 3, "Output 1"}, {34, 1, 1, 1, "Output 2"}, {34, -1, 0, 0, nullptr}};
  for (const Case& c : cases) {
    uint8_t props[128] = {};
    EXPECT_EQ(plug->Dispatch(c.opcode, c.index, 0, props), c.result) << c.opcode << "/" << c.index;
    if (!c.label) continue;
    int32_t flags;
    std::memcpy(&flags, props + 64, 4);
    EXPECT_EQ(flags, c.flags);
    EXPECT_STREQ(reinterpret_cast<char*>(props), c.label);
  }
}

TEST_F(Binding, CanDo)
{
  const intptr_t kBeef = static_cast<intptr_t>(0xBEEF0000u);  // negative on 32 bits, as the host sees it
  struct Case {
    const char* text;
    intptr_t answer;
  };
  const Case cases[] = {{"receiveVstTimeInfo", 1},
                        {"sendVstEvents", 1},
                        {"sendVstMidiEvent", 1},
                        {"receiveVstEvents", 1},
                        {"receiveVstMidiEvent", 1},
                        {"hasVendorExtensions", kBeef},
                        {"hasVendorViewAsConfig", kBeef},
                        {"receivevsttimeinfo", 0},
                        {"receiveVstTimeInfo ", 0},
                        {"bypass", 0},
                        {"", 0}};
  for (const Case& c : cases) {
    std::string text = c.text;
    EXPECT_EQ(plug->Dispatch(vsthost::kCanDo, 0, 0, &text[0]), c.answer) << "\"" << c.text << "\"";
  }
}

TEST_F(Binding, VendorSpecificShowsAValueForTheHost)
{
  intptr_t r = 0;
  EXPECT_EQ(Text(50, 7, 0, 0.25f, &r), "0.25");
  EXPECT_EQ(r, 0xBEEF);
  EXPECT_EQ(Text(50, 7, 2, 0.5f, &r), "Down");
  EXPECT_EQ(Text(50, 7, 99, 0.5f, &r), "<untouched>");
  EXPECT_EQ(r, 0xBEEF);
  EXPECT_EQ(Text(50, 6, 0, 0.5f, &r), "<untouched>");
  EXPECT_EQ(r, 0);
}

TEST_F(Binding, StringToParameter)
{
  struct Case {
    int32_t index;
    const char* text;
    intptr_t result;
    int32_t checkIndex;
    float normalized;
  };
  const Case cases[] = {
      {2, "Down", 1, 2, 0.5f},  // display text
      {2, "down", 0, 2, 0.5f},  // texts match exactly; nothing changes
      {2, "Sideways", 0, 2, 0.5f}, {0, "0.75", 1, 0, 0.75f}, {0, "7", 1, 0, 1.0f},  // clamped to the range
      {4, "3", 1, 4, 0.375f},                                                       // a negated display: -3 of -12..12
      {99, "1", 0, 0, 1.0f},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    EXPECT_EQ(plug->Dispatch(27, c.index, 0, &text[0]), c.result) << c.index << " " << c.text;
    EXPECT_NEAR(plug->GetParameter(c.checkIndex), c.normalized, 1e-6) << c.index << " " << c.text;
  }
  EXPECT_EQ(plug->Dispatch(27, 0, 0, nullptr), 1);  // a probe
  EXPECT_EQ(plug->Dispatch(27, -1, 0, nullptr), 0);
  EXPECT_EQ(Count("lastParamChange"), 4);
}

TEST_F(Binding, SampleRateBlockSizeAndActivation)
{
  const int resets = Count("resets");
  plug->Dispatch(vsthost::kSetSampleRate, 0, 0, nullptr, 48000.0f);
  EXPECT_EQ(Count("sampleRate"), 48000);
  plug->Dispatch(vsthost::kSetBlockSize, 0, 256);
  EXPECT_EQ(Count("blockSize"), 256);
  for (intptr_t bad : {intptr_t(0), intptr_t(-5)}) plug->Dispatch(vsthost::kSetBlockSize, 0, bad);
  EXPECT_EQ(Count("blockSize"), 256);
  EXPECT_EQ(Count("resets"), resets + 2);  // a bad block size is ignored outright

  plug->Dispatch(vsthost::kMainsChanged, 0, 1);
  EXPECT_EQ(Count("activations"), 1);
  EXPECT_EQ(Count("resets"), resets + 2);
  plug->Dispatch(vsthost::kMainsChanged, 0, 0);
  EXPECT_EQ(Count("deactivations"), 1);
  EXPECT_EQ(Count("resets"), resets + 3);
}

TEST_F(Binding, EditorRectangleOpenAndClose)
{
  void* rect = nullptr;
  ASSERT_EQ(plug->Dispatch(13, 0, 0, &rect), 1);
  int16_t r[4];
  std::memcpy(r, rect, sizeof r);
  EXPECT_EQ(r[0], 0);
  EXPECT_EQ(r[1], 0);
  EXPECT_EQ(r[2], 200);  // bottom = height
  EXPECT_EQ(r[3], 300);  // right = width

  int parent = 0;
  EXPECT_EQ(plug->Dispatch(14, 0, 0, nullptr), 0);  // no window made
  EXPECT_EQ(Count("guiOpens"), 0);
  EXPECT_EQ(plug->Dispatch(14, 0, 0, &parent), 1);
  EXPECT_EQ(Count("guiOpens"), 1);
  EXPECT_EQ(plug->Dispatch(15), 1);
  EXPECT_EQ(Count("guiCloses"), 1);
  EXPECT_EQ(Count("editorClosed"), 1);
  EXPECT_EQ(Count("editorPrepared"), 1);
}

TEST_F(Binding, ProgramsSwitchAndRename)
{
  EXPECT_NEAR(plug->GetParameter(0), 0.5, 1e-6);  // the defaults, until a program is chosen
  plug->Dispatch(2, 0, 1);
  EXPECT_EQ(plug->Dispatch(3), 1);
  EXPECT_NEAR(plug->GetParameter(0), 1.0, 1e-6);
  EXPECT_NEAR(plug->GetParameter(1), 7.0 / 15.0, 1e-6);  // 8 of 1..16

  // A plug-in with chunks keeps the preset as stored when switching away.
  plug->SetParameter(0, 0.1f);
  plug->Dispatch(2, 0, 0);
  plug->Dispatch(2, 0, 1);
  EXPECT_NEAR(plug->GetParameter(0), 1.0, 1e-6);

  char name[] = "Renamed";
  EXPECT_EQ(plug->Dispatch(4, 0, 0, name), 0);
  EXPECT_EQ(Text(5), "Renamed");
  EXPECT_EQ(Text(29, 1), "Renamed");
  EXPECT_GE(Count("presetsChanged"), 1);

  plug->Dispatch(2, 0, 7);  // out of range: nothing changes
  EXPECT_EQ(plug->Dispatch(3), 1);
}

// --- Parameters ---

TEST_F(Binding, ParameterCallbacks)
{
  EXPECT_NEAR(plug->GetParameter(0), 0.5, 1e-6);
  const int changes = Count("paramChanges");
  const int editor = Count("editorParams");
  plug->SetParameter(0, 0.3f);
  EXPECT_NEAR(plug->GetParameter(0), 0.3, 1e-6);
  plug->SetParameter(4, 0.75f);  // host-hidden, yet in the list
  EXPECT_NEAR(plug->GetParameter(4), 0.75, 1e-6);
  EXPECT_EQ(Count("paramChanges"), changes + 2);
  EXPECT_EQ(Count("editorParams"), editor + 2);
  EXPECT_TRUE(CallbacksOf(vsthost::kHostAutomate).empty());  // the host is not told back

  plug->SetParameter(5, 0.5f);
  plug->SetParameter(-1, 0.5f);
  EXPECT_EQ(Count("paramChanges"), changes + 2);
  EXPECT_EQ(plug->GetParameter(5), 0.0f);
  EXPECT_EQ(plug->GetParameter(-1), 0.0f);
}

TEST_F(Binding, EditorGesturesReachTheHost)
{
  auto edit = reinterpret_cast<TestPlugEditFn>(Lib(TESTPLUG_PATH).Symbol("TestPlug_Edit"));
  edit(plug->Effect(), 1, 0.5);
  edit(plug->Effect(), 4, 0.25);  // host-hidden: bracketed, never automated
  struct Want {
    int32_t opcode, index;
    float opt;
  };
  const Want want[] = {{43, 1, 0.0f}, {0, 1, 0.5f}, {44, 1, 0.0f}, {43, 4, 0.0f}, {44, 4, 0.0f}};
  ASSERT_EQ(plug->Callbacks().size(), 5u);
  for (size_t i = 0; i < 5; ++i) {
    const Callback& cb = plug->Callbacks()[i];
    EXPECT_EQ(cb.opcode, want[i].opcode) << i;
    EXPECT_EQ(cb.index, want[i].index) << i;
    EXPECT_EQ(cb.value, 0) << i;
    EXPECT_EQ(cb.opt, want[i].opt) << i;
  }
  EXPECT_NEAR(plug->GetParameter(1), 8.0 / 15.0, 1e-6);  // 8.5 of 1..16 rounds to 9
}

// --- Chunks ---

TEST_F(Binding, GetChunkFormatsAndBufferLifetime)
{
  void* where = nullptr;
  ASSERT_EQ(plug->Dispatch(vsthost::kGetChunk, 1, 0, &where), 48);
  std::vector<uint8_t> program(static_cast<uint8_t*>(where), static_cast<uint8_t*>(where) + 48);
  EXPECT_EQ(std::vector<uint8_t>(program.begin(), program.begin() + 8),
            (std::vector<uint8_t>{0x74, 0x66, 0x66, 0x70, 0x00, 0x00, 0x01, 0x00}));
  double gain;
  std::memcpy(&gain, program.data() + 8, 8);
  EXPECT_EQ(gain, 0.5);

  // The buffer stays as handed out while other requests come and go.
  plug->SetParameter(0, 0.9f);
  plug->Dispatch(7, 0, 0, nullptr);
  EXPECT_EQ(std::memcmp(where, program.data(), program.size()), 0);

  // Bank: header, two preset records (name, flag, block), then the state.
  std::vector<uint8_t> bank = GetChunk(0);
  ASSERT_EQ(bank.size(), 8u + 2 * (4 + 4 + 1 + 40) + 40);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(&bank[12]), 4), "Soft");
  EXPECT_EQ(bank[16], 1);
  std::memcpy(&gain, bank.data() + 17, 8);
  EXPECT_NEAR(gain, 0.9, 1e-6);  // the current preset took the live values
}

TEST_F(Binding, SetChunkRoundTripsThroughOurOwnBuffer)
{
  void* where = nullptr;
  intptr_t n = plug->Dispatch(vsthost::kGetChunk, 1, 0, &where);
  ASSERT_GT(n, 0);
  plug->SetParameter(0, 0.9f);
  plug->SetParameter(1, 1.0f);
  EXPECT_EQ(plug->Dispatch(vsthost::kSetChunk, 1, n, where), 1);
  EXPECT_NEAR(plug->GetParameter(0), 0.5, 1e-6);
  EXPECT_NEAR(plug->GetParameter(1), 3.0 / 15.0, 1e-6);

  n = plug->Dispatch(vsthost::kGetChunk, 0, 0, &where);
  plug->SetParameter(0, 0.9f);
  EXPECT_EQ(plug->Dispatch(vsthost::kSetChunk, 0, n, where), 1);
  EXPECT_NEAR(plug->GetParameter(0), 0.5, 1e-6);
}

TEST_F(Binding, SetChunkHeaderlessIsPlainStateAndBecomesTheCurrentPreset)
{
  EXPECT_EQ(SetChunk(1, Doubles({0.5, 16, 2, 1, -6}, false)), 1);
  EXPECT_NEAR(plug->GetParameter(0), 0.5, 1e-6);
  EXPECT_NEAR(plug->GetParameter(1), 1.0, 1e-6);
  EXPECT_NEAR(plug->GetParameter(2), 1.0, 1e-6);
  plug->Dispatch(2, 0, 1);
  plug->Dispatch(2, 0, 0);
  EXPECT_NEAR(plug->GetParameter(0), 0.5, 1e-6);
}

TEST_F(Binding, SetChunkFailuresAnswerZero)
{
  plug->SetParameter(4, 1.0f);
  // Six bytes that begin with the magic: no room for the version.
  std::vector<uint8_t> six = {0x74, 0x66, 0x66, 0x70, 0x00, 0x00};
  EXPECT_EQ(SetChunk(1, six), 0);
  EXPECT_NEAR(plug->GetParameter(0), 0.5, 1e-6);

  // A short parameter block changes nothing, nor does a bank whose state
  // is cut short after whole presets.
  const int changes = Count("paramChanges");
  EXPECT_EQ(SetChunk(1, Doubles({0.25, 16, 2}, true)), 0);
  EXPECT_NEAR(plug->GetParameter(0), 0.5, 1e-6);
  EXPECT_NEAR(plug->GetParameter(4), 1.0, 1e-6);
  std::vector<uint8_t> bank = GetChunk(0);
  bank.resize(bank.size() - 1);
  EXPECT_EQ(SetChunk(0, bank), 0);
  EXPECT_EQ(Count("paramChanges"), changes);

  // A failed load leaves the preset it was meant for as it was.
  plug->Dispatch(2, 0, 1);
  plug->Dispatch(2, 0, 0);
  EXPECT_NEAR(plug->GetParameter(0), 0.5, 1e-6);

  // Bad arguments change nothing at all.
  const int before = Count("paramChanges");
  std::vector<uint8_t> good = Doubles({0.5, 16, 2, 1, -6}, true);
  EXPECT_EQ(plug->Dispatch(vsthost::kSetChunk, 1, 40, nullptr), 0);
  EXPECT_EQ(plug->Dispatch(vsthost::kSetChunk, 1, 0, good.data()), 0);
  EXPECT_EQ(plug->Dispatch(vsthost::kSetChunk, 1, -1, good.data()), 0);
  if (sizeof(intptr_t) == 8) {
    EXPECT_EQ(plug->Dispatch(vsthost::kSetChunk, 1, static_cast<intptr_t>(int64_t(1) << 32), good.data()), 0);
  }
  EXPECT_EQ(Count("paramChanges"), before);
}

TEST_F(Binding, BankChunkRestoresPresetsThenState)
{
  std::vector<uint8_t> bank = GetChunk(0);
  ASSERT_FALSE(bank.empty());
  char name[] = "Changed";
  plug->Dispatch(4, 0, 0, name);
  plug->Dispatch(2, 0, 1);
  plug->SetParameter(0, 0.0f);
  plug->Dispatch(4, 0, 0, name);  // stores the live values into preset 1
  plug->Dispatch(2, 0, 0);

  EXPECT_EQ(SetChunk(0, bank), 1);
  EXPECT_EQ(Text(29, 0), "Soft");
  EXPECT_EQ(Text(29, 1), "Loud");
  plug->Dispatch(2, 0, 1);
  EXPECT_NEAR(plug->GetParameter(0), 1.0, 1e-6);
}

// --- Events ---

TEST_F(Binding, MidiInComesBackOneEventPerMessage)
{
  std::vector<Event> in = {Event::Midi(0, 0x90, 60, 100), Event::Midi(7, 0x80, 60, 0), Event::Midi(63, 0xB1, 7, 127)};
  EXPECT_EQ(plug->SendEvents(in), 1);
  std::vector<const Callback*> out = CallbacksOf(vsthost::kHostProcessEvents);
  ASSERT_EQ(out.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    ASSERT_EQ(out[i]->events.size(), 1u);
    const Event& e = out[i]->events[0];
    EXPECT_EQ(e.type, 1);
    EXPECT_EQ(e.byteSize, 32);
    EXPECT_EQ(e.deltaFrames, in[i].deltaFrames);
    EXPECT_EQ(e.flags, 0);
    uint8_t body[16] = {};
    std::memcpy(body + 8, in[i].midiData(), 3);  // all else 0, the fourth MIDI byte too
    EXPECT_EQ(std::memcmp(e.body, body, 16), 0) << i;
  }
  EXPECT_EQ(plug->SendEvents({}), 1);
}

TEST_F(Binding, SysExIsPassedBackUnchanged)
{
  std::vector<uint8_t> dump = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
  Event sysex = Event::SysEx(12, dump);
  sysex.flags = 0;
  EXPECT_EQ(plug->SendEvents({sysex, Event::Midi(3, 0x90, 64, 1)}), 1);
  std::vector<const Callback*> out = CallbacksOf(vsthost::kHostProcessEvents);
  ASSERT_EQ(out.size(), 2u);
  ASSERT_EQ(out[0]->events.size(), 1u);
  const Event& e = out[0]->events[0];
  EXPECT_EQ(e.type, 6);
  EXPECT_EQ(e.byteSize, sysex.byteSize);
  EXPECT_EQ(e.deltaFrames, 12);
  EXPECT_EQ(e.sysex, dump);
  EXPECT_EQ(out[1]->events[0].deltaFrames, 3);
}

// --- Processing ---

TEST_F(Binding, ProcessCallbacks)
{
  struct Case {
    ProcessKind kind;
    float expected;
  };
  for (const Case& c :
       {Case{ProcessKind::Replacing, 0.5f}, Case{ProcessKind::Accumulating, 0.75f}, Case{ProcessKind::Double, 0.5f}}) {
    plug->ClearCallbacks();
    for (int block = 0; block < 3; ++block) {
      plug->FillBuffers(64, 0.5f, 0.25f);
      plug->Process(c.kind, 64);
      for (int ch = 0; ch < 2; ++ch) {
        for (int i = 0; i < 64; ++i) {
          double v = c.kind == ProcessKind::Double ? plug->outputsDouble[ch][i] : plug->outputs[ch][i];
          ASSERT_EQ(v, c.expected) << "channel " << ch << " sample " << i;
        }
      }
    }
    EXPECT_EQ(CallbacksOf(vsthost::kHostWantMidi).size(), 3u);
  }
}

TEST_F(Binding, BlockLongerThanAnnouncedIsProcessedWhole)
{
  plug->Dispatch(vsthost::kSetBlockSize, 0, 32);
  plug->FillBuffers(5000, 0.5f, 0.25f);
  plug->Process(ProcessKind::Replacing, 5000);
  EXPECT_EQ(plug->outputs[1][4999], 0.5f);
  plug->Process(ProcessKind::Accumulating, 5000);
  EXPECT_EQ(plug->outputs[1][4999], 1.0f);
}

TEST_F(Binding, SpeakerArrangementsAndUnconnectedOutputs)
{
  // VstSpeakerArrangement: type, numChannels, eight 112-byte speakers.
  std::vector<uint8_t> in(904, 0), out(904, 0);
  int32_t two = 2, one = 1;
  std::memcpy(&in[4], &two, 4);
  std::memcpy(&out[4], &one, 4);
  EXPECT_EQ(plug->Dispatch(42, 0, reinterpret_cast<intptr_t>(in.data()), out.data()), 1);
  EXPECT_EQ(Count("in1Connected"), 1);
  EXPECT_EQ(Count("out0Connected"), 1);
  EXPECT_EQ(Count("out1Connected"), 0);

  for (ProcessKind kind : {ProcessKind::Replacing, ProcessKind::Double}) {
    plug->FillBuffers(64, 0.5f, 0.25f);
    plug->Process(kind, 64);
    bool isDouble = kind == ProcessKind::Double;
    EXPECT_EQ(isDouble ? plug->outputsDouble[0][10] : plug->outputs[0][10], 0.5);
    EXPECT_EQ(isDouble ? plug->outputsDouble[1][10] : plug->outputs[1][10], 0.0) << "stale output left";
  }
  // A block-size change must not leave the unconnected channel behind.
  plug->Dispatch(vsthost::kSetBlockSize, 0, 4096);
  plug->Dispatch(vsthost::kSetBlockSize, 0, 16);
  plug->FillBuffers(4096, 0.5f, 0.25f);
  plug->Process(ProcessKind::Replacing, 4096);
  EXPECT_EQ(plug->outputs[0][4095], 0.5f);

  void* inArr = nullptr;
  void* outArr = nullptr;
  EXPECT_EQ(plug->Dispatch(69, 0, reinterpret_cast<intptr_t>(&inArr), &outArr), 1);
  ASSERT_TRUE(inArr && outArr);
  int32_t type, channels;
  std::memcpy(&type, inArr, 4);
  std::memcpy(&channels, static_cast<uint8_t*>(inArr) + 4, 4);
  EXPECT_EQ(type, 1);  // stereo
  EXPECT_EQ(channels, 2);
}

// --- Time info ---

TEST_F(Binding, TimeInfoFollowsItsFlags)
{
  enum { kPos, kTempo, kNum, kDen, kTPos, kTTempo, kTPpq, kTBar, kTNum, kTDen, kTCycS, kTCycE, kRun, kCyc, kSpb };
  vsthost::TimeInfo& t = plug->time;
  t.samplePos = 1000.6;
  t.tempo = 140.0;
  t.ppqPos = 2.5;
  t.barStartPos = 2.0;
  t.cycleStartPos = 1.0;
  t.cycleEndPos = 5.0;
  t.timeSigNumerator = 3;
  t.timeSigDenominator = 8;

  struct Case {
    bool present;
    int32_t flags;
    std::vector<double> expected;
  };
  const double defaults[] = {-1, 120, -1, -1, 4, 4, -1, -1, 1, 1};
  std::vector<double> none = {0, 0, 0, 0};
  none.insert(none.end(), defaults, defaults + 10);
  none.push_back(0);
  std::vector<double> noValid = {1001, 0, 0, 0};
  noValid.insert(noValid.end(), defaults, defaults + 10);
  noValid.push_back(0);
  const Case cases[] = {
      {false, 0x3E06, none},
      {true, 0x2 | 0x4, noValid},  // playing, cycling, but nothing marked valid
      {true, 0x3E00 | 0x2, {1001, 140, 3, 8, 1000.6, 140, 2.5, 2, 3, 8, 1, 5, 1, 0, 44100.0 * 60 / 140}},
      {true, 0x0400 | 0x4, {1001, 140, 0, 0, 1000.6, 140, -1, -1, 4, 4, -1, -1, 0, 1, 44100.0 * 60 / 140}},
  };
  for (const Case& c : cases) {
    t.present = c.present;
    t.flags = c.flags;
    std::vector<double> got = Time();
    for (size_t i = 0; i < c.expected.size(); ++i)
      EXPECT_DOUBLE_EQ(got[i], c.expected[i]) << "flags " << c.flags << " value " << i;
  }

  // Out-of-range values fall back as each reader says.
  t.present = true;
  t.flags = 0x3E00;
  t.tempo = -5.0;
  t.ppqPos = -1.0;
  t.barStartPos = -2.0;
  t.timeSigDenominator = 0;
  std::vector<double> got = Time();
  EXPECT_EQ(got[kTempo], 0.0);
  EXPECT_EQ(got[kTTempo], 120.0);
  EXPECT_EQ(got[kTPpq], -1.0);
  EXPECT_EQ(got[kTBar], -1.0);
  EXPECT_EQ(got[kNum], 3.0);  // both >= 0 is enough here
  EXPECT_EQ(got[kDen], 0.0);
  EXPECT_EQ(got[kTNum], 4.0);  // both must be > 0 here
  EXPECT_EQ(got[kSpb], 0.0);

  // Fourteen hours in: past what 32 bits count.
  t.samplePos = 44100.0 * 3600 * 14;
  EXPECT_EQ(Time()[kPos], 44100.0 * 3600 * 14);
  t.samplePos = -3.0;
  EXPECT_EQ(Time()[kPos], 0.0);
  (void)kTPos, (void)kTCycS, (void)kTCycE, (void)kRun, (void)kCyc;
}

// --- Host identification ---

TEST_F(Binding, HostIsAskedOnceForItsName)
{
  Plugin fresh(Lib(TESTPLUG_PATH));
  fresh.productString = "REAPER";
  fresh.vendorVersion = 61203;
  ASSERT_TRUE(fresh.Create());
  auto count = reinterpret_cast<TestPlugCountFn>(Lib(TESTPLUG_PATH).Symbol("TestPlug_Count"));
  EXPECT_EQ(count(fresh.Effect(), "host"), 1);
  EXPECT_EQ(count(fresh.Effect(), "hostVersion"), (6 << 16) | (12 << 8) | 3);
  fresh.Dispatch(vsthost::kOpen);
  int asked = 0;
  for (const Callback& cb : fresh.Callbacks()) asked += cb.opcode == vsthost::kHostGetProductString;
  EXPECT_EQ(asked, 1);

  Plugin silent(Lib(TESTPLUG_PATH));
  silent.productString = "";
  ASSERT_TRUE(silent.Create());
  EXPECT_EQ(count(silent.Effect(), "host"), 0);
  EXPECT_EQ(count(silent.Effect(), "host"), 0);
  int products = 0, versions = 0;
  for (const Callback& cb : silent.Callbacks()) {
    products += cb.opcode == vsthost::kHostGetProductString;
    versions += cb.opcode == vsthost::kHostGetVendorVersion;
  }
  EXPECT_EQ(products, 1);
  EXPECT_EQ(versions, 0);

  // The decimal version split into major, minor and revision; a version
  // that no host can mean is none at all.
  struct Case {
    int32_t decimal, version;
  };
  for (const Case& c :
       {Case{2400, (0 << 16) | (24 << 8) | 0}, Case{100000, 10 << 16}, Case{-5, 0}, Case{INT32_MIN, 0}}) {
    Plugin p(Lib(TESTPLUG_PATH));
    p.vendorVersion = c.decimal;
    ASSERT_TRUE(p.Create());
    EXPECT_EQ(count(p.Effect(), "hostVersion"), c.version) << c.decimal;
  }
}

// --- Instances ---

TEST(BindingInstances, TwoInstancesAreIndependentAndCloseDeletes)
{
  vsthost::Library& lib = Lib(TESTPLUG_PATH);
  auto count = reinterpret_cast<TestPlugCountFn>(lib.Symbol("TestPlug_Count"));
  const int alive = count(nullptr, "alive");
  Plugin a(lib), b(lib);
  ASSERT_TRUE(a.Create());
  ASSERT_TRUE(b.Create());
  EXPECT_NE(a.Effect(), b.Effect());
  EXPECT_EQ(count(nullptr, "alive"), alive + 2);

  a.SetParameter(0, 0.9f);
  EXPECT_NEAR(b.GetParameter(0), 0.5, 1e-6);
  a.Dispatch(vsthost::kSetBlockSize, 0, 77);
  EXPECT_EQ(count(b.Effect(), "blockSize"), 1024);
  a.Process(ProcessKind::Replacing, 16);
  EXPECT_FALSE(a.Callbacks().empty());
  EXPECT_TRUE(b.Callbacks().empty());  // callbacks reach their own instance

  EXPECT_EQ(a.Close(), 0);
  EXPECT_EQ(count(nullptr, "alive"), alive + 1);
  EXPECT_EQ(b.Dispatch(22), 0x4E764566);
  EXPECT_NEAR(b.GetParameter(0), 0.5, 1e-6);
  b.Close();
  EXPECT_EQ(count(nullptr, "alive"), alive);
}

}  // namespace
