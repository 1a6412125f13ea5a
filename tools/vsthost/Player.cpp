#include "Player.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Smf.h"

namespace play {
namespace {

// Tolvo's state: a chunk header, 185 doubles of its own, then one plain
// double per parameter.
constexpr size_t kParamBlockOffset = 8 + 185 * 8;

// Time info flags: playing, and positions, tempo, bars and signature valid.
constexpr int32_t kPlayingTimeFlags = 0x2 | 0x200 | 0x400 | 0x800 | 0x2000;

std::string Trimmed(const std::string& s)
{
  size_t end = s.size();
  while (end > 0 && s[end - 1] == ' ') --end;
  std::string t = s.substr(0, end);
  for (char& c : t) c = char(std::tolower(static_cast<unsigned char>(c)));
  return t;
}

std::string ParamText(vsthost::Plugin& plug, int32_t opcode, int index)
{
  char text[256] = {};
  plug.Dispatch(opcode, index, 0, text);
  text[sizeof text - 1] = '\0';
  return text;
}

// Every parameter the plug-in holds, the ones it keeps from the host
// included: the state holds one double for each.
int ParameterCount(vsthost::Plugin& plug)
{
  const int visible = plug.Record().numParams;
  const std::vector<uint8_t> chunk = plug.GetChunk(false);
  if (chunk.size() < kParamBlockOffset) return visible;
  const int all = int((chunk.size() - kParamBlockOffset) / 8);
  return all > visible ? all : visible;
}

bool IsIndex(const std::string& s)
{
  if (s.empty() || s.size() > 6) return false;
  for (char c : s)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

bool FindParam(vsthost::Plugin& plug, const std::string& name, int count, int* index, std::string* error)
{
  if (IsIndex(name)) {
    *index = std::atoi(name.c_str());
    if (*index >= count) {
      *error = "no parameter " + name + ": the plug-in has parameters 0 to " + std::to_string(count - 1);
      return false;
    }
    return true;
  }
  std::vector<int> found;
  for (int i = 0; i < count; ++i)
    if (Trimmed(ParamText(plug, vsthost::kGetParamName, i)) == Trimmed(name)) found.push_back(i);
  if (found.empty()) {
    *error = "no parameter is named '" + name + "'";
    return false;
  }
  if (found.size() > 1) {
    *error = "the name '" + name + "' is shared by " + std::to_string(found.size()) + " parameters (" +
             std::to_string(found.front()) + " to " + std::to_string(found.back()) + "); give the index instead";
    return false;
  }
  *index = found.front();
  return true;
}

bool IsNumber(const std::string& text, double* value)
{
  char* end = nullptr;
  *value = std::strtod(text.c_str(), &end);
  return !text.empty() && *end == '\0' && std::isfinite(*value);
}

// A display text goes through the host's string-to-parameter request; a
// plain value that is no display text is written into the parameter's
// place in the state, which the plug-in clamps to the parameter's range.
bool SetParam(vsthost::Plugin& plug, int index, const std::string& value, std::string* error)
{
  double plain;
  const bool number = IsNumber(value, &plain);
  if (plug.Dispatch(vsthost::kString2Parameter, index, 0, const_cast<char*>(value.c_str())) == 1) {
    // A parameter without display texts reads any text as a number, so a
    // text that is none must show as itself to have been taken.
    if (number || ParamText(plug, vsthost::kGetParamDisplay, index) == value) return true;
  }
  if (!number) {
    *error = "'" + value + "' is neither a display text of parameter " + std::to_string(index) + " nor a number";
    return false;
  }
  const size_t at = kParamBlockOffset + size_t(index) * 8;
  std::vector<uint8_t> chunk = plug.GetChunk(false);
  if (chunk.size() < at + 8) {
    *error = "parameter " + std::to_string(index) + " cannot be set to a plain value";
    return false;
  }
  std::memcpy(&chunk[at], &plain, 8);
  if (plug.SetChunk(false, chunk) != 1) {
    *error = "the plug-in refused the value " + value + " for parameter " + std::to_string(index);
    return false;
  }
  return true;
}

}  // namespace

double SamplesPerBeat(const Options& o) { return o.sampleRate * 60.0 / o.tempo; }

bool ReadFile(const std::string& path, std::vector<uint8_t>* bytes, std::string* error)
{
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    *error = "cannot open '" + path + "' for reading";
    return false;
  }
  bytes->clear();
  uint8_t buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes->insert(bytes->end(), buf, buf + n);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) *error = "cannot read '" + path + "'";
  return !failed;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string* error)
{
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) {
    *error = "cannot open '" + path + "' for writing";
    return false;
  }
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  if (std::fclose(f) != 0 || !written) {
    *error = "cannot write '" + path + "'";
    return false;
  }
  return true;
}

bool BuildInput(const Options& o, std::vector<Timed>* input, int64_t* length, std::string* error)
{
  const double spb = SamplesPerBeat(o);
  input->clear();
  if (o.midiIn.empty()) {
    const double bars = o.bars > 0.0 ? o.bars : 2.0;
    *length = std::llround(bars * 4.0 * spb);
    for (int note : o.chord) input->push_back({0, 0x90, uint8_t(note), uint8_t(o.velocity)});
    for (int note : o.chord) input->push_back({*length, 0x80, uint8_t(note), 0});
    return true;
  }
  std::vector<uint8_t> bytes;
  std::vector<smf::Message> messages;
  if (!ReadFile(o.midiIn, &bytes, error)) return false;
  if (!smf::Read(bytes, &messages, error)) {
    *error = o.midiIn + ": " + *error;
    return false;
  }
  double lastBeat = 0.0;
  for (const smf::Message& m : messages) {
    input->push_back({std::llround(m.beat * spb), m.status, m.data1, m.data2});
    lastBeat = m.beat;
  }
  const double bars = o.bars > 0.0 ? o.bars : std::max(1.0, std::ceil(lastBeat / 4.0));
  *length = std::llround(bars * 4.0 * spb);
  return true;
}

bool SetUp(vsthost::Plugin& plug, const Options& o, std::vector<std::string>* report, std::string* error)
{
  plug.Dispatch(vsthost::kOpen);
  plug.Dispatch(vsthost::kSetSampleRate, 0, 0, nullptr, float(o.sampleRate));
  plug.Dispatch(vsthost::kSetBlockSize, 0, o.blockSize);
  if (!o.loadState.empty()) {
    std::vector<uint8_t> state;
    if (!ReadFile(o.loadState, &state, error)) return false;
    if (state.empty() || plug.SetChunk(true, state) != 1) {
      *error = "the plug-in could not read the state in '" + o.loadState + "'";
      return false;
    }
    report->push_back("loaded the state in " + o.loadState);
  }
  std::vector<std::pair<std::string, std::string>> params;
  if (o.loadState.empty()) params.emplace_back("Step rate", "1/16");
  params.insert(params.end(), o.params.begin(), o.params.end());
  const int count = ParameterCount(plug);
  for (const auto& p : params) {
    int index;
    if (!FindParam(plug, p.first, count, &index, error) || !SetParam(plug, index, p.second, error)) return false;
    std::string name = ParamText(plug, vsthost::kGetParamName, index);
    report->push_back("parameter " + std::to_string(index) + " \"" + name +
                      "\" = " + ParamText(plug, vsthost::kGetParamDisplay, index));
  }
  plug.Dispatch(vsthost::kMainsChanged, 0, 1);
  return true;
}

std::vector<Timed> Run(vsthost::Plugin& plug, const Options& o, const std::vector<Timed>& input, int64_t length,
                       const std::function<void()>& beforeLastBlock)
{
  const double spb = SamplesPerBeat(o);
  std::vector<Timed> sent;
  size_t next = 0;
  plug.FillBuffers(o.blockSize, 0.0f, 0.0f);
  plug.ClearCallbacks();
  for (int64_t pos = 0; pos <= length; pos += o.blockSize) {
    if (beforeLastBlock && pos + o.blockSize > length) beforeLastBlock();
    std::vector<vsthost::Event> events;
    for (; next < input.size() && input[next].sample < pos + o.blockSize; ++next) {
      const Timed& m = input[next];
      events.push_back(vsthost::Event::Midi(int32_t(std::max<int64_t>(0, m.sample - pos)), m.status, m.data1, m.data2));
    }
    if (!events.empty()) plug.SendEvents(events);

    const double ppq = double(pos) / spb;
    plug.time.samplePos = double(pos);
    plug.time.sampleRate = o.sampleRate;
    plug.time.tempo = o.tempo;
    plug.time.ppqPos = ppq;
    plug.time.barStartPos = std::floor(ppq / 4.0) * 4.0;
    plug.time.timeSigNumerator = 4;
    plug.time.timeSigDenominator = 4;
    plug.time.flags = kPlayingTimeFlags;
    plug.Process(vsthost::ProcessKind::Replacing, o.blockSize);

    for (const vsthost::Callback& cb : plug.Callbacks()) {
      if (cb.opcode != vsthost::kHostProcessEvents) continue;
      for (const vsthost::Event& e : cb.events) {
        if (e.type != vsthost::kMidiEventType) continue;
        const uint8_t* d = e.midiData();
        sent.push_back({pos + e.deltaFrames, d[0], d[1], d[2]});
      }
    }
    plug.ClearCallbacks();
  }
  plug.Dispatch(vsthost::kMainsChanged, 0, 0);
  return sent;
}

bool SaveState(vsthost::Plugin& plug, const std::string& path, std::string* error)
{
  const std::vector<uint8_t> state = plug.GetChunk(true);
  if (state.empty()) {
    *error = "the plug-in gave no state to save";
    return false;
  }
  return WriteFile(path, state, error);
}

std::string Describe(const Timed& m, double spb)
{
  const double beats = double(m.sample) / spb;
  const int bar = int(std::floor(beats / 4.0)) + 1;
  const double beat = beats - 4.0 * (bar - 1) + 1.0;
  char when[64], what[96];
  std::snprintf(when, sizeof when, "%4d  %6.3f  %9lld", bar, beat, (long long)m.sample);
  const int channel = (m.status & 15) + 1;
  switch (m.status >> 4) {
    case 0x9:
      std::snprintf(what, sizeof what, "note on   %-4s velocity %3d  channel %d", NoteName(m.data1).c_str(), m.data2,
                    channel);
      break;
    case 0x8:
      std::snprintf(what, sizeof what, "note off  %-4s velocity %3d  channel %d", NoteName(m.data1).c_str(), m.data2,
                    channel);
      break;
    case 0xB: std::snprintf(what, sizeof what, "control %3d  value %3d  channel %d", m.data1, m.data2, channel); break;
    default: std::snprintf(what, sizeof what, "message %02X %02X %02X", m.status, m.data1, m.data2);
  }
  return std::string(when) + "  " + what;
}

}  // namespace play
