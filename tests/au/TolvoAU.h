#ifndef TOLVOAU_H
#define TOLVOAU_H

// Tolvo over the Audio Unit binding, opened in the test host (its editor
// open too, for the editor's tests), and the plain phrase it plays: a C
// major chord held from the start at 120 BPM, "Step rate" "1/16", the
// transport playing, 512-frame blocks.

#include <vector>

#include "AUHost.h"
#include "IGraphicsHeadless.h"
#include "ParamTable.h"
#include "Tolvo.h"

extern "C" ComponentResult Tolvo_Entry(ComponentParameters* params, Handle storage);
extern "C" ComponentResult Tolvo_ViewEntry(ComponentParameters* params, Handle storage);

// Tolvo's component: an instrument, subtype and maker "q7m2".
inline Component TolvoComponent()
{
  static const Component component =
      TestRegisterComponent(ComponentDescription{0x61756D75 /* aumu */, 0x71376D32, 0x71376D32, 0, 0}, Tolvo_Entry);
  return component;
}

// One message at its sample position from the start of the phrase.
struct Played {
  int64_t at;
  int status, data1, data2;
  bool operator==(const Played& o) const
  {
    return at == o.at && status == o.status && data1 == o.data1 && data2 == o.data2;
  }
};

inline std::ostream& operator<<(std::ostream& os, const Played& p)
{
  return os << "{" << p.at << " " << std::hex << p.status << std::dec << " " << p.data1 << " " << p.data2 << "}";
}

const int64_t kPhraseLength = 23000;
const int kPhraseBlock = 512;

// What the phrase plays, in the order it goes out.
inline std::vector<Played> PhraseNotes()
{
  return {{0, 0x90, 60, 100},     {5513, 0x80, 60, 127},  {5513, 0x90, 64, 90},
          {11025, 0x80, 64, 127}, {11025, 0x90, 67, 80},  {16538, 0x80, 67, 127},
          {16538, 0x90, 60, 100}, {22050, 0x80, 60, 127}, {22050, 0x90, 64, 90}};
}

// Plays the phrase through the opened, initialised unit; what the host's
// callback receives is in host.midi.
inline void PlayPhrase(AUHost& host)
{
  host.GiveHostCallbacks();
  EXPECT_EQ(AudioUnitSetParameter(host.unit, TolvoParams::kStepRate, kAudioUnitScope_Global, 0, 4.0f, 0), noErr);
  EXPECT_EQ(MusicDeviceMIDIEvent(host.unit, 0x90, 60, 100, 0), noErr);
  EXPECT_EQ(MusicDeviceMIDIEvent(host.unit, 0x90, 64, 90, 0), noErr);
  EXPECT_EQ(MusicDeviceMIDIEvent(host.unit, 0x90, 67, 80, 0), noErr);
  while (host.clock.sample < kPhraseLength) ASSERT_EQ(host.Render(kPhraseBlock), noErr);
}

// Tolvo opened and initialised, with no JACK server to open its virtual
// source on.
class OpenedTolvo : public ::testing::Test, public AUHost {
protected:
  void SetUp() override
  {
    KeepJackToItself("tolvo-no-server");
    TestAUEvents().clear();
    Open(TolvoComponent());
    ASSERT_EQ(AudioUnitInitialize(unit), noErr);
    plug = (Tolvo*)GetComponentInstanceStorage(unit);
  }
  void TearDown() override { Close(); }

  Tolvo* plug = nullptr;
};

// The same, its editor open on the window-less back end.
class OpenedTolvoEditor : public OpenedTolvo {
protected:
  void SetUp() override
  {
    OpenedTolvo::SetUp();
    gui = static_cast<IGraphicsHeadless*>(plug->GetGUI());
    ASSERT_NE(gui, nullptr);
    gui->OpenWindow(nullptr);
    gui->Tick();
  }

  IGraphicsHeadless* gui = nullptr;
};

// The host callback's messages as the phrase's positions.
inline std::vector<Played> HostPlayed(const AUHost& host)
{
  std::vector<Played> played;
  for (const HostMidi& m : host.midi)
    played.push_back({m.block * (int64_t)kPhraseBlock + m.time, m.bytes[0], m.bytes[1], m.bytes[2]});
  return played;
}

#endif
