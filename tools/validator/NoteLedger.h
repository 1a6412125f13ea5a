#ifndef NOTELEDGER_H
#define NOTELEDGER_H

// What a receiver has sounding, kept from the MIDI messages a plug-in
// sends, and every fault of the note stream seen on the way: a note-on for
// a note already sounding on its channel, a note-off for one that is not.
// Called on whatever thread reads the plug-in's output; not locked.

#include <cstdint>
#include <string>
#include <vector>

class NoteLedger {
public:
  // One outgoing message; a note-on of velocity 0 is a note-off.
  void Take(uint8_t status, uint8_t data1, uint8_t data2);

  int NoteOns() const { return mNoteOns; }
  int Sounding() const;
  // "channel:note" of every note still sounding, in channel and note order.
  std::string SoundingList() const;
  int Repeats() const { return mRepeats; }  // note-ons of a sounding note
  int Strays() const { return mStrays; }    // note-offs of a silent note
  // The first few faults, each told in a line.
  const std::vector<std::string>& Faults() const { return mFaults; }

private:
  void Fault(const char* what, int channel, int note);

  bool mOn[16][128] = {};
  int mNoteOns = 0;
  int mRepeats = 0;
  int mStrays = 0;
  std::vector<std::string> mFaults;
};

#endif
