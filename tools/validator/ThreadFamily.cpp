// Threads: several instances made, played, saved, loaded and closed on
// several threads at once, as a host with a thread per track does. Each
// must behave as it would alone.

#include <memory>
#include <thread>

#include "Families.h"
#include "Moves.h"

namespace {

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

}  // namespace

void RunThreadFamily(Case& c)
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
