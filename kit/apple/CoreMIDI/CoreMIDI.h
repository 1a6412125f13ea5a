#ifndef COREMIDI_H
#define COREMIDI_H

// Stands in for Apple's CoreMIDI off Apple (see ../README.md): packet lists
// as Apple lays them out on Intel, and the client, port and destination
// calls.

#include <CoreFoundation/CoreFoundation.h>
#include <MacTypes.h>

typedef UInt32 MIDIObjectRef;
typedef MIDIObjectRef MIDIClientRef;
typedef MIDIObjectRef MIDIPortRef;
typedef MIDIObjectRef MIDIEndpointRef;
typedef UInt64 MIDITimeStamp;

#pragma pack(push, 4)
struct MIDIPacket {
  MIDITimeStamp timeStamp;
  UInt16 length;
  Byte data[256];  // length bytes are used
};

// Variable length: numPackets packets follow one another from packet on,
// each as long as its data.
struct MIDIPacketList {
  UInt32 numPackets;
  MIDIPacket packet[1];
};
#pragma pack(pop)

// The packet after pkt: on Intel packets are not padded.
inline MIDIPacket* MIDIPacketNext(const MIDIPacket* pkt) { return (MIDIPacket*)&pkt->data[pkt->length]; }

struct MIDINotification;
typedef void (*MIDINotifyProc)(const MIDINotification* message, void* refCon);

#ifdef __cplusplus
extern "C" {
#endif

// The list emptied; returns its first packet, for MIDIPacketListAdd.
MIDIPacket* MIDIPacketListInit(MIDIPacketList* pktlist);
// Adds a packet of the bytes after curPacket (the one Init or the last Add
// returned) and returns it; null when the list of listSize bytes has no
// room.
MIDIPacket* MIDIPacketListAdd(MIDIPacketList* pktlist, ByteCount listSize, MIDIPacket* curPacket, MIDITimeStamp time,
                              ByteCount nData, const Byte* data);

ItemCount MIDIGetNumberOfDestinations(void);
MIDIEndpointRef MIDIGetDestination(ItemCount destIndex0);
OSStatus MIDIClientCreate(CFStringRef name, MIDINotifyProc notifyProc, void* notifyRefCon, MIDIClientRef* outClient);
OSStatus MIDIOutputPortCreate(MIDIClientRef client, CFStringRef portName, MIDIPortRef* outPort);

#ifdef __cplusplus
}
#endif

#endif
