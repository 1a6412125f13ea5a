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
