// Construction, the channel-I/O layout and the default virtual operations.
#include "IFxBase.h"

#include <cstdio>
#include <cstring>

#include "IFxCheck.h"
#include "IFxUtilities.h"

IFxBase::IFxBase(int nHostParams, int nParams, const char* channelIOStr, int nPresets, const char* effectName,
                 const char* productName, const char* mfrName, int vendorVersion, int uniqueID, int mfrID, int latency,
                 bool plugDoesMidi, bool plugDoesChunks, bool plugIsInst)
  : mUniqueID(uniqueID), mMfrID(mfrID), mVersion(vendorVersion), mStateChunks(plugDoesChunks), mIsInst(plugIsInst),
    mLatency(latency)
{
  initialize(nHostParams, nParams, channelIOStr, nPresets, effectName, productName, mfrName);
}

IFxBase::IFxBase(int nParams, const char* channelIOStr, int nPresets, const char* effectName, const char* productName,
                 const char* mfrName, int vendorVersion, int uniqueID, int mfrID, int latency, bool plugDoesMidi,
                 bool plugDoesChunks, bool plugIsInst)
  : IFxBase(nParams, nParams, channelIOStr, nPresets, effectName, productName, mfrName, vendorVersion, uniqueID, mfrID,
            latency, plugDoesMidi, plugDoesChunks, plugIsInst)
{}

void IFxBase::initialize(int nHostParams, int nParams, const char* channelIOStr, int nPresets, const char* effectName,
                         const char* productName, const char* mfrName)
{
  // One block for all of them: a plug-in has hundreds.
  mParamStore.reset(new IParam[nParams > 0 ? nParams : 0]);
  for (int i = 0; i < nParams; ++i) {
    IParam* p = mParams.Add(&mParamStore[i]);
    if (p && i >= nHostParams) p->SetHostHidden(true);
  }
  for (int i = 0; i < nPresets; ++i) mPresets.Add(new IPreset);

  CopyTextCut(mEffectName, effectName, kNameLen);
  CopyTextCut(mProductName, productName, kNameLen);
  CopyTextCut(mMfrName, mfrName, kNameLen);

  int nInputs = 0, nOutputs = 0;
  while (channelIOStr) {
    int nIn = 0, nOut = 0;
    IFX_CHECK(sscanf(channelIOStr, "%d-%d", &nIn, &nOut) == 2);
    mChannelIO.Add(new ChannelIO{nIn, nOut});
    if (nIn > nInputs) nInputs = nIn;
    if (nOut > nOutputs) nOutputs = nOut;
    channelIOStr = std::strchr(channelIOStr, ' ');
    if (channelIOStr) ++channelIOStr;
  }

  // The data arrays are sized once: every channel keeps a pointer into them.
  mInData.Resize(nInputs);
  mOutData.Resize(nOutputs);
  for (int i = 0; i < mInData.GetSize(); ++i) {
    mInData.Get()[i] = nullptr;
    InChannel* ch = mInChannels.Add(new InChannel);
    if (ch) ch->mSrc = mInData.Get() + i;
  }
  for (int i = 0; i < mOutData.GetSize(); ++i) {
    mOutData.Get()[i] = nullptr;
    OutChannel* ch = mOutChannels.Add(new OutChannel);
    if (ch) ch->mDest = mOutData.Get() + i;
  }
}

IFxBase::~IFxBase()
{
  delete mEditor;
  mEditor = nullptr;
  mParams.Empty(false);
  mParamStore.reset();
  mPresets.Empty(true);
  mInChannels.Empty(true);
  mOutChannels.Empty(true);
  mChannelIO.Empty(true);
}

// --- Default virtual operations ---

void IFxBase::Reset() { KIT_MutexLock lock(&m_mutex); }

void IFxBase::OnParamChangeFromControl(int ctrlIdx, int ctrlParamIdx, int paramIdx, int x, int y)
{
  KIT_MutexLock lock(&m_mutex);
}

void IFxBase::OnParamChange(int paramIdx) { KIT_MutexLock lock(&m_mutex); }

void IFxBase::OnActivate(bool active) { KIT_MutexLock lock(&m_mutex); }

void IFxBase::ProcessDoubleReplacing(double** inputs, double** outputs, int nFrames)
{
  const int nIn = NInChannels(), nOut = NOutChannels();
  for (int i = 0; i < nOut; ++i) {
    double* out = outputs[i];
    if (!out) continue;
    if (i < nIn && inputs[i])
      std::memmove(out, inputs[i], (size_t)nFrames * sizeof(double));
    else
      std::memset(out, 0, (size_t)nFrames * sizeof(double));
  }
}

void IFxBase::ProcessMidiMsg(IMidiMessage* pMsg) { SendMidiMsg(pMsg); }

bool IFxBase::MidiNoteName(int noteNumber, char* noteName)
{
  if (noteName) noteName[0] = 0;
  return false;
}

bool IFxBase::SerializeState(IChunk* pChunk)
{
  KIT_MutexLock lock(&m_mutex);
  return SerializeParams(pChunk);
}

int IFxBase::UnserializeState(IChunk* pChunk, int startPos)
{
  KIT_MutexLock lock(&m_mutex);
  return UnserializeParams(pChunk, startPos);
}
