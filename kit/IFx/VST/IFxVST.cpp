#include "IFxVST.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "IFxUtilities.h"
#include "IGraphics.h"

namespace {
const VstIntPtr kVendorSpecificAnswer = 0xBEEF;
// The bit pattern 0xBEEF0000, whatever the width of VstIntPtr.
const VstIntPtr kVendorCanDoAnswer = (VstIntPtr)0xBEEF0000u;

IFxVST* PlugOf(AEffect* pEffect) { return pEffect ? (IFxVST*)pEffect->object : nullptr; }
}  // namespace

IFxVST::IFxVST(audioMasterCallback hostCallback, int nHostParams, int nParams, const char* channelIOStr, int nPresets,
               const char* effectName, const char* productName, const char* mfrName, int vendorVersion, int uniqueID,
               int mfrID, int latency, bool plugDoesMidi, bool plugDoesChunks, bool plugIsInst)
  : IFxBase(nHostParams, nParams, channelIOStr, nPresets, effectName, productName, mfrName, vendorVersion, uniqueID,
            mfrID, latency, plugDoesMidi, plugDoesChunks, plugIsInst),
    mHostCallback(hostCallback), mDoesMidi(plugDoesMidi)
{
  initialize();
}

IFxVST::IFxVST(audioMasterCallback hostCallback, int nParams, const char* channelIOStr, int nPresets,
               const char* effectName, const char* productName, const char* mfrName, int vendorVersion, int uniqueID,
               int mfrID, int latency, bool plugDoesMidi, bool plugDoesChunks, bool plugIsInst)
  : IFxVST(hostCallback, nParams, nParams, channelIOStr, nPresets, effectName, productName, mfrName, vendorVersion,
           uniqueID, mfrID, latency, plugDoesMidi, plugDoesChunks, plugIsInst)
{}

IFxVST::~IFxVST() {}

void IFxVST::initialize()
{
  Trace("IFxVST::initialize", __LINE__);
  mHasVSTExtensions = 0;

  std::memset(&mAEffect, 0, sizeof mAEffect);
  mAEffect.magic = kEffectMagic;
  mAEffect.dispatcher = VSTDispatcher;
  mAEffect.process = VSTProcess;
  mAEffect.setParameter = VSTSetParameter;
  mAEffect.getParameter = VSTGetParameter;
  mAEffect.numPrograms = NPresets();
  mAEffect.numParams = 0;
  for (int i = 0; i < NParams(); ++i)
    if (!GetParam(i)->IsHostHidden()) mAEffect.numParams = i + 1;
  mAEffect.numInputs = NInChannels();
  mAEffect.numOutputs = NOutChannels();
  mAEffect.flags = effFlagsCanReplacing | effFlagsCanDoubleReplacing;
  if (DoesStateChunks()) mAEffect.flags |= effFlagsProgramChunks;
  if (LegalIO(1, -1)) mAEffect.flags |= effFlagsCanMono;
  if (IsInst()) mAEffect.flags |= effFlagsIsSynth;
  mAEffect.initialDelay = GetLatency();
  mAEffect.ioRatio = 1.0f;
  mAEffect.object = this;
  mAEffect.uniqueID = GetUniqueID();
  mAEffect.version = GetEffectVersion(true);
  mAEffect.processReplacing = VSTProcessReplacing;
  mAEffect.processDoubleReplacing = VSTProcessDoubleReplacing;

  std::memset(&mEditRect, 0, sizeof mEditRect);
  SetSpeakerArrangement(&mInputSpkrArr, NInChannels());
  SetSpeakerArrangement(&mOutputSpkrArr, NOutChannels());

  SetInputChannelConnections(0, NInChannels(), true);
  SetOutputChannelConnections(0, NOutChannels(), true);
  SetBlockSize(1024);
}

void IFxVST::SetSpeakerArrangement(VstSpeakerArrangement* pArr, int nChannels)
{
  std::memset(pArr, 0, sizeof *pArr);
  pArr->numChannels = nChannels;
  switch (nChannels) {
    case 0: pArr->type = kSpeakerArrEmpty; break;
    case 1: pArr->type = kSpeakerArrMono; break;
    case 2: pArr->type = kSpeakerArrStereo; break;
    default: pArr->type = kSpeakerArrUserDefined; break;
  }
}

// --- Calls into the host ---

VstIntPtr IFxVST::CallHost(VstInt32 opCode, VstInt32 idx, VstIntPtr value, void* ptr, float opt)
{
  // A host that has not got the effect record yet does not know it.
  if (!mHostCallback || !HostHasPlug()) return 0;
  return mHostCallback(&mAEffect, opCode, idx, value, ptr, opt);
}

void IFxVST::BeginInformHostOfParamChange(int idx) { CallHost(audioMasterBeginEdit, idx, 0, nullptr, 0.0f); }

void IFxVST::InformHostOfParamChange(int idx, double normalizedValue)
{
  CallHost(audioMasterAutomate, idx, 0, nullptr, (float)normalizedValue);
}

void IFxVST::EndInformHostOfParamChange(int idx) { CallHost(audioMasterEndEdit, idx, 0, nullptr, 0.0f); }

void IFxVST::UpdateHostDisplay() { CallHost(audioMasterUpdateDisplay, 0, 0, nullptr, 0.0f); }

VstTimeInfo* IFxVST::GetTimeInfo(VstInt32 filter)
{
  return (VstTimeInfo*)CallHost(audioMasterGetTime, 0, filter, nullptr, 0.0f);
}

int64_t IFxVST::GetSamplePos()
{
  const VstTimeInfo* ti = GetTimeInfo(0);
  if (!ti || !(ti->samplePos >= 0.0)) return 0;
  // Past what 64 bits hold a position is meaningless; stay defined.
  if (ti->samplePos >= 9.0e18) return (int64_t)9.0e18;
  return (int64_t)std::floor(ti->samplePos + 0.5);
}

double IFxVST::GetTempo()
{
  const VstTimeInfo* ti = GetTimeInfo(kVstTempoValid);
  if (!ti || !(ti->flags & kVstTempoValid)) return 0.0;
  return ti->tempo > 0.0 ? ti->tempo : 0.0;
}

void IFxVST::GetTimeSig(int* pNum, int* pDenom)
{
  *pNum = *pDenom = 0;
  const VstTimeInfo* ti = GetTimeInfo(kVstTimeSigValid);
  if (ti && (ti->flags & kVstTimeSigValid) && ti->timeSigNumerator >= 0 && ti->timeSigDenominator >= 0) {
    *pNum = ti->timeSigNumerator;
    *pDenom = ti->timeSigDenominator;
  }
}

void IFxVST::GetTime(double* pSamplePos, double* pTempo, double* pMusicalPos, double* pLastBar, int* pNum, int* pDenom,
                     double* pCycleStart, double* pCycleEnd, bool* pTransportRunning, bool* pTransportCycle)
{
  *pSamplePos = -1.0;
  *pTempo = 120.0;
  *pMusicalPos = -1.0;
  *pLastBar = -1.0;
  *pNum = *pDenom = 4;
  *pCycleStart = *pCycleEnd = -1.0;

  const VstInt32 filter = kVstPpqPosValid | kVstTempoValid | kVstBarsValid | kVstCyclePosValid | kVstTimeSigValid;
  const VstTimeInfo* ti = GetTimeInfo(filter);
  if (!ti || !(ti->flags & filter)) return;

  *pSamplePos = ti->samplePos;
  if ((ti->flags & kVstPpqPosValid) && ti->ppqPos >= 0.0) *pMusicalPos = ti->ppqPos;
  if ((ti->flags & kVstTempoValid) && ti->tempo > 0.0) *pTempo = ti->tempo;
  if ((ti->flags & kVstBarsValid) && ti->barStartPos >= 0.0) *pLastBar = ti->barStartPos;
  if ((ti->flags & kVstCyclePosValid) && ti->cycleStartPos >= 0.0 && ti->cycleEndPos >= 0.0) {
    *pCycleStart = ti->cycleStartPos;
    *pCycleEnd = ti->cycleEndPos;
  }
  if ((ti->flags & kVstTimeSigValid) && ti->timeSigNumerator > 0 && ti->timeSigDenominator > 0) {
    *pNum = ti->timeSigNumerator;
    *pDenom = ti->timeSigDenominator;
  }
  *pTransportRunning = (ti->flags & kVstTransportPlaying) != 0;
  *pTransportCycle = (ti->flags & kVstTransportCycleActive) != 0;
}

int IFxVST::GetHost()
{
  // Until the host has the plug-in it cannot be asked, so it stays unknown.
  if (mHost != kHostUninit || !HostHasPlug()) return mHost;
  char productStr[256] = "";
  int version = 0;
  CallHost(audioMasterGetProductString, 0, 0, productStr, 0.0f);
  productStr[sizeof productStr - 1] = 0;
  if (productStr[0]) {
    const VstIntPtr decVer = CallHost(audioMasterGetVendorVersion, 0, 0, nullptr, 0.0f);
    // A negative version means nothing; unsigned so no value can overflow.
    const uint32_t v = decVer > 0 ? (uint32_t)(VstInt32)decVer : 0;
    version = (int)(((v / 10000) << 16) | (((v % 10000) / 100) << 8) | (v % 100));
  }
  SetHost(productStr, version);
  return mHost;
}

void IFxVST::ResizeGraphics()
{
  IGraphics* gui = GetGUI();
  if (!gui) return;
  mEditRect.top = mEditRect.left = 0;
  mEditRect.bottom = (VstInt16)gui->Height();
  mEditRect.right = (VstInt16)gui->Width();
}

void IFxVST::HostSpecificInit()
{
  if (mHostSpecificInitDone) return;
  mHostSpecificInitDone = true;
  if (HostWantsStereoIO(GetHost())) LimitToStereoIO();
  mAEffect.numInputs = mInputSpkrArr.numChannels = NInChannels();
  mAEffect.numOutputs = mOutputSpkrArr.numChannels = NOutChannels();
}

void IFxVST::AttachGraphics(IFxEditor* pEditor)
{
  if (!pEditor) return;
  IFxBase::AttachGraphics(pEditor);
  mAEffect.flags |= effFlagsHasEditor;
  IFxVST::ResizeGraphics();
}

void IFxVST::SetLatency(int samples)
{
  mAEffect.initialDelay = samples;
  IFxBase::SetLatency(samples);
}

bool IFxVST::SendMidiMsg(IMidiMessage* pMsg)
{
  VstMidiEvent ev;
  std::memset(&ev, 0, sizeof ev);
  ev.type = kVstMidiType;
  ev.byteSize = sizeof(VstMidiEvent);
  ev.deltaFrames = pMsg->mOffset;
  ev.midiData[0] = (char)pMsg->mStatus;
  ev.midiData[1] = (char)pMsg->mData1;
  ev.midiData[2] = (char)pMsg->mData2;
  return SendVSTEvent((VstEvent*)&ev);
}

bool IFxVST::SendMidiMsgs(KIT_TypedBuf<IMidiMessage>* pMsgs)
{
  bool allTaken = true;
  for (int i = 0; i < pMsgs->GetSize(); ++i) allTaken = SendMidiMsg(pMsgs->Get() + i) && allTaken;
  return allTaken;
}

bool IFxVST::SendVSTEvent(VstEvent* pEvent)
{
  VstEvents events;
  std::memset(&events, 0, sizeof events);
  events.numEvents = 1;
  events.events[0] = pEvent;
  return CallHost(audioMasterProcessEvents, 0, 0, &events, 0.0f) == 1;
}

// --- Calls from the host ---

VstIntPtr VSTCALLBACK IFxVST::VSTDispatcher(AEffect* pEffect, VstInt32 opCode, VstInt32 idx, VstIntPtr value, void* ptr,
                                            float opt)
{
  IFxVST* _this = PlugOf(pEffect);
  if (!_this) return 0;
  // The editor's idle draws, and drawing must never hold the plug lock,
  // which the audio thread takes.
  if (opCode == effEditIdle) {
    if (IGraphics* gui = _this->GetGUI()) gui->OnHostIdle();
    return 0;
  }
  KIT_MutexLock lock(&_this->m_mutex);
  if (opCode == effIdle) return 0;
  Trace("IFxVST::VSTDispatcher", __LINE__, "%d(%s):%d:%d", opCode, VSTOpcodeStr(opCode), idx, (int)value);
  if (opCode == effClose) {
    // The object goes with its lock: leave it first, touch nothing after.
    lock.Leave();
    delete _this;
    return 0;
  }
  return _this->Dispatch(opCode, idx, value, ptr, opt);
}

VstIntPtr IFxVST::Dispatch(VstInt32 opCode, VstInt32 idx, VstIntPtr value, void* ptr, float opt)
{
  switch (opCode) {
    case effOpen:
      HostSpecificInit();
      OnParamReset();
      return 0;

    case effSetProgram:
      if (!DoesStateChunks()) ModifyCurrentPreset();
      if (value >= 0 && value < NPresets()) RestorePreset((int)value);
      return 0;

    case effGetProgram: return GetCurrentPresetIdx();

    case effSetProgramName:
      if (ptr) {
        ModifyCurrentPreset((const char*)ptr);
        PresetsChanged();
      }
      return 0;

    case effGetProgramName:
      if (ptr) CopyTextCut((char*)ptr, GetPresetName(GetCurrentPresetIdx()), kVstStringBufLen);
      return 0;

    case effGetParamLabel:
      if (ptr && GetParam(idx)) CopyTextCut((char*)ptr, GetParam(idx)->GetLabelForHost(), kVstStringBufLen);
      return 0;

    case effGetParamDisplay:
      if (ptr && GetParam(idx)) GetParam(idx)->GetDisplayForHost((char*)ptr, true, kVstStringBufLen);
      return 0;

    case effGetParamName:
      if (ptr && GetParam(idx)) CopyTextCut((char*)ptr, GetParam(idx)->GetNameForHost(), kVstStringBufLen);
      return 0;

    case effSetSampleRate:
      SetSampleRate(opt);
      Reset();
      return 0;

    case effSetBlockSize:
      if (value <= 0 || value > 0x7FFFFFFF) return 0;
      SetBlockSize((int)value);
      Reset();
      return 0;

    case effMainsChanged:
      if (value) {
        OnActivate(true);
      } else {
        OnActivate(false);
        Reset();
      }
      return 0;

    case effEditGetRect:
      if (!ptr || !mEditor) return 0;
      *(ERect**)ptr = &mEditRect;
      return 1;

    case effEditOpen:
      if (GetGUI() && GetGUI()->OpenWindow(ptr)) {
        OnGUIOpen();
        return 1;
      }
      return 0;

    case effEditClose:
      if (!mEditor) return 0;
      OnGUIClose();
      GetGUI()->CloseWindow();
      return 1;

    case effIdentify: return kEffectIdentify;

    case effGetChunk: return GetChunk(idx == 0, (void**)ptr);

    case effSetChunk: return SetChunk(idx == 0, value, ptr);

    case effProcessEvents: {
      VstEvents* pEvents = (VstEvents*)ptr;
      if (!pEvents) return 0;
      for (int i = 0; i < pEvents->numEvents; ++i) {
        VstEvent* pEvent = pEvents->events[i];
        if (!pEvent) continue;
        if (pEvent->type == kVstMidiType) {
          const VstMidiEvent* pMidi = (const VstMidiEvent*)pEvent;
          IMidiMessage msg(pMidi->deltaFrames, (uint8_t)pMidi->midiData[0], (uint8_t)pMidi->midiData[1],
                           (uint8_t)pMidi->midiData[2]);
          ProcessMidiMsg(&msg);
        } else {
          SendVSTEvent(pEvent);
        }
      }
      return 1;
    }

    case effCanBeAutomated: return 1;

    case effString2Parameter: return StringToParameter(idx, (const char*)ptr);

    case effGetProgramNameIndexed:
      if (!ptr) return 0;
      CopyTextCut((char*)ptr, GetPresetName(idx), kVstStringBufLen);
      return ((char*)ptr)[0] ? 1 : 0;

    case effGetInputProperties: return GetPinProperties(true, idx, (VstPinProperties*)ptr);

    case effGetOutputProperties: return GetPinProperties(false, idx, (VstPinProperties*)ptr);

    case effGetPlugCategory: return IsInst() ? kPlugCategSynth : kPlugCategEffect;

    case effProcessVarIo: return 0;

    case effSetSpeakerArrangement: {
      const VstSpeakerArrangement* pIn = (const VstSpeakerArrangement*)value;
      const VstSpeakerArrangement* pOut = (const VstSpeakerArrangement*)ptr;
      if (pIn) {
        const int n = pIn->numChannels < 0 ? 0 : pIn->numChannels;
        SetInputChannelConnections(0, n, true);
        SetInputChannelConnections(n, NInChannels() - n, false);
      }
      if (pOut) {
        const int n = pOut->numChannels < 0 ? 0 : pOut->numChannels;
        SetOutputChannelConnections(0, n, true);
        SetOutputChannelConnections(n, NOutChannels() - n, false);
      }
      return 1;
    }

    case effGetEffectName:
      if (!ptr) return 0;
      CopyTextCut((char*)ptr, GetEffectName(), kVstEffectNameLen);
      return 1;

    case effGetVendorString:
      if (!ptr) return 0;
      CopyTextCut((char*)ptr, GetMfrName(), kVstStringBufLen);
      return 1;

    case effGetProductString:
      if (!ptr) return 0;
      CopyTextCut((char*)ptr, GetProductName(), kVstStringBufLen);
      return 1;

    case effVendorSpecific:
      if (idx != 7 || !ptr) return 0;
      if (value >= 0 && value < NParams())
        GetParam((int)value)->GetDisplayForHost(opt, true, (char*)ptr, true, kVstStringBufLen);
      return kVendorSpecificAnswer;

    case effCanDo: return CanDo((const char*)ptr);

    case effGetVstVersion: return kVstVersion;

    case effGetMidiKeyName: {
      MidiKeyName* pKey = (MidiKeyName*)ptr;
      if (!pKey) return 0;
      pKey->keyName[0] = 0;
      char name[256] = "";
      const bool named = MidiNoteName(pKey->thisKeyNumber, name);
      name[sizeof name - 1] = 0;
      CopyTextCut(pKey->keyName, name, sizeof pKey->keyName);
      return named ? 1 : 0;
    }

    case effGetSpeakerArrangement:
      if (value) *(VstSpeakerArrangement**)value = &mInputSpkrArr;
      if (ptr) *(VstSpeakerArrangement**)ptr = &mOutputSpkrArr;
      return 1;

    default: return 0;
  }
}

VstIntPtr IFxVST::GetChunk(bool isBank, void** ppData)
{
  if (!ppData) return 0;
  IChunk* pChunk = isBank ? &mBankState : &mState;
  WriteChunkHeader(pChunk);
  if (isBank) {
    ModifyCurrentPreset();
    SerializePresets(pChunk);
  }
  if (SerializeState(pChunk) && pChunk->Size() > 0) {
    *ppData = pChunk->GetBytes();
    return pChunk->Size();
  }
  return 0;
}

VstIntPtr IFxVST::SetChunk(bool isBank, VstIntPtr size, const void* data)
{
  if (!data || size <= 0 || size > 0x7FFFFFFF) return 0;
  const int n = (int)size;
  IChunk* pChunk = isBank ? &mBankState : &mState;

  // The host may hand back the buffer of our own last get-chunk, which
  // resizing may move: copy through a temporary then.
  const unsigned char* own = pChunk->GetBytes();
  const unsigned char* bytes = (const unsigned char*)data;
  IChunk copy;
  if (own && bytes >= own && bytes < own + pChunk->Size()) {
    if (copy.PutBytes(data, n) != n) return 0;
    bytes = copy.GetBytes();
  }
  pChunk->Resize(n);
  if (pChunk->Size() != n) return 0;
  std::memmove(pChunk->GetBytes(), bytes, (size_t)n);

  int pos = 0;
  const int version = ReadChunkHeader(pChunk, &pos);
  const bool bank = isBank && version >= kIFxChunkVersion;
  // The whole chunk is checked before anything is read into the plug-in: a
  // refused chunk leaves the parameters, the presets and the held keys.
  if (StateEnd(pChunk, bank ? PresetsEnd(pChunk, pos) : pos) < 0) return 0;
  if (bank) {
    pos = UnserializePresets(pChunk, pos);
    pos = UnserializeState(pChunk, pos);
  } else {
    pos = UnserializeState(pChunk, pos);
    // A state that failed to read must not overwrite the preset it came to.
    if (pos >= 0) ModifyCurrentPreset();
  }
  if (pos < 0) return 0;
  RedrawParamControls();
  return 1;
}

VstIntPtr IFxVST::StringToParameter(int idx, const char* text)
{
  IParam* p = GetParam(idx);
  if (!p) return 0;
  if (!text) return 1;
  double v;
  if (p->NDisplayTexts()) {
    int mapped;
    if (!p->MapDisplayText(text, &mapped)) return 0;
    v = mapped;
  } else {
    v = std::atof(text);
    if (p->IsDisplayNegated()) v = -v;
  }
  if (mEditor) mEditor->SetParameterFromPlug(idx, v, false);
  p->Set(v);
  OnParamChange(idx);
  return 1;
}

VstIntPtr IFxVST::CanDo(const char* text)
{
  if (!text) return 0;
  if (!std::strcmp(text, "receiveVstTimeInfo")) return 1;
  if (mDoesMidi && (!std::strcmp(text, "sendVstEvents") || !std::strcmp(text, "sendVstMidiEvent") ||
                    !std::strcmp(text, "receiveVstEvents") || !std::strcmp(text, "receiveVstMidiEvent")))
    return 1;
  if (!std::strcmp(text, "hasVendorExtensions")) {
    mHasVSTExtensions |= 1 << 1;
    return kVendorCanDoAnswer;
  }
  if (!std::strcmp(text, "hasVendorViewAsConfig")) {
    mHasVSTExtensions |= 1 << 2;
    return kVendorCanDoAnswer;
  }
  return 0;
}

VstIntPtr IFxVST::GetPinProperties(bool isInput, int idx, VstPinProperties* pProps)
{
  const int n = isInput ? NInChannels() : NOutChannels();
  if (!pProps || idx < 0 || idx >= n) return 0;
  pProps->flags = kVstPinIsActive;
  if (idx % 2 == 0 && idx < n - 1) pProps->flags |= kVstPinIsStereo;
  std::snprintf(pProps->label, sizeof pProps->label, isInput ? "Input %d" : "Output %d", idx + 1);
  return 1;
}

// --- Processing ---

template <typename Sample>
void IFxVST::ZeroUntakenOutputs(Sample** outputs, int nFrames)
{
  int taken = 0;
  for (int i = 0; i < NOutChannels(); ++i)
    if (IsOutChannelConnected(i)) ++taken;
  for (int i = taken; i < mAEffect.numOutputs; ++i)
    if (outputs[i]) std::memset(outputs[i], 0, (size_t)nFrames * sizeof(Sample));
}

bool IFxVST::BeginProcess(const void* inputs, const void* outputs, int nFrames)
{
  if (mDoesMidi) CallHost(audioMasterWantMidi, 0, 0, nullptr, 0.0f);
  if ((NInChannels() && !inputs) || (NOutChannels() && !outputs)) return false;
  return nFrames > 0 && ScratchHolds(nFrames);
}

void IFxVST::ProcessFloat(float** inputs, float** outputs, int nFrames, bool accumulate)
{
  KIT_MutexLock lock(&m_mutex);
  if (!BeginProcess(inputs, outputs, nFrames)) return;
  AttachInputBuffersFromFloat(0, NInChannels(), inputs, nFrames);
  AttachOutputBuffersToFloat(0, NOutChannels(), outputs, nFrames);
  if (accumulate) {
    // Adding leaves the buffers no channel took as the host filled them.
    ProcessBuffersAccumulating(nFrames);
    return;
  }
  ProcessBuffersToFloat(nFrames);
  ZeroUntakenOutputs(outputs, nFrames);
}

void VSTCALLBACK IFxVST::VSTProcess(AEffect* pEffect, float** inputs, float** outputs, VstInt32 nFrames)
{
  if (IFxVST* _this = PlugOf(pEffect)) _this->ProcessFloat(inputs, outputs, nFrames, true);
}

void VSTCALLBACK IFxVST::VSTProcessReplacing(AEffect* pEffect, float** inputs, float** outputs, VstInt32 nFrames)
{
  if (IFxVST* _this = PlugOf(pEffect)) _this->ProcessFloat(inputs, outputs, nFrames, false);
}

void VSTCALLBACK IFxVST::VSTProcessDoubleReplacing(AEffect* pEffect, double** inputs, double** outputs,
                                                   VstInt32 nFrames)
{
  IFxVST* _this = PlugOf(pEffect);
  if (!_this) return;
  KIT_MutexLock lock(&_this->m_mutex);
  if (!_this->BeginProcess(inputs, outputs, nFrames)) return;
  _this->AttachInputBuffers(0, _this->NInChannels(), inputs, nFrames);
  _this->AttachOutputBuffers(0, _this->NOutChannels(), outputs, nFrames);
  _this->ProcessBuffers(nFrames);
  _this->ZeroUntakenOutputs(outputs, nFrames);
}

float VSTCALLBACK IFxVST::VSTGetParameter(AEffect* pEffect, VstInt32 idx)
{
  IFxVST* _this = PlugOf(pEffect);
  if (!_this) return 0.0f;
  KIT_MutexLock lock(&_this->m_mutex);
  IParam* p = _this->GetParam(idx);
  return p ? (float)p->GetNormalized() : 0.0f;
}

void VSTCALLBACK IFxVST::VSTSetParameter(AEffect* pEffect, VstInt32 idx, float value)
{
  IFxVST* _this = PlugOf(pEffect);
  if (!_this) return;
  KIT_MutexLock lock(&_this->m_mutex);
  IParam* p = _this->GetParam(idx);
  if (!p) return;
  if (_this->mEditor) _this->mEditor->SetParameterFromPlug(idx, value, true);
  p->SetNormalized(value);
  _this->OnParamChange(idx);
}
