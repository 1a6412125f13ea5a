#include "IFxBase.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "IFxUtilities.h"
#include "IGraphics.h"

// The framework's own constants can break these; they are never user input.
#define IFX_CHECK(expr) \
  ((expr) ? (void)0 : (std::fprintf(stderr, "%s:%u: failed assertion `%s'\n", __FILE__, __LINE__, #expr), std::abort()))

namespace {
// Marks a double as "not given" in the scratch array of a preset maker.
const double kUnusedValue = 9.999e-8;

void FillUnused(KIT_TypedBuf<double>* values, int n)
{
  values->Resize(n);
  for (int i = 0; i < values->GetSize(); ++i) values->Get()[i] = kUnusedValue;
}

// Sizes each channel's scratch buffer to nFrames (or, unless exact, leaves
// one that already holds that many), zeroing what it resizes; true when
// every buffer holds nFrames.
template <class Channel>
bool SizeChannelScratch(const KIT_PtrList<Channel>& channels, int nFrames, bool exact)
{
  bool allHold = true;
  for (int i = 0; i < channels.GetSize(); ++i) {
    KIT_TypedBuf<double>& buf = channels.Get(i)->mScratchBuf;
    if (exact || buf.GetSize() < nFrames) {
      buf.Resize(nFrames);
      if (buf.Get()) std::memset(buf.Get(), 0, (size_t)buf.GetSize() * sizeof(double));
    }
    if (buf.GetSize() < nFrames) allHold = false;
  }
  return allHold;
}
}  // namespace

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
  for (int i = 0; i < nParams; ++i) {
    IParam* p = mParams.Add(new IParam);
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
  delete mGraphics;
  mGraphics = nullptr;
  mParams.Empty(true);
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

// --- Parameters ---

void IFxBase::SetParameterFromGUI(int idx, double normalizedValue)
{
  Trace("IFxBase::SetParameterFromGUI", __LINE__, "%d:%f", idx, normalizedValue);
  KIT_MutexLock lock(&m_mutex);
  IParam* p = GetParam(idx);
  if (!p) return;
  p->SetNormalized(normalizedValue);
  if (!p->IsHostHidden()) InformHostOfParamChange(idx, normalizedValue);
  OnParamChange(idx);
}

void IFxBase::SetParameterFromControl(int ctrlIdx, int ctrlParamIdx, int paramIdx, double normalizedValue, int x, int y)
{
  // A prompt's choice can race the audio thread like any other change.
  KIT_MutexLock lock(&m_mutex);
  IParam* p = GetParam(paramIdx);
  if (!p) return;
  p->SetNormalized(normalizedValue);
  if (!p->IsHostHidden()) InformHostOfParamChange(paramIdx, normalizedValue);
  OnParamChangeFromControl(ctrlIdx, ctrlParamIdx, paramIdx, x, y);
}

void IFxBase::OnParamReset()
{
  for (int i = 0; i < NParams(); ++i) OnParamChange(i);
}

void IFxBase::InformHostOfAllParams()
{
  KIT_MutexLock lock(&m_mutex);
  for (int i = 0; i < NParams(); ++i) {
    IParam* p = GetParam(i);
    if (!p->IsHostHidden()) InformHostOfParamChange(i, p->GetNormalized());
  }
}

void IFxBase::AttachGraphics(IGraphics* pGraphics)
{
  if (!pGraphics) return;
  KIT_MutexLock lock(&m_mutex);
  for (int i = 0; i < NParams(); ++i) pGraphics->SetParameterFromPlug(i, GetParam(i)->GetNormalized(), true);
  pGraphics->PrepareDrawing();
  if (mGraphics != pGraphics) delete mGraphics;
  mGraphics = pGraphics;
}

void IFxBase::RedrawParamControls()
{
  if (!mGraphics) return;
  for (int i = 0; i < NParams(); ++i) mGraphics->SetParameterFromPlug(i, GetParam(i)->Value(), false);
}

// --- Identity and host ---

void IFxBase::GetVersionParts(int version, int* pMajor, int* pMinor, int* pRevision)
{
  *pMajor = (int)(((unsigned)version & 0xFFFF0000u) >> 16);
  *pMinor = (version & 0x0000FF00) >> 8;
  *pRevision = version & 0x000000FF;
}

int IFxBase::GetDecimalVersion(int version)
{
  int major, minor, revision;
  GetVersionParts(version, &major, &minor, &revision);
  return 10000 * major + 100 * minor + revision;
}

int IFxBase::GetEffectVersion(bool decimal) const { return decimal ? GetDecimalVersion(mVersion) : mVersion; }

int IFxBase::GetHostVersion(bool decimal)
{
  GetHost();
  return decimal ? GetDecimalVersion(mHostVersion) : mHostVersion;
}

void IFxBase::SetHost(const char* host, int version)
{
  mHost = LookUpHost(host ? host : "");
  mHostVersion = version;
  int major, minor, revision;
  GetVersionParts(version, &major, &minor, &revision);
  Trace("IFxBase::SetHost", __LINE__, "v%d.%02d", major, minor);
}

double IFxBase::GetSamplesPerBeat()
{
  const double tempo = GetTempo();
  return tempo > 0.0 ? mSampleRate * 60.0 / tempo : 0.0;
}

// --- Channels and buffers ---

bool IFxBase::LegalIO(int nIn, int nOut) const
{
  for (int i = 0; i < mChannelIO.GetSize(); ++i) {
    const ChannelIO* pair = mChannelIO.Get(i);
    if ((nIn < 0 || nIn == pair->mIn) && (nOut < 0 || nOut == pair->mOut)) return true;
  }
  return false;
}

void IFxBase::LimitToStereoIO()
{
  if (NInChannels() > 2) SetInputChannelConnections(2, NInChannels() - 2, false);
  if (NOutChannels() > 2) SetOutputChannelConnections(2, NOutChannels() - 2, true);
}

void IFxBase::SetInputChannelConnections(int idx, int n, bool connected)
{
  const int end = idx + n < NInChannels() ? idx + n : NInChannels();
  for (int i = idx < 0 ? 0 : idx; i < end; ++i) {
    InChannel* ch = mInChannels.Get(i);
    ch->mConnected = connected;
    if (connected) continue;
    // The scratch buffer may still hold the last block converted into it.
    KIT_TypedBuf<double>& buf = ch->mScratchBuf;
    if (buf.Get()) std::memset(buf.Get(), 0, (size_t)buf.GetSize() * sizeof(double));
    *ch->mSrc = buf.Get();
  }
}

void IFxBase::SetOutputChannelConnections(int idx, int n, bool connected)
{
  const int end = idx + n < NOutChannels() ? idx + n : NOutChannels();
  for (int i = idx < 0 ? 0 : idx; i < end; ++i) {
    OutChannel* ch = mOutChannels.Get(i);
    ch->mConnected = connected;
    if (!connected) *ch->mDest = ch->mScratchBuf.Get();
  }
}

bool IFxBase::IsInChannelConnected(int chIdx) const
{
  const InChannel* ch = mInChannels.Get(chIdx);
  return ch && ch->mConnected;
}

bool IFxBase::IsOutChannelConnected(int chIdx) const
{
  const OutChannel* ch = mOutChannels.Get(chIdx);
  return ch && ch->mConnected;
}

void IFxBase::SetBlockSize(int blockSize)
{
  if (blockSize <= 0 || blockSize == mBlockSize) return;
  SizeScratchBuffers(blockSize, true);
  mBlockSize = blockSize;
}

bool IFxBase::SizeScratchBuffers(int nFrames, bool exact)
{
  const bool inHold = SizeChannelScratch(mInChannels, nFrames, exact);
  const bool outHold = SizeChannelScratch(mOutChannels, nFrames, exact);
  PointUnconnectedChannels();
  return inHold && outHold;
}

void IFxBase::PointUnconnectedChannels()
{
  for (int i = 0; i < NInChannels(); ++i) {
    InChannel* ch = mInChannels.Get(i);
    if (!ch->mConnected) *ch->mSrc = ch->mScratchBuf.Get();
  }
  for (int i = 0; i < NOutChannels(); ++i) {
    OutChannel* ch = mOutChannels.Get(i);
    if (!ch->mConnected) *ch->mDest = ch->mScratchBuf.Get();
  }
}

bool IFxBase::ScratchHolds(int nFrames)
{
  // A host that breaks its block size gets bigger buffers rather than an
  // overrun; allocation only happens then.
  return SizeScratchBuffers(nFrames, false);
}

void IFxBase::AttachInputBuffers(int idx, int n, double** ppData, int nFrames)
{
  const int end = idx + n < NInChannels() ? idx + n : NInChannels();
  for (int i = idx < 0 ? 0 : idx; i < end; ++i) {
    InChannel* ch = mInChannels.Get(i);
    if (ch->mConnected) *ch->mSrc = *ppData++;
  }
}

void IFxBase::AttachInputBuffersFromFloat(int idx, int n, float** ppData, int nFrames)
{
  const int end = idx + n < NInChannels() ? idx + n : NInChannels();
  for (int i = idx < 0 ? 0 : idx; i < end; ++i) {
    InChannel* ch = mInChannels.Get(i);
    if (!ch->mConnected) continue;
    double* scratch = ch->mScratchBuf.Get();
    const float* src = *ppData++;
    if (scratch && src)
      for (int s = 0; s < nFrames; ++s) scratch[s] = src[s];
    else if (scratch)
      std::memset(scratch, 0, (size_t)nFrames * sizeof(double));
    *ch->mSrc = scratch;
  }
}

void IFxBase::AttachOutputBuffers(int idx, int n, double** ppData, int nFrames)
{
  const int end = idx + n < NOutChannels() ? idx + n : NOutChannels();
  for (int i = idx < 0 ? 0 : idx; i < end; ++i) {
    OutChannel* ch = mOutChannels.Get(i);
    if (ch->mConnected) *ch->mDest = *ppData++;
  }
}

void IFxBase::AttachOutputBuffersToFloat(int idx, int n, float** ppData, int nFrames)
{
  const int end = idx + n < NOutChannels() ? idx + n : NOutChannels();
  for (int i = idx < 0 ? 0 : idx; i < end; ++i) {
    OutChannel* ch = mOutChannels.Get(i);
    if (!ch->mConnected) continue;
    *ch->mDest = ch->mScratchBuf.Get();
    ch->mFDest = *ppData++;
  }
}

void IFxBase::ProcessBuffers(int nFrames) { ProcessDoubleReplacing(mInData.Get(), mOutData.Get(), nFrames); }

void IFxBase::ProcessBuffersToFloat(int nFrames)
{
  ProcessBuffers(nFrames);
  PassOutputsToFloat(nFrames, false);
}

void IFxBase::ProcessBuffersAccumulating(int nFrames)
{
  ProcessBuffers(nFrames);
  PassOutputsToFloat(nFrames, true);
}

void IFxBase::PassOutputsToFloat(int nFrames, bool accumulate)
{
  for (int i = 0; i < NOutChannels(); ++i) {
    OutChannel* ch = mOutChannels.Get(i);
    const double* src = *ch->mDest;
    float* dest = ch->mFDest;
    if (!ch->mConnected || !dest || !src) continue;
    if (accumulate)
      for (int s = 0; s < nFrames; ++s) dest[s] += (float)src[s];
    else
      for (int s = 0; s < nFrames; ++s) dest[s] = (float)src[s];
  }
}

// --- Presets ---

const char* IFxBase::GetPresetName(int idx) const
{
  const IPreset* p = mPresets.Get(idx);
  return p ? p->mName : "";
}

bool IFxBase::IsPresetInitialized(int idx) const
{
  const IPreset* p = mPresets.Get(idx);
  return p && p->mInitialized;
}

IPreset* IFxBase::FirstUninitializedPreset() const
{
  for (int i = 0; i < mPresets.GetSize(); ++i)
    if (!mPresets.Get(i)->mInitialized) return mPresets.Get(i);
  return nullptr;
}

void IFxBase::MakeDefaultUserPresetName(KIT_PtrList<IPreset>* pPresets, char* str)
{
  int n = 0;
  for (int i = 0; i < pPresets->GetSize(); ++i)
    if (std::strstr(pPresets->Get(i)->mName, "user preset")) ++n;
  std::snprintf(str, IPreset::kNameLen, "%s %d", "user preset", n + 1);
}

void IFxBase::MakePresetsFromCurrentParams(const char* name, int n)
{
  for (int i = 0; i < n; ++i) {
    IPreset* p = StartPreset(name ? name : "Empty");
    if (!p) return;
    SerializeParams(&p->mChunk);
  }
}

void IFxBase::FillEmptyPresets() { MakePresetsFromCurrentParams("Empty", NPresets()); }

void IFxBase::MakePreset(const char* name, ...)
{
  IPreset* p = StartPreset(name);
  if (!p) return;
  va_list vp;
  va_start(vp, name);
  for (int i = 0; i < NParams(); ++i) {
    const IParam* param = GetParam(i);
    const double v = param->Type() == IParam::kTypeDouble ? va_arg(vp, double) : (double)va_arg(vp, int);
    p->mChunk.PutDouble(v);
  }
  va_end(vp);
}

void IFxBase::MakePresetFromNamedParams(const char* name, int nParamsNamed, ...)
{
  IPreset* p = StartPreset(name);
  if (!p) return;

  const int n = NParams();
  KIT_TypedBuf<double> values;
  FillUnused(&values, n);

  va_list vp;
  va_start(vp, nParamsNamed);
  for (int i = 0; i < nParamsNamed; ++i) {
    const int paramIdx = va_arg(vp, int);
    IFX_CHECK(paramIdx >= 0 && paramIdx < n);
    const IParam* param = GetParam(paramIdx);
    values.Get()[paramIdx] = param->Type() == IParam::kTypeDouble ? va_arg(vp, double) : (double)va_arg(vp, int);
  }
  va_end(vp);
  PutGivenOrCurrentValues(p, values);
}

void IFxBase::MakePresetFromNormalizedArray(const char* name, const float* normalized, int nValues)
{
  IPreset* p = StartPreset(name);
  if (!p) return;

  const int n = NParams();
  KIT_TypedBuf<double> values;
  FillUnused(&values, n);
  for (int i = 0; i < nValues; ++i) {
    IFX_CHECK(i >= 0 && i < n);
    const IParam* param = GetParam(i);
    values.Get()[i] = normalized[i] * (param->GetMax() - param->GetMin()) + param->GetMin();
  }
  PutGivenOrCurrentValues(p, values);
}

IPreset* IFxBase::StartPreset(const char* name)
{
  IPreset* p = FirstUninitializedPreset();
  if (!p) return nullptr;
  p->mInitialized = true;
  p->SetName(name);
  p->mChunk.Clear();
  return p;
}

void IFxBase::PutGivenOrCurrentValues(IPreset* p, const KIT_TypedBuf<double>& values)
{
  for (int i = 0; i < values.GetSize(); ++i) {
    const double v = values.Get()[i];
    p->mChunk.PutDouble(v == kUnusedValue ? GetParam(i)->Value() : v);
  }
}

bool IFxBase::RestorePreset(int idx)
{
  IPreset* p = mPresets.Get(idx);
  if (!p) return false;
  bool restored;
  if (!p->mInitialized) {
    p->mInitialized = true;
    MakeDefaultUserPresetName(&mPresets, p->mName);
    p->mChunk.Clear();
    restored = SerializeParams(&p->mChunk);
  } else {
    restored = UnserializeParams(&p->mChunk, 0) > 0;
  }
  if (restored) {
    mCurrentPresetIdx = idx;
    PresetsChanged();
    RedrawParamControls();
  }
  return restored;
}

bool IFxBase::RestorePresetByName(const char* name)
{
  if (!name || !name[0]) return false;
  for (int i = 0; i < mPresets.GetSize(); ++i)
    if (!std::strcmp(mPresets.Get(i)->mName, name)) return RestorePreset(i);
  return false;
}

void IFxBase::ModifyCurrentPreset(const char* name)
{
  IPreset* p = mPresets.Get(mCurrentPresetIdx);
  if (!p) return;
  p->mChunk.Clear();
  SerializeParams(&p->mChunk);
  if (name && name[0]) p->SetName(name);
}

void IFxBase::PruneUninitializedPresets()
{
  for (int i = mPresets.GetSize() - 1; i >= 0; --i)
    if (!mPresets.Get(i)->mInitialized) mPresets.Delete(i, true);
}

bool IFxBase::DumpPresetSrcCode(const char* filePath, const char* const* paramEnumNames)
{
  FILE* fp = std::fopen(filePath, "w");
  if (!fp) return false;
  std::fprintf(fp, "  MakePresetFromNamedParams(\"name\", %d", NParams());
  for (int i = 0; i < NParams(); ++i) {
    const IParam* p = GetParam(i);
    char text[32];
    switch (p->Type()) {
      case IParam::kTypeBool: std::snprintf(text, sizeof text, "%s", p->Value() < 0.5 ? "false" : "true"); break;
      case IParam::kTypeInt:
      case IParam::kTypeEnum: std::snprintf(text, sizeof text, "%d", p->Int()); break;
      default: std::snprintf(text, sizeof text, "%.6f", p->Value()); break;
    }
    std::fprintf(fp, ",\n    %s, %s", paramEnumNames[i], text);
  }
  std::fprintf(fp, ");\n");
  std::fclose(fp);
  return true;
}

// --- State formats ---

void IFxBase::WriteChunkHeader(IChunk* pChunk)
{
  KIT_MutexLock lock(&m_mutex);
  PutIFxChunkHeader(pChunk);
}

int IFxBase::ReadChunkHeader(IChunk* pChunk, int* pPos)
{
  KIT_MutexLock lock(&m_mutex);
  return GetIFxChunkHeader(pChunk, pPos);
}

bool IFxBase::SerializeParams(IChunk* pChunk)
{
  KIT_MutexLock lock(&m_mutex);
  for (int i = 0; i < NParams(); ++i) pChunk->PutDouble(GetParam(i)->Value());
  return true;
}

int IFxBase::UnserializeParams(IChunk* pChunk, int startPos)
{
  KIT_MutexLock lock(&m_mutex);
  int pos = startPos;
  for (int i = 0; i < NParams() && pos >= 0; ++i) {
    double v = 0.0;
    pos = pChunk->GetDouble(&v, pos);
    GetParam(i)->Set(v);
  }
  OnParamReset();
  return pos;
}

bool IFxBase::SerializePresets(IChunk* pChunk)
{
  KIT_MutexLock lock(&m_mutex);
  for (int i = 0; i < mPresets.GetSize(); ++i) {
    IPreset* p = mPresets.Get(i);
    pChunk->PutStr(p->mName);
    pChunk->PutBool(p->mInitialized);
    if (p->mInitialized) pChunk->PutChunk(&p->mChunk);
  }
  return true;
}

int IFxBase::UnserializePresets(IChunk* pChunk, int startPos)
{
  KIT_MutexLock lock(&m_mutex);
  int pos = startPos;
  for (int i = 0; i < mPresets.GetSize() && pos >= 0; ++i) {
    IPreset* p = mPresets.Get(i);
    // A fresh string per record: an empty name stays empty.
    KIT_String name;
    pos = pChunk->GetStr(&name, pos);
    if (pos < 0) break;
    p->SetName(name.Get());
    bool initialized = p->mInitialized;
    pos = pChunk->GetBool(&initialized, pos);
    if (pos < 0) break;
    p->mInitialized = initialized;
    if (!initialized) {
      p->mChunk.Clear();
      continue;
    }
    pos = UnserializeParams(pChunk, pos);
    if (pos > 0) {
      p->mChunk.Clear();
      SerializeParams(&p->mChunk);
    }
  }
  RestorePreset(mCurrentPresetIdx);
  return pos;
}
