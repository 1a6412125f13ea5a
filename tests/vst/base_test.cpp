// The plug-in base on its own: channels, parameters, the plug lock and the
// parameter block.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "TestBase.h"

namespace {

TEST(Base, ChannelConfigurations)
{
  struct Case {
    const char* io;
    int ins, outs, pairs;
    bool legal02, legalAny2, legal1Any;
  };
  const Case cases[] = {
      {"0-2", 0, 2, 1, true, true, false},
      {"1-1 2-2", 2, 2, 2, false, true, true},
      {"1-1 0-2", 1, 2, 2, true, true, true},
  };
  for (const Case& c : cases) {
    TestBase plug(c.io);
    EXPECT_EQ(plug.NInChannels(), c.ins) << c.io;
    EXPECT_EQ(plug.NOutChannels(), c.outs) << c.io;
    EXPECT_EQ(plug.NChannelIO(), c.pairs) << c.io;
    EXPECT_EQ(plug.LegalIO(0, 2), c.legal02) << c.io;
    EXPECT_EQ(plug.LegalIO(-1, 2), c.legalAny2) << c.io;
    EXPECT_EQ(plug.LegalIO(1, -1), c.legal1Any) << c.io;
  }
}

TEST(BaseDeathTest, MalformedChannelPairStops) { EXPECT_DEATH(TestBase plug("2"), "sscanf"); }

TEST(Base, ConnectionsAndStereoLimit)
{
  TestBase plug("4-4");
  plug.SetInputChannelConnections(0, 4, true);
  plug.SetOutputChannelConnections(0, 99, false);  // clipped to the channels
  plug.LimitToStereoIO();
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(plug.IsInChannelConnected(i), i < 2) << i;
    EXPECT_EQ(plug.IsOutChannelConnected(i), i >= 2) << i;
  }
  EXPECT_FALSE(plug.IsInChannelConnected(4));
  EXPECT_FALSE(plug.IsOutChannelConnected(-1));
}

// Outputs left unconnected point at their scratch buffers, which must follow
// every block-size change and grow for a longer block; the sanitizer build
// sees any write into freed or short memory here.
TEST(Base, UnconnectedChannelsFollowTheirScratchBuffers)
{
  TestBase plug("2-2");
  plug.SetInputChannelConnections(0, 2, true);
  plug.SetOutputChannelConnections(0, 2, true);
  plug.SetOutputChannelConnections(1, 1, false);
  plug.SetInputChannelConnections(1, 1, false);
  for (int blockSize : {16, 4096, 8, 0, -3}) plug.SetBlockSize(blockSize);
  EXPECT_EQ(plug.GetBlockSize(), 8);

  const int n = 3000;  // longer than announced
  std::vector<float> in0(n, 0.5f), out0(n, 0.25f);
  float* ins[] = {in0.data()};
  float* outs[] = {out0.data()};
  ASSERT_TRUE(plug.ScratchHolds(n));
  plug.AttachInputBuffersFromFloat(0, 2, ins, n);
  plug.AttachOutputBuffersToFloat(0, 2, outs, n);
  plug.ProcessBuffersToFloat(n);
  EXPECT_EQ(out0[0], 0.5f);
  EXPECT_EQ(out0[n - 1], 0.5f);
}

// An input switched off, or handed over as a null buffer, reads silence:
// never the last block that went through its scratch buffer.
TEST(Base, InputsWithoutAHostBufferReadSilence)
{
  TestBase plug("2-2");
  plug.SetInputChannelConnections(0, 2, true);
  plug.SetOutputChannelConnections(0, 2, true);
  plug.SetBlockSize(4);
  std::vector<float> in0(4, 0.5f), in1(4, 0.75f), out0(4), out1(4);
  float* ins[] = {in0.data(), in1.data()};
  float* outs[] = {out0.data(), out1.data()};
  auto process = [&] {
    plug.AttachInputBuffersFromFloat(0, 2, ins, 4);
    plug.AttachOutputBuffersToFloat(0, 2, outs, 4);
    plug.ProcessBuffersToFloat(4);
  };
  process();
  ASSERT_EQ(out1[3], 0.75f);

  plug.SetInputChannelConnections(1, 1, false);
  process();
  EXPECT_EQ(out0[3], 0.5f);
  EXPECT_EQ(out1[3], 0.0f) << "an unconnected input replays its last block";

  plug.SetInputChannelConnections(1, 1, true);
  process();
  ASSERT_EQ(out1[3], 0.75f);
  ins[1] = nullptr;
  process();
  EXPECT_EQ(out1[3], 0.0f) << "a null host buffer replays the last block";
}

TEST(Base, AttachToFloatTakesHostBuffersForConnectedOutputsOnly)
{
  TestBase plug("0-2");
  plug.SetBlockSize(4);
  plug.SetOutputChannelConnections(0, 1, true);
  std::vector<float> a(4, 9.0f), b(4, 9.0f);
  float* outs[] = {a.data(), b.data()};
  plug.AttachOutputBuffersToFloat(0, 2, outs, 4);
  plug.ProcessBuffersToFloat(4);
  EXPECT_EQ(a[3], 0.0f);  // no inputs: the default process writes silence
  EXPECT_EQ(b[3], 9.0f);  // never taken
}

TEST(Base, EditorChangesTellTheHostUnlessHidden)
{
  TestBase plug;
  plug.SetParameterFromGUI(1, 0.333);
  plug.SetParameterFromGUI(3, 0.7);  // host-hidden
  plug.SetParameterFromGUI(9, 0.7);  // no such parameter
  ASSERT_EQ(plug.informed.size(), 1u);
  EXPECT_EQ(plug.informed[0].idx, 1);
  EXPECT_EQ(plug.informed[0].value, 0.333);  // as given, not as rounded
  EXPECT_DOUBLE_EQ(plug.GetParam(1)->Value(), 0.333);
  EXPECT_DOUBLE_EQ(plug.GetParam(3)->Value(), 0.7);
  EXPECT_EQ(plug.changed, (std::vector<int>{1, 3}));
}

TEST(Base, ControlPromptTakesThePlugLock)
{
  TestBase plug;
  std::atomic<bool> done{false};
  plug.m_mutex.Enter();
  std::thread prompt([&] {
    plug.SetParameterFromControl(0, 2, 2, 0.25, 0, 0);
    done = true;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_FALSE(done);  // waits for the audio thread's block
  plug.m_mutex.Leave();
  prompt.join();
  EXPECT_TRUE(done);
  EXPECT_DOUBLE_EQ(plug.GetParam(2)->Value(), 0.25);
  EXPECT_EQ(plug.fromControl, 1);
  EXPECT_TRUE(plug.changed.empty());
  ASSERT_EQ(plug.informed.size(), 1u);
}

TEST(Base, AttachingAnEditorPushesEveryValue)
{
  TestBase plug;
  plug.GetParam(0)->InitInt("steps", 4, 0, 8);  // type already set: stays double
  RecordingEditor* editor = new RecordingEditor(&plug);
  plug.AttachGraphics(editor);
  EXPECT_EQ(plug.GetGUI(), editor);
  EXPECT_EQ(editor->prepared, 1);
  ASSERT_EQ(editor->pushes.size(), 4u);
  EXPECT_DOUBLE_EQ(editor->pushes[0].value, 0.5);

  editor->pushes.clear();
  plug.GetParam(1)->Set(0.75);
  plug.RedrawParamControls();  // plain values, normalised on the way
  editor->ShowPlugChanges();   // and shown on the editor's tick
  ASSERT_EQ(editor->pushes.size(), 4u);
  EXPECT_EQ(editor->pushes[1].idx, 1);
  EXPECT_DOUBLE_EQ(editor->pushes[1].value, 0.75);
}

TEST(Base, VersionsAndSamplesPerBeat)
{
  TestBase plug;
  EXPECT_EQ(plug.GetEffectVersion(false), 0x00010200);
  EXPECT_EQ(plug.GetEffectVersion(true), 10200);
  EXPECT_EQ(IFxBase::GetDecimalVersion(0x000A0B0C), 101112);
  EXPECT_DOUBLE_EQ(plug.GetSamplesPerBeat(), 22050.0);
  plug.tempo = 0.0;
  EXPECT_EQ(plug.GetSamplesPerBeat(), 0.0);
  plug.SetHost("Cubase LE", 0x00050100);
  EXPECT_EQ(plug.GetHost(), 3);
  EXPECT_EQ(plug.GetHostVersion(true), 50100);
}

TEST(Base, ParameterBlock)
{
  TestBase plug;
  IChunk chunk;
  plug.GetParam(2)->Set(0.25);
  EXPECT_TRUE(plug.SerializeParams(&chunk));
  ASSERT_EQ(chunk.Size(), 4 * 8);

  TestBase other;
  EXPECT_EQ(other.UnserializeParams(&chunk, 0), 32);
  EXPECT_EQ(other.Values(), plug.Values());
  EXPECT_EQ(other.changed, (std::vector<int>{0, 1, 2, 3}));

  // One double short: refused, and nothing is set or announced.
  IChunk shortChunk;
  for (double v : {0.1, 7.0, -3.0}) shortChunk.PutDouble(v);
  other.changed.clear();
  other.GetParam(3)->Set(0.9);
  const std::vector<double> before = other.Values();
  EXPECT_EQ(other.UnserializeParams(&shortChunk, 0), -1);
  EXPECT_EQ(other.Values(), before);
  EXPECT_TRUE(other.changed.empty());
  EXPECT_EQ(other.UnserializeParams(&chunk, -1), -1);
  EXPECT_EQ(other.UnserializeParams(&chunk, 1), -1);  // the block runs past the end
  EXPECT_TRUE(other.changed.empty());

  // Out of range values read back clamped.
  IChunk wild;
  for (double v : {-5.0, 99.0, 0.5, 0.5}) wild.PutDouble(v);
  EXPECT_EQ(other.UnserializeParams(&wild, 0), 32);
  EXPECT_EQ(other.Values()[0], 0.0);
  EXPECT_EQ(other.Values()[1], 1.0);
}

TEST(Base, ChunkHeader)
{
  TestBase plug;
  IChunk chunk;
  chunk.PutInt(5);
  plug.WriteChunkHeader(&chunk);
  ASSERT_EQ(chunk.Size(), 8);
  const unsigned char want[] = {0x74, 0x66, 0x66, 0x70, 0x00, 0x00, 0x01, 0x00};
  EXPECT_EQ(std::memcmp(chunk.GetBytes(), want, 8), 0);
  int pos = 0;
  EXPECT_EQ(plug.ReadChunkHeader(&chunk, &pos), 0x00010000);
  EXPECT_EQ(pos, 8);

  IChunk plain;
  plain.PutDouble(1.0);
  pos = 0;
  EXPECT_EQ(plug.ReadChunkHeader(&plain, &pos), 0);
  EXPECT_EQ(pos, 0);
}

}  // namespace
