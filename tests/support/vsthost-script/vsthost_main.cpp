// vsthost: runs a script of host actions against a VST 2 plug-in library
// and prints one line per action (and per call the plug-in made back),
// so that a person can follow it and a test can compare it.
//
//   vsthost [--expect FILE] [-D NAME=VALUE]... PLUGIN [SCRIPT]
//
// The script (a file, or standard input) holds one action a line; '#'
// starts a comment and ${NAME} stands for a value given with -D. With
// --expect the transcript is compared with FILE and the exit status is 1
// at the first difference. The Windows build also drives the plug-in's
// editor in a window of its own, and an audio thread runs beside it.

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "AudioRun.h"
#include "Picture.h"
#include "VstHost.h"
#if defined(_WIN32)
#include "EditorScript.h"
#endif

namespace {

const char* kUsage =
    "usage: vsthost [--expect FILE] [-D NAME=VALUE]... PLUGIN [SCRIPT]\n"
    "actions (${NAME} in a line is the value given with -D):\n"
    "  instance N                    the instance the lines below act on, made when new\n"
    "                                (instance 1 is made at the start)\n"
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
    "  close                         the instance (opcode 1)\n"
    "  compare FILE1 FILE2 [except L,T,R,B ...]  two PNG pictures in red, green and blue:\n"
    "                                same, or how many pixels differ and where\n"
    "  audio start FRAMES [arp N,N...] [hold N,N...] [automate P=V,P=V...]\n"
    "                                an audio thread: blocks at the pace of real time, notes\n"
    "                                played one a block (arp) or held, parameters P swept;\n"
    "                                process, events and time wait for its stop\n"
    "  audio stop                    sets each P to V, releases the held notes, plays on\n"
    "                                until no note sounds, and reports\n"
    "editor actions (Windows; X Y in editor pixels, MODS: right shift control):\n"
    "  editor rect | open | close    opcodes 13, 14 (in a top-level window) and 15\n"
    "  editor window                 the editor's window: class, title, parent, place, size\n"
    "  editor class NAME             whether the plug-in's module has that window class\n"
    "  pump MS                       runs the message loop for MS milliseconds\n"
    "  tick [N]                      runs it until the editor's timer ticked N times (1)\n"
    "  click|press|release|move X Y [MODS]   mouse messages (left button unless right)\n"
    "  drag X Y DX DY [MODS]         press, move by DX DY, release\n"
    "  dblclick X Y [MODS]           a double click\n"
    "  wheel X Y UNITS [MODS]        a wheel turn (120 units a notch)\n"
    "  cursor X Y                    the mouse pointer there\n"
    "  key NAME                      down and up to the focused window: return escape space\n"
    "                                tab back up down left right, a-z, 0-9, numpad0-9, f1-f24\n"
    "                                or the virtual-key number\n"
    "  popup ITEM|cancel             how to answer the next popup menu (ITEM from 0); each\n"
    "                                menu shown is printed: its items and the answer\n"
    "  entry                         the text entry: rectangle, text, selection\n"
    "  type TEXT                     typed into the text entry (it takes what it can show)\n"
    "  entry set TEXT                the entry's text replaced at once, however long\n"
    "  screenshot FILE               the editor's window as a PNG\n";

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

// One plug-in instance and what the host keeps beside it. The audio thread
// goes first, then the editor, then the instance.
struct Instance {
  Instance(const vsthost::Library& library, int slot)
    : plug(library)
#if defined(_WIN32)
      ,
      editor(plug, slot)
#endif
  {}
  vsthost::Plugin plug;
#if defined(_WIN32)
  vsthost::EditorFrame editor;
#endif
  std::unique_ptr<vsthost::AudioRun> audio;
};

// A list of numbers joined by commas.
bool ParseList(const std::string& text, std::vector<std::string>* out)
{
  out->clear();
  std::istringstream in(text);
  std::string item;
  while (std::getline(in, item, ','))
    if (!item.empty()) out->push_back(item);
  return !out->empty();
}

bool ParseNotes(const std::string& text, std::vector<uint8_t>* notes)
{
  std::vector<std::string> items;
  if (!ParseList(text, &items)) return false;
  for (const std::string& item : items) {
    char* end = nullptr;
    const long n = std::strtol(item.c_str(), &end, 10);
    if (*end || n < 0 || n > 127) return false;
    notes->push_back(static_cast<uint8_t>(n));
  }
  return true;
}

class Runner {
public:
  Runner(const vsthost::Library& library, std::ostream& out)
    : mLibrary(library), mOut(out)
#if defined(_WIN32)
      ,
      mEditorScript(out)
#endif
  {}

  // Makes instance 1; false when the entry point gives no effect.
  bool Start() { return Select(1, false); }

  // Runs one action; false for a line it cannot understand.
  bool Run(const std::string& line)
  {
    std::istringstream in(line);
    std::string verb;
    if (!(in >> verb) || verb[0] == '#') return true;
    if (verb == "instance") {
      int n = 0;
      return in >> n && n >= 1 && Select(n, true);
    }
    if (verb == "compare") return Compare(in);
    if (verb == "audio") return Audio(in);
    // The audio thread alone processes while it runs.
    if (mCurrent->audio && (verb == "process" || verb == "events" || verb == "time")) return false;
#if defined(_WIN32)
    if (vsthost::EditorScript::Knows(verb)) return mEditorScript.Run(verb, in, Plug(), mCurrent->editor);
#endif
    if (verb == "info") return Info();
    if (verb == "dispatch" || verb == "text") {
      long long op = 0, index = 0, value = 0;
      double opt = 0.0;
      if (!(in >> op)) return false;
      in >> index >> value >> opt;
      char buf[256] = {};
      intptr_t r = Plug().Dispatch(static_cast<int32_t>(op), static_cast<int32_t>(index), static_cast<intptr_t>(value),
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
      intptr_t r = Plug().Dispatch(vsthost::kCanDo, 0, 0, buf);
      // As the 32-bit word it is on either build.
      mOut << "cando " << text << " -> 0x" << std::hex << static_cast<uint32_t>(r) << std::dec << "\n";
      return true;
    }
    if (verb == "get") {
      int index = 0;
      if (!(in >> index)) return false;
      mOut << "get " << index << " -> " << Num(Plug().GetParameter(index)) << "\n";
      return true;
    }
    if (verb == "set") {
      int index = 0;
      double v = 0.0;
      if (!(in >> index >> v)) return false;
      Plug().SetParameter(index, static_cast<float>(v));
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
      intptr_t r = Plug().SendEvents(mQueue);
      mOut << "events " << mQueue.size() << " -> " << static_cast<long long>(r) << "\n";
      mQueue.clear();
      return true;
    }
    if (verb == "process") return Process(in);
    if (verb == "getchunk" || verb == "setchunk") return Chunk(verb, in);
    if (verb == "product") {
      std::getline(in >> std::ws, Plug().productString);
      return true;
    }
    if (verb == "vendorversion") return static_cast<bool>(in >> Plug().vendorVersion);
    if (verb == "eventsanswer") {
      long long v = 0;
      if (!(in >> v)) return false;
      Plug().eventsAnswer = static_cast<intptr_t>(v);
      return true;
    }
    if (verb == "callbacks") return Callbacks();
    if (verb == "close") return Close();
    return false;
  }

private:
  vsthost::Plugin& Plug() { return mCurrent->plug; }

  // Instance n, made when new; false when it cannot be made.
  bool Select(int n, bool say)
  {
    std::unique_ptr<Instance>& slot = mInstances[n];
    if (!slot) {
      std::unique_ptr<Instance> made(new Instance(mLibrary, n - 1));
      if (!made->plug.Create()) {
        mInstances.erase(n);
        mOut << "instance " << n << " -> the entry point gave no effect\n";
        return false;
      }
      slot = std::move(made);
      if (say) mOut << "instance " << n << " created\n";
    } else if (say) {
      mOut << "instance " << n << "\n";
    }
    mCurrent = slot.get();
    return true;
  }

  bool Close()
  {
    if (mCurrent->audio) mCurrent->audio->Stop();
#if defined(_WIN32)
    const bool editorOpen = mCurrent->editor.IsOpen();
#endif
    mOut << "close -> " << static_cast<long long>(Plug().Close()) << "\n";
#if defined(_WIN32)
    if (editorOpen)
      mOut << "  the editor's window " << (mCurrent->editor.ForgetClosedPlugin() ? "went with it" : "is still there")
           << "\n";
#endif
    return true;
  }

  bool Compare(std::istringstream& in)
  {
    std::string a, b, word;
    if (!(in >> a >> b)) return false;
    std::vector<vsthost::PixelRect> except;
    if (in >> word) {
      if (word != "except") return false;
      std::string rect;
      while (in >> rect) {
        vsthost::PixelRect r;
        char c1, c2, c3;
        std::istringstream rs(rect);
        if (!(rs >> r.left >> c1 >> r.top >> c2 >> r.right >> c3 >> r.bottom) || c1 != ',' || c2 != ',' || c3 != ',')
          return false;
        except.push_back(r);
      }
    }
    vsthost::Picture pa, pb;
    std::string error;
    mOut << "compare " << vsthost::PictureName(a) << " " << vsthost::PictureName(b) << " -> ";
    if (!vsthost::ReadPng(a, &pa, &error) || !vsthost::ReadPng(b, &pb, &error)) {
      mOut << error << "\n";
      return true;
    }
    const vsthost::PictureDiff d = vsthost::ComparePictures(pa, pb, except);
    if (!d.sameSize)
      mOut << "sizes differ: " << pa.width << " x " << pa.height << " and " << pb.width << " x " << pb.height;
    else if (d.pixels == 0)
      mOut << "same";
    else
      mOut << d.pixels << " pixels differ, within " << d.bounds.left << " " << d.bounds.top << " " << d.bounds.right
           << " " << d.bounds.bottom;
    mOut << "\n";
    return true;
  }

  bool Audio(std::istringstream& in)
  {
    std::string what;
    if (!(in >> what)) return false;
    if (what == "stop") {
      if (!mCurrent->audio) return false;
      const vsthost::AudioRun::Report r = mCurrent->audio->Stop();
      mCurrent->audio.reset();
      mOut << "audio stop -> " << (r.blocks > 0 ? "blocks ran" : "no block ran") << ", "
           << (r.sounding == 0 ? "no note left sounding" : std::to_string(r.sounding) + " notes left sounding") << "\n";
      return true;
    }
    if (what != "start" || mCurrent->audio) return false;
    vsthost::AudioRun::Settings settings;
    if (!(in >> settings.frames) || settings.frames <= 0) return false;
    std::string kind, list;
    while (in >> kind >> list) {
      if (kind == "arp") {
        if (!ParseNotes(list, &settings.arp)) return false;
      } else if (kind == "hold") {
        if (!ParseNotes(list, &settings.hold)) return false;
      } else if (kind == "automate") {
        std::vector<std::string> items;
        if (!ParseList(list, &items)) return false;
        for (const std::string& item : items) {
          int param = 0;
          float value = 0.0f;
          char eq = 0;
          std::istringstream is(item);
          if (!(is >> param >> eq >> value) || eq != '=') return false;
          settings.automation.emplace_back(param, value);
        }
      } else {
        return false;
      }
    }
    mCurrent->audio.reset(new vsthost::AudioRun(Plug(), settings));
    mOut << "audio start " << settings.frames << "\n";
    return true;
  }

  bool Info()
  {
    if (!Plug().IsOpen()) return false;
    vsthost::EffectRecord r = Plug().Record();
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
    vsthost::TimeInfo& t = Plug().time;
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
    Plug().FillBuffers(frames, static_cast<float>(inValue), static_cast<float>(outValue));
    Plug().Process(k, frames);
    mOut << "process " << kind << " " << frames;
    size_t outs = k == vsthost::ProcessKind::Double ? Plug().outputsDouble.size() : Plug().outputs.size();
    for (size_t c = 0; c < outs; ++c) {
      double lo = 0.0, hi = 0.0;
      for (int i = 0; i < frames; ++i) {
        double v = k == vsthost::ProcessKind::Double ? Plug().outputsDouble[c][i] : Plug().outputs[c][i];
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
      mKept = Plug().GetChunk(index == 0);
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
    intptr_t r = Plug().SetChunk(index == 0, bytes);
    mOut << "setchunk " << which << " " << bytes.size() << " -> " << static_cast<long long>(r) << "\n";
    return true;
  }

  bool Callbacks()
  {
    for (const vsthost::Callback& cb : Plug().Callbacks()) {
      mOut << "  cb " << cb.opcode << " " << HostOpName(cb.opcode) << " index=" << cb.index
           << " value=" << static_cast<long long>(cb.value) << " opt=" << Num(cb.opt) << "\n";
      for (const vsthost::Event& e : cb.events) mOut << "    " << EventText(e) << "\n";
    }
    Plug().ClearCallbacks();
    return true;
  }

  const vsthost::Library& mLibrary;
  std::ostream& mOut;
  std::map<int, std::unique_ptr<Instance>> mInstances;
  Instance* mCurrent = nullptr;
#if defined(_WIN32)
  vsthost::EditorScript mEditorScript;
#endif
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

// The line with every ${NAME} replaced by its value; false for a name that
// has none.
bool Substitute(const std::map<std::string, std::string>& values, std::string* line)
{
  size_t at = 0;
  while ((at = line->find("${", at)) != std::string::npos) {
    const size_t end = line->find('}', at);
    if (end == std::string::npos) return false;
    const auto value = values.find(line->substr(at + 2, end - at - 2));
    if (value == values.end()) return false;
    line->replace(at, end + 1 - at, value->second);
    at += value->second.size();
  }
  return true;
}

}  // namespace

int main(int argc, char** argv)
{
  std::string expectPath, pluginPath, scriptPath;
  std::map<std::string, std::string> values;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--expect" && i + 1 < argc)
      expectPath = argv[++i];
    else if (a == "-D" && i + 1 < argc && std::strchr(argv[i + 1], '=')) {
      const std::string def = argv[++i];
      values[def.substr(0, def.find('='))] = def.substr(def.find('=') + 1);
    } else if (a == "--help" || a == "-h") {
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

  // Printed as it is made, so that a script that hangs shows where.
  std::ostringstream transcript;
  size_t printed = 0;
  auto print = [&transcript, &printed] {
    const std::string text = transcript.str();
    std::cout << text.substr(printed) << std::flush;
    printed = text.size();
  };
  int status = 0;
  {
    vsthost::Library lib;
    std::string error;
    if (!lib.Open(pluginPath, &error)) {
      std::cerr << "vsthost: " << error << "\n";
      return 2;
    }
    Runner runner(lib, transcript);
    if (!runner.Start()) {
      std::cerr << "vsthost: the entry point gave no effect\n";
      return 2;
    }
    transcript << "created\n";
    for (size_t i = 0; i < script.size(); ++i) {
      std::string line = script[i];
      if (!Substitute(values, &line) || !runner.Run(line)) {
        transcript << "error: line " << i + 1 << ": " << line << "\n";
        status = 2;
        break;
      }
      print();
    }
  }
  print();
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
