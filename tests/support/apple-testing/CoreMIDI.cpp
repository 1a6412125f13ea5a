// CoreMIDI for the tests: packet lists laid out as on Intel, and a system
// of as many destinations as a test says.

#include <cstddef>

#include "AppleTesting.h"

namespace {
ItemCount sDestinations = 0;
MIDIObjectRef sNextObject = 0x100;
}  // namespace

extern "C" {

MIDIPacket* MIDIPacketListInit(MIDIPacketList* pktlist)
{
  pktlist->numPackets = 0;
  return pktlist->packet;
}

MIDIPacket* MIDIPacketListAdd(MIDIPacketList* pktlist, ByteCount listSize, MIDIPacket* curPacket, MIDITimeStamp time,
                              ByteCount nData, const Byte* data)
{
  MIDIPacket* packet = pktlist->numPackets ? MIDIPacketNext(curPacket) : curPacket;
  const ByteCount end = (ByteCount)((const Byte*)packet->data + nData - (const Byte*)pktlist);
  if (nData > 0xFFFF || end > listSize) return nullptr;
  // Packets after the first need not be aligned.
  const UInt16 length = (UInt16)nData;
  std::memcpy((Byte*)packet + offsetof(MIDIPacket, timeStamp), &time, sizeof time);
  std::memcpy((Byte*)packet + offsetof(MIDIPacket, length), &length, sizeof length);
  std::memcpy((Byte*)packet + offsetof(MIDIPacket, data), data, nData);
  ++pktlist->numPackets;
  return packet;
}

ItemCount MIDIGetNumberOfDestinations(void) { return sDestinations; }

MIDIEndpointRef MIDIGetDestination(ItemCount destIndex0)
{
  return destIndex0 < sDestinations ? (MIDIEndpointRef)(0x1000 + destIndex0) : 0;
}

OSStatus MIDIClientCreate(CFStringRef, MIDINotifyProc, void*, MIDIClientRef* outClient)
{
  *outClient = sNextObject++;
  return noErr;
}

OSStatus MIDIOutputPortCreate(MIDIClientRef, CFStringRef, MIDIPortRef* outPort)
{
  *outPort = sNextObject++;
  return noErr;
}

}  // extern "C"

void TestSetMidiDestinations(int n) { sDestinations = n > 0 ? (ItemCount)n : 0; }

std::vector<TestMidiPacket> TestReadPacketList(const MIDIPacketList* list)
{
  std::vector<TestMidiPacket> packets;
  const Byte* at = (const Byte*)list->packet;
  for (UInt32 i = 0; i < list->numPackets; ++i) {
    TestMidiPacket p;
    UInt16 length;
    std::memcpy(&p.time, at + offsetof(MIDIPacket, timeStamp), sizeof p.time);
    std::memcpy(&length, at + offsetof(MIDIPacket, length), sizeof length);
    p.bytes.assign(at + offsetof(MIDIPacket, data), at + offsetof(MIDIPacket, data) + length);
    packets.push_back(p);
    at += offsetof(MIDIPacket, data) + length;
  }
  return packets;
}
