// The plug-in object in a scripted host: identity, parameters, the router
// and its status texts, MIDI in and out, and the state block.

#include <cmath>
#include <cstring>
#include <sstream>
#include <string>

#include "EngineHolder.h"
#include "NoteEngine.h"
#include "ParamStatus.h"
#include "ParamTable.h"
#include "ParamTableGolden.h"
#include "PatternEngine.h"
#include "PatternList.h"
#include "PluginFixture.h"
#include "Scene.h"

using namespace TolvoParams;

namespace {

std::vector<std::string> Lines(const char* text)
{
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line))
    if (!line.empty()) lines.push_back(line);
  return lines;
}

std::string Row(const IParam* p, int index)
{
  static const char* const kTypes[] = {"none", "bool", "int", "enum", "double"};
  char display[64], range[128];
  p->GetDisplayForHost(display, true, sizeof display);
  std::snprintf(range, sizeof range, "%s %g..%g/%g", kTypes[p->Type()], p->GetMin(), p->GetMax(), p->GetStep());
  std::string texts;
  for (int t = 0; t < p->NDisplayTexts(); ++t) {
    int value;
    const char* text = p->GetDisplayTextAtIdx(t, &value);
    texts += std::string(t ? "," : "") + (value == t ? "" : "!") + text;
  }
  return std::to_string(index) + "|" + p->GetNameForHost() + "|" + p->GetLabelForHost() + "|" + display + "|" + range +
         "|" + texts;
}

using PluginTest = PluginFixture;

TEST_F(PluginTest, EveryParameterAsTheTableGivesIt)
{
  const std::vector<std::string> golden = Lines(kParamTableGolden);
  ASSERT_EQ(plug->NParams(), 391);
  ASSERT_EQ(golden.size(), 391u);
  for (int i = 0; i < 391; ++i) EXPECT_EQ(Row(plug->GetParam(i), i), golden[i]);
  EXPECT_FALSE(plug->GetParam(205)->IsHostHidden());
  EXPECT_TRUE(plug->GetParam(206)->IsHostHidden());
  EXPECT_TRUE(plug->GetParam(390)->IsHostHidden());
}

// The router, the status line and the step editor find a parameter's
// record by its index, and take its range from the record.
TEST_F(PluginTest, EachParameterFindsTheRecordThatDeclaresIt)
{
  for (int t = 1; t < kParamTableSize; ++t)
    EXPECT_GE(kParamTable[t].index, kParamTable[t - 1].index + kParamTable[t - 1].count) << kParamTable[t].index;
  int found = 0;
  for (int i = 0; i < kNumParams; ++i) {
    const ParamSpec* spec = FindParamSpec(i);
    if (!spec) continue;
    ++found;
    ASSERT_TRUE(InGroup(i, spec->index, spec->count)) << i;
    if (spec->kind == Kind::None) continue;
    double minimum, maximum;
    plug->GetParam(i)->GetBounds(&minimum, &maximum);
    EXPECT_EQ(MinOf(*spec), minimum) << i;
    EXPECT_EQ(MaxOf(*spec), maximum) << i;
  }
  int declared = 0;
  for (int t = 0; t < kParamTableSize; ++t) declared += kParamTable[t].count;
  EXPECT_EQ(found, declared);
  EXPECT_EQ(FindParamSpec(-1), nullptr);
  EXPECT_EQ(FindParamSpec(kNumParams), nullptr);
}

TEST_F(PluginTest, Identity)
{
  const AEffect* e = effect();
  EXPECT_EQ(e->numParams, 206);
  EXPECT_EQ(e->numInputs, 0);
  EXPECT_EQ(e->numOutputs, 2);
  EXPECT_EQ(e->uniqueID, 0x71376d32);
  EXPECT_EQ(e->version, 10200);
  EXPECT_EQ(e->flags, effFlagsHasEditor | effFlagsCanReplacing | effFlagsCanDoubleReplacing | effFlagsProgramChunks |
                          effFlagsIsSynth);
  ERect* rect = nullptr;
  Dispatch(effEditGetRect, 0, 0, &rect);
  ASSERT_NE(rect, nullptr);
  EXPECT_EQ(rect->right - rect->left, 581);
  EXPECT_EQ(rect->bottom - rect->top, 400);
  char text[64] = {};
  Dispatch(effGetEffectName, 0, 0, text);
  EXPECT_STREQ(text, "Tolvo");
  Dispatch(effGetVendorString, 0, 0, text);
  EXPECT_STREQ(text, "Ulvas Orvanne");
  EXPECT_EQ(Dispatch(effGetPlugCategory), kPlugCategSynth);
  EXPECT_EQ(Dispatch(effCanDo, 0, 0, const_cast<char*>("sendVstMidiEvent")), 1);
}

TEST_F(PluginTest, AFreshInstanceHasTheDefaultsApplied)
{
  EXPECT_EQ(plug->GetMidiChannel(true), 1);
  EXPECT_EQ(plug->GetMidiChannel(false), 1);
  EXPECT_EQ(plug->GetCCNumber(true), 0);
  EXPECT_EQ(plug->GetCCNumber(false), 1);
  EXPECT_EQ(plug->GetLearnTarget(), -1);
  EXPECT_FALSE(plug->IsAllNotesOffPending());
  EXPECT_STREQ(plug->GetStatusText(), "-- WELCOME --");
  for (int i = kStepOn; i < kStepOn + 16; ++i) EXPECT_EQ(Value(i), 1.0) << i;
  PatternEngine* pattern = plug->Engine().GetPatternList()->Get(0);
  EXPECT_EQ(pattern->GetOctaves(), 1);
  EXPECT_DOUBLE_EQ(pattern->GetStepLength(), 0.5);  // "1/8"
  EXPECT_EQ(pattern->GetStepper().GetStepCount(), 16);
  EXPECT_EQ(plug->Engine().GetSceneList()->GetSplitNote(), 12);  // "C", "0"
}

TEST_F(PluginTest, StatusTextsAppearOnlyAfterTheFirstBlock)
{
  Set(kHold, 1);
  EXPECT_STREQ(plug->GetStatusText(), "-- WELCOME --");
  Block();
  EXPECT_STREQ(plug->GetStatusText(), "-- WELCOME --");
  Set(kHold, 0);
  EditorTick();
  EXPECT_STREQ(plug->GetStatusText(), "Hold: Off");
}

TEST_F(PluginTest, StatusTextOfEveryKindOfParameter)
{
  Block();
  const struct {
    int index;
    double value;
    const char* text;  // null: the text stays as it was
  } cases[] = {
      {kGate, -100, "Gate: -100.0"},
      {kHold, 1, "Hold: On"},
      {kStepRate, 4, "Rate: 1/16"},
      {kStepRateType, 2, "Rate Type: Dotted"},
      {kDirection, 3, "Direction: Down Alt"},
      {kSortOrder, 4, "Sort order: Custom"},
      {kSwing, 0.37, "Swing: 0.4"},
      {kOctaves, 3, "Octaves: 3.0"},
      {kTranspose, -5, "Transpose: -5"},
      {kVelocityMode, 3, "Velocity mode: Average"},
      {kResetOnNewNote, 1, "Reset on new note: On"},
      {kResetNoteList, 0, "Reset note list: Off"},
      {kResetOnBeat, 1, "Reset on beat: On"},
      {kResetOnBeatValue, 4, "Beat: 2/8"},
      {kResetOnBeatValue, 15, "Beat: 15/16"},
      {kStepOn + 3, 0, "Pattern step: Off"},
      {kPatternSteps, 7, "Steps: 7"},
      {kPatternOn, 0, "Pattern: Off"},
      {kCustomSortOrder, 0, "Custom sort order: *"},
      {kCustomSortOrder + 7, 9, "Custom sort order: Stop"},
      {kCustomSortOrder + 2, 8, "Custom sort order: 8"},
      {kScale, 0, "Scale: Off"},
      {kScale, 15, "Scale: Spanish Gypsy "},
      {kScaleKey, 6, "Scale key: F#"},
      {kScaleMode, 11, "Scale mode: 11"},
      {kStepLength + 15, 8, "Length: 8"},
      {kStepGate, -40, "Gate: -40"},
      {kStepAccent + 1, 100, "Accent: 100"},
      {kStepTranspose, -24, "Transpose: -24"},
      {kStepDiv, 7, "Div: 7"},
      {kStepShift, -12.5, "Shift: -12"},
      {kStepData + 5, 5, "Data: High"},
      {kStepData, 6, "Data: Low"},
      {kStepCC1, 1, "CC1: 0"},
      {kStepCC1 + 4, 0, "CC1: off"},
      {kStepCC2 + 15, 128, "CC2: 127"},
      {kStepMode, 3, "Mode: Transpose"},
      {kMidiInChannel, 15, "MIDI in: 16"},
      {kMidiOutChannel, 0, "MIDI out: 1"},
      {kCC1Control, 74, "CC1: 74"},
      {kCC2Control, 1, "CC2: 1"},
      {kCC1Teach, 1, "CC1 teach: On"},
      {kCC1Teach, 0, "CC1 teach: Off"},
      {kSplitNoteName, 9, "Split note name: A"},
      {kSplitNoteNumber, 10, "Split note number: 10"},
      {kSplitSide, 2, "Split note side: Right"},
      {kPatternSelection, 0, nullptr},
      {kCCMapping, 5, nullptr},
      {31, 0, nullptr},
  };
  for (const auto& c : cases) {
    plug->SetStatusText("before");
    Set(c.index, c.value);
    EditorTick();
    EXPECT_STREQ(plug->GetStatusText(), c.text ? c.text : "before") << c.index << " " << c.value;
  }
}

TEST(ParamStatus, ValuesOutsideTheListsWriteNoText)
{
  char text[64] = "kept";
  EXPECT_FALSE(FormatParamStatus(kStepData, 9, "", text, sizeof text));
  EXPECT_FALSE(FormatParamStatus(kStepMode, 9, "", text, sizeof text));
  EXPECT_FALSE(FormatParamStatus(kResetOnBeatValue, 0, "", text, sizeof text));
  EXPECT_STREQ(text, "kept");
  EXPECT_TRUE(FormatParamStatus(kResetOnBeatValue, 16, "", text, sizeof text));
  EXPECT_STREQ(text, "Beat: 1");
}

TEST_F(PluginTest, RouterReachesTheEngine)
{
  EngineHolder& engine = plug->Engine();
  PatternEngine* pattern = engine.GetPatternList()->Get(0);
  Set(kStepRate, 4);
  Set(kStepRateType, 2);
  EXPECT_DOUBLE_EQ(pattern->GetStepLength(), 0.25 * 1.5);
  Set(kOctaves, 4);
  EXPECT_EQ(pattern->GetOctaves(), 4);
  Set(kPatternSteps, 5);
  EXPECT_EQ(pattern->GetStepper().GetStepCount(), 5);
  Set(kScale, 3);
  Set(kScaleKey, 4);
  Set(kScaleMode, 2);
  EXPECT_EQ(pattern->GetScaleQuantizer().GetScale(), 2);
  EXPECT_EQ(pattern->GetScaleQuantizer().GetKey(), 4);
  EXPECT_EQ(pattern->GetScaleQuantizer().GetMode(), 2);
  Set(kScale, 0);
  EXPECT_EQ(pattern->GetScaleQuantizer().GetScale(), -1);
  Set(kSplitNoteName, 7);
  Set(kSplitNoteNumber, 4);
  EXPECT_EQ(engine.GetSceneList()->GetSplitNote(), 7 + 12 * 5);
  Set(kSplitSide, 1);
  EXPECT_EQ(engine.GetSceneList()->GetSplitSide(), 1);
  Set(kMidiInChannel, 3);
  Set(kMidiOutChannel, 15);
  EXPECT_EQ(plug->GetMidiChannel(true), 4);
  EXPECT_EQ(plug->GetMidiChannel(false), 16);
  Set(kCC1Control, 74);
  EXPECT_EQ(plug->GetCCNumber(true), 74);
}

TEST_F(PluginTest, EveryStepRateReachesThePattern)
{
  const double beats[] = {4.0, 2.0, 1.0, 0.5, 0.25, 0.125, 0.0625, 0.03125};  // "1" .. "1/128"
  PatternEngine* pattern = plug->Engine().GetPatternList()->Get(0);
  for (int v = 0; v < 8; ++v) {
    Set(kStepRate, v);
    EXPECT_DOUBLE_EQ(pattern->GetStepLength(), beats[v]) << plug->GetParam(kStepRate)->GetDisplayText(v);
  }
}

// One key at "1/16": step 1 spans 5513 samples, and its note ends after
// that span times the pattern's gate plus the step's own (at least 0.1).
TEST_F(PluginTest, GatesSetWhenTheFirstNoteEnds)
{
  const struct {
    double gate, stepGate;
    int64_t end;
  } cases[] = {{0, 0, 5513}, {-50, 0, 2757}, {100, 0, 11026}, {-100, 0, 551}, {0, -50, 2757}, {-50, 50, 5513}};
  for (const auto& c : cases) {
    Create();
    Set(kStepRate, 4);
    Set(kGate, c.gate);
    Set(kStepGate, c.stepGate);
    Midi(0x90, 60, 100);
    for (int b = 0; b < 30; ++b) Block();
    int64_t end = -1;
    for (const SentMidi& m : sent)
      if (m.status == 0x80 && m.data1 == 60 && end < 0) end = int64_t(m.block) * 512 + m.offset;
    EXPECT_EQ(end, c.end) << c.gate << " " << c.stepGate;
  }
}

// C, E and G from the first sample at "1/16", and A joining at block 7,
// mid-step: the note-ons of 60 blocks.
std::vector<SentMidi> PhraseNoteOns(HostedPlugin& h)
{
  h.Set(kStepRate, 4);
  h.Midi(0x90, 60, 100);
  h.Midi(0x90, 64, 100);
  h.Midi(0x90, 67, 100);
  for (int b = 0; b < 60; ++b) {
    if (b == 7) h.Midi(0x90, 69, 100, 100);
    h.Block();
  }
  std::vector<SentMidi> ons;
  for (const SentMidi& m : h.sent)
    if ((m.status & 0xF0) == 0x90) ons.push_back(m);
  return ons;
}

TEST_F(PluginTest, StepSettingsReachThePattern)
{
  const std::vector<SentMidi> plain = PhraseNoteOns(*this);
  ASSERT_GE(plain.size(), 4u);
  Create();
  Set(kStepOn + 1, 0);          // step 2 silent
  Set(kStepTranspose + 2, 12);  // step 3 an octave up
  const std::vector<SentMidi> changed = PhraseNoteOns(*this);
  ASSERT_GE(changed.size(), 3u);
  EXPECT_EQ(changed[0], plain[0]);
  EXPECT_EQ(changed[1].offset, plain[2].offset);
  EXPECT_EQ(changed[1].data1, plain[2].data1 + 12);
}

TEST_F(PluginTest, ResetSwitchesLeaveNoHiddenFlagOn)
{
  const std::vector<SentMidi> plain = PhraseNoteOns(*this);
  Create();
  Set(kResetOnNewNote, 1);
  EXPECT_NE(PhraseNoteOns(*this), plain);  // the new key restarts the pattern
  // Switched off, it no longer restarts: the switch and the engine agree.
  Create();
  Set(kResetOnNewNote, 1);
  Set(kResetOnNewNote, 0);
  EXPECT_EQ(PhraseNoteOns(*this), plain);
  // "Reset on beat" and "Reset note list" switch it off as well.
  Create();
  Set(kResetOnNewNote, 1);
  Set(kResetOnBeat, 1);
  Set(kResetOnBeat, 0);
  EXPECT_EQ(PhraseNoteOns(*this), plain);
  Create();
  Set(kResetOnNewNote, 1);
  Set(kResetNoteList, 1);
  Set(kResetNoteList, 0);
  EXPECT_EQ(PhraseNoteOns(*this), plain);
}

// --- MIDI in ---

struct MidiCase {
  const char* what;
  int status, data1, data2;
  bool passed;  // comes back out unchanged at once
  int keyDown;  // the key the arpeggiator holds after a block, or -1
};

TEST_F(PluginTest, MidiInputIsRoutedByChannelKindAndSplit)
{
  Set(kSplitNoteName, 0);
  Set(kSplitNoteNumber, 4);  // split note 60
  const struct {
    int side;
    MidiCase c;
  } cases[] = {
      {0, {"note on, channel 1", 0x90, 64, 100, false, 64}},
      {0, {"note on, channel 2", 0x91, 64, 100, true, -1}},
      {0, {"note off, channel 2", 0x81, 64, 0, true, -1}},
      {1, {"left of the split", 0x90, 59, 100, false, 59}},
      {1, {"right of the split", 0x90, 60, 100, true, -1}},
      {1, {"off right of the split", 0x80, 60, 0, true, -1}},
      {2, {"split right, low note", 0x90, 59, 100, true, -1}},
      {2, {"split right, high note", 0x90, 60, 100, false, 60}},
      {0, {"program change", 0xC0, 5, 0, true, -1}},
      {0, {"channel pressure", 0xD0, 40, 0, true, -1}},
      {0, {"poly pressure", 0xA0, 60, 40, true, -1}},
      {0, {"unmapped controller 7", 0xB0, 7, 100, true, -1}},
      {0, {"controller 0", 0xB0, 0, 100, false, -1}},
      {0, {"controller 120", 0xB0, 120, 0, false, -1}},
      {0, {"controller 127", 0xB0, 127, 0, false, -1}},
      {0, {"unmapped pitch wheel", 0xE0, 0, 80, true, -1}},
      {0, {"note beyond 127", 0x90, 200, 100, false, -1}},
      {0, {"controller beyond 127", 0xB0, 200, 100, false, -1}},
  };
  for (const auto& k : cases) {
    Create();
    Set(kSplitNoteNumber, 4);
    Set(kSplitSide, k.side);
    Midi(k.c.status, k.c.data1, k.c.data2, 7);
    const SentMidi unchanged = {0, 7, k.c.status, k.c.data1, k.c.data2};
    EXPECT_EQ(sent == std::vector<SentMidi>{unchanged}, k.c.passed) << k.c.what;
    Block();
    for (int note = 0; note < 128; ++note)
      EXPECT_EQ(plug->Engine().GetNoteEngine()->IsKeyDown(note), note == k.c.keyDown) << k.c.what << " " << note;
  }
}

TEST_F(PluginTest, OffsetsOutsideTheBlockAreTakenSafely)
{
  Midi(0x90, 60, 100, -300);
  Midi(0x90, 64, 100, 100000);
  for (int b = 0; b < 300; ++b) Block();
  EXPECT_TRUE(plug->Engine().GetNoteEngine()->IsKeyDown(60));
  for (const SentMidi& m : sent) {
    EXPECT_GE(m.offset, 0) << m;
    EXPECT_LT(m.offset, 512) << m;
  }
}

TEST_F(PluginTest, VelocityZeroEndsTheNote)
{
  Midi(0x90, 60, 100);
  Block();
  ASSERT_TRUE(plug->Engine().GetNoteEngine()->IsKeyDown(60));
  Midi(0x90, 60, 0);
  Block();
  EXPECT_FALSE(plug->Engine().GetNoteEngine()->IsKeyDown(60));
  for (const SentMidi& m : sent) EXPECT_FALSE(m.status == 0x90 && m.data2 == 0) << m;
}

TEST_F(PluginTest, AllNotesOffWaitsForTheNextBlock)
{
  Midi(0x90, 60, 100);
  Block();
  sent.clear();
  Midi(0xB0, 123, 0);
  EXPECT_TRUE(sent.empty());
  EXPECT_TRUE(plug->IsAllNotesOffPending());
  Block();
  std::vector<SentMidi> block = SentIn(1);
  ASSERT_GE(block.size(), 128u);
  for (int note = 0; note < 128; ++note) EXPECT_EQ(block[note], (SentMidi{1, 0, 0x80, note, 127}));
  EXPECT_FALSE(plug->Engine().GetNoteEngine()->IsKeyDown(60));
  EXPECT_FALSE(plug->IsAllNotesOffPending());
}

TEST_F(PluginTest, MidiLearnMapsAndUnmapsAController)
{
  const int knob = 175;                                                     // any control index: the "Gate" knob's
  plug->SetParameterFromControl(knob, kGate, kMidiLearnMenu, 0.0, 10, 10);  // "MIDI learn"
  EXPECT_EQ(plug->GetLearnTarget(), knob);
  Midi(0xB0, 7, 100);
  EXPECT_TRUE(sent.empty());  // mapped by its first message, and consumed
  EXPECT_EQ(Value(kCCMapping + 7), knob);
  EXPECT_EQ(plug->GetLearnTarget(), -1);
  Midi(0xB0, 7, 10);
  EXPECT_TRUE(sent.empty());
  Midi(0xB0, 8, 10);
  EXPECT_EQ(sent.size(), 1u);

  plug->SetParameterFromControl(knob, kGate, kMidiLearnMenu, 0.0, 10, 10);
  Midi(0xE0, 0, 70);  // the pitch wheel learns as controller 119
  EXPECT_EQ(Value(kCCMapping + 119), knob);

  plug->SetParameterFromControl(knob, kGate, kMidiLearnMenu, 1.0, 10, 10);  // "MIDI unlearn"
  EXPECT_EQ(Value(kCCMapping + 7), -1);
  EXPECT_EQ(Value(kCCMapping + 119), -1);
  sent.clear();
  Midi(0xB0, 7, 100);
  EXPECT_EQ(sent.size(), 1u);
  // The host heard of the knob the controller moved, not of the mappings.
  for (int index : automated) EXPECT_EQ(index, kGate);
}

TEST_F(PluginTest, ControllersThatVanishAreNeverLearnt)
{
  const int knob = 172;
  plug->SetParameterFromControl(knob, kTranspose, kMidiLearnMenu, 0.0, 10, 10);
  for (int c : {0, 120, 121, 123, 127}) {
    Midi(0xB0, c, 64);
    EXPECT_EQ(Value(kCCMapping + c), -1) << c;
    EXPECT_EQ(plug->GetLearnTarget(), knob) << c;
  }
  Midi(0xB1, 5, 64);  // another channel passes by the learning too
  EXPECT_EQ(plug->GetLearnTarget(), knob);
  Midi(0xB0, 5, 64);
  EXPECT_EQ(Value(kCCMapping + 5), knob);
  EXPECT_EQ(plug->GetLearnTarget(), -1);
}

// --- The block and MIDI out ---

TEST_F(PluginTest, BlocksAreSilent)
{
  Midi(0x90, 60, 100);
  Block(512);
  for (int ch = 0; ch < 2; ++ch)
    for (float s : out[ch]) ASSERT_EQ(s, 0.0f);
}

TEST_F(PluginTest, TeachSendsAMovingControllerForOneButtonAtATime)
{
  Set(kCC1Control, 74);
  Set(kCC2Teach, 1);
  Set(kCC1Teach, 1);
  EXPECT_EQ(Value(kCC2Teach), 0.0);  // switched off with its flag
  EXPECT_FALSE(plug->IsCCTeachOn(false));
  Block();
  Block();
  Block();
  EXPECT_EQ(sent, (std::vector<SentMidi>{{0, 0, 0xB0, 74, 19}, {1, 0, 0xB0, 74, 20}, {2, 0, 0xB0, 74, 19}}));
  Set(kCC1Teach, 0);
  Block();
  EXPECT_TRUE(SentIn(3).empty());
}

TEST_F(PluginTest, NotesAndStepControllersGoOutOnTheOutputChannel)
{
  Set(kStepRate, 4);
  Set(kMidiOutChannel, 2);
  Set(kCC2Control, 20);
  Set(kStepCC1, 64);
  Set(kStepCC2 + 1, 128);
  Midi(0x90, 60, 100);
  Midi(0x90, 64, 90);
  for (int b = 0; b < 22; ++b) Block();
  ASSERT_GE(sent.size(), 5u);
  // Step 1: its note, then CC1 (controller 0) with 64 x 127 / 128 = 63.
  EXPECT_EQ(sent[0], (SentMidi{0, 0, 0x92, 60, 100}));
  EXPECT_EQ(sent[1], (SentMidi{0, 0, 0xB2, 0, 63}));
  // Step 2 at 5513: the first note ends, the second starts with CC2 127.
  EXPECT_EQ(sent[2], (SentMidi{10, 5513 - 5120, 0x82, 60, 127}));
  EXPECT_EQ(sent[3], (SentMidi{10, 5513 - 5120, 0x92, 64, 90}));
  EXPECT_EQ(sent[4], (SentMidi{10, 5513 - 5120, 0xB2, 20, 127}));
}

TEST_F(PluginTest, NotesBeyondTheMidiRangeAreMarkedSentButNotSent)
{
  HeldNote high;
  high.pitch = 120;
  high.transposition = 12;
  HeldNote low;
  low.pitch = 3;
  low.transposition = -4;
  HeldNote fine;
  fine.pitch = 100;
  fine.transposition = 27;
  KIT_PtrList<NoteEvent> events;
  events.Add(new NoteEvent(high, 10.0, true));
  events.Add(new NoteEvent(low, 20.0, false));
  events.Add(new NoteEvent(fine, 30.0, true));
  Block();  // gives the events a block to lie in
  sent.clear();
  plug->ProcessNotes(events, 512);
  EXPECT_TRUE(events.Get(0)->noteOnSent);
  EXPECT_TRUE(events.Get(1)->noteOffSent);
  EXPECT_EQ(sent, (std::vector<SentMidi>{{1, 30, 0x90, 127, 127}}));
  events.Empty(true);
}

TEST_F(PluginTest, EveryOffsetLiesInsideItsBlock)
{
  Set(kStepRate, 7);  // "1/128"
  Set(kSwing, 1.0);
  Set(kGate, 100);
  Midi(0x90, 60, 100);
  Midi(0x90, 67, 100);
  for (int b = 0; b < 50; ++b) Block(b % 2 ? 64 : 100);
  ASSERT_FALSE(sent.empty());
  for (const SentMidi& m : sent) {
    EXPECT_GE(m.offset, 0) << m;
    EXPECT_LT(m.offset, m.block % 2 ? 64 : 100) << m;
  }
}

TEST_F(PluginTest, EventStartsAreTakenIntoTheBlock)
{
  const struct {
    double start;
    int offset;
  } cases[] = {{-3.5, 0},  {0.0, 0},     {10.9, 10},  {511.99, 511},    {512.0, 511},
               {3e9, 511}, {1e300, 511}, {-1e300, 0}, {std::nan(""), 0}};
  Block();
  HeldNote note;
  note.pitch = 60;
  for (const auto& c : cases) {
    KIT_PtrList<NoteEvent> events;
    events.Add(new NoteEvent(note, c.start, true));
    sent.clear();
    plug->ProcessNotes(events, 512);
    ASSERT_EQ(sent.size(), 1u) << c.start;
    EXPECT_EQ(sent[0].offset, c.offset) << c.start;
    events.Empty(true);
  }
}

TEST_F(PluginTest, EachInstancePublishesItsOwnTransport)
{
  HostedPlugin other;
  other.Create();
  other.time.flags |= 0x4 | 0x1000;  // a host cycle of beats 1 to 3
  other.time.cycleStartPos = 1.0;
  other.time.cycleEndPos = 3.0;
  other.Block();
  Block();
  const TransportFigures& mine = plug->Engine().GetTransport();
  const TransportFigures& theirs = other.plug->Engine().GetTransport();
  EXPECT_TRUE(mine.running);
  EXPECT_FALSE(mine.cycleActive);
  EXPECT_EQ(mine.loopEnd, -1.0);
  EXPECT_TRUE(theirs.cycleActive);
  EXPECT_EQ(theirs.loopStart, 22050.0);
  EXPECT_EQ(theirs.loopEnd, 66150.0);
}

// --- State ---

double DoubleAt(const std::vector<uint8_t>& bytes, size_t at)
{
  double v;
  std::memcpy(&v, &bytes[at], 8);
  return v;
}

TEST_F(PluginTest, StateChunkLayout)
{
  for (bool bank : {true, false}) {
    const std::vector<uint8_t> chunk = GetChunk(bank);
    ASSERT_EQ(chunk.size(), 4616u) << bank;
    const uint8_t header[] = {0x74, 0x66, 0x66, 0x70, 0x00, 0x00, 0x01, 0x00};
    EXPECT_EQ(std::memcmp(chunk.data(), header, 8), 0);
    for (int i = 0; i < 185; ++i) ASSERT_EQ(DoubleAt(chunk, 8 + 8 * i), 0.5) << i;
    for (int i = 0; i < 391; ++i) ASSERT_EQ(DoubleAt(chunk, 1488 + 8 * i), Value(i)) << i;
    EXPECT_EQ(DoubleAt(chunk, 1488 + 8 * kStepRate), 3.0);
    EXPECT_EQ(DoubleAt(chunk, 1488 + 8 * kPatternSteps), 16.0);
    EXPECT_EQ(DoubleAt(chunk, 1488 + 8 * (kCCMapping + 127)), -1.0);
  }
}

TEST_F(PluginTest, StateRoundTripRestoresEveryParameter)
{
  Set(kStepRate, 6);
  Set(kSwing, 0.37);
  Set(kStepTranspose + 12, -7);  // the carrier of the 185 doubles
  Set(kStepShift + 3, 12.3);
  Set(kMidiOutChannel, 9);
  Set(kCCMapping + 64, 200);
  Set(kCC2Teach, 1);
  Set(31, 1);  // never declared, still carried by the state
  std::vector<double> values;
  for (int i = 0; i < 391; ++i) values.push_back(Value(i));
  std::vector<uint8_t> chunk = GetChunk(true);
  EXPECT_EQ(DoubleAt(chunk, 8), 17.0 / 48.0);

  Create();
  ASSERT_EQ(SetChunk(chunk, true), 1);
  for (int i = 0; i < 391; ++i) EXPECT_EQ(Value(i), values[i]) << i;
  EXPECT_EQ(plug->GetMidiChannel(false), 10);
  EXPECT_TRUE(plug->IsCCTeachOn(false));
  EXPECT_EQ(GetChunk(false), chunk);
}

// Every parameter of a fresh instance lies within its range, and its own
// state, read into another fresh one, is saved as the same bytes. A state
// of an earlier version, "MIDI learn" at -1 in it, still reads.
TEST_F(PluginTest, AFreshStateReadsBackByteForByte)
{
  for (int i = 0; i < 391; ++i) {
    const IParam* p = plug->GetParam(i);
    EXPECT_TRUE(p->Value() >= p->GetMin() && p->Value() <= p->GetMax()) << i << " holds " << p->Value();
  }
  const std::vector<uint8_t> mine = GetChunk(true);
  ASSERT_EQ(mine.size(), 4616u);
  std::vector<uint8_t> earlier = mine;
  const double nothingChosen = -1.0;
  std::memcpy(&earlier[1488 + 8 * kMidiLearnMenu], &nothingChosen, 8);

  Create();
  ASSERT_EQ(SetChunk(mine, true), 1);
  EXPECT_EQ(GetChunk(true), mine);
  Create();
  ASSERT_EQ(SetChunk(earlier, true), 1);
  EXPECT_EQ(Value(kMidiLearnMenu), 0.0);
  EXPECT_EQ(GetChunk(true), mine);
}

// The host moves the carrier of Tolvo's own doubles between the steps of
// its parameter; the doubles say the step, which is what a read gives
// back, so the state still reads back to the byte.
TEST_F(PluginTest, AStateReadsBackByteForByteAfterTheHostMovesBetweenSteps)
{
  effect()->setParameter(effect(), kStepTranspose + 12, 0.3741f);
  effect()->setParameter(effect(), kSwing, 0.123456f);
  const std::vector<uint8_t> mine = GetChunk(false);
  EXPECT_EQ(DoubleAt(mine, 8), 18.0 / 48.0);  // -6 of -24..24
  Create();
  ASSERT_EQ(SetChunk(mine, false), 1);
  EXPECT_EQ(GetChunk(false), mine);
}

TEST_F(PluginTest, AStateTooShortForItsOwnBlockChangesNothing)
{
  Set(kStepRate, 5);
  Midi(0x90, 60, 100);
  Block();
  std::vector<uint8_t> chunk = GetChunk(false);
  chunk.resize(8 + 1479);
  std::memset(chunk.data() + 8, 0, 1479);
  EXPECT_EQ(SetChunk(chunk, false), 0);
  EXPECT_EQ(Value(kStepRate), 5.0);
  EXPECT_TRUE(plug->Engine().GetNoteEngine()->IsKeyDown(60));
  std::vector<uint8_t> headerOnly(chunk.begin(), chunk.begin() + 6);
  EXPECT_EQ(SetChunk(headerOnly, true), 0);
  EXPECT_EQ(Value(kStepRate), 5.0);
}

TEST_F(PluginTest, AChunkCutShortChangesNothing)
{
  // Cut within the parameter block: before "Pattern steps", and before the
  // mapping of controller 7. Refused, the chunk leaves every parameter, the
  // held chord and the controller as they were.
  const std::vector<uint8_t> whole = GetChunk(false);
  for (size_t cut : {size_t(1728), size_t(3648), whole.size() - 1}) {
    Create();
    Midi(0x90, 60, 100);
    Midi(0x90, 64, 100);
    Block();
    std::vector<double> before;
    for (int i = 0; i < 391; ++i) before.push_back(Value(i));
    EXPECT_EQ(SetChunk(std::vector<uint8_t>(whole.begin(), whole.begin() + cut), false), 0) << cut;
    for (int i = 0; i < 391; ++i) ASSERT_EQ(Value(i), before[i]) << cut << ": parameter " << i;
    for (int b = 0; b < 100; ++b) Block();
    int noteOns = 0;
    for (const SentMidi& m : sent) noteOns += (m.status & 0xF0) == 0x90;
    EXPECT_GE(noteOns, 4) << cut << ": the chord goes on playing";
    sent.clear();
    Midi(0xB0, 7, 64);
    EXPECT_EQ(sent.size(), 1u) << cut << ": controller 7 is passed through";
  }
}

}  // namespace
