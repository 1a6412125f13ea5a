// The plug-in's note stream as a receiver hears it: every note-on ends with
// one note-off on its own channel and note, nothing sounds on once the keys
// are up and the transport has stopped, whatever the transposes, chords,
// ratchets and routing changes in between.

#include "NoteEngine.h"
#include "NoteLedger.h"
#include "ParamTable.h"
#include "PluginFixture.h"

using namespace TolvoParams;

namespace {

const int kTransportPlaying = 0x2;

class NoteStreamTest : public PluginFixture {
protected:
  NoteLedger Ledger() const
  {
    NoteLedger ledger;
    for (const SentMidi& m : sent) ledger.Take(uint8_t(m.status), uint8_t(m.data1), uint8_t(m.data2));
    return ledger;
  }

  // Runs whole blocks until the clock has passed `frame`; what is sent at
  // `frame` itself lands in the block that holds it, at its offset.
  void RunTo(int frame)
  {
    while (int(time.samplePos) + 512 <= frame) Block();
  }
  void Key(int status, int note, int velocity, int frame) { Midi(status, note, velocity, frame - int(time.samplePos)); }

  void StopTransportAndSettle()
  {
    time.flags &= ~kTransportPlaying;
    for (int b = 0; b < 8; ++b) Block();
  }

  void ExpectClean(const char* what)
  {
    const NoteLedger ledger = Ledger();
    EXPECT_EQ(ledger.Sounding(), 0) << what << ": still sounding " << ledger.SoundingList();
    EXPECT_TRUE(ledger.Faults().empty()) << what << ": " << ledger.Faults().front();
  }
};

TEST_F(NoteStreamTest, AChordNoteEndsAlthoughATransposedStepPlayedItsKey)
{
  Set(kTranspose, 12);
  Set(kPatternSteps, 3);
  Set(kStepData + 0, 7);  // "Chord"
  Set(kStepData + 1, 1);  // "Off"
  Midi(0x90, 60, 100);
  RunTo(27000);
  StopTransportAndSettle();
  Midi(0x80, 60, 0);
  for (int b = 0; b < 4; ++b) Block();
  ExpectClean("chord, off, play over C4 transposed +12");
}

TEST_F(NoteStreamTest, ARatchetHeldBackByALongNoteEndsWhateverTheReleaseMoment)
{
  for (int release = 21000; release < 23000; release += 37) {
    Create();
    Set(kPatternSteps, 2);
    Set(kStepGate + 0, 100);
    Set(kStepGate + 1, 100);
    Set(kStepDiv + 1, 1);  // two ratchets
    Set(kStepTranspose + 1, 7);
    Midi(0x90, 60, 100);
    Midi(0x90, 64, 100);
    RunTo(release);
    Key(0x80, 60, 0, release);
    Key(0x80, 64, 0, release);
    for (int b = 0; b < 8; ++b) Block();
    ExpectClean(("released at " + std::to_string(release)).c_str());
  }
}

TEST_F(NoteStreamTest, AStepEndsTheChordNoteItsTransposeLandsOn)
{
  Set(kTranspose, 7);
  Set(kPatternSteps, 2);
  Set(kStepData + 0, 7);  // "Chord"
  Midi(0x90, 60, 100);
  Midi(0x90, 67, 100);
  RunTo(30000);
  const NoteLedger ledger = Ledger();
  EXPECT_EQ(ledger.Repeats(), 0) << ledger.Faults().front();
}

TEST_F(NoteStreamTest, TheQuietestNoteIsANoteOnAllTheSame)
{
  // Accent -100 on every step brings every velocity down to 0, which a
  // receiver would take for a note-off.
  for (int s = 0; s < kNumSteps; ++s) Set(kStepAccent + s, -100);
  Midi(0x90, 60, 100);
  Midi(0x90, 64, 100);
  RunTo(40000);
  int noteOns = 0;
  for (const SentMidi& m : sent)
    if ((m.status & 0xF0) == 0x90) {
      ++noteOns;
      EXPECT_EQ(m.data2, 1) << m;
    }
  EXPECT_GE(noteOns, 3);
  Midi(0x80, 60, 0);
  Midi(0x80, 64, 0);
  StopTransportAndSettle();
  ExpectClean("accent -100");
}

TEST_F(NoteStreamTest, NoteOffsGoOutOnTheChannelOfTheirNoteOn)
{
  const struct {
    const char* what;
    int frame;
  } moments[] = {{"while a step's note sounds", 3000}, {"while the next step's note sounds", 14000}};
  for (const auto& m : moments) {
    Create();
    Set(kGate, 100);  // notes outlast their steps
    Midi(0x90, 60, 100);
    Midi(0x90, 64, 100);
    RunTo(m.frame);
    Set(kMidiOutChannel, 4);
    RunTo(m.frame + 30000);
    Midi(0x80, 60, 0);
    Midi(0x80, 64, 0);
    StopTransportAndSettle();
    ExpectClean(m.what);
  }
  // The all-notes-off request reaches notes left on an earlier channel.
  Create();
  Set(kGate, 100);
  Midi(0x90, 60, 100);
  RunTo(3000);
  Set(kMidiOutChannel, 4);
  Midi(0xB0, 123, 0);
  Block();
  const NoteLedger ledger = Ledger();
  EXPECT_EQ(ledger.Sounding(), 0) << ledger.SoundingList();
}

TEST_F(NoteStreamTest, KeyReleasesFollowTheirKeysWhateverTheRoutingSaysBy)
{
  const struct {
    const char* what;
    int index;
    double value;
  } changes[] = {
      {"input channel", kMidiInChannel, 5},
      {"split side left below C4", kSplitSide, 1},
      {"split side right from C4", kSplitSide, 2},
      {"split note above the keys", kSplitNoteNumber, 9},
  };
  for (const auto& c : changes) {
    Create();
    Set(kSplitNoteNumber, 4);  // split note C4
    Set(kSplitNoteName, 0);
    Midi(0x90, 60, 100);
    Midi(0x90, 64, 100);
    Midi(0x90, 48, 100);
    RunTo(8000);
    Set(c.index, c.value);
    RunTo(12000);
    for (int note : {60, 64, 48}) Midi(0x80, note, 0);
    StopTransportAndSettle();
    ExpectClean(c.what);
    for (int note : {60, 64, 48}) EXPECT_FALSE(plug->Engine().GetNoteEngine()->IsKeyDown(note)) << c.what;
  }
  // A key the split passed through goes on passing through when the split
  // is switched off.
  Create();
  Set(kSplitNoteNumber, 4);
  Set(kSplitSide, 2);
  Midi(0x90, 50, 100);
  Block();
  Set(kSplitSide, 0);
  Midi(0x80, 50, 0);
  StopTransportAndSettle();
  ExpectClean("passed through, then split off");
  EXPECT_FALSE(plug->Engine().GetNoteEngine()->IsKeyDown(50));
}

}  // namespace
