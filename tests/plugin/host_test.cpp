// The built plug-in library in the VST 2 test host: what a host sees of
// its identity, parameters and state, and the notes it plays in time.
// Run with the library's path as the one argument.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ParamTable.h"
#include "ParamTableGolden.h"
#include "VstHost.h"

namespace {

std::string gPluginPath;

using vsthost::kGetEffectName;
using vsthost::kGetParamDisplay;
using vsthost::kGetParamLabel;
using vsthost::kGetParamName;
using vsthost::kString2Parameter;
using namespace TolvoParams;

class HostTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    std::string error;
    ASSERT_TRUE(library.Open(gPluginPath, &error)) << error;
    plug = NewInstance();
    ASSERT_TRUE(plug);
  }

  std::unique_ptr<vsthost::Plugin> NewInstance()
  {
    auto p = std::make_unique<vsthost::Plugin>(library);
    if (!p->Create()) return nullptr;
    p->Dispatch(vsthost::kOpen);
    p->Dispatch(vsthost::kSetSampleRate, 0, 0, nullptr, 44100.0f);
    p->Dispatch(vsthost::kSetBlockSize, 0, 512);
    p->Dispatch(vsthost::kMainsChanged, 0, 1);
    return p;
  }

  std::string Text(vsthost::Plugin& p, int32_t opcode, int index)
  {
    char text[256] = {};
    p.Dispatch(opcode, index, 0, text);
    return text;
  }

  bool SetText(vsthost::Plugin& p, int index, const char* text)
  {
    return p.Dispatch(kString2Parameter, index, 0, const_cast<char*>(text)) == 1;
  }

  vsthost::Library library;
  std::unique_ptr<vsthost::Plugin> plug;
};

double DoubleAt(const std::vector<uint8_t>& bytes, size_t at)
{
  double v;
  std::memcpy(&v, &bytes[at], 8);
  return v;
}

TEST_F(HostTest, EffectRecord)
{
  const vsthost::EffectRecord r = plug->Record();
  EXPECT_EQ(r.magic, 0x56737450);
  EXPECT_EQ(r.numPrograms, 1);
  EXPECT_EQ(r.numParams, 206);
  EXPECT_EQ(r.numInputs, 0);
  EXPECT_EQ(r.numOutputs, 2);
  EXPECT_EQ(r.flags, 0x1000 | 0x10 | 0x20 | 0x100 | 0x1);  // with its editor
  EXPECT_EQ(r.uniqueID, 0x71376d32);
  EXPECT_EQ(r.version, 10200);
  EXPECT_EQ(r.initialDelay, 0);
  EXPECT_EQ(r.ioRatio, 1.0f);
  EXPECT_TRUE(r.futureZero);
  EXPECT_EQ(Text(*plug, kGetEffectName, 0), "Tolvo");
  EXPECT_TRUE(library.Symbol("main")) << "the entry point's second name";
}

// The entry point builds the editor, which turns every step on, without a
// word to the host: the host has no effect record to know the plug-in by
// until the entry point returns. The steps are on all the same.
TEST_F(HostTest, NothingReachesTheHostBeforeTheEntryPointReturns)
{
  vsthost::Plugin fresh(library);
  ASSERT_TRUE(fresh.Create());
  for (const vsthost::Callback& cb : fresh.Callbacks())
    ADD_FAILURE() << "host callback " << cb.opcode << " (index " << cb.index << ") while the plug-in is made";
  for (int i = 0; i < 16; ++i) EXPECT_EQ(fresh.GetParameter(kStepOn + i), 1.0f) << i;
}

TEST_F(HostTest, NamesLabelsAndDisplaysOfAllParameters)
{
  std::istringstream golden(kParamTableGolden);
  std::string line;
  int index = 0;
  while (std::getline(golden, line)) {
    if (line.empty()) continue;
    std::istringstream fields(line);
    std::string number, name, label, display;
    std::getline(fields, number, '|');
    std::getline(fields, name, '|');
    std::getline(fields, label, '|');
    std::getline(fields, display, '|');
    ASSERT_EQ(std::stoi(number), index);
    EXPECT_EQ(Text(*plug, kGetParamName, index), name) << index;
    EXPECT_EQ(Text(*plug, kGetParamLabel, index), label) << index;
    EXPECT_EQ(Text(*plug, kGetParamDisplay, index), display) << index;
    ++index;
  }
  EXPECT_EQ(index, 391);
}

TEST_F(HostTest, StateChunksAndTheirRoundTrip)
{
  const std::vector<uint8_t> bank = plug->GetChunk(true), program = plug->GetChunk(false);
  ASSERT_EQ(bank.size(), 4616u);
  EXPECT_EQ(program, bank);  // no presets: the bank holds the state alone
  const uint8_t header[] = {0x74, 0x66, 0x66, 0x70, 0x00, 0x00, 0x01, 0x00};
  EXPECT_EQ(std::memcmp(bank.data(), header, 8), 0);
  for (int i = 0; i < 185; ++i) ASSERT_EQ(DoubleAt(bank, 8 + 8 * i), 0.5) << i;
  EXPECT_EQ(DoubleAt(bank, 1488 + 8 * kStepRate), 3.0);
  EXPECT_EQ(DoubleAt(bank, 1488 + 8 * kPatternSteps), 16.0);
  for (int c = 0; c < 128; ++c) ASSERT_EQ(DoubleAt(bank, 1488 + 8 * (kCCMapping + c)), -1.0) << c;

  ASSERT_TRUE(SetText(*plug, kStepRate, "1/32"));
  ASSERT_TRUE(SetText(*plug, kStepTranspose + 12, "-3"));
  ASSERT_TRUE(SetText(*plug, kMidiOutChannel, "5"));
  plug->SetParameter(kSwing, 0.25f);
  std::vector<uint8_t> changed = plug->GetChunk(true);
  EXPECT_EQ(DoubleAt(changed, 8), 21.0 / 48.0);

  auto fresh = NewInstance();
  ASSERT_TRUE(fresh);
  EXPECT_NE(fresh->GetChunk(true), changed);
  ASSERT_EQ(fresh->SetChunk(true, changed), 1);
  EXPECT_EQ(fresh->GetChunk(true), changed);
  EXPECT_EQ(Text(*fresh, kGetParamDisplay, kStepRate), "1/32");

  std::vector<uint8_t> tooShort(bank.begin(), bank.begin() + 8 + 1479);
  const std::vector<uint8_t> before = fresh->GetChunk(true);
  EXPECT_EQ(fresh->SetChunk(false, tooShort), 0);
  EXPECT_EQ(fresh->GetChunk(true), before);
}

struct Played {
  int64_t at;
  int status, data1, data2;
};

TEST_F(HostTest, ThePlainPhraseArrivesAtItsBlocksAndOffsets)
{
  ASSERT_TRUE(SetText(*plug, kStepRate, "1/16"));
  plug->time.tempo = 120.0;
  plug->time.flags = 0x2 | 0x200 | 0x400 | 0x800 | 0x2000;
  plug->SendEvents({vsthost::Event::Midi(0, 0x90, 60, 100), vsthost::Event::Midi(0, 0x90, 64, 90),
                    vsthost::Event::Midi(0, 0x90, 67, 80)});
  std::vector<Played> played;
  plug->FillBuffers(512, 1.0f, 1.0f);
  for (int64_t pos = 0; pos < 23000; pos += 512) {
    plug->time.samplePos = double(pos);
    plug->time.ppqPos = double(pos) / 22050.0;
    plug->ClearCallbacks();
    plug->Process(vsthost::ProcessKind::Replacing, 512);
    for (const vsthost::Callback& cb : plug->Callbacks()) {
      if (cb.opcode != vsthost::kHostProcessEvents) continue;
      ASSERT_EQ(cb.events.size(), 1u) << "one host event per message";
      const vsthost::Event& e = cb.events[0];
      ASSERT_EQ(e.type, vsthost::kMidiEventType);
      ASSERT_EQ(e.byteSize, 32);
      ASSERT_GE(e.deltaFrames, 0);
      ASSERT_LT(e.deltaFrames, 512);
      played.push_back({pos + e.deltaFrames, e.midiData()[0], e.midiData()[1], e.midiData()[2]});
    }
    for (const std::vector<float>& out : plug->outputs)
      for (float s : out) ASSERT_EQ(s, 0.0f);
  }
  const Played expected[] = {
      {0, 0x90, 60, 100},     {5513, 0x80, 60, 127},  {5513, 0x90, 64, 90},
      {11025, 0x80, 64, 127}, {11025, 0x90, 67, 80},  {16538, 0x80, 67, 127},
      {16538, 0x90, 60, 100}, {22050, 0x80, 60, 127}, {22050, 0x90, 64, 90},
  };
  ASSERT_EQ(played.size(), sizeof expected / sizeof expected[0]);
  for (size_t i = 0; i < played.size(); ++i) {
    EXPECT_EQ(played[i].at, expected[i].at) << i;
    EXPECT_EQ(played[i].status, expected[i].status) << i;
    EXPECT_EQ(played[i].data1, expected[i].data1) << i;
    EXPECT_EQ(played[i].data2, expected[i].data2) << i;
  }
}

TEST_F(HostTest, TwoInstancesAreIndependent)
{
  auto second = NewInstance();
  ASSERT_TRUE(second);
  EXPECT_NE(second->Effect(), plug->Effect());
  ASSERT_TRUE(SetText(*second, kStepRate, "1/2"));
  EXPECT_EQ(Text(*plug, kGetParamDisplay, kStepRate), "1/8");
  EXPECT_EQ(Text(*second, kGetParamDisplay, kStepRate), "1/2");
  EXPECT_EQ(second->Close(), 0);
  EXPECT_EQ(Text(*plug, kGetParamDisplay, kStepRate), "1/8");
}

}  // namespace

int main(int argc, char** argv)
{
  ::testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s PLUGIN-LIBRARY\n", argv[0]);
    return 2;
  }
  gPluginPath = argv[1];
  return RUN_ALL_TESTS();
}
