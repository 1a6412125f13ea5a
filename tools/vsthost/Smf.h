#ifndef SMF_H
#define SMF_H

// Standard MIDI files for the play front end: reading the channel
// messages of a format 0 or 1 file, and writing a format 0 file.

#include <cstdint>
#include <string>
#include <vector>

namespace smf {

// One channel message at a time in beats (quarter notes) from the start.
struct Message {
  double beat = 0.0;
  uint8_t status = 0, data1 = 0, data2 = 0;
};

// Reads every channel message of every track, merged in time order (the
// file's tempo is not applied: times stay in beats). Meta and SysEx
// events are skipped. False with a message for anything that is not a
// well-formed format 0 or 1 file with a beat-based division.
bool Read(const std::vector<uint8_t>& bytes, std::vector<Message>* out, std::string* error);

// A format 0 file of one track: the tempo, a 4/4 time signature and the
// messages in time order (equal times in the order given), at
// `ticksPerBeat` ticks per quarter note.
std::vector<uint8_t> Write(const std::vector<Message>& messages, double tempo, int ticksPerBeat);

// The number of data bytes that follow a channel status byte.
int DataBytes(uint8_t status);

}  // namespace smf

#endif
