#ifndef PLAYER_H
#define PLAYER_H

// The play front end's work on one plug-in instance: set it up as a host
// would (sample rate, block size, state, parameters), feed it a phrase
// block by block with a running transport, and collect what it sends.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "PlayOptions.h"
#include "VstHost.h"

namespace play {

// One MIDI message at an absolute sample position.
struct Timed {
  int64_t sample = 0;
  uint8_t status = 0, data1 = 0, data2 = 0;
};

// The input phrase in samples and its length; reads the MIDI file when
// one is given.
bool BuildInput(const Options& options, std::vector<Timed>* input, int64_t* length, std::string* error);

// Opens the instance and applies sample rate, block size, the state file
// and the parameters; `report` gets one line per setting made.
bool SetUp(vsthost::Plugin& plug, const Options& options, std::vector<std::string>* report, std::string* error);

// Plays the input until `length` (the block holding it included) and
// returns every MIDI message the plug-in sent, in order. beforeLastBlock,
// when given, runs just before that block, which lets the chord go.
std::vector<Timed> Run(vsthost::Plugin& plug, const Options& options, const std::vector<Timed>& input, int64_t length,
                       const std::function<void()>& beforeLastBlock = nullptr);

// Writes the plug-in's state (bank chunk) to the file.
bool SaveState(vsthost::Plugin& plug, const std::string& path, std::string* error);

// One printed line: bar, beat, sample, then the message in words.
std::string Describe(const Timed& message, double samplesPerBeat);

double SamplesPerBeat(const Options& options);

bool ReadFile(const std::string& path, std::vector<uint8_t>* bytes, std::string* error);
bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string* error);

}  // namespace play

#endif
