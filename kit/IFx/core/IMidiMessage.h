#ifndef IMIDIMESSAGE_H
#define IMIDIMESSAGE_H

// A short MIDI channel message with its sample offset within the current
// processing block. Lists of them are KIT_TypedBuf<IMidiMessage>.
// Any thread: a plain record; the audio thread's inside a block.

#include <stdint.h>

struct IMidiMessage {
  enum EStatusMsg {
    kNone = 0,
    kNoteOff = 8,
    kNoteOn = 9,
    kPolyAftertouch = 10,
    kControlChange = 11,
    kProgramChange = 12,
    kChannelAftertouch = 13,
    kPitchWheel = 14
  };

  int mOffset;
  uint8_t mStatus, mData1, mData2;

  IMidiMessage(int offset = 0, uint8_t status = 0, uint8_t data1 = 0, uint8_t data2 = 0)
    : mOffset(offset), mStatus(status), mData1(data1), mData2(data2)
  {}

  int Channel() const { return mStatus & 0x0F; }
  // The kind (status >> 4) when it is 8..14, else kNone.
  EStatusMsg StatusMsg() const;
  int NoteNumber() const;     // note off, note on, poly aftertouch; else -1
  int Velocity() const;       // note off, note on; else -1
  int Program() const;        // program change; else -1
  double PitchWheel() const;  // -1.0 .. 8191/8192 for a pitch wheel; else 0.0
  // The controller index, whatever the kind: test the kind first.
  int ControlChangeIdx() const { return mData1; }
  // data2 / 127 for a control change of this controller, else -1.0.
  double ControlChange(int idx) const;

  static const char* StatusMsgStr(int msg);

  void Clear();
  void MakeNoteOnMsg(int noteNumber, int velocity, int offset, int channel = 0);
  void MakeNoteOffMsg(int noteNumber, int offset, int channel = 0);
  // value 0..1 (not clamped; the caller keeps it in range).
  void MakeControlChangeMsg(int idx, double value, int channel = 0);
  // value -1..1.
  void MakePitchWheelMsg(double value, int channel = 0);
};

#endif
