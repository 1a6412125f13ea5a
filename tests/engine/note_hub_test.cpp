// The note hub: queueing, cutting a block at incoming notes, delivering them
// to the listener, and keeping events that were not sent.

#include "EngineHarness.h"
#include "PatternViewLink.h"

#include <gtest/gtest.h>

#include <string>

using namespace TolvoParams;

namespace {

struct Recorder : NoteEngineListener {
  std::vector<std::string> calls;
  bool takeReleases = true;
  bool NoteOn(double, double time, int pitch, int) override
  {
    calls.push_back("on " + std::to_string(pitch) + " @" + std::to_string((int)time));
    return true;
  }
  bool NoteOff(double, double time, int pitch) override
  {
    calls.push_back("off " + std::to_string(pitch) + " @" + std::to_string((int)time));
    return takeReleases;
  }
  void OnTransportStop() override { calls.push_back("stop"); }
  void OnAllNotesOff(double) override { calls.push_back("all off"); }
};

struct Hub : ::testing::Test {
  EngineHolder holder;
  NoteEngine& hub = *holder.GetNoteEngine();
  Recorder rec;
  Hub() { hub.SetListener(&rec); }

  // The piece lengths of one block.
  std::vector<int> Cut(double position, int length, double loopEnd = -1.0)
  {
    std::vector<int> pieces;
    hub.BeginBlock(position, length);
    for (int rest = length; rest > 0;) {
      const int n = hub.NextEventOffset(position, rest, loopEnd);
      if (n <= 0) break;
      pieces.push_back(n);
      rest -= n;
      position += n;
    }
    return pieces;
  }
};

TEST_F(Hub, BlockIsCutAtEachNoteInTimeOrder)
{
  hub.NoteOn(60, 100, 200);
  hub.NoteOn(64, 100, 50);
  EXPECT_EQ((std::vector<int>{50, 1, 149, 1, 311}), Cut(0, 512));
  EXPECT_EQ((std::vector<std::string>{"on 64 @50", "on 60 @200"}), rec.calls);
  EXPECT_EQ(2, hub.GetDownKeyCount());
  EXPECT_EQ((std::vector<int>{512}), Cut(512, 512));
}

TEST_F(Hub, PressAndReleaseInOneBlockKeepArrivalOrder)
{
  hub.NoteOn(60, 100, 10);
  hub.NoteOff(60, 10);
  hub.NoteOff(61, 20);  // never pressed: dropped when due
  Cut(0, 64);
  EXPECT_EQ((std::vector<std::string>{"on 60 @10", "off 60 @10", "all off"}), rec.calls);
  EXPECT_FALSE(hub.IsKeyDown(60));
  EXPECT_EQ(0, hub.GetDownKeyCount());
}

TEST_F(Hub, SecondNoteOnReleasesAndRestartsUnlessTheListenerKeepsIt)
{
  hub.NoteOn(60, 100, 0);
  hub.NoteOn(60, 90, 5);
  Cut(0, 16);
  EXPECT_EQ((std::vector<std::string>{"on 60 @0", "off 60 @5", "all off", "on 60 @5"}), rec.calls);
  EXPECT_EQ(1, hub.GetDownKeyCount());

  rec.calls.clear();
  rec.takeReleases = false;  // as Hold does
  hub.NoteOn(60, 80, 0);
  hub.NoteOff(60, 3);
  Cut(16, 16);
  EXPECT_EQ((std::vector<std::string>{"off 60 @0", "off 60 @3"}), rec.calls);
  EXPECT_TRUE(hub.IsKeyDown(60));
}

TEST_F(Hub, NoteJustBeforeTheLoopEndIsDeliveredAtTheLoopEnd)
{
  TransportFigures& tf = holder.GetTransport();
  tf.running = true;
  tf.cycleActive = true;
  tf.loopStart = 0;
  tf.loopEnd = 1000;
  hub.NoteOn(60, 100, 450);  // frame 950: within 100 of the end
  hub.NoteOn(62, 100, 399);  // frame 899: not
  EXPECT_EQ((std::vector<int>{399, 1, 100, 1, 11}), Cut(500, 512, 1000));
  EXPECT_EQ((std::vector<std::string>{"on 62 @399", "on 60 @500"}), rec.calls);
}

TEST_F(Hub, CarriesDueNotesIntoLaterBlocks)
{
  TransportFigures& tf = holder.GetTransport();
  tf.cycleActive = true;
  tf.loopStart = 0;
  tf.loopEnd = 1000;
  hub.NoteOn(60, 100, 10);  // frame 910 waits for the loop end, two blocks on
  Cut(900, 32);
  Cut(932, 32);
  EXPECT_TRUE(rec.calls.empty());
  Cut(964, 64);
  EXPECT_EQ((std::vector<std::string>{"on 60 @36"}), rec.calls);
}

TEST_F(Hub, AKeysRecordsKeepTheirOrderInsideTheBlock)
{
  // Offsets outside the block are taken at its ends, and a key's release
  // never overtakes its note-on, whatever the offsets say.
  hub.NoteOn(60, 100, 1 << 30);
  hub.NoteOff(60, 5);
  hub.NoteOn(62, 100, -300);
  Cut(0, 64);
  EXPECT_EQ((std::vector<std::string>{"on 62 @0", "on 60 @63", "off 60 @63"}), rec.calls);
  EXPECT_FALSE(hub.IsKeyDown(60));
}

TEST_F(Hub, AFloodOfNoteOnsLeavesRoomForEveryRelease)
{
  for (int i = 0; i < 3 * NoteEngine::kQueuedNotes; ++i) hub.NoteOn(i % 128, 100, i % 64);
  for (int k = 0; k < 128; ++k) hub.NoteOff(k, 63);
  hub.NoteOff(5, 63);  // once is enough: a second release is not queued
  Cut(0, 64);
  for (int k = 0; k < 128; ++k) EXPECT_FALSE(hub.IsKeyDown(k)) << k;
  EXPECT_EQ(0, hub.GetDownKeyCount());
  EXPECT_GT(holder.GetDryCount(), 0);
}

TEST(HubOutput, UnsentEventsAreOfferedAgain)
{
  struct Shy : EngineHarness {
    int calls = 0;
    std::vector<int> offered;
    void ProcessNotes(KIT_PtrList<NoteEvent>& events, int length) override
    {
      offered.push_back(events.GetSize());
      if (++calls > 1) EngineHarness::ProcessNotes(events, length);
    }
  } h;
  h.ApplyDefaults();
  h.Key(0, 60, 100);
  h.Run(64, {64});
  ASSERT_GE(h.offered.size(), 2u);
  EXPECT_EQ(1, h.offered[0]);  // the note-on, not taken
  EXPECT_EQ(1, h.offered[1]);  // offered again with the next piece
  EXPECT_EQ(1u, h.sent.size());
  EXPECT_EQ(0, h.Hub().GetOutputList().GetSize());
}

}  // namespace

namespace {

struct FakeView : PatternViewTarget {
  int clears = 0, sent = 0;
  std::vector<int> started, stopped;  // note * 16 + step; the copies
  std::vector<int> copies;
  void NoteStarted(int copy, int note, int step) override
  {
    started.push_back(note * 16 + step);
    copies.push_back(copy);
  }
  void NoteStopped(int copy) override { stopped.push_back(copy); }
  void NoteSent(int) override { ++sent; }
  void ClearNotes() override { ++clears; }
};

TEST(ViewLink, MarksWhatSoundsAndToleratesNoView)
{
  EngineHarness h;
  h.ApplyDefaults();
  h.Param(kTranspose, 3);  // transpose
  h.Key(0, 60, 100);
  h.Release(3000, 60);
  h.Run(4000, {512});  // no view: nothing to tell
  EXPECT_EQ(2u, h.sent.size());

  FakeView view;
  h.holder.GetViewLink()->SetView(&view);
  h.Key(4000, 62, 100);
  h.Run(5000, {512});
  ASSERT_FALSE(view.started.empty());
  EXPECT_EQ(65 * 16 + 0, view.started[0]);  // as sent, on its step
  h.Release(5000, 62);
  h.Run(6000, {512});
  EXPECT_EQ(view.copies, view.stopped);
  EXPECT_EQ(view.sent, 2);  // its note-on and note-off
  EXPECT_GE(view.clears, 1);
}

}  // namespace
