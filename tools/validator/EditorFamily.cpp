// Editors: opened and closed again and again between blocks, chords and
// parameter changes; the plug-in closed with its editor open; and an
// editor kept open (and, in a window, used) while the host's audio thread
// plays arpeggios and automates parameters. Each instance must play as it
// would without one, and its editor must open at its size every time.

#include <condition_variable>
#include <mutex>
#include <thread>

#include "EditorSide.h"
#include "Families.h"
#include "Moves.h"

namespace {

void OpenAndClose(Case& c)
{
  std::unique_ptr<Instance> x(new Instance(c));
  if (!x->IsOpen()) return;
  EditorSide editor(c, x->plug);
  PressKeys(*x, DrawChord(c), 0, 0);
  for (int round = c.Int(2, 12); round > 0 && !c.Failed(); --round) {
    if (!editor.Open()) return;
    for (int n = c.Int(0, 6); n > 0; --n) {
      if (c.Chance(0.3)) DrawParam(c, *x, false);
      if (c.Chance(0.5)) editor.Touch(c);
      x->Block(DrawBlockSize(c));
      editor.Idle(c.Int(0, 30));
    }
    editor.Close();
  }
  x->Settle("after its editor came and went");
  if (c.Chance(0.5) && editor.Open()) {
    x.reset();
    editor.PluginClosed();
  }
}

// The instance is the audio thread's, as a host's processing is; the
// editor is this thread's.
void KeptOpenWhilePlaying(Case& c)
{
  Case audioCase(c.library, c.Seed());
  audioCase.trace = c.trace;
  std::unique_ptr<Instance> x;
  std::mutex m;
  std::condition_variable changed;
  enum { kStarting, kPlaying, kPlayed, kEditorGone } stage = kStarting;
  const auto advance = [&](int to) {
    std::lock_guard<std::mutex> lock(m);
    stage = decltype(stage)(to);
    changed.notify_all();
  };
  const auto await = [&](int to) {
    std::unique_lock<std::mutex> lock(m);
    changed.wait(lock, [&] { return stage >= to; });
  };

  std::thread audio([&] {
    x.reset(new Instance(audioCase));
    advance(kPlaying);
    if (x->IsOpen()) {
      for (int n = audioCase.Int(100, 400); n > 0 && !audioCase.Failed(); --n) {
        if (audioCase.Chance(0.05)) PressKeys(*x, DrawChord(audioCase), 0, 0);
        if (audioCase.Chance(0.3)) DrawParam(audioCase, *x, false);
        x->Block(audioCase.Int(16, 1024));
      }
      x->Settle("while its editor was open");
    }
    advance(kPlayed);
    await(kEditorGone);
    x.reset();
  });

  await(kPlaying);
  if (x->IsOpen()) {
    EditorSide editor(c, x->plug);
    bool played = false;
    while (!played && editor.Open()) {
      for (int n = c.Int(1, 40); n > 0 && !played; --n) {
        if (c.Chance(0.3)) editor.Touch(c);
        editor.Idle(c.Int(1, 20));
        std::lock_guard<std::mutex> lock(m);
        played = stage >= kPlayed;
      }
      editor.Close();
    }
  }
  advance(kEditorGone);
  audio.join();
  if (audioCase.Failed()) c.Fail(audioCase.Why());
}

}  // namespace

void RunEditorFamily(Case& c)
{
  if (c.Chance(0.5))
    OpenAndClose(c);
  else
    KeptOpenWhilePlaying(c);
}
