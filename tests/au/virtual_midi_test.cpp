// The plug-in's virtual source "From Tolvo", through RtMidi for real: a
// JACK server of the test's own carries it (JACK stands in for CoreMIDI off
// Apple) to an RtMidi input that reads it.

#include <chrono>
#include <memory>
#include <thread>

#include "IGraphics.h"
#include "JackServer.h"
#include "Tolvo.h"
#include "TolvoAU.h"

using namespace TolvoParams;

namespace {
JackServer* gServer = nullptr;

// Reads the virtual source of the plug-in.
class SourceReader {
public:
  SourceReader() : mIn(RtMidi::UNIX_JACK, "Tolvo reader") {}

  // Opens the source and waits until what the plug-in sends there reaches
  // the reader: JACK joins the ports at one of its next cycles, and what is
  // sent before then is lost. Probes (a controller on channel 16, numbered)
  // go out until one comes back; then the last one sent is read, so none is
  // left on its way.
  bool Connect(IFxAU* plug)
  {
    for (unsigned i = 0; i < mIn.getPortCount(); ++i) {
      if (mIn.getPortName(i) != "RtMidi Output Client:From Tolvo") continue;
      mIn.openPort(i);
      return Probe(plug);
    }
    return false;
  }

  // Waits up to the time given for n messages.
  std::vector<std::vector<unsigned char>> Read(size_t n, int ms = 2000)
  {
    std::vector<std::vector<unsigned char>> messages;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (messages.size() < n && std::chrono::steady_clock::now() < end) {
      std::vector<unsigned char> m;
      mIn.getMessage(&m);
      if (m.empty())
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      else
        messages.push_back(m);
    }
    return messages;
  }

private:
  static constexpr unsigned char kProbe = 0xBF, kProbeController = 119;

  bool Probe(IFxAU* plug)
  {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    int sent = 0;
    bool back = false;
    while (std::chrono::steady_clock::now() < end) {
      if (!back) {
        IMidiMessage probe(0, kProbe, kProbeController, sent++ % 128);
        plug->SendMidiMsg(&probe);
      }
      std::vector<unsigned char> m;
      mIn.getMessage(&m);
      if (m.empty()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        continue;
      }
      if (m.size() != 3 || m[0] != kProbe || m[1] != kProbeController) return false;
      back = true;
      if (m[2] == (sent - 1) % 128) return true;
    }
    return false;
  }

  RtMidiIn mIn;
};

class VirtualMidiTest : public ::testing::Test, public AUHost {
protected:
  void SetUp() override
  {
    ASSERT_NE(gServer, nullptr);
    Open(TolvoComponent());
    ASSERT_EQ(AudioUnitInitialize(unit), noErr);
    plug = (Tolvo*)GetComponentInstanceStorage(unit);
    GiveMidiCallback();
  }
  void TearDown() override { Close(); }

  Tolvo* plug = nullptr;
};

TEST_F(VirtualMidiTest, AnOpenSourceIsOfferedAndChosen)
{
  ASSERT_TRUE(plug->HasVirtualMidiOutput());
  const IParam* output = plug->GetParam(kMidiOutput);
  ASSERT_EQ(output->NDisplayTexts(), 2);
  EXPECT_STREQ(output->GetDisplayText(0), "Host");
  EXPECT_STREQ(output->GetDisplayText(1), "Virtual output");
  EXPECT_EQ(output->Value(), 1.0);
  EXPECT_EQ(output->GetNormalized(), 1.0);
  EXPECT_EQ(plug->GetMidiOutPort(), IFxAU::kMidiOutVirtual);
  // The about box's "MIDI output" switch shows the choice.
  IGraphics* gui = plug->GetGUI();
  ASSERT_EQ(gui->NControls(), 367);
  EXPECT_EQ(gui->GetControl(366)->ParamIdx(), kMidiOutput);
  EXPECT_EQ(gui->GetControl(366)->GetValue(), 1.0);

  SourceReader reader;
  ASSERT_TRUE(reader.Connect(plug));
  IMidiMessage note(256, 0x90, 72, 99);
  EXPECT_TRUE(plug->SendMidiMsg(&note));
  const auto messages = reader.Read(1);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], (std::vector<unsigned char>{0x90, 72, 99}));
}

TEST_F(VirtualMidiTest, ThePhraseReachesAReaderOfTheSource)
{
  SourceReader reader;
  ASSERT_TRUE(reader.Connect(plug));
  PlayPhrase(*this);
  const std::vector<Played> expected = PhraseNotes();
  const auto messages = reader.Read(expected.size());
  ASSERT_EQ(messages.size(), expected.size());
  // The source sends at once: the order is kept, the place in the block is
  // not.
  for (size_t i = 0; i < expected.size(); ++i) {
    const std::vector<unsigned char> bytes = {(unsigned char)expected[i].status, (unsigned char)expected[i].data1,
                                              (unsigned char)expected[i].data2};
    EXPECT_EQ(messages[i], bytes) << i;
  }
  EXPECT_TRUE(midi.empty());  // nothing went to the host
}

TEST_F(VirtualMidiTest, ChoosingTheHostSendsThroughItsCallback)
{
  SourceReader reader;
  ASSERT_TRUE(reader.Connect(plug));
  ASSERT_EQ(AudioUnitSetParameter(unit, kMidiOutput, kAudioUnitScope_Global, 0, 0.0f, 0), noErr);
  EXPECT_EQ(plug->GetMidiOutPort(), IFxAU::kMidiOutHost);
  PlayPhrase(*this);
  EXPECT_EQ(HostPlayed(*this), PhraseNotes());
  EXPECT_TRUE(reader.Read(1, 300).empty());
}

TEST_F(VirtualMidiTest, ANoteSoundingWhenTheOutputChangesEndsOnTheSource)
{
  SourceReader reader;
  ASSERT_TRUE(reader.Connect(plug));
  GiveHostCallbacks();
  ASSERT_EQ(AudioUnitSetParameter(unit, kStepRate, kAudioUnitScope_Global, 0, 4.0f, 0), noErr);
  ASSERT_EQ(MusicDeviceMIDIEvent(unit, 0x90, 60, 100, 0), noErr);
  ASSERT_EQ(Render(kPhraseBlock), noErr);  // the first step's note starts on the source
  ASSERT_EQ(AudioUnitSetParameter(unit, kMidiOutput, kAudioUnitScope_Global, 0, 0.0f, 0), noErr);
  while (clock.sample < 6000) ASSERT_EQ(Render(kPhraseBlock), noErr);

  const auto messages = reader.Read(2);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], (std::vector<unsigned char>{0x90, 60, 100}));
  EXPECT_EQ(messages[1], (std::vector<unsigned char>{0x80, 60, 127}));
  // The host hears only the note it was sent, not the end of the other.
  const std::vector<Played> expected = {{5513, 0x90, 60, 100}};
  EXPECT_EQ(HostPlayed(*this), expected);
}

TEST_F(VirtualMidiTest, ANoteSoundingWhenThePlugInClosesEndsOnTheSource)
{
  SourceReader reader;
  ASSERT_TRUE(reader.Connect(plug));
  GiveHostCallbacks();
  ASSERT_EQ(MusicDeviceMIDIEvent(unit, 0x90, 60, 100, 0), noErr);
  ASSERT_EQ(Render(kPhraseBlock), noErr);
  Close();

  const auto messages = reader.Read(2);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], (std::vector<unsigned char>{0x90, 60, 100}));
  EXPECT_EQ(messages[1], (std::vector<unsigned char>{0x80, 60, 127}));
}

}  // namespace

int main(int argc, char** argv)
{
  ::testing::InitGoogleTest(&argc, argv);
  JackServer server;
  AUHost::KeepJackToItself(server.Name().c_str());
  if (!server.Start()) {
    std::fprintf(stderr, "could not start a JACK server on the dummy driver (is jackd installed?)\n");
    return 1;
  }
  gServer = &server;
  const int result = RUN_ALL_TESTS();
  server.Stop();
  return result;
}
