#include "PlayOptions.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace play {
namespace {

const char* const kNames[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

bool ParseNumber(const std::string& text, double* value)
{
  if (text.empty() || std::isspace(static_cast<unsigned char>(text[0]))) return false;
  char* end = nullptr;
  errno = 0;
  *value = std::strtod(text.c_str(), &end);
  return errno == 0 && *end == '\0' && std::isfinite(*value);
}

bool ParseInt(const std::string& text, int* value)
{
  double v;
  if (!ParseNumber(text, &v) || v != std::floor(v) || std::fabs(v) > 1e9) return false;
  *value = int(v);
  return true;
}

}  // namespace

const char* Usage()
{
  return "usage: tolvo-play PLUGIN [options]\n"
         "  --chord NOTES        notes held for the whole length, e.g. C4,E4,G4 or 60,64,67\n"
         "                       (default C4,E4,G4 at velocity 100)\n"
         "  --midi-in FILE       play the notes of a standard MIDI file instead of a chord\n"
         "  --tempo BPM          host tempo (default 120)\n"
         "  --bars N             length in 4/4 bars (default 2, or the MIDI file's length)\n"
         "  --block FRAMES       frames per processing block, 1..65536 (default 512)\n"
         "  --param NAME=VALUE   set a parameter by name or index to a display text or a\n"
         "                       plain value, e.g. \"Step rate=1/8\" or 4=2; repeatable\n"
         "                       (default \"Step rate=1/16\" unless a state is loaded)\n"
         "  --load-state FILE    load the plug-in's state (chunk bytes) before playing\n"
         "  --save-state FILE    save the plug-in's state after playing\n"
         "  --out FILE           the standard MIDI file to write (default tolvo-play.mid)\n"
         "  --editor-picture FILE  after the phrase, open the plug-in's editor and write\n"
         "                       its picture as a PNG (the Windows host only)\n"
         "  --help               this text\n";
}

bool ParseOptions(const std::vector<std::string>& args, Options* o, std::string* error)
{
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      o->help = true;
      continue;
    }
    if (a.compare(0, 2, "--") != 0) {
      if (!o->plugin.empty()) {
        *error = "unexpected argument '" + a + "' (the plug-in is already '" + o->plugin + "')";
        return false;
      }
      o->plugin = a;
      continue;
    }
    std::string name = a, value;
    const size_t eq = a.find('=');
    if (eq != std::string::npos) {
      name = a.substr(0, eq);
      value = a.substr(eq + 1);
    } else {
      static const char* const kWithValue[] = {"--chord", "--midi-in",    "--tempo",      "--bars", "--block",
                                               "--param", "--load-state", "--save-state", "--out",  "--editor-picture"};
      bool known = false;
      for (const char* f : kWithValue) known = known || name == f;
      if (!known) {
        *error = "unknown option '" + a + "'";
        return false;
      }
      if (i + 1 >= args.size()) {
        *error = "option " + name + " needs a value";
        return false;
      }
      value = args[++i];
    }
    double number;
    if (name == "--chord") {
      if (!ParseChord(value, &o->chord)) {
        *error = "bad chord '" + value + "': give note names or numbers 0..127 joined by commas";
        return false;
      }
    } else if (name == "--midi-in") {
      o->midiIn = value;
    } else if (name == "--tempo") {
      if (!ParseNumber(value, &number) || number < 1.0 || number > 999.0) {
        *error = "bad tempo '" + value + "': give beats per minute from 1 to 999";
        return false;
      }
      o->tempo = number;
    } else if (name == "--bars") {
      if (!ParseNumber(value, &number) || number <= 0.0 || number > 10000.0) {
        *error = "bad length '" + value + "': give a number of bars above 0 and up to 10000";
        return false;
      }
      o->bars = number;
    } else if (name == "--block") {
      if (!ParseInt(value, &o->blockSize) || o->blockSize < 1 || o->blockSize > 65536) {
        *error = "bad block size '" + value + "': give a whole number of frames from 1 to 65536";
        return false;
      }
    } else if (name == "--param") {
      const size_t sep = value.find('=');
      if (sep == std::string::npos || sep == 0) {
        *error = "bad parameter setting '" + value + "': write NAME=VALUE or INDEX=VALUE";
        return false;
      }
      o->params.emplace_back(value.substr(0, sep), value.substr(sep + 1));
    } else if (name == "--load-state") {
      o->loadState = value;
    } else if (name == "--save-state") {
      o->saveState = value;
    } else if (name == "--out") {
      o->out = value;
    } else if (name == "--editor-picture") {
      o->editorPicture = value;
    } else {
      *error = "unknown option '" + name + "'";
      return false;
    }
  }
  if (o->plugin.empty() && !o->help) {
    *error = "no plug-in library given";
    return false;
  }
  return true;
}

bool ParseNote(const std::string& text, int* note)
{
  if (text.empty()) return false;
  if (std::isdigit(static_cast<unsigned char>(text[0]))) {
    int n;
    if (!ParseInt(text, &n) || n < 0 || n > 127) return false;
    *note = n;
    return true;
  }
  static const int kSemitones[] = {9, 11, 0, 2, 4, 5, 7};  // A..G
  const char letter = char(std::toupper(static_cast<unsigned char>(text[0])));
  if (letter < 'A' || letter > 'G') return false;
  int pitch = kSemitones[letter - 'A'];
  size_t i = 1;
  if (i < text.size() && text[i] == '#') {
    ++pitch;
    ++i;
  } else if (i < text.size() && text[i] == 'b') {
    --pitch;
    ++i;
  }
  int octave;
  if (i >= text.size() || !ParseInt(text.substr(i), &octave) || octave < -1 || octave > 9) return false;
  const int n = pitch + 12 * (octave + 1);
  if (n < 0 || n > 127) return false;
  *note = n;
  return true;
}

bool ParseChord(const std::string& text, std::vector<int>* notes)
{
  std::vector<int> result;
  size_t start = 0;
  while (true) {
    const size_t comma = text.find(',', start);
    int note;
    if (!ParseNote(text.substr(start, comma - start), &note)) return false;
    result.push_back(note);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  *notes = result;
  return true;
}

std::string NoteName(int note) { return std::string(kNames[note % 12]) + std::to_string(note / 12 - 1); }

}  // namespace play
