// The saved-state dictionary of the class-info property: the component's
// identity, the current preset's name and the state bytes.

#include "AUPropertyList.h"
#include "IFxAU.h"

namespace {
const char* const kVersionKey = "version";
const char* const kTypeKey = "type";
const char* const kSubtypeKey = "subtype";
const char* const kManufacturerKey = "manufacturer";
const char* const kNameKey = "name";
const char* const kDataKey = "data";
}  // namespace

ComponentResult IFxAU::GetComponentDescription(ComponentDescription* pDesc) const
{
  return GetComponentInfo((Component)mCI, pDesc, nullptr, nullptr, nullptr);
}

bool IFxAU::SaveStateBytes(IChunk* pChunk)
{
  return DoesStateChunks() ? SerializeState(pChunk) : SerializeParams(pChunk);
}

int IFxAU::LoadStateBytes(IChunk* pChunk)
{
  return DoesStateChunks() ? UnserializeState(pChunk, 0) : UnserializeParams(pChunk, 0);
}

ComponentResult IFxAU::GetState(CFPropertyListRef* ppPropList)
{
  ComponentDescription desc;
  const ComponentResult r = GetComponentDescription(&desc);
  if (r != noErr) return r;
  // A dictionary without its state would restore nothing: say so instead.
  IChunk state;
  if (!SaveStateBytes(&state)) return kAudioUnitErr_InvalidPropertyValue;
  CFMutableDictionaryRef dict = CFDictionaryCreateMutable(kCFAllocatorDefault, 0, &kCFTypeDictionaryKeyCallBacks,
                                                          &kCFTypeDictionaryValueCallBacks);
  if (!dict) return kAudioUnitErr_InvalidPropertyValue;
  DictPutNumber(dict, kVersionKey, GetEffectVersion(false));
  DictPutNumber(dict, kTypeKey, (SInt32)desc.componentType);
  DictPutNumber(dict, kSubtypeKey, (SInt32)desc.componentSubType);
  DictPutNumber(dict, kManufacturerKey, (SInt32)desc.componentManufacturer);
  DictPutString(dict, kNameKey, GetPresetName(GetCurrentPresetIdx()));
  DictPutData(dict, kDataKey, &state);
  *ppPropList = dict;
  return noErr;
}

ComponentResult IFxAU::SetState(CFPropertyListRef pPropList)
{
  ComponentDescription desc;
  const ComponentResult r = GetComponentDescription(&desc);
  if (r != noErr) return r;
  if (!pPropList || CFGetTypeID(pPropList) != CFDictionaryGetTypeID()) return kAudioUnitErr_InvalidPropertyValue;

  // Everything is read and checked before anything changes.
  const CFDictionaryRef dict = (CFDictionaryRef)pPropList;
  SInt32 version, type, subtype, manufacturer;
  KIT_String name;
  IChunk data;
  if (!DictGetNumber(dict, kVersionKey, &version) || !DictGetNumber(dict, kTypeKey, &type) ||
      !DictGetNumber(dict, kSubtypeKey, &subtype) || !DictGetNumber(dict, kManufacturerKey, &manufacturer) ||
      !DictGetString(dict, kNameKey, &name) || !DictGetData(dict, kDataKey, &data))
    return kAudioUnitErr_InvalidPropertyValue;
  if ((OSType)type != desc.componentType || (OSType)subtype != desc.componentSubType ||
      (OSType)manufacturer != desc.componentManufacturer)
    return kAudioUnitErr_InvalidPropertyValue;

  // Bytes that turn out unreadable only show it once read: keep what is
  // held to put it back.
  IChunk held;
  const bool kept = SaveStateBytes(&held);
  const int heldPresetIdx = mCurrentPresetIdx;
  RestorePresetByName(name.Get());
  if (LoadStateBytes(&data) <= 0) {
    if (kept) LoadStateBytes(&held);
    mCurrentPresetIdx = heldPresetIdx;
    RedrawParamControls();
    return kAudioUnitErr_InvalidPropertyValue;
  }
  RedrawParamControls();
  return noErr;
}
