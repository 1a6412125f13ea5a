#include "Moves.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "ParamTable.h"

using namespace TolvoParams;

namespace {

const int kRandomStepData = 8;    // "Random"
const int kRandomCustomSlot = 8;  // "R"

}  // namespace

std::vector<int> DrawChord(Dice& d)
{
  std::vector<int> keys;
  const int n = d.Int(1, 6);
  while (int(keys.size()) < n) {
    const int k = d.Int(36, 96);
    if (std::find(keys.begin(), keys.end(), k) == keys.end()) keys.push_back(k);
  }
  return keys;
}

void PressKeys(Instance& x, const std::vector<int>& keys, int channel, int offset)
{
  std::vector<vsthost::Event> events;
  for (int k : keys) events.push_back(vsthost::Event::Midi(offset, uint8_t(0x90 | channel), uint8_t(k), 100));
  x.Events(events);
}

void ReleaseKeys(Instance& x, const std::vector<int>& keys, int channel, int offset)
{
  std::vector<vsthost::Event> events;
  for (int k : keys) events.push_back(vsthost::Event::Midi(offset, uint8_t(0x80 | channel), uint8_t(k), 0));
  x.Events(events);
}

void DrawParam(Dice& d, Instance& x, bool repeatable)
{
  const int index = d.Int(0, kNumParams - 1);
  float v;
  switch (d.Int(0, 5)) {
    case 0: v = 0.0f; break;
    case 1: v = 1.0f; break;
    default: v = float(d.Real(0.0, 1.0)); break;
  }
  const bool random = (InGroup(index, kStepData) && v >= Normalized(index, kRandomStepData) - 0.07f) ||
                      (InGroup(index, kCustomSortOrder, kNumCustomSlots) &&
                       std::fabs(v - Normalized(index, kRandomCustomSlot)) < 0.07f);
  if (repeatable && random) v = 0.0f;
  x.plug.SetParameter(index, v);
}

int DrawBlockSize(Dice& d)
{
  switch (d.Int(0, 3)) {
    case 0: return d.Int(1, 16);
    case 1: return 1 << d.Int(5, 13);
    case 2: return d.Int(1, 1024);
    default: return d.Int(1, 8192);
  }
}

void DrawTransport(Dice& d, Instance& x)
{
  vsthost::TimeInfo& t = x.plug.time;
  switch (d.Int(0, 6)) {
    case 0: x.Play(!x.Playing()); break;
    case 1: t.samplePos = d.Chance(0.8) ? double(d.Int(0, 10000000)) : d.Real(-1e6, 1e15); break;
    case 2: t.tempo = d.Chance(0.8) ? d.Real(20.0, 300.0) : d.Pick<double>({0.0, -120.0, 1.0, 999.0, 1e6}); break;
    case 3: {
      // A loop of a beat to a few bars, now and then a broken one.
      const double start = double(d.Int(0, 16));
      const double length = d.Chance(0.8) ? double(d.Int(1, 16)) : d.Pick<double>({0.0, -4.0, 0.01});
      t.cycleStartPos = start;
      t.cycleEndPos = start + length;
      t.flags |= 0x4 | 0x1000;
      break;
    }
    case 4: t.flags &= ~0x4; break;
    case 5: t.flags ^= d.Pick<int32_t>({0x200, 0x400, 0x2000}); break;
    default: x.plug.time.present = !d.Chance(0.1); break;
  }
}
