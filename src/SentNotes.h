#ifndef SENTNOTES_H
#define SENTNOTES_H

// The channel each note the arpeggiator has sounding went out on, so that
// its note-off follows it there whatever the output channel is by then,
// and is sent once.
// Used by MIDI output on the audio thread, under the plug lock.

#include <cstdint>

class SentNotes {
public:
  SentNotes()
  {
    for (int8_t& c : mChannel) c = -1;
  }

  void NoteOn(int note, int channel) { mChannel[note] = int8_t(channel); }
  // The channel the note sounds on, now forgotten; -1 when it is silent.
  int NoteOff(int note)
  {
    const int channel = mChannel[note];
    mChannel[note] = -1;
    return channel;
  }
  int ChannelOf(int note) const { return mChannel[note]; }

private:
  int8_t mChannel[128];
};

#endif
