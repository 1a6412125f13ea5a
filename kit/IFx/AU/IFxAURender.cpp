// The render call: inputs pulled from upstream, outputs attached to the
// host's buffers, the plug-in run over the block, notifications around it.

#include <cstring>

#include "IFxAU.h"
#include "IFxUtilities.h"

namespace {
// A bus has at most two channels.
const int kMaxBusChannels = 2;

// A buffer list of up to two buffers, as hosts and units lay it out.
struct BusBufferList {
  UInt32 mNumberBuffers;
  AudioBuffer mBuffers[kMaxBusChannels];

  AudioBufferList* Get() { return (AudioBufferList*)this; }
};
}  // namespace

ComponentResult IFxAU::RenderProc(void* pPlug, AudioUnitRenderActionFlags* pFlags, const AudioTimeStamp* pTimestamp,
                                  UInt32 outputBusIdx, UInt32 nFrames, AudioBufferList* pBufferList)
{
  Trace("RenderProc", __LINE__);
  IFxAU* _this = (IFxAU*)pPlug;
  // Render reaches the plug-in as every other road does: under the lock.
  KIT_MutexLock lock(&_this->m_mutex);
  if (_this->mBypassed) return noErr;
  const ComponentResult check = _this->CheckRender(pTimestamp, outputBusIdx, nFrames, pBufferList);
  if (check != noErr) return check;
  _this->mLastRenderTimeStamp = *pTimestamp;

  _this->NotifyRender(kAudioUnitRenderAction_PreRender, pTimestamp, outputBusIdx, nFrames, pBufferList);
  if (pTimestamp->mSampleTime != _this->mRenderTimestamp) {
    const ComponentResult pulled = _this->PullInputs(pTimestamp, nFrames);
    if (pulled != noErr) return pulled;
    _this->mRenderTimestamp = pTimestamp->mSampleTime;
  }
  _this->AttachOutputs(_this->mOutBuses.Get((int)outputBusIdx), nFrames, pBufferList);
  _this->ProcessBuffersToFloat((int)nFrames);
  _this->NotifyRender(kAudioUnitRenderAction_PostRender, pTimestamp, outputBusIdx, nFrames, pBufferList);
  return noErr;
}

ComponentResult IFxAU::CheckRender(const AudioTimeStamp* pTimestamp, UInt32 outputBusIdx, UInt32 nFrames,
                                   const AudioBufferList* pBufferList)
{
  if (!pTimestamp || !(pTimestamp->mFlags & kAudioTimeStampSampleTimeValid)) return kAudioUnitErr_InvalidPropertyValue;
  if ((int)outputBusIdx < 0 || (int)outputBusIdx >= NOutputBuses()) return kAudioUnitErr_InvalidPropertyValue;
  if ((int)nFrames < 0 || (int)nFrames > GetBlockSize()) return kAudioUnitErr_InvalidPropertyValue;
  if (!pBufferList) return kAudioUnitErr_InvalidPropertyValue;
  // Scratch that could not be had when the block size was set.
  if (!ScratchHolds((int)nFrames) || mInScratchBuf.GetSize() < NInChannels() * (int)nFrames ||
      mOutScratchBuf.GetSize() < NOutChannels() * (int)nFrames)
    return kAudioUnitErr_InvalidPropertyValue;
  // Every buffer the plug-in writes must hold the block.
  const int n = mOutBuses.Get((int)outputBusIdx)->NChannels();
  for (UInt32 k = 0; k < pBufferList->mNumberBuffers && (int)k < n; ++k) {
    const AudioBuffer& buf = pBufferList->mBuffers[k];
    if (buf.mData && buf.mDataByteSize < nFrames * sizeof(float)) return kAudioUnitErr_InvalidPropertyValue;
  }
  return noErr;
}

void IFxAU::NotifyRender(AudioUnitRenderActionFlags flags, const AudioTimeStamp* pTimestamp, UInt32 outputBusIdx,
                         UInt32 nFrames, AudioBufferList* pBufferList)
{
  for (int i = 0; i < mRenderNotify.GetSize(); ++i) {
    const AURenderNotify* notify = mRenderNotify.Get(i);
    AudioUnitRenderActionFlags localFlags = flags;
    notify->mProc(notify->mRefCon, &localFlags, pTimestamp, outputBusIdx, nFrames, pBufferList);
  }
}

ComponentResult IFxAU::PullInputs(const AudioTimeStamp* pTimestamp, UInt32 nFrames)
{
  for (int i = 0; i < NInputBuses(); ++i) {
    if (!mInBuses.Get(i)->mConnected) continue;
    const ComponentResult r = PullInput(i, pTimestamp, nFrames);
    if (r != noErr) return r;
  }
  return noErr;
}

ComponentResult IFxAU::PullInput(int busIdx, const AudioTimeStamp* pTimestamp, UInt32 nFrames)
{
  const AUBus* bus = mInBuses.Get(busIdx);
  const AUInputConnection* conn = mInputConnections.Get(busIdx);
  const int n = bus->NChannels();
  BusBufferList list;
  list.mNumberBuffers = (UInt32)n;
  for (int k = 0; k < n; ++k) {
    list.mBuffers[k].mNumberChannels = 1;
    list.mBuffers[k].mDataByteSize = nFrames * sizeof(float);
    list.mBuffers[k].mData = nullptr;
  }

  AudioUnitRenderActionFlags flags = 0;
  ComponentResult r = noErr;
  switch (conn->mConnectionKind) {
    case kDirectNoFastProc:
      r = AudioUnitRender(conn->mUpstreamUnit, &flags, pTimestamp, (UInt32)conn->mUpstreamBusIdx, nFrames, list.Get());
      break;
    case kDirectFastProc:
      r = conn->mUpstreamRenderProc(conn->mUpstreamObj, &flags, pTimestamp, (UInt32)conn->mUpstreamBusIdx, nFrames,
                                    list.Get());
      break;
    case kRenderCallback:
      for (int k = 0; k < n; ++k)
        list.mBuffers[k].mData = mInScratchBuf.Get() + (bus->mPlugChannelStartIdx + k) * (int)nFrames;
      r = conn->mCallbackProc(conn->mCallbackRefCon, &flags, pTimestamp, (UInt32)busIdx, nFrames, list.Get());
      break;
    default: return noErr;  // assessed as connected, so never here
  }
  if (r != noErr) return r;

  float* buffers[kMaxBusChannels];
  for (int k = 0; k < n; ++k) buffers[k] = (float*)list.mBuffers[k].mData;
  AttachInputBuffersFromFloat(bus->mPlugChannelStartIdx, n, buffers, (int)nFrames);
  return noErr;
}

void IFxAU::AttachOutputs(AUBus* pBus, UInt32 nFrames, AudioBufferList* pBufferList)
{
  // Every render: a channel left connected from an earlier list would be
  // written into a buffer the host has taken back.
  const int nBuffers = (int)pBufferList->mNumberBuffers;
  const int n = nBuffers < pBus->NChannels() ? nBuffers : pBus->NChannels();
  SetOutputChannelConnections(pBus->mPlugChannelStartIdx, n, true);
  SetOutputChannelConnections(pBus->mPlugChannelStartIdx + n, pBus->mNPlugChannels - n, false);
  pBus->mConnected = true;

  float* buffers[kMaxBusChannels];
  for (int k = 0; k < n; ++k) {
    AudioBuffer& buf = pBufferList->mBuffers[k];
    if (!buf.mData) buf.mData = mOutScratchBuf.Get() + (pBus->mPlugChannelStartIdx + k) * (int)nFrames;
    buffers[k] = (float*)buf.mData;
  }
  AttachOutputBuffersToFloat(pBus->mPlugChannelStartIdx, n, buffers, (int)nFrames);
  // Buffers past the bus's channels carry silence, not what was there.
  for (int k = n; k < nBuffers; ++k) {
    AudioBuffer& buf = pBufferList->mBuffers[k];
    if (buf.mData) std::memset(buf.mData, 0, buf.mDataByteSize);
  }
}
