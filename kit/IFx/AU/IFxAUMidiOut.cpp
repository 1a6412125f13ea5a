// MIDI out of the Audio Unit: through a virtual source of the plug-in's own
// (RtMidi), or through the host's MIDI-output callback. Nothing RtMidi
// throws leaves the plug-in.

#include <exception>
#include <string>

#include "AUPropertyList.h"
#include "IFxAU.h"
#include "RtMidi.h"

namespace {
#if defined(__APPLE__)
const RtMidi::Api kVirtualSourceApi = RtMidi::MACOSX_CORE;
#else
// Off Apple, JACK stands in for CoreMIDI: it too lets a program publish a
// source of its own that others read.
const RtMidi::Api kVirtualSourceApi = RtMidi::UNIX_JACK;
#endif

void Release(CFStringRef str)
{
  if (str) CFRelease(str);
}
}  // namespace

int IFxAU::OpenVirtualMidiOutput(const char* name)
{
  CloseVirtualMidiOutput();
  RtMidiOut* out = nullptr;
  try {
    out = new RtMidiOut(kVirtualSourceApi, "RtMidi Output Client");
    out->openVirtualPort(std::string("From ") + name);
  } catch (const RtMidiError& e) {
    e.printMessage();
    delete out;
    return 0;
  } catch (const std::exception&) {
    delete out;
    return 0;
  }
  mMidiOut = out;
  return 1;
}

void IFxAU::CloseVirtualMidiOutput()
{
  if (!mMidiOut) return;
  try {
    mMidiOut->closePort();
  } catch (const std::exception&) {}
  delete mMidiOut;
  mMidiOut = nullptr;
}

bool IFxAU::SendMidiMsg(IMidiMessage* pMsg)
{
  if (mMidiOut && mMidiOutMode == kMidiOutVirtual) return SendVirtualMidiMsg(pMsg);
  if (mMidiCallback.midiOutputCallback) return SendHostMidiMsg(pMsg);
  return false;
}

bool IFxAU::SendMidiMsgs(KIT_TypedBuf<IMidiMessage>* pMsgs)
{
  for (int i = 0; i < pMsgs->GetSize(); ++i) SendMidiMsg(pMsgs->Get() + i);
  return true;
}

// The source sends at once: the message's place in the block is not kept.
bool IFxAU::SendVirtualMidiMsg(const IMidiMessage* pMsg)
{
  const unsigned char bytes[3] = {pMsg->mStatus, pMsg->mData1, pMsg->mData2};
  try {
    mMidiOut->sendMessage(bytes, sizeof bytes);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

// One packet, stamped with the message's sample offset in the block.
bool IFxAU::SendHostMidiMsg(const IMidiMessage* pMsg)
{
  MIDIPacketList* list = (MIDIPacketList*)mMidiPacketList;
  const Byte bytes[3] = {pMsg->mStatus, pMsg->mData1, pMsg->mData2};
  const MIDITimeStamp offset = pMsg->mOffset > 0 ? (MIDITimeStamp)pMsg->mOffset : 0;
  if (!MIDIPacketListAdd(list, sizeof mMidiPacketList, MIDIPacketListInit(list), offset, sizeof bytes, bytes))
    return false;
  return mMidiCallback.midiOutputCallback(mMidiCallback.userData, &mLastRenderTimeStamp, 0, list) == noErr;
}

void IFxAU::EnumerateMidiDestinations()
{
  mMidiDestinations.Resize(0);
  const ItemCount n = MIDIGetNumberOfDestinations();
  CFStringRef clientName = CFStringFromCString("MIDI Send");
  CFStringRef portName = CFStringFromCString("Output port");
  for (ItemCount i = 0; i < n; ++i) {
    MIDIClientRef client = 0;
    MIDIPortRef port = 0;
    if (MIDIClientCreate(clientName, nullptr, nullptr, &client) != noErr ||
        MIDIOutputPortCreate(client, portName, &port) != noErr)
      continue;
    const int size = mMidiDestinations.GetSize();
    if (mMidiDestinations.Resize(size + 1, false) && mMidiDestinations.GetSize() == size + 1)
      mMidiDestinations.Get()[size] = MidiDestination{port, MIDIGetDestination(i)};
  }
  Release(clientName);
  Release(portName);
}

void IFxAU::GetMidiDestinations(KIT_TypedBuf<MidiDestination>* pDestinations)
{
  SetMidiOutPort(kMidiOutHost);
  if (!mMidiDestinations.GetSize()) EnumerateMidiDestinations();
  const int n = mMidiDestinations.GetSize();
  pDestinations->Resize(n);
  for (int i = 0; i < n && i < pDestinations->GetSize(); ++i) pDestinations->Get()[i] = mMidiDestinations.Get()[i];
}
