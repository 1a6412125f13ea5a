#include "IMidiMessage.h"

IMidiMessage::EStatusMsg IMidiMessage::StatusMsg() const
{
  const int kind = mStatus >> 4;
  return (kind >= kNoteOff && kind <= kPitchWheel) ? (EStatusMsg)kind : kNone;
}

int IMidiMessage::NoteNumber() const
{
  switch (StatusMsg()) {
    case kNoteOff:
    case kNoteOn:
    case kPolyAftertouch: return mData1;
    default: return -1;
  }
}

int IMidiMessage::Velocity() const
{
  switch (StatusMsg()) {
    case kNoteOff:
    case kNoteOn: return mData2;
    default: return -1;
  }
}

int IMidiMessage::Program() const { return StatusMsg() == kProgramChange ? mData1 : -1; }

double IMidiMessage::PitchWheel() const
{
  if (StatusMsg() != kPitchWheel) return 0.0;
  const int v = ((int)mData2 - 64) * 128 + mData1;
  return v / 8192.0;
}

double IMidiMessage::ControlChange(int idx) const
{
  if (StatusMsg() == kControlChange && mData1 == idx) return mData2 / 127.0;
  return -1.0;
}

const char* IMidiMessage::StatusMsgStr(int msg)
{
  switch (msg) {
    case kNone: return "none";
    case kNoteOff: return "noteoff";
    case kNoteOn: return "noteon";
    case kPolyAftertouch: return "aftertouch";
    case kControlChange: return "controlchange";
    case kProgramChange: return "programchange";
    case kChannelAftertouch: return "channelaftertouch";
    case kPitchWheel: return "pitchwheel";
    default: return "unknown";
  }
}

void IMidiMessage::Clear()
{
  mOffset = 0;
  mStatus = mData1 = mData2 = 0;
}

void IMidiMessage::MakeNoteOnMsg(int noteNumber, int velocity, int offset, int channel)
{
  mOffset = offset;
  mStatus = (uint8_t)(0x90 | channel);
  mData1 = (uint8_t)noteNumber;
  mData2 = (uint8_t)velocity;
}

void IMidiMessage::MakeNoteOffMsg(int noteNumber, int offset, int channel)
{
  mOffset = offset;
  mStatus = (uint8_t)(0x80 | channel);
  mData1 = (uint8_t)noteNumber;
  mData2 = 0;
}

void IMidiMessage::MakeControlChangeMsg(int idx, double value, int channel)
{
  mOffset = 0;
  mStatus = (uint8_t)(0xB0 | channel);
  mData1 = (uint8_t)idx;
  mData2 = (uint8_t)(int)(value * 127.0);
}

void IMidiMessage::MakePitchWheelMsg(double value, int channel)
{
  mOffset = 0;
  mStatus = (uint8_t)(0xE0 | channel);
  if (!(value >= -1.0)) value = -1.0;  // NaN reads as the lowest position
  if (value > 1.0) value = 1.0;
  int i = 8192 - (int)(-8192.0 * value);
  if (i < 0) i = 0;
  if (i > 16383) i = 16383;
  mData1 = (uint8_t)(i & 127);
  mData2 = (uint8_t)(i >> 7);
}
