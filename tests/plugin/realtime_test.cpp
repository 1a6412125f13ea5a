// The plug-in's own part of the audio thread allocates nothing: the block
// with its teach controller and all-notes-off, MIDI input that is passed
// through, dropped or mapped, host automation through the router, and the
// output of the engine's notes.
// Every allocation of this program is counted.

#include <atomic>
#include <cstdlib>
#include <new>

#include "HeldNote.h"
#include "NoteEngine.h"
#include "ParamTable.h"
#include "PluginFixture.h"

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
    Set(kCC1Control, 74);
    Set(kCC1Teach, 1);
    Set(kCCMapping + 7, 175);  // controller 7 moves a knob
    Block();                   // statuses are shown from here on
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
  EXPECT_STREQ(plug->GetStatusText(), "CC1: 111");
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
