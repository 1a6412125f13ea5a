// MIDI garbage: status bytes of every kind, data bytes above 127, offsets
// before, inside and far beyond the block and out of order, events that
// are not MIDI, null entries, and floods of thousands in one list. The
// arpeggiator's notes must stay in time order inside their blocks, and
// once the host has let go of every key nothing of them may sound.

#include <cstring>

#include "Families.h"
#include "Moves.h"

namespace {

vsthost::Event DrawEvent(Case& c, int frames)
{
  const int32_t offset = c.Chance(0.8) ? c.Int(0, frames - 1) : c.Pick<int32_t>({-1, -100000, frames, 1 << 30});
  if (c.Chance(0.03)) return vsthost::Event::SysEx(offset, std::vector<uint8_t>(size_t(c.Int(0, 64)), 0x42));
  uint8_t status;
  switch (c.Int(0, 3)) {
    case 0: status = uint8_t(0x90 | c.Int(0, 1)); break;  // notes on the input channel and the next
    case 1: status = uint8_t(0x80 | c.Int(0, 1)); break;
    default: status = uint8_t(c.Int(0, 255)); break;
  }
  vsthost::Event e = vsthost::Event::Midi(offset, status, uint8_t(c.Int(0, 255)), uint8_t(c.Int(0, 255)));
  if (c.Chance(0.02)) e.type = c.Int(2, 9);  // no MIDI event, yet not SysEx either
  return e;
}

// A list with null entries and a count of its own, laid out as the host
// lays one out: the count, a reserved word, then the pointers.
void SendOddList(Case& c, Instance& x)
{
  std::vector<uint8_t> midi(32, 0);
  const int32_t type = 1, size = 32;
  std::memcpy(&midi[0], &type, 4);
  std::memcpy(&midi[4], &size, 4);
  midi[24] = 0x90;
  midi[25] = 60;
  midi[26] = 100;
  std::vector<void*> list(8, nullptr);
  const int32_t count = c.Pick<int32_t>({0, -1, -1000, 3});
  std::memcpy(list.data(), &count, 4);
  list[3] = midi.data();  // the second pointer; the first stays null
  x.plug.Dispatch(vsthost::kProcessEvents, 0, 0, list.data());
  x.plug.Dispatch(vsthost::kProcessEvents, 0, 0, nullptr);
  x.plug.ClearCallbacks();
}

}  // namespace

void RunMidiFamily(Case& c)
{
  Instance x(c);
  if (!x.IsOpen()) return;
  for (int n = c.Int(5, 60); n > 0 && !c.Failed(); --n) {
    const int frames = DrawBlockSize(c);
    std::vector<vsthost::Event> events;
    for (int e = c.Chance(0.1) ? c.Int(1000, 4000) : c.Int(0, 40); e > 0; --e) events.push_back(DrawEvent(c, frames));
    x.Events(events);
    if (c.Chance(0.05)) SendOddList(c, x);
    x.Block(frames);
  }
  x.Settle("after MIDI garbage");
}
