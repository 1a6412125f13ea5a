#include "Smf.h"

#include <algorithm>
#include <cmath>

namespace smf {
namespace {

struct Reader {
  const std::vector<uint8_t>& bytes;
  size_t pos;
  size_t end;

  bool Has(size_t n) const { return n <= end - pos; }
  uint32_t Be(int n)
  {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = (v << 8) | bytes[pos++];
    return v;
  }
  // A variable-length quantity of at most four bytes.
  bool Vlq(uint32_t* v)
  {
    *v = 0;
    for (int i = 0; i < 4; ++i) {
      if (!Has(1)) return false;
      const uint8_t b = bytes[pos++];
      *v = (*v << 7) | (b & 0x7F);
      if (!(b & 0x80)) return true;
    }
    return false;
  }
};

bool ReadTrack(Reader r, int division, std::vector<Message>* out, std::string* error)
{
  uint64_t tick = 0;
  uint8_t running = 0;
  while (r.pos < r.end) {
    uint32_t delta;
    if (!r.Vlq(&delta)) {
      *error = "a track ends inside an event time";
      return false;
    }
    tick += delta;
    if (!r.Has(1)) {
      *error = "a track ends after an event time";
      return false;
    }
    uint8_t status = r.bytes[r.pos];
    if (status == 0xFF || status == 0xF0 || status == 0xF7) {
      r.pos++;
      if (status == 0xFF) {
        if (!r.Has(1)) {
          *error = "a track ends inside a meta event";
          return false;
        }
        r.pos++;  // meta type
      }
      uint32_t length;
      if (!r.Vlq(&length) || !r.Has(length)) {
        *error = "a meta or SysEx event runs past its track";
        return false;
      }
      r.pos += length;
      running = 0;
      continue;
    }
    if (status & 0x80) {
      r.pos++;
      running = status;
    } else if (running) {
      status = running;
    } else {
      *error = "a data byte without a status byte";
      return false;
    }
    if (status >= 0xF0) {
      *error = "a system message inside a track";
      return false;
    }
    const int n = DataBytes(status);
    if (!r.Has(n)) {
      *error = "a track ends inside a message";
      return false;
    }
    Message m;
    m.beat = double(tick) / division;
    m.status = status;
    m.data1 = r.bytes[r.pos] & 0x7F;
    m.data2 = n == 2 ? (r.bytes[r.pos + 1] & 0x7F) : 0;
    r.pos += n;
    out->push_back(m);
  }
  return true;
}

// Time order for reading and writing alike; a stable sort keeps equal
// times in the order given.
bool EarlierBeat(const Message& a, const Message& b) { return a.beat < b.beat; }

void PutBe(std::vector<uint8_t>* b, uint32_t v, int n)
{
  for (int i = n - 1; i >= 0; --i) b->push_back(uint8_t(v >> (8 * i)));
}

void PutVlq(std::vector<uint8_t>* b, uint32_t v)
{
  uint8_t tmp[5];
  int n = 0;
  tmp[n++] = v & 0x7F;
  while (v >>= 7) tmp[n++] = uint8_t(0x80 | (v & 0x7F));
  while (n) b->push_back(tmp[--n]);
}

}  // namespace

int DataBytes(uint8_t status)
{
  const int kind = status >> 4;
  return kind == 0xC || kind == 0xD ? 1 : 2;
}

bool Read(const std::vector<uint8_t>& bytes, std::vector<Message>* out, std::string* error)
{
  Reader r{bytes, 0, bytes.size()};
  if (!r.Has(14) || r.Be(4) != 0x4D546864) {  // "MThd"
    *error = "not a standard MIDI file (no MThd header)";
    return false;
  }
  const uint32_t headerLength = r.Be(4);
  if (headerLength < 6 || !r.Has(headerLength)) {
    *error = "the MIDI file header is damaged";
    return false;
  }
  const uint32_t format = r.Be(2), tracks = r.Be(2), division = r.Be(2);
  r.pos += headerLength - 6;
  if (format > 1) {
    *error = "MIDI file format " + std::to_string(format) + " is not supported (only 0 and 1)";
    return false;
  }
  if (division == 0 || (division & 0x8000)) {
    *error = "the MIDI file counts time in SMPTE frames; only beat-based files are supported";
    return false;
  }
  std::vector<Message> all;
  for (uint32_t t = 0; t < tracks; ++t) {
    if (!r.Has(8)) {
      *error = "the MIDI file holds fewer tracks than its header says";
      return false;
    }
    const uint32_t id = r.Be(4), length = r.Be(4);
    if (!r.Has(length)) {
      *error = "a MIDI file track runs past the end of the file";
      return false;
    }
    if (id == 0x4D54726B) {  // "MTrk"; other chunks are skipped
      std::vector<Message> track;
      if (!ReadTrack(Reader{bytes, r.pos, r.pos + length}, int(division), &track, error)) return false;
      all.insert(all.end(), track.begin(), track.end());
    } else {
      --t;
    }
    r.pos += length;
  }
  std::stable_sort(all.begin(), all.end(), EarlierBeat);
  *out = std::move(all);
  return true;
}

std::vector<uint8_t> Write(const std::vector<Message>& unordered, double tempo, int ticksPerBeat)
{
  std::vector<Message> messages = unordered;
  std::stable_sort(messages.begin(), messages.end(), EarlierBeat);
  std::vector<uint8_t> track;
  const uint32_t microsPerBeat = uint32_t(std::lround(60e6 / tempo));
  const uint8_t tempoEvent[] = {0x00, 0xFF, 0x51, 0x03};
  track.insert(track.end(), tempoEvent, tempoEvent + 4);
  PutBe(&track, microsPerBeat, 3);
  const uint8_t timeSig[] = {0x00, 0xFF, 0x58, 0x04, 0x04, 0x02, 0x18, 0x08};
  track.insert(track.end(), timeSig, timeSig + 8);
  uint64_t last = 0;
  for (const Message& m : messages) {
    const uint64_t tick = uint64_t(std::llround(std::max(0.0, m.beat) * ticksPerBeat));
    PutVlq(&track, uint32_t(tick - last));
    last = tick;
    track.push_back(m.status);
    track.push_back(m.data1);
    if (DataBytes(m.status) == 2) track.push_back(m.data2);
  }
  const uint8_t endOfTrack[] = {0x00, 0xFF, 0x2F, 0x00};
  track.insert(track.end(), endOfTrack, endOfTrack + 4);

  std::vector<uint8_t> file = {'M', 'T', 'h', 'd'};
  PutBe(&file, 6, 4);
  PutBe(&file, 0, 2);
  PutBe(&file, 1, 2);
  PutBe(&file, uint32_t(ticksPerBeat), 2);
  file.insert(file.end(), {'M', 'T', 'r', 'k'});
  PutBe(&file, uint32_t(track.size()), 4);
  file.insert(file.end(), track.begin(), track.end());
  return file;
}

}  // namespace smf
