// Threads: several instances made, played, saved, loaded and closed on
// several threads at once, as a host with a thread per track does. Each
// must behave as it would alone. And an editor drawing on the host's
// user-interface thread while its audio thread plays: holding the drawing
// thread still must never hold up the audio thread.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "EditorSide.h"
#include "Families.h"
#include "Moves.h"
#include "ParamTable.h"
#include "ThreadFreezer.h"
#include "WorstCase.h"

using namespace TolvoParams;

namespace {

// The longest a block may take while the drawing thread is held: far
// beyond any block's work, so only a wait for the editor exceeds it.
const auto kDeadlockBound = std::chrono::seconds(3);
// Controls a mapping may name: every one the editor has, and some beyond.
const int kControlsNamed = 370;

void Track(Case& c)
{
  for (int round = c.Int(1, 3); round > 0 && !c.Failed(); --round) {
    Instance x(c);
    if (!x.IsOpen()) return;
    PressKeys(x, DrawChord(c), 0, 0);
    for (int n = c.Int(10, 80); n > 0; --n) {
      if (c.Chance(0.2)) DrawParam(c, x, false);
      if (c.Chance(0.05)) x.plug.SetChunk(false, x.plug.GetChunk(false));
      x.Block(DrawBlockSize(c));
    }
    x.Settle("on a thread of its own");
  }
}

void Tracks(Case& c)
{
  std::vector<std::thread> threads;
  std::vector<std::unique_ptr<Case>> tracks;
  for (int t = c.Int(2, 4); t > 0; --t) {
    tracks.push_back(std::make_unique<Case>(c.library, c.Seed()));
    tracks.back()->trace = c.trace;
  }
  for (auto& track : tracks) threads.emplace_back([&track] { Track(*track); });
  for (std::thread& t : threads) t.join();
  for (auto& track : tracks)
    if (track->Failed()) c.Fail(track->Why());
}

// The heaviest setting: 128 keys, 5 octaves, "1/128" "Triplet", 16 chord
// steps of 8 ratchets, gates at 100; some controllers mapped to controls.
std::vector<int> PlayTheWorstCase(Case& c, Instance& x)
{
  DialTheWorstCase([&x](int index, double value) { x.SetParam(index, value); });
  std::vector<int> mapped;
  for (int n = c.Int(1, 4); n > 0; --n) {
    const int controller = c.Int(1, 119);
    x.SetParam(kCCMapping + controller, c.Int(0, kControlsNamed));
    mapped.push_back(controller);
  }
  std::vector<int> keys;
  for (int k = 0; k < 128; ++k) keys.push_back(k);
  PressKeys(x, keys, 0, 0);
  return mapped;
}

// One block of the worst case with the host's automation and the mapped
// controllers moving.
void AutomatedBlock(Case& c, Instance& x, const std::vector<int>& mapped)
{
  const int automated[] = {kGate, kSwing, kTranspose, kStepCC1 + c.Int(0, 15), kStepAccent + c.Int(0, 15)};
  for (int n = c.Int(1, 3); n > 0; --n) x.plug.SetParameter(automated[c.Int(0, 4)], float(c.Real(0.0, 1.0)));
  std::vector<vsthost::Event> moves;
  for (int controller : mapped)
    if (c.Chance(0.5)) moves.push_back(vsthost::Event::Midi(0, 0xB0, uint8_t(controller), uint8_t(c.Int(0, 127))));
  if (!moves.empty()) x.Events(moves);
  x.Block(c.Int(32, 512));
}

// The audio thread plays; another thread keeps the editor open and
// drawing; this one holds the drawing thread still at random moments, and
// the audio thread must finish blocks meanwhile.
void PlaysWhileTheEditorIsHeld(Case& c)
{
  Case audioCase(c.library, c.Seed());
  audioCase.trace = c.trace;
  std::unique_ptr<Instance> x;
  std::atomic<long long> blocks{0};
  std::atomic<bool> playing{true}, stopPlaying{false}, stopDrawing{false};
  ThreadFreezer* freezer = nullptr;
  std::mutex m;
  std::condition_variable changed;
  bool made = false, drawing = false;
  const auto await = [&](bool& flag) {
    std::unique_lock<std::mutex> lock(m);
    changed.wait(lock, [&] { return flag; });
  };
  const auto set = [&](bool& flag) {
    std::lock_guard<std::mutex> lock(m);
    flag = true;
    changed.notify_all();
  };

  std::thread audio([&] {
    x.reset(new Instance(audioCase));
    std::vector<int> mapped;
    if (x->IsOpen()) mapped = PlayTheWorstCase(audioCase, *x);
    set(made);
    if (!x->IsOpen()) return;
    while (!stopPlaying && !audioCase.Failed()) {
      AutomatedBlock(audioCase, *x, mapped);
      ++blocks;
    }
    playing = false;
    // The editor goes first.
    while (!stopPlaying) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (!audioCase.Failed()) x->Settle("after playing beside a held editor");
    x.reset();
  });

  await(made);
  std::thread ui([&] {
    ThreadFreezer self;
    EditorSide editor(c, x->plug);
    const bool open = x->IsOpen() && editor.Open();
    freezer = open ? &self : nullptr;
    set(drawing);
    while (open && !stopDrawing) editor.Idle(1);
  });

  await(drawing);
  for (int n = c.Int(8, 24); freezer && n > 0 && !c.Failed() && !audioCase.Failed(); --n) {
    std::this_thread::sleep_for(std::chrono::milliseconds(c.Int(1, 20)));
    const long long before = blocks;
    if (!freezer->Freeze()) {
      c.Fail("the editor's drawing thread could not be held");
      break;
    }
    // Two blocks: at least one of them began while the drawing was held.
    const auto until = std::chrono::steady_clock::now() + kDeadlockBound;
    while (playing && blocks < before + 2 && std::chrono::steady_clock::now() < until)
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    if (playing && blocks < before + 2)
      c.Fail(
          "the audio thread finished no block in 3 s while the editor's drawing thread was held: it waits for "
          "the editor");
    freezer->Thaw();
  }
  stopDrawing = true;
  ui.join();
  stopPlaying = true;
  audio.join();
  if (audioCase.Failed()) c.Fail(audioCase.Why());
}

}  // namespace

void RunThreadFamily(Case& c)
{
  if (c.Chance(0.5))
    Tracks(c);
  else
    PlaysWhileTheEditorIsHeld(c);
}
