// The preset list: makers, restoring and naming.
#include "IFxBase.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "IFxCheck.h"

namespace {

// Marks a double as "not given" in the scratch array of a preset maker.
const double kUnusedValue = 9.999e-8;

void FillUnused(KIT_TypedBuf<double>* values, int n)
{
  values->Resize(n);
  for (int i = 0; i < values->GetSize(); ++i) values->Get()[i] = kUnusedValue;
}

}  // namespace

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
