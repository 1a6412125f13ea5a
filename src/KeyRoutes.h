#ifndef KEYROUTES_H
#define KEYROUTES_H

// Where each key held at the MIDI input went, per channel: to the
// arpeggiator or straight through to the output. A key's release follows
// its key there, whatever the input channel and the key split say by the
// time it comes, so the arpeggiator never keeps a key the player let go
// and no passed note is left without its note-off.
// Used by MIDI input on the audio thread, under the plug lock.

#include <cstdint>

class KeyRoutes {
public:
  enum Route : uint8_t { kNone, kArpeggiator, kThrough };

  // The route of a key held on the channel, or kNone.
  Route Held(int channel, int note) const { return Valid(channel, note) ? Route(mRoutes[channel][note]) : kNone; }
  void Press(int channel, int note, Route route)
  {
    if (Valid(channel, note)) mRoutes[channel][note] = route;
  }
  void Release(int channel, int note)
  {
    if (Valid(channel, note)) mRoutes[channel][note] = kNone;
  }

private:
  static bool Valid(int channel, int note) { return channel >= 0 && channel < 16 && note >= 0 && note < 128; }

  uint8_t mRoutes[16][128] = {};
};

#endif
