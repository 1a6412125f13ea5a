#ifndef PLAYOPTIONS_H
#define PLAYOPTIONS_H

// The command line of the play front end, and note names.

#include <string>
#include <utility>
#include <vector>

namespace play {

struct Options {
  std::string plugin;
  std::vector<int> chord = {60, 64, 67};  // held from the start for the whole length
  int velocity = 100;                     // of the chord's notes
  std::string midiIn;                     // a standard MIDI file played instead of the chord
  double tempo = 120.0;
  double bars = 0.0;  // 0: two bars for a chord, the file's length for a MIDI file
  int blockSize = 512;
  double sampleRate = 44100.0;
  // In the order given; a name may be an index, a value a display text or
  // a plain value.
  std::vector<std::pair<std::string, std::string>> params;
  std::string loadState, saveState;
  std::string out = "tolvo-play.mid";
  // Where the editor's picture goes, taken after the phrase (before its
  // last block lets the notes go); Windows builds of the host only.
  std::string editorPicture;
  bool help = false;
};

// False with a message for an unknown option, a missing or bad value.
bool ParseOptions(const std::vector<std::string>& args, Options* options, std::string* error);

const char* Usage();

// "C4" is 60; sharps as "C#4", flats as "Db4", octaves from -1 to 9.
bool ParseNote(const std::string& text, int* note);
// A comma-separated list of note names or numbers 0..127.
bool ParseChord(const std::string& text, std::vector<int>* notes);
std::string NoteName(int note);

}  // namespace play

#endif
