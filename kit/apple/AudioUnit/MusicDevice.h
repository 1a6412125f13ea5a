#ifndef MUSICDEVICE_H
#define MUSICDEVICE_H

// Stands in for Apple's AudioUnit/MusicDevice.h off Apple (see
// ../README.md): the music-device selectors and their records.

#include <AudioUnit/AUComponent.h>

typedef UInt32 MusicDeviceInstrumentID;
typedef UInt32 MusicDeviceGroupID;
typedef UInt32 NoteInstanceID;

struct NoteParamsControlValue {
  AudioUnitParameterID mID;
  AudioUnitParameterValue mValue;
};

struct MusicDeviceNoteParams {
  UInt32 argCount;
  Float32 mPitch;
  Float32 mVelocity;
  NoteParamsControlValue mControls[1];  // argCount - 2 of them
};

enum {
  kMusicDeviceMIDIEventSelect = 0x0101,
  kMusicDeviceSysExSelect = 0x0102,
  kMusicDevicePrepareInstrumentSelect = 0x0103,
  kMusicDeviceReleaseInstrumentSelect = 0x0104,
  kMusicDeviceStartNoteSelect = 0x0105,
  kMusicDeviceStopNoteSelect = 0x0106,
};

enum { kMusicDeviceProperty_InstrumentCount = 1000 };

#endif
