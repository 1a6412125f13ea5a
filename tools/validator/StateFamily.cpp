// State: chunks that round-trip to the byte, from a fresh instance and after
// random edits, and chunks a host may hand over broken (random bytes, cut
// short, mutated, absurd sizes, null pointers). A refused chunk changes
// nothing: the instance that refused it plays on exactly as a twin that
// never saw it. An accepted one leaves every parameter in range, and the
// plug-in playing and stopping cleanly.

#include <cstring>
#include <iterator>
#include <limits>

#include "Families.h"
#include "Moves.h"
#include "ParamTable.h"

using namespace TolvoParams;

namespace {

const size_t kHeaderSize = 8;

// Drives an instance the same way for the same seed: settings that play
// the same notes every time, a chord held, a few blocks.
void Prepare(Instance& x, uint64_t seed)
{
  Dice d(seed);
  for (int i = d.Int(0, 30); i > 0; --i) DrawParam(d, x, true);
  PressKeys(x, DrawChord(d), 0, d.Int(0, 511));
  for (int b = d.Int(1, 40); b > 0; --b) x.Block(d.Int(1, 1024));
}

// The refused chunk changed nothing: same state, and the same notes from
// here on as the twin's.
void ExpectSameFuture(Case& c, Instance& a, Instance& twin, const std::string& what)
{
  if (a.plug.GetChunk(false) != twin.plug.GetChunk(false)) {
    c.Fail(what + ": refused, yet the state changed");
    return;
  }
  for (int b = 0; b < 40; ++b) {
    a.Block(512);
    twin.Block(512);
    if (a.arp.NoteOns() != twin.arp.NoteOns() || a.arp.SoundingList() != twin.arp.SoundingList()) {
      c.Fail(what + ": refused, yet the notes played differ from here on (held keys lost?)");
      return;
    }
  }
}

// An accepted chunk leaves a working plug-in whose own state round-trips.
void ExpectWorking(Case& c, Instance& a, bool bank, const std::string& what)
{
  if (!a.ParamsInRange()) return;
  const std::vector<uint8_t> now = a.plug.GetChunk(bank);
  Instance b(c);
  if (b.IsOpen() && b.plug.SetChunk(bank, now) != 1) c.Fail(what + ": the state it left is refused by a new instance");
  PressKeys(a, DrawChord(c), 0, 0);
  for (int n = 0; n < 20; ++n) a.Block(512);
}

void Offer(Case& c, Instance& a, Instance& twin, bool bank, const std::vector<uint8_t>& bytes, const std::string& what,
           bool mustRefuse)
{
  const intptr_t r = a.plug.SetChunk(bank, bytes);
  if (r == 0)
    ExpectSameFuture(c, a, twin, what);
  else if (r == 1 && !mustRefuse)
    ExpectWorking(c, a, bank, what);
  else
    c.Fail(what + ": set chunk answers " + std::to_string(r));
}

// Saved, read into a new instance and saved again, a state is the same
// bytes, and every parameter reads as it did.
void RoundTrip(Case& c, Instance& a, bool bank, const std::vector<uint8_t>& mine, const std::string& what)
{
  Instance b(c);
  if (!b.IsOpen()) return;
  if (b.plug.SetChunk(bank, mine) != 1) {
    c.Fail(what + ": a chunk of its own is refused by a new instance");
    return;
  }
  for (int i = 0; i < kNumParams; ++i)
    if (a.plug.GetParameter(i) != b.plug.GetParameter(i)) {
      c.Fail(what + ": parameter " + std::to_string(i) + " differs after a round trip");
      return;
    }
  const std::vector<uint8_t> again = b.plug.GetChunk(bank);
  if (again != mine) {
    size_t at = 0;
    while (at < again.size() && at < mine.size() && again[at] == mine[at]) ++at;
    c.Fail(what + ": saved again after a round trip, the chunk differs from byte " + std::to_string(at) + " of " +
           std::to_string(mine.size()));
  }
}

// The same from a fresh instance, whose every parameter reads in range.
void FreshRoundTrip(Case& c, bool bank)
{
  Instance fresh(c);
  if (!fresh.IsOpen() || !fresh.ParamsInRange()) return;
  RoundTrip(c, fresh, bank, fresh.plug.GetChunk(bank), "a fresh instance's state");
}

std::vector<uint8_t> RandomBytes(Case& c, const std::vector<uint8_t>& mine)
{
  std::vector<uint8_t> bytes(size_t(c.Chance(0.5) ? c.Int(0, 64) : c.Int(0, int(mine.size()) + 64)));
  for (uint8_t& b : bytes) b = uint8_t(c.Int(0, 255));
  if (bytes.size() >= kHeaderSize && c.Chance(0.5)) std::memcpy(bytes.data(), mine.data(), kHeaderSize);
  return bytes;
}

std::vector<uint8_t> Mutated(Case& c, std::vector<uint8_t> bytes)
{
  const double kSpecial[] = {std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             1e308,
                             -1e308,
                             4.9e-324,
                             -0.0};
  for (int m = c.Int(1, 8); m > 0; --m) {
    if (c.Chance(0.5)) {
      bytes[size_t(c.Int(0, int(bytes.size()) - 1))] ^= uint8_t(1 << c.Int(0, 7));
    } else {
      // A value where a parameter or the state's own doubles lie.
      const size_t slots = (bytes.size() - kHeaderSize) / 8;
      const double v = kSpecial[c.Int(0, int(std::size(kSpecial)) - 1)];
      std::memcpy(&bytes[kHeaderSize + 8 * size_t(c.Int(0, int(slots) - 1))], &v, 8);
    }
  }
  return bytes;
}

void Absurd(Case& c, Instance& a, Instance& twin, bool bank, std::vector<uint8_t> mine)
{
  const struct {
    const char* what;
    intptr_t size;
    bool null;
  } calls[] = {
      {"size 0", 0, false},
      {"size -1", -1, false},
      {"the most negative size", std::numeric_limits<intptr_t>::min(), false},
      {"a size beyond 2^31", sizeof(intptr_t) == 8 ? intptr_t(int64_t(1) << 40) : intptr_t(-8), false},
      {"a null pointer", intptr_t(mine.size()), true},
      {"a null pointer and size 0", 0, true},
  };
  const auto& call = calls[c.Int(0, int(std::size(calls)) - 1)];
  const intptr_t r = a.plug.Dispatch(vsthost::kSetChunk, bank ? 0 : 1, call.size, call.null ? nullptr : mine.data());
  if (r != 0)
    c.Fail(std::string("set chunk with ") + call.what + " answers " + std::to_string(r));
  else
    ExpectSameFuture(c, a, twin, std::string("set chunk with ") + call.what);
  if (a.plug.Dispatch(vsthost::kGetChunk, bank ? 0 : 1, 0, nullptr) != 0) c.Fail("get chunk without a pointer answers");
}

}  // namespace

void RunStateFamily(Case& c)
{
  const uint64_t script = c.Seed();
  Instance a(c), twin(c);
  if (!a.IsOpen() || !twin.IsOpen()) return;
  Prepare(a, script);
  Prepare(twin, script);
  const bool bank = c.Chance(0.5);
  const std::vector<uint8_t> mine = a.plug.GetChunk(bank);
  if (mine.size() <= kHeaderSize) {
    c.Fail("get chunk gives " + std::to_string(mine.size()) + " bytes");
    return;
  }
  switch (c.Int(0, 5)) {
    case 0:
      FreshRoundTrip(c, bank);
      RoundTrip(c, a, bank, mine, "a state after random edits");
      break;
    case 1: {
      const size_t cut = size_t(c.Int(0, int(mine.size()) - 1));
      Offer(c, a, twin, bank, std::vector<uint8_t>(mine.begin(), mine.begin() + long(cut)),
            "a chunk cut to " + std::to_string(cut) + " bytes", true);
      break;
    }
    case 2: Offer(c, a, twin, bank, RandomBytes(c, mine), "random bytes", false); break;
    case 3: Offer(c, a, twin, bank, Mutated(c, mine), "a mutated chunk", false); break;
    case 4: Absurd(c, a, twin, bank, mine); break;
    default: {
      // Another header version, or none at all.
      std::vector<uint8_t> bytes = mine;
      if (c.Chance(0.5)) {
        bytes.erase(bytes.begin(), bytes.begin() + kHeaderSize);
      } else {
        const int32_t version = c.Pick<int32_t>({0, 0x0000FFFF, 0x00010001, -1, c.Int(0, 0x7FFFFFFF)});
        std::memcpy(&bytes[4], &version, 4);
      }
      Offer(c, a, twin, bank, bytes, "another header", false);
      break;
    }
  }
  a.Settle("after a chunk");
  twin.Settle("a twin");
}
