#ifndef AURECORDSIZES_H
#define AURECORDSIZES_H

// The Audio Unit deliverable is 32-bit Intel (ILP32): hosts and the
// Component Manager hand these records over at these sizes, whichever
// headers the binding is built against.

#include <AudioToolbox/AudioToolbox.h>
#include <AudioUnit/AudioUnit.h>
#include <CoreMIDI/CoreMIDI.h>

#include <cstddef>

#if defined(__i386__)
static_assert(sizeof(long) == 4 && offsetof(ComponentParameters, params) == 4,
              "a call record's arguments are 32-bit words after a 4-byte header");
static_assert(sizeof(ComponentDescription) == 20, "component description");
static_assert(sizeof(AudioUnitParameterInfo) == 84, "parameter info");
static_assert(sizeof(AudioStreamBasicDescription) == 40, "stream format");
static_assert(sizeof(AudioUnitParameterEvent) == 32, "parameter event");
static_assert(sizeof(HostCallbackInfo) == 16, "host callbacks");
static_assert(sizeof(AudioTimeStamp) == 64, "time stamp");
static_assert(sizeof(AudioUnitConnection) == 12, "connection");
static_assert(sizeof(AudioUnitParameterStringFromValue) == 12, "string from value");
static_assert(sizeof(AudioUnitParameterNameInfo) == 12, "parameter name");
static_assert(sizeof(AudioUnitParameterValueFromString) == 12, "value from string");
static_assert(sizeof(AURenderCallbackStruct) == 8, "render callback");
static_assert(sizeof(AUPreset) == 8, "preset");
static_assert(sizeof(AudioUnitCocoaViewInfo) == 8, "Cocoa view info");
static_assert(sizeof(AUMIDIOutputCallbackStruct) == 8, "MIDI output callback");
static_assert(sizeof(AUHostIdentifier) == 8, "host identifier");
static_assert(sizeof(AUChannelInfo) == 4, "channel pair");
static_assert(sizeof(MusicDeviceNoteParams) == 20, "note parameters");
static_assert(sizeof(MIDIPacketList) == 272, "a packet list of one packet");
#endif

#endif
