// The dispatcher: every opcode, known or not, with edge indices, values and
// options, and pointers that are null or lead to buffers no bigger than
// the interface promises. Texts must end inside their buffer, nothing may
// be written past one, and afterwards the plug-in must still play.

#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>

#include "Families.h"
#include "Moves.h"

using namespace vsthost;

namespace {

const size_t kGuard = 32;
const uint8_t kGuardByte = 0xA5;

// A buffer of `size` bytes the plug-in may write, and guard bytes after it.
struct Guarded {
  explicit Guarded(size_t size) : size(size), bytes(size + kGuard, kGuardByte) {}
  bool GuardIntact() const
  {
    for (size_t i = size; i < bytes.size(); ++i)
      if (bytes[i] != kGuardByte) return false;
    return true;
  }
  bool TextEnds(size_t at, size_t length) const { return std::memchr(&bytes[at], 0, length) != nullptr; }
  size_t size;
  std::vector<uint8_t> bytes;
};

// What an opcode's pointer (and for some its value) must lead to.
enum class Takes {
  kNothing,
  kText64,       // a text of at most 64 bytes, terminator included
  kText32,       // the effect name
  kString,       // a text the host gives
  kPointerOut,   // storage for a pointer
  kPins,         // VstPinProperties: a 64-byte label at 0, an 8-byte one at 72
  kKeyName,      // MidiKeyName: the key number at 4, a 64-byte name at 8
  kSpeakersIn,   // value and pointer: speaker arrangements, channel count at 4
  kSpeakersOut,  // value and pointer: storage for a pointer each
};

const size_t kPinsSize = 128, kKeyNameSize = 80, kSpeakersSize = 8 + 8 * 112;

Takes WhatItTakes(int32_t op)
{
  switch (op) {
    case 4: return Takes::kString;  // set program name
    case 5:
    case 6:
    case 7:
    case 8:
    case 29:
    case 47:
    case 48:
    case 50: return Takes::kText64;
    case 45: return Takes::kText32;
    case 27:
    case 51: return Takes::kString;
    case 13:
    case 23: return Takes::kPointerOut;
    case 33:
    case 34: return Takes::kPins;
    case 66: return Takes::kKeyName;
    case kSetSpeakerArrangement: return Takes::kSpeakersIn;
    case 69: return Takes::kSpeakersOut;
    default: return Takes::kNothing;
  }
}

int32_t EdgeIndex(Case& c)
{
  return c.Pick<int32_t>({-1, 0, 1, 7, 205, 206, 390, 391, 1000, std::numeric_limits<int32_t>::max(),
                          std::numeric_limits<int32_t>::min(), c.Int(-5, 400)});
}

intptr_t EdgeValue(Case& c)
{
  return c.Pick<intptr_t>({0, 1, -1, 2, 7, 44100, 8192, 1 << 20, std::numeric_limits<int32_t>::max(),
                           std::numeric_limits<intptr_t>::min(), std::numeric_limits<intptr_t>::max(), c.Int(-9, 400)});
}

float EdgeOption(Case& c)
{
  return c.Pick<float>({0.0f, 1.0f, -1.0f, 0.5f, 44100.0f, 1e-30f, 1e30f, std::numeric_limits<float>::quiet_NaN(),
                        std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity()});
}

std::string RandomText(Case& c)
{
  static const char* const kKnown[] = {"receiveVstEvents",
                                       "sendVstMidiEvent",
                                       "receiveVstTimeInfo",
                                       "hasVendorExtensions",
                                       "1/16",
                                       "Up Alt",
                                       "nan",
                                       "-inf",
                                       "1e999",
                                       ""};
  if (c.Chance(0.5)) return kKnown[c.Int(0, int(std::size(kKnown)) - 1)];
  std::string s(size_t(c.Pick<int>({1, 8, 63, 64, 255, 300, 1000})), ' ');
  for (char& ch : s) ch = char(c.Int(1, 255));
  return s;
}

// One call; false when it wrote outside what it was given.
bool Call(Case& c, Instance& x, int32_t op)
{
  const int32_t index = EdgeIndex(c);
  intptr_t value = EdgeValue(c);
  const float opt = EdgeOption(c);
  const bool null = c.Chance(0.2);
  const std::string what =
      "opcode " + std::to_string(op) + " (index " + std::to_string(index) + ", value " + std::to_string(value) + ")";
  switch (WhatItTakes(op)) {
    case Takes::kNothing: x.plug.Dispatch(op, index, value, nullptr, opt); return true;
    case Takes::kString: {
      std::string text = RandomText(c);
      x.plug.Dispatch(op, index, value, null ? nullptr : &text[0], opt);
      return true;
    }
    case Takes::kText64:
    case Takes::kText32: {
      Guarded text(WhatItTakes(op) == Takes::kText32 ? 32 : 64);
      x.plug.Dispatch(op, index, value, null ? nullptr : text.bytes.data(), opt);
      if (!text.GuardIntact()) c.Fail(what + " writes past its text buffer");
      const bool untouched = text.bytes[0] == kGuardByte;
      if (!untouched && !text.TextEnds(0, text.size)) c.Fail(what + " leaves a text without its end");
      return text.GuardIntact();
    }
    case Takes::kPointerOut: {
      Guarded out(sizeof(void*));
      x.plug.Dispatch(op, index, value, null ? nullptr : out.bytes.data(), opt);
      if (!out.GuardIntact()) c.Fail(what + " writes past a pointer's storage");
      return out.GuardIntact();
    }
    case Takes::kPins: {
      Guarded pins(kPinsSize);
      x.plug.Dispatch(op, index, value, null ? nullptr : pins.bytes.data(), opt);
      if (!pins.GuardIntact()) c.Fail(what + " writes past the pin record");
      for (size_t label : {size_t(0), size_t(72)})
        if (pins.bytes[label] != kGuardByte && !pins.TextEnds(label, label ? 8 : 64))
          c.Fail(what + " leaves a pin label without end");
      return pins.GuardIntact();
    }
    case Takes::kKeyName: {
      Guarded key(kKeyNameSize);
      const int32_t number = EdgeIndex(c);
      std::memcpy(&key.bytes[4], &number, 4);
      x.plug.Dispatch(op, index, value, null ? nullptr : key.bytes.data(), opt);
      if (!key.GuardIntact()) c.Fail(what + " writes past the key-name record");
      if (!null && !key.TextEnds(8, 64)) c.Fail(what + " leaves a key name without end");
      return key.GuardIntact();
    }
    case Takes::kSpeakersIn: {
      Guarded in(kSpeakersSize), out(kSpeakersSize);
      for (Guarded* g : {&in, &out}) {
        const int32_t channels = c.Pick<int32_t>(
            {0, 1, 2, 3, 8, -1, std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min()});
        std::memcpy(&g->bytes[4], &channels, 4);
      }
      value = c.Chance(0.2) ? 0 : reinterpret_cast<intptr_t>(in.bytes.data());
      x.plug.Dispatch(op, index, value, null ? nullptr : out.bytes.data(), opt);
      return true;
    }
    case Takes::kSpeakersOut: {
      Guarded in(sizeof(void*)), out(sizeof(void*));
      value = c.Chance(0.2) ? 0 : reinterpret_cast<intptr_t>(in.bytes.data());
      x.plug.Dispatch(op, index, value, null ? nullptr : out.bytes.data(), opt);
      if (!in.GuardIntact() || !out.GuardIntact()) c.Fail(what + " writes past a pointer's storage");
      return in.GuardIntact() && out.GuardIntact();
    }
  }
  return true;
}

// Back to what a host plays with: a sane rate and block, both outputs.
void Restore(Instance& x)
{
  std::vector<uint8_t> in(kSpeakersSize, 0), out(kSpeakersSize, 0);
  const int32_t two = 2;
  std::memcpy(&out[4], &two, 4);
  x.plug.Dispatch(kSetSpeakerArrangement, 0, reinterpret_cast<intptr_t>(in.data()), out.data());
  x.plug.Dispatch(vsthost::kSetSampleRate, 0, 0, nullptr, 44100.0f);
  x.plug.Dispatch(vsthost::kSetBlockSize, 0, 512);
  x.plug.Dispatch(vsthost::kMainsChanged, 0, 1);
}

}  // namespace

void RunDispatcherFamily(Case& c)
{
  Instance x(c);
  if (!x.IsOpen()) return;
  PressKeys(x, DrawChord(c), 0, 0);
  for (int n = c.Int(1, 300); n > 0 && !c.Failed(); --n) {
    int32_t op = c.Chance(0.9) ? c.Int(0, 80) : c.Pick<int32_t>({-1, 81, 1000, std::numeric_limits<int32_t>::min()});
    // Close ends the instance and chunks and events have families of
    // their own; an editor opens only with a parent window.
    if (op == kClose || op == kSetChunk || op == kProcessEvents) continue;
    if (op == kEditOpen) {
      x.plug.Dispatch(op, 0, 0, nullptr);
      continue;
    }
    const intptr_t idle = (op == kEditIdle || op == kIdle) ? x.plug.Dispatch(op, EdgeIndex(c), EdgeValue(c)) : 0;
    if (idle != 0) c.Fail("the idle opcodes answer " + std::to_string(idle));
    if (!Call(c, x, op)) return;
    if (c.Chance(0.1)) x.Block(DrawBlockSize(c));
  }
  if (x.plug.Dispatch(kGetVstVersion) != 2400) c.Fail("the VST version changed");
  Restore(x);
  x.ParamsInRange();
  for (int b = 0; b < 20; ++b) x.Block(512);
  x.Settle("after the dispatcher");
}
