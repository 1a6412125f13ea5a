// Processing: blocks of 1 to 8,192 frames, the size changing every block,
// announced or not; odd sample rates and tempi; positions anywhere, loops
// good and broken, the transport starting, stopping and jumping; all three
// process callbacks. Every block must stay silent with its notes inside it
// in time order, and once the keys are up and the transport has stopped
// nothing may sound.

#include "Families.h"
#include "Moves.h"

void RunProcessingFamily(Case& c)
{
  Instance x(c);
  if (!x.IsOpen()) return;
  const float rate =
      c.Pick<float>({44100.0f, 48000.0f, 96000.0f, 192000.0f, 22050.0f, 8000.0f, 11025.5f, 1.0f, 1000000.0f});
  x.plug.Dispatch(vsthost::kSetSampleRate, 0, 0, nullptr, rate);
  x.plug.time.sampleRate = rate;
  const bool announce = c.Chance(0.5);
  std::vector<int> keys = DrawChord(c);
  PressKeys(x, keys, 0, c.Int(0, 63));
  for (int n = c.Int(10, 200); n > 0 && !c.Failed(); --n) {
    const int frames = DrawBlockSize(c);
    if (announce) x.plug.Dispatch(vsthost::kSetBlockSize, 0, frames);
    if (c.Chance(0.1)) DrawTransport(c, x);
    if (c.Chance(0.05)) {
      ReleaseKeys(x, keys, 0, c.Int(0, frames - 1));
      keys = DrawChord(c);
      PressKeys(x, keys, 0, c.Int(0, frames - 1));
    }
    x.Block(frames, c.Pick<vsthost::ProcessKind>({vsthost::ProcessKind::Replacing, vsthost::ProcessKind::Double,
                                                  vsthost::ProcessKind::Accumulating}));
  }
  x.Settle("after processing");
}
