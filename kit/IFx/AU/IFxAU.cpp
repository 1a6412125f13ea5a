#include "IFxAU.h"

#include <cstring>

#include "AUPropertyList.h"
#include "IFxUtilities.h"
#include "IGraphics.h"

namespace {
// Two channels a bus; an odd last channel makes a bus of one.
void MakeBuses(KIT_PtrList<IFxAU::AUBus>* pBuses, int nChannels)
{
  for (int ch = 0; ch < nChannels; ch += 2) {
    const int nPlugChannels = nChannels - ch < 2 ? nChannels - ch : 2;
    pBuses->Add(new IFxAU::AUBus{false, -1, nPlugChannels, ch});
  }
}

// Zeroed float scratch of n samples for each of nChannels channels.
void SizeFloatScratch(KIT_TypedBuf<float>* pBuf, int nChannels, int n)
{
  pBuf->Resize(nChannels * n);
  if (pBuf->Get()) std::memset(pBuf->Get(), 0, (size_t)pBuf->GetSize() * sizeof(float));
}
}  // namespace

IFxAU::IFxAU(const AUInstanceInfo* pInfo, int nHostParams, int nParams, const char* channelIOStr, int nPresets,
             const char* effectName, const char* productName, const char* mfrName, int vendorVersion, int uniqueID,
             int mfrID, int latency, bool plugDoesMidi, bool plugDoesChunks, bool plugIsInst)
  : IFxBase(nHostParams, nParams, channelIOStr, nPresets, effectName, productName, mfrName, vendorVersion, uniqueID,
            mfrID, latency, plugDoesMidi, plugDoesChunks, plugIsInst)
{
  initialize(pInfo);
}

IFxAU::IFxAU(const AUInstanceInfo* pInfo, int nParams, const char* channelIOStr, int nPresets, const char* effectName,
             const char* productName, const char* mfrName, int vendorVersion, int uniqueID, int mfrID, int latency,
             bool plugDoesMidi, bool plugDoesChunks, bool plugIsInst)
  : IFxAU(pInfo, nParams, nParams, channelIOStr, nPresets, effectName, productName, mfrName, vendorVersion, uniqueID,
          mfrID, latency, plugDoesMidi, plugDoesChunks, plugIsInst)
{}

void IFxAU::initialize(const AUInstanceInfo* pInfo)
{
  Trace("IFxAU::initialize", __LINE__);
  std::memset(&mHostCallbacks, 0, sizeof mHostCallbacks);
  std::memset(&mMidiCallback, 0, sizeof mMidiCallback);
  std::memset(&mLastRenderTimeStamp, 0, sizeof mLastRenderTimeStamp);
  MakeBuses(&mInBuses, NInChannels());
  MakeBuses(&mOutBuses, NOutChannels());
  for (int i = 0; i < NInputBuses(); ++i) mInputConnections.Add(new AUInputConnection());
  if (pInfo) {
    mBundleID = pInfo->mBundleID;
    mCocoaViewClass = pInfo->mCocoaViewClass;
  }
  AssessInputConnections();
  SetBlockSize(1024);
}

IFxAU::~IFxAU()
{
  // A Carbon view may outlive the Audio Unit; it must not reach back.
  for (int i = 0; i < mCarbonViews.GetSize(); ++i) mCarbonViews.Get(i)->mPlug = nullptr;
  mPropertyListeners.Empty(true);
  mInBuses.Empty(true);
  mOutBuses.Empty(true);
  mInputConnections.Empty(true);
  mRenderNotify.Empty(true);
  CloseVirtualMidiOutput();
}

void IFxAU::SetBlockSize(int blockSize)
{
  if (blockSize <= 0) return;
  SizeFloatScratch(&mInScratchBuf, NInChannels(), blockSize);
  SizeFloatScratch(&mOutScratchBuf, NOutChannels(), blockSize);
  IFxBase::SetBlockSize(blockSize);
}

// --- Parameters ---

ComponentResult IFxAU::GetParamProc(void* pPlug, AudioUnitParameterID paramID, AudioUnitScope scope,
                                    AudioUnitElement element, AudioUnitParameterValue* pValue)
{
  IFxAU* _this = (IFxAU*)pPlug;
  if (scope != kAudioUnitScope_Global) return kAudioUnitErr_InvalidProperty;
  KIT_MutexLock lock(&_this->m_mutex);
  const IParam* p = _this->GetParam((int)paramID);
  if (!p) return kAudioUnitErr_InvalidParameter;
  if (!pValue) return kAudioUnitErr_InvalidProperty;
  *pValue = (AudioUnitParameterValue)p->Value();
  return noErr;
}

ComponentResult IFxAU::SetParamProc(void* pPlug, AudioUnitParameterID paramID, AudioUnitScope scope,
                                    AudioUnitElement element, AudioUnitParameterValue value, UInt32 offsetFrames)
{
  IFxAU* _this = (IFxAU*)pPlug;
  if (scope != kAudioUnitScope_Global) return kAudioUnitErr_InvalidProperty;
  KIT_MutexLock lock(&_this->m_mutex);
  IParam* p = _this->GetParam((int)paramID);
  if (!p) return kAudioUnitErr_InvalidParameter;
  p->Set(value);
  if (IGraphics* gui = _this->GetGUI()) gui->SetParameterFromPlug((int)paramID, p->Value(), false);
  _this->OnParamChange((int)paramID);
  return noErr;
}

// --- Listeners and host notices ---

void IFxAU::InformListeners(AudioUnitPropertyID propID, AudioUnitScope scope)
{
  for (int i = 0; i < mPropertyListeners.GetSize(); ++i) {
    const AUPropertyListener* l = mPropertyListeners.Get(i);
    if (l->mPropID == propID) l->mListenerProc(l->mProcArgs, mCI, propID, scope, 0);
  }
}

void IFxAU::NotifyParamEvent(AudioUnitEventType type, int idx)
{
  // Nothing is told of a unit the host has not opened yet.
  if (!HostHasPlug()) return;
  AudioUnitEvent event;
  std::memset(&event, 0, sizeof event);
  event.mEventType = type;
  event.mArgument.mParameter.mAudioUnit = mCI;
  event.mArgument.mParameter.mParameterID = (AudioUnitParameterID)idx;
  event.mArgument.mParameter.mScope = kAudioUnitScope_Global;
  event.mArgument.mParameter.mElement = 0;
  AUEventListenerNotify(nullptr, nullptr, &event);
}

void IFxAU::BeginInformHostOfParamChange(int idx)
{
  NotifyParamEvent(kAudioUnitEvent_BeginParameterChangeGesture, idx);
}

// The host reads the new value back through the parameter itself.
void IFxAU::InformHostOfParamChange(int idx, double normalizedValue)
{
  NotifyParamEvent(kAudioUnitEvent_ParameterValueChange, idx);
}

void IFxAU::EndInformHostOfParamChange(int idx) { NotifyParamEvent(kAudioUnitEvent_EndParameterChangeGesture, idx); }

void IFxAU::UpdateHostDisplay() { InformListeners(kAudioUnitProperty_PresentPreset, kAudioUnitScope_Global); }

void IFxAU::SetLatency(int samples)
{
  InformListeners(kAudioUnitProperty_Latency, kAudioUnitScope_Global);
  IFxBase::SetLatency(samples);
}

int IFxAU::GetHost()
{
  if (mHost != kHostUninit) return mHost;
  // The host application is known by its bundle identifier.
  char* id = nullptr;
  if (CFBundleRef mainBundle = CFBundleGetMainBundle()) id = CStringFromCFString(CFBundleGetIdentifier(mainBundle));
  SetHost(id ? id : "", 0);
  delete[] id;
  return mHost;
}
