// vsthost: runs a script of host actions against a VST 2 plug-in library
// and prints one line per action (and per call the plug-in made back),
// so that a person can follow it and a test can compare it.
//
//   vsthost [--expect FILE] PLUGIN [SCRIPT]
//
// The script (a file, or standard input) holds one action a line; '#'
// starts a comment. With --expect the transcript is compared with FILE
// and the exit status is 1 at the first difference.

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "VstHost.h"

namespace {

const char* kUsage =
    "usage: vsthost [--expect FILE] PLUGIN [SCRIPT]\n"
    "actions:\n"
    "  info                          the effect record\n"
    "  dispatch OP [INDEX [VALUE [OPT]]]\n"
    "  text OP [INDEX [VALUE [OPT]]] dispatch with a 256-byte text buffer\n"
    "  cando TEXT\n"
    "  get INDEX | set INDEX VALUE   parameter callbacks\n"
    "  time none | time FIELD=VALUE...  (samplePos sampleRate ppqPos tempo\n"
    "                                barStartPos cycleStartPos cycleEndPos num den flags)\n"
    "  midi DELTA STATUS DATA1 DATA2 queue a MIDI event (hex bytes)\n"
    "  sysex DELTA HEXBYTES          queue a SysEx event\n"
    "  events                        send the queue (opcode 25)\n"
    "  process accumulate|replace|double FRAMES [IN [OUT]]\n"
    "  getchunk bank|program         prints the chunk in hex and keeps it\n"
    "  setchunk bank|program HEX|kept\n"
    "  product NAME | vendorversion N | eventsanswer N   the host's answers\n"
    "  callbacks                     prints the plug-in's calls since the last time\n"
    "  close\n";

std::string Hex(const uint8_t* p, size_t n)
{
  std::string s;
  char b[4];
  for (size_t i = 0; i < n; ++i) {
    std::snprintf(b, sizeof b, "%02x", p[i]);
    s += b;
  }
  return s;
}

bool ParseHex(const std::string& text, std::vector<uint8_t>* out)
{
  out->clear();
  std::string digits;
  for (char c : text)
    if (c != ' ' && c != ':') digits += c;
  if (digits.size() % 2) return false;
  for (size_t i = 0; i < digits.size(); i += 2) {
    // Two hex digits each: strtol alone would also take a sign.
    if (!std::isxdigit(static_cast<unsigned char>(digits[i])) ||
        !std::isxdigit(static_cast<unsigned char>(digits[i + 1])))
      return false;
    out->push_back(static_cast<uint8_t>(std::strtol(digits.substr(i, 2).c_str(), nullptr, 16)));
  }
  return true;
}

std::string Num(double v)
{
  char b[64];
  std::snprintf(b, sizeof b, "%.6g", v);
  return b;
}

const char* HostOpName(int32_t op)
{
  switch (op) {
    case vsthost::kHostAutomate: return "automate";
    case vsthost::kHostVersion: return "version";
    case vsthost::kHostWantMidi: return "wantMidi";
    case vsthost::kHostGetTime: return "getTime";
    case vsthost::kHostProcessEvents: return "processEvents";
    case vsthost::kHostGetVendorString: return "getVendorString";
    case vsthost::kHostGetProductString: return "getProductString";
    case vsthost::kHostGetVendorVersion: return "getVendorVersion";
    case vsthost::kHostCanDo: return "canDo";
    case vsthost::kHostUpdateDisplay: return "updateDisplay";
    case vsthost::kHostBeginEdit: return "beginEdit";
    case vsthost::kHostEndEdit: return "endEdit";
    default: return "?";
  }
}

std::string EventText(const vsthost::Event& e)
{
  std::ostringstream s;
  if (e.type == vsthost::kMidiEventType) {
    s << "midi size=" << e.byteSize << " delta=" << e.deltaFrames << " flags=" << e.flags
      << " body=" << Hex(e.body, sizeof e.body);
  } else if (e.type == vsthost::kSysExEventType) {
    s << "sysex delta=" << e.deltaFrames << " dump=" << Hex(e.sysex.data(), e.sysex.size());
  } else {
    s << "type" << e.type << " size=" << e.byteSize << " delta=" << e.deltaFrames;
  }
  return s.str();
}

class Runner {
public:
  Runner(vsthost::Plugin& plug, std::ostream& out) : mPlug(plug), mOut(out) {}

  // Runs one action; false for a line it cannot understand.
  bool Run(const std::string& line)
  {
    std::istringstream in(line);
    std::string verb;
    if (!(in >> verb) || verb[0] == '#') return true;
    if (verb == "info") return Info();
    if (verb == "dispatch" || verb == "text") {
      long long op = 0, index = 0, value = 0;
      double opt = 0.0;
      if (!(in >> op)) return false;
      in >> index >> value >> opt;
      char buf[256] = {};
      intptr_t r = mPlug.Dispatch(static_cast<int32_t>(op), static_cast<int32_t>(index), static_cast<intptr_t>(value),
                                  verb == "text" ? buf : nullptr, static_cast<float>(opt));
      mOut << verb << " " << op << " " << index << " " << value << " -> " << static_cast<long long>(r);
      if (verb == "text") mOut << " \"" << buf << "\"";
      mOut << "\n";
      return true;
    }
    if (verb == "cando") {
      std::string text;
      std::getline(in >> std::ws, text);
      char buf[256] = {};
      std::strncpy(buf, text.c_str(), sizeof buf - 1);
      intptr_t r = mPlug.Dispatch(vsthost::kCanDo, 0, 0, buf);
      // As the 32-bit word it is on either build.
      mOut << "cando " << text << " -> 0x" << std::hex << static_cast<uint32_t>(r) << std::dec << "\n";
      return true;
    }
    if (verb == "get") {
      int index = 0;
      if (!(in >> index)) return false;
      mOut << "get " << index << " -> " << Num(mPlug.GetParameter(index)) << "\n";
      return true;
    }
    if (verb == "set") {
      int index = 0;
      double v = 0.0;
      if (!(in >> index >> v)) return false;
      mPlug.SetParameter(index, static_cast<float>(v));
      mOut << "set " << index << " " << Num(v) << "\n";
      return true;
    }
    if (verb == "time") return Time(in);
    if (verb == "midi") {
      int delta = 0;
      std::string s, d1, d2;
      if (!(in >> delta >> s >> d1 >> d2)) return false;
      std::vector<uint8_t> b;
      if (!ParseHex(s + d1 + d2, &b) || b.size() != 3) return false;
      mQueue.push_back(vsthost::Event::Midi(delta, b[0], b[1], b[2]));
      return true;
    }
    if (verb == "sysex") {
      int delta = 0;
      std::string rest;
      if (!(in >> delta)) return false;
      std::getline(in, rest);
      std::vector<uint8_t> b;
      if (!ParseHex(rest, &b)) return false;
      mQueue.push_back(vsthost::Event::SysEx(delta, b));
      return true;
    }
    if (verb == "events") {
      intptr_t r = mPlug.SendEvents(mQueue);
      mOut << "events " << mQueue.size() << " -> " << static_cast<long long>(r) << "\n";
      mQueue.clear();
      return true;
    }
    if (verb == "process") return Process(in);
    if (verb == "getchunk" || verb == "setchunk") return Chunk(verb, in);
    if (verb == "product") {
      std::getline(in >> std::ws, mPlug.productString);
      return true;
    }
    if (verb == "vendorversion") return static_cast<bool>(in >> mPlug.vendorVersion);
    if (verb == "eventsanswer") {
      long long v = 0;
      if (!(in >> v)) return false;
      mPlug.eventsAnswer = static_cast<intptr_t>(v);
      return true;
    }
    if (verb == "callbacks") return Callbacks();
    if (verb == "close") {
      mOut << "close -> " << static_cast<long long>(mPlug.Close()) << "\n";
      return true;
    }
    return false;
  }

private:
  bool Info()
  {
    if (!mPlug.IsOpen()) return false;
    vsthost::EffectRecord r = mPlug.Record();
    // The four-character codes in the record's own byte order.
    mOut << "magic " << Hex(reinterpret_cast<const uint8_t*>(&r.magic), 4) << "\n"
         << "numPrograms " << r.numPrograms << "\nnumParams " << r.numParams << "\nnumInputs " << r.numInputs
         << "\nnumOutputs " << r.numOutputs << "\nflags 0x" << std::hex << r.flags << std::dec << "\ninitialDelay "
         << r.initialDelay << "\nioRatio " << Num(r.ioRatio) << "\nuniqueID "
         << Hex(reinterpret_cast<const uint8_t*>(&r.uniqueID), 4) << "\nversion " << r.version << "\n"
         << "callbacks set: dispatcher " << (r.dispatcher != nullptr) << " process " << (r.process != nullptr)
         << " setParameter " << (r.setParameter != nullptr) << " getParameter " << (r.getParameter != nullptr)
         << " processReplacing " << (r.processReplacing != nullptr) << " processDoubleReplacing "
         << (r.processDoubleReplacing != nullptr) << "\n"
         << "object set " << (r.object != nullptr) << "\n"
         << "zero fields "
         << (r.resvd1 == 0 && r.resvd2 == 0 && r.realQualities == 0 && r.offQualities == 0 && r.user == nullptr &&
             r.futureZero)
         << "\n";
    return true;
  }

  bool Time(std::istringstream& in)
  {
    std::string item;
    vsthost::TimeInfo& t = mPlug.time;
    while (in >> item) {
      if (item == "none") {
        t.present = false;
        continue;
      }
      size_t eq = item.find('=');
      if (eq == std::string::npos) return false;
      std::string key = item.substr(0, eq);
      double v = std::strtod(item.c_str() + eq + 1, nullptr);
      t.present = true;
      if (key == "samplePos")
        t.samplePos = v;
      else if (key == "sampleRate")
        t.sampleRate = v;
      else if (key == "ppqPos")
        t.ppqPos = v;
      else if (key == "tempo")
        t.tempo = v;
      else if (key == "barStartPos")
        t.barStartPos = v;
      else if (key == "cycleStartPos")
        t.cycleStartPos = v;
      else if (key == "cycleEndPos")
        t.cycleEndPos = v;
      else if (key == "num")
        t.timeSigNumerator = static_cast<int32_t>(v);
      else if (key == "den")
        t.timeSigDenominator = static_cast<int32_t>(v);
      else if (key == "flags")
        t.flags = static_cast<int32_t>(std::strtol(item.c_str() + eq + 1, nullptr, 0));
      else
        return false;
    }
    return true;
  }

  bool Process(std::istringstream& in)
  {
    std::string kind;
    int frames = 0;
    double inValue = 0.0, outValue = 0.25;
    if (!(in >> kind >> frames)) return false;
    in >> inValue >> outValue;
    vsthost::ProcessKind k;
    if (kind == "accumulate")
      k = vsthost::ProcessKind::Accumulating;
    else if (kind == "replace")
      k = vsthost::ProcessKind::Replacing;
    else if (kind == "double")
      k = vsthost::ProcessKind::Double;
    else
      return false;
    mPlug.FillBuffers(frames, static_cast<float>(inValue), static_cast<float>(outValue));
    mPlug.Process(k, frames);
    mOut << "process " << kind << " " << frames;
    size_t outs = k == vsthost::ProcessKind::Double ? mPlug.outputsDouble.size() : mPlug.outputs.size();
    for (size_t c = 0; c < outs; ++c) {
      double lo = 0.0, hi = 0.0;
      for (int i = 0; i < frames; ++i) {
        double v = k == vsthost::ProcessKind::Double ? mPlug.outputsDouble[c][i] : mPlug.outputs[c][i];
        if (i == 0 || v < lo) lo = v;
        if (i == 0 || v > hi) hi = v;
      }
      mOut << " out" << c << "=[" << Num(lo) << "," << Num(hi) << "]";
    }
    mOut << "\n";
    return true;
  }

  bool Chunk(const std::string& verb, std::istringstream& in)
  {
    std::string which;
    if (!(in >> which) || (which != "bank" && which != "program")) return false;
    int32_t index = which == "bank" ? 0 : 1;
    if (verb == "getchunk") {
      mKept = mPlug.GetChunk(index == 0);
      mOut << "getchunk " << which << " -> " << mKept.size() << " " << Hex(mKept.data(), mKept.size()) << "\n";
      return true;
    }
    std::string rest;
    std::getline(in >> std::ws, rest);
    std::vector<uint8_t> bytes;
    if (rest == "kept")
      bytes = mKept;
    else if (!ParseHex(rest, &bytes))
      return false;
    intptr_t r = mPlug.SetChunk(index == 0, bytes);
    mOut << "setchunk " << which << " " << bytes.size() << " -> " << static_cast<long long>(r) << "\n";
    return true;
  }

  bool Callbacks()
  {
    for (const vsthost::Callback& cb : mPlug.Callbacks()) {
      mOut << "  cb " << cb.opcode << " " << HostOpName(cb.opcode) << " index=" << cb.index
           << " value=" << static_cast<long long>(cb.value) << " opt=" << Num(cb.opt) << "\n";
      for (const vsthost::Event& e : cb.events) mOut << "    " << EventText(e) << "\n";
    }
    mPlug.ClearCallbacks();
    return true;
  }

  vsthost::Plugin& mPlug;
  std::ostream& mOut;
  std::vector<vsthost::Event> mQueue;
  std::vector<uint8_t> mKept;
};

std::vector<std::string> Lines(std::istream& in)
{
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

int main(int argc, char** argv)
{
  std::string expectPath, pluginPath, scriptPath;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--expect" && i + 1 < argc)
      expectPath = argv[++i];
    else if (a == "--help" || a == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (pluginPath.empty())
      pluginPath = a;
    else if (scriptPath.empty())
      scriptPath = a;
    else {
      std::cerr << kUsage;
      return 2;
    }
  }
  if (pluginPath.empty()) {
    std::cerr << kUsage;
    return 2;
  }

  std::vector<std::string> script;
  if (scriptPath.empty() || scriptPath == "-") {
    script = Lines(std::cin);
  } else {
    std::ifstream f(scriptPath);
    if (!f) {
      std::cerr << "vsthost: cannot read " << scriptPath << "\n";
      return 2;
    }
    script = Lines(f);
  }

  std::ostringstream transcript;
  int status = 0;
  {
    vsthost::Library lib;
    std::string error;
    if (!lib.Open(pluginPath, &error)) {
      std::cerr << "vsthost: " << error << "\n";
      return 2;
    }
    vsthost::Plugin plug(lib);
    if (!plug.Create()) {
      std::cerr << "vsthost: the entry point gave no effect\n";
      return 2;
    }
    transcript << "created\n";
    Runner runner(plug, transcript);
    for (size_t i = 0; i < script.size(); ++i) {
      if (!runner.Run(script[i])) {
        transcript << "error: line " << i + 1 << ": " << script[i] << "\n";
        status = 2;
        break;
      }
    }
  }
  std::cout << transcript.str();
  if (status || expectPath.empty()) return status;

  std::ifstream ef(expectPath);
  if (!ef) {
    std::cerr << "vsthost: cannot read " << expectPath << "\n";
    return 2;
  }
  std::vector<std::string> want = Lines(ef);
  std::istringstream got(transcript.str());
  std::vector<std::string> have = Lines(got);
  for (size_t i = 0; i < std::max(want.size(), have.size()); ++i) {
    const std::string w = i < want.size() ? want[i] : "<end>";
    const std::string h = i < have.size() ? have[i] : "<end>";
    if (w != h) {
      std::cerr << "vsthost: line " << i + 1 << " differs\n  expected: " << w << "\n  got:      " << h << "\n";
      return 1;
    }
  }
  std::cerr << "vsthost: transcript matches " << expectPath << "\n";
  return 0;
}
