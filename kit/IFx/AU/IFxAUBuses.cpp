// The buses, their stream formats and the input connections.

#include <cmath>
#include <cstring>

#include "IFxAU.h"
#include "IFxUtilities.h"

IFxAU::AUBus* IFxAU::GetBus(AudioUnitScope scope, AudioUnitElement element) const
{
  switch (scope) {
    case kAudioUnitScope_Input: return mInBuses.Get((int)element);
    case kAudioUnitScope_Output: return mOutBuses.Get((int)element);
    // The global scope stands for the outputs.
    case kAudioUnitScope_Global: return NOutputBuses() ? mOutBuses.Get((int)element) : nullptr;
    default: return nullptr;
  }
}

int IFxAU::NHostChannelsOtherBuses(const KIT_PtrList<AUBus>& buses, int except)
{
  int n = -1;
  for (int i = 0; i < buses.GetSize(); ++i) {
    const int nHost = buses.Get(i)->mNHostChannels;
    if (i != except && nHost >= 0) n = (n < 0 ? 0 : n) + nHost;
  }
  return n;
}

bool IFxAU::CheckLegalIO() const
{
  const int nIn = NHostChannelsOtherBuses(mInBuses, -1);
  const int nOut = NHostChannelsOtherBuses(mOutBuses, -1);
  return (nIn == 0 && nOut == 0) || LegalIO(nIn, nOut);
}

bool IFxAU::CheckLegalIOWithBus(AudioUnitScope scope, AudioUnitElement element, int nChannels) const
{
  const bool isInput = scope == kAudioUnitScope_Input;
  const KIT_PtrList<AUBus>& same = isInput ? mInBuses : mOutBuses;
  const KIT_PtrList<AUBus>& other = isInput ? mOutBuses : mInBuses;
  const int nSame = NHostChannelsOtherBuses(same, (int)element);
  const int nThis = (nSame < 0 ? 0 : nSame) + nChannels;
  // Before initialize the other side may still change: it matches anything.
  const int nOther = mInitialized ? NHostChannelsOtherBuses(other, -1) : -1;
  return isInput ? LegalIO(nThis, nOther) : LegalIO(nOther, nThis);
}

void IFxAU::ClearConnections()
{
  for (int i = 0; i < NInputBuses(); ++i) {
    AUBus* bus = mInBuses.Get(i);
    if (bus->mConnected) continue;
    bus->mNHostChannels = -1;
    std::memset(mInputConnections.Get(i), 0, sizeof(AUInputConnection));
  }
  for (int i = 0; i < NOutputBuses(); ++i) {
    AUBus* bus = mOutBuses.Get(i);
    if (!bus->mConnected) bus->mNHostChannels = -1;
  }
}

void IFxAU::AssessInputConnections()
{
  Trace("AssessInputConnections", __LINE__);
  KIT_MutexLock lock(&m_mutex);
  SetInputChannelConnections(0, NInChannels(), false);
  for (int i = 0; i < NInputBuses(); ++i) {
    AUBus* bus = mInBuses.Get(i);
    AUInputConnection* conn = mInputConnections.Get(i);
    if (conn->mUpstreamRenderProc && conn->mUpstreamObj)
      conn->mConnectionKind = kDirectFastProc;
    else if (conn->mUpstreamUnit)
      conn->mConnectionKind = kDirectNoFastProc;
    else if (conn->mCallbackProc)
      conn->mConnectionKind = kRenderCallback;
    else
      conn->mConnectionKind = kNotConnected;

    bus->mConnected = conn->mConnectionKind != kNotConnected;
    if (!bus->mConnected) continue;
    if (bus->mNHostChannels < 0) bus->mNHostChannels = bus->mNPlugChannels;
    SetInputChannelConnections(bus->mPlugChannelStartIdx, bus->NChannels(), true);
  }
}

void IFxAU::GetStreamFormat(const AUBus* pBus, AudioStreamBasicDescription* pFormat) const
{
  std::memset(pFormat, 0, sizeof *pFormat);
  pFormat->mSampleRate = GetSampleRate();
  pFormat->mFormatID = kAudioFormatLinearPCM;
  pFormat->mFormatFlags = kAudioFormatFlagIsFloat | kAudioFormatFlagIsPacked | kAudioFormatFlagIsNonInterleaved;
  pFormat->mBytesPerPacket = sizeof(float);
  pFormat->mFramesPerPacket = 1;
  pFormat->mBytesPerFrame = sizeof(float);
  pFormat->mChannelsPerFrame = (UInt32)(pBus->mNHostChannels >= 0 ? pBus->mNHostChannels : pBus->mNPlugChannels);
  pFormat->mBitsPerChannel = 8 * sizeof(float);
}

ComponentResult IFxAU::SetStreamFormat(AudioUnitScope scope, AudioUnitElement element,
                                       const AudioStreamBasicDescription* pFormat)
{
  AUBus* bus = GetBus(scope, element);
  if (!bus) return kAudioUnitErr_InvalidProperty;
  const int oldNHostChannels = bus->mNHostChannels;
  // The bus counts for nothing while its proposal is checked against the
  // others.
  bus->mNHostChannels = 0;
  const int nChannels = pFormat->mChannelsPerFrame <= 0x7FFF ? (int)pFormat->mChannelsPerFrame : -1;
  // A rate past every number would leave the plug-in with no time to play in.
  const bool rateUsable = !(pFormat->mSampleRate > 0.0) || std::isfinite(pFormat->mSampleRate);
  const bool accepted = pFormat->mFormatID == kAudioFormatLinearPCM &&
                        (pFormat->mFormatFlags & (kAudioFormatFlagIsFloat | kAudioFormatFlagIsPacked)) &&
                        nChannels >= 1 && rateUsable && CheckLegalIOWithBus(scope, element, nChannels);
  bus->mNHostChannels = accepted ? nChannels : oldNHostChannels;
  if (accepted && pFormat->mSampleRate > 0.0) SetSampleRate(pFormat->mSampleRate);
  AssessInputConnections();
  if (!accepted) return kAudioUnitErr_InvalidProperty;
  return noErr;
}

ComponentResult IFxAU::MakeConnection(AudioUnitScope scope, const AudioUnitConnection* pConn)
{
  AUInputConnection* conn = mInputConnections.Get((int)pConn->destInputNumber);
  if (!conn) return kAudioUnitErr_InvalidProperty;
  std::memset(conn, 0, sizeof *conn);
  if (AudioUnit source = pConn->sourceAudioUnit) {
    AudioStreamBasicDescription format;
    UInt32 size = sizeof format;
    if (AudioUnitGetProperty(source, kAudioUnitProperty_StreamFormat, kAudioUnitScope_Output, pConn->sourceOutputNumber,
                             &format, &size) != noErr ||
        size < sizeof format || SetStreamFormat(kAudioUnitScope_Input, pConn->destInputNumber, &format) != noErr) {
      AssessInputConnections();
      return kAudioUnitErr_InvalidProperty;
    }
    conn->mUpstreamUnit = source;
    conn->mUpstreamBusIdx = (int)pConn->sourceOutputNumber;
    AudioUnitRenderProc renderProc = nullptr;
    size = sizeof renderProc;
    if (AudioUnitGetProperty(source, kAudioUnitProperty_FastDispatch, kAudioUnitScope_Global, kAudioUnitRenderSelect,
                             &renderProc, &size) == noErr &&
        renderProc) {
      conn->mUpstreamRenderProc = renderProc;
      conn->mUpstreamObj = GetComponentInstanceStorage(source);
    }
  }
  AssessInputConnections();
  return noErr;
}

ComponentResult IFxAU::SetRenderCallback(AudioUnitScope scope, AudioUnitElement element,
                                         const AURenderCallbackStruct* pCallback)
{
  AUInputConnection* conn = mInputConnections.Get((int)element);
  if (scope != kAudioUnitScope_Input || !conn) return kAudioUnitErr_InvalidProperty;
  std::memset(conn, 0, sizeof *conn);
  if (pCallback->inputProc) {
    conn->mCallbackProc = pCallback->inputProc;
    conn->mCallbackRefCon = pCallback->inputProcRefCon;
  }
  AssessInputConnections();
  return noErr;
}
