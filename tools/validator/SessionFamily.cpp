// Sessions: a player and a host at once, for hundreds of blocks. Chords
// pressed and released at any offset, on the input channel and others;
// any parameter automated (Hold, the channels and the key split among
// them); the transport starting, stopping, jumping and looping; the
// sample rate and the block size changing; the state saved and loaded.
// Every note-on the arpeggiator sends must end once, on its own channel
// and note; nothing may sound once the keys are up and the transport has
// stopped.

#include <algorithm>
#include <map>

#include "Families.h"
#include "Moves.h"

namespace {

void PressChord(Case& c, Instance& x, std::map<int, std::vector<int>>& held, int frames)
{
  const int channel = c.Chance(0.8) ? 0 : c.Int(1, 15);
  std::vector<int> keys;
  for (int k : DrawChord(c)) {
    std::vector<int>& down = held[channel];
    if (std::find(down.begin(), down.end(), k) != down.end()) continue;
    down.push_back(k);
    keys.push_back(k);
  }
  PressKeys(x, keys, channel, c.Int(0, frames - 1));
}

void ReleaseSome(Case& c, Instance& x, std::map<int, std::vector<int>>& held, int frames)
{
  for (auto& channel : held) {
    std::vector<int> up, kept;
    for (int k : channel.second) (c.Chance(0.5) ? up : kept).push_back(k);
    ReleaseKeys(x, up, channel.first, c.Int(0, frames - 1));
    channel.second = kept;
  }
}

}  // namespace

void RunSessionFamily(Case& c)
{
  Instance x(c);
  if (!x.IsOpen()) return;
  std::map<int, std::vector<int>> held;
  vsthost::ProcessKind kind = vsthost::ProcessKind::Replacing;
  for (int n = c.Int(50, 400); n > 0 && !c.Failed(); --n) {
    const int frames = DrawBlockSize(c);
    switch (c.Int(0, 11)) {
      case 0:
      case 1:
      case 2: PressChord(c, x, held, frames); break;
      case 3:
      case 4: ReleaseSome(c, x, held, frames); break;
      case 5:
      case 6:
        for (int p = c.Int(1, 8); p > 0; --p) DrawParam(c, x, false);
        break;
      case 7: DrawTransport(c, x); break;
      case 8: {
        const float rate = c.Pick<float>({44100.0f, 48000.0f, 96000.0f, 22050.0f});
        x.plug.Dispatch(vsthost::kSetSampleRate, 0, 0, nullptr, rate);
        x.plug.time.sampleRate = rate;
        x.plug.Dispatch(vsthost::kSetBlockSize, 0, frames);
        break;
      }
      case 9: {
        const bool bank = c.Chance(0.5);
        x.plug.SetChunk(bank, x.plug.GetChunk(bank));
        break;
      }
      case 10:
        kind = c.Pick<vsthost::ProcessKind>(
            {vsthost::ProcessKind::Replacing, vsthost::ProcessKind::Double, vsthost::ProcessKind::Accumulating});
        break;
      default: break;
    }
    x.Block(frames, kind);
  }
  x.Settle("after a session");
}
