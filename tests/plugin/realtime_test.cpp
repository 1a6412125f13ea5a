// The plug-in's own part of the audio thread allocates nothing: the block
// with its teach controller and all-notes-off, MIDI input that is passed
// through, dropped or mapped, host automation through the router, the
// output of the engine's notes, and the engine arpeggiating chords at every
// rate, up to the heaviest setting there is.
// Every allocation of this program is counted.

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "EngineHolder.h"
#include "HeldNote.h"
#include "NoteEngine.h"
#include "NoteLedger.h"
#include "ParamTable.h"
#include "PluginFixture.h"
#include "WorstCase.h"

namespace {
std::atomic<long> gAllocations{0};
}

void* operator new(std::size_t size)
{
  ++gAllocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
  ++gAllocations;
  return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace TolvoParams;

class RealtimeTest : public PluginFixture {
protected:
  void SetUp() override
  {
    PluginFixture::SetUp();
    sent.reserve(1 << 16);
    automated.reserve(1 << 10);
    edits.reserve(1 << 10);
    for (std::vector<float>& o : out) o.reserve(8192);
    Set(kCC1Control, 74);
    Set(kCC1Teach, 1);
    Set(kCCMapping + 7, 175);  // controller 7 moves a knob
    Block();                   // statuses are shown from here on
  }

  // Plays a chord through blocks of the given sizes for `frames` frames,
  // then releases it and stops the transport; the note stream goes to the
  // ledger block by block, so the host's recording room never grows.
  void PlayChord(const std::vector<int>& keys, int frames, const std::vector<int>& sizes, NoteLedger* ledger)
  {
    for (int key : keys) Midi(0x90, key, 100);
    for (size_t b = 0, done = 0; done < size_t(frames); ++b) {
      const int n = sizes[b % sizes.size()];
      Record(n, ledger);
      done += n;
    }
    for (int key : keys) Midi(0x80, key, 0);
    time.flags &= ~0x2;
    for (int b = 0; b < 4; ++b) Record(512, ledger);
    time.flags |= 0x2;
  }

  void Record(int frames, NoteLedger* ledger)
  {
    Block(frames);
    for (const SentMidi& m : sent) ledger->Take(uint8_t(m.status), uint8_t(m.data1), uint8_t(m.data2));
    sent.clear();
  }

  // The host's recording room is reserved above, so what counts is the
  // plug-in's own.
  template <typename Run>
  long AllocationsOf(Run run)
  {
    const long before = gAllocations.load();
    run();
    return gAllocations.load() - before;
  }
};

TEST_F(RealtimeTest, BlocksMidiInputAndAutomationAllocateNothing)
{
  ASSERT_EQ(AllocationsOf([] {
              int* volatile p = new int(1);
              delete p;
            }),
            1)
      << "the counting allocator is not in use";
  const long made = AllocationsOf([&] {
    for (int b = 0; b < 8; ++b) {
      Midi(0x91, 60, 100);  // another channel: passed through
      Midi(0xB0, 7, 64);    // mapped: consumed
      Midi(0xB0, 8, 64);    // unmapped: passed through
      Midi(0xB0, 0, 1);     // dropped
      Midi(0xE0, 0, 64);    // the wheel, unmapped: passed through
      Midi(0xB0, 123, 0);   // all notes off in the next block
      // Host automation: the router, the engine's setters and a status text.
      const int kAutomated[] = {kGate, kStepRate, kSwing, kScale, kStepTranspose + 3, kStepCC1};
      for (int index : kAutomated) effect()->setParameter(effect(), index, float(b) / 8.0f);
      Block();
    }
  });
  EXPECT_EQ(made, 0);
  // The work was done: teach, the deferred note-offs and the passed messages.
  EXPECT_GE(SentIn(8).size(), 1u + 128u + 3u);
  EditorTick();  // the status line is written out there
  EXPECT_STREQ(plug->GetStatusText(), "CC1: 111");
}

TEST_F(RealtimeTest, ArpeggiatedChordsAtEveryRateAllocateNothing)
{
  // Chords, ratchets of every count, octave copies and long gates, over
  // every rate and rate type, in blocks of changing size.
  Set(kOctaves, 5);
  Set(kGate, 50);
  for (int s = 0; s < kNumSteps; ++s) {
    Set(kStepDiv + s, s % 8);
    Set(kStepData + s, s % 3 == 0 ? 7 : 0);  // "Chord", "Play"
    Set(kStepTranspose + s, s - 8);
  }
  const std::vector<int> chord = {48, 55, 60, 64, 67, 71}, sizes = {512, 64, 4096, 1, 700};
  NoteLedger ledger;
  long made = 0;
  for (int rate = 0; rate < 8; ++rate)
    for (int type = 0; type < 3; ++type) {
      Set(kStepRate, rate);
      Set(kStepRateType, type);
      const int frames = rate < 3 ? 60000 : 30000;
      made += AllocationsOf([&] { PlayChord(chord, frames, sizes, &ledger); });
    }
  EXPECT_EQ(made, 0);
  EXPECT_GT(ledger.NoteOns(), 5000);
  EXPECT_EQ(plug->Engine().GetDryCount(), 0) << "the pools are too small for an ordinary chord";
  EXPECT_EQ(ledger.Sounding(), 0) << ledger.SoundingList();
  EXPECT_EQ(ledger.Repeats(), 0);
}

TEST_F(RealtimeTest, TheWorstCaseAllocatesNothingAndDropsNothing)
{
  // Every key with all its octaves, in chords of eight ratchets at
  // "1/128" "Triplet" with gates at 100, in blocks up to 8,192 frames: far
  // more notes in a block than the output holds at once.
  DialTheWorstCase([this](int index, double value) { Set(index, value); });
  std::vector<int> keys;
  for (int k = 0; k < 128; ++k) keys.push_back(k);
  const std::vector<int> sizes = {8192, 1, 4096, 64};
  NoteLedger ledger;
  EXPECT_EQ(AllocationsOf([&] { PlayChord(keys, 30000, sizes, &ledger); }), 0);
  EXPECT_EQ(plug->Engine().GetDryCount(), 0);
  // Every other ratchet: one held back past its end by the one before is
  // not played (it used to be, late, and pushed every later one back).
  EXPECT_GT(ledger.NoteOns(), 30000);
  EXPECT_EQ(ledger.Sounding(), 0) << ledger.SoundingList();
  EXPECT_EQ(ledger.Repeats(), 0);
}

TEST_F(RealtimeTest, SendingTheEnginesNotesAllocatesNothing)
{
  HeldNote note;
  note.pitch = 60;
  note.cc1 = 64;
  note.cc2 = 128;
  HeldNote beyond;
  beyond.pitch = 127;
  beyond.transposition = 5;
  KIT_PtrList<NoteEvent> events;
  events.Add(new NoteEvent(note, 10.0, true));
  events.Add(new NoteEvent(note, 20.0, false));
  events.Add(new NoteEvent(beyond, 30.0, true));
  sent.clear();
  EXPECT_EQ(AllocationsOf([&] { plug->ProcessNotes(events, 512); }), 0);
  EXPECT_EQ(sent.size(), 4u);  // note-on, its two controllers, note-off
  events.Empty(true);
}

}  // namespace
