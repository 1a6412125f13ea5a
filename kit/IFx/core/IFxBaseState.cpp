// The framework's state formats: the chunk header, the parameter block and
// the preset bank.
#include "IFxBase.h"

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

int IFxBase::ParamsEnd(const IChunk* pChunk, int startPos) const
{
  const int64_t end = (int64_t)startPos + 8 * (int64_t)NParams();
  return startPos >= 0 && end <= pChunk->Size() ? (int)end : -1;
}

int IFxBase::UnserializeParams(IChunk* pChunk, int startPos)
{
  KIT_MutexLock lock(&m_mutex);
  // A block cut short can only fail: nothing is gained by applying the part
  // before the cut, so it changes nothing.
  if (ParamsEnd(pChunk, startPos) < 0) return -1;
  int pos = startPos;
  for (int i = 0; i < NParams(); ++i) {
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

int IFxBase::PresetsEnd(const IChunk* pChunk, int startPos) const
{
  int pos = startPos;
  for (int i = 0; i < mPresets.GetSize() && pos >= 0; ++i) {
    pos = pChunk->GetStr(nullptr, pos);
    bool initialized = false;
    pos = pChunk->GetBool(&initialized, pos);
    if (pos >= 0 && initialized) pos = ParamsEnd(pChunk, pos);
  }
  return pos;
}

int IFxBase::UnserializePresets(IChunk* pChunk, int startPos)
{
  KIT_MutexLock lock(&m_mutex);
  // Only a whole bank is read, so a bank cut short leaves every preset.
  if (PresetsEnd(pChunk, startPos) < 0) return -1;
  int pos = startPos;
  for (int i = 0; i < mPresets.GetSize(); ++i) {
    IPreset* p = mPresets.Get(i);
    // A fresh string per record: an empty name stays empty.
    KIT_String name;
    pos = pChunk->GetStr(&name, pos);
    p->SetName(name.Get());
    bool initialized = false;
    pos = pChunk->GetBool(&initialized, pos);
    p->mInitialized = initialized;
    p->mChunk.Clear();
    if (initialized) {
      pos = UnserializeParams(pChunk, pos);
      SerializeParams(&p->mChunk);
    }
  }
  RestorePreset(mCurrentPresetIdx);
  return pos;
}

int IFxBase::StateEnd(const IChunk* pChunk, int startPos) const { return ParamsEnd(pChunk, startPos); }
