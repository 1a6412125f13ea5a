// The Audio Unit's properties: what the host may ask, what it may set.

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>

#include "AUPropertyList.h"
#include "IFxAU.h"
#include "IFxUtilities.h"
#include "IGraphics.h"
#include "IGraphicsMac.h"

namespace {
// The first system whose hosts open Cocoa views of Audio Units.
const int kCocoaViewSystem = 0x1050;

// Where a property may be asked for; most only in the global scope.
bool ScopeFits(AudioUnitPropertyID propID, AudioUnitScope scope)
{
  switch (propID) {
    case kAudioUnitProperty_ClassInfo:
    case kAudioUnitProperty_SampleRate:
    case kAudioUnitProperty_ParameterList:
    case kAudioUnitProperty_FastDispatch:
    case kAudioUnitProperty_StreamFormat:
    case kAudioUnitProperty_ElementCount:
    case kAudioUnitProperty_GetUIComponentList:
    case kAudioUnitProperty_FactoryPresets:
    case kAudioUnitProperty_CurrentPreset:
    case kAudioUnitProperty_PresentPreset:
    case kAudioUnitProperty_CocoaUI:
    case kAudioUnitProperty_ParameterStringFromValue:
    case kAudioUnitProperty_ParameterIDName:
    case kAudioUnitProperty_ParameterValueFromString: return true;
    case kAudioUnitProperty_MakeConnection:
    case kAudioUnitProperty_SetRenderCallback: return scope == kAudioUnitScope_Global || scope == kAudioUnitScope_Input;
    default: return scope == kAudioUnitScope_Global;
  }
}

// A factory preset record lives as long as the array that holds it.
void ReleasePreset(CFAllocatorRef allocator, const void* value)
{
  const AUPreset* preset = (const AUPreset*)value;
  if (preset->presetName) CFRelease(preset->presetName);
  delete preset;
}

const CFArrayCallBacks kPresetArrayCallBacks = {0, nullptr, ReleasePreset, nullptr, nullptr};

// Hands the host a new array of strings, which it releases.
template <class TextAt>
CFArrayRef MakeStringArray(int n, TextAt textAt)
{
  CFMutableArrayRef array = CFArrayCreateMutable(kCFAllocatorDefault, n, &kCFTypeArrayCallBacks);
  for (int i = 0; array && i < n; ++i) {
    CFStringRef str = CFStringFromCString(textAt(i));
    if (!str) str = CFStringFromCString("");
    if (!str) continue;
    CFArrayAppendValue(array, str);
    CFRelease(str);
  }
  return array;
}
}  // namespace

ComponentResult IFxAU::GetProperty(AudioUnitPropertyID propID, AudioUnitScope scope, AudioUnitElement element,
                                   UInt32* pDataSize, Boolean* pWriteable, void* pData)
{
  if (!ScopeFits(propID, scope)) return kAudioUnitErr_InvalidProperty;
  switch (propID) {
    case kAudioUnitProperty_ClassInfo:
      *pDataSize = sizeof(CFPropertyListRef);
      *pWriteable = true;
      return pData ? GetState((CFPropertyListRef*)pData) : noErr;

    case kAudioUnitProperty_MakeConnection:
      *pDataSize = sizeof(AudioUnitConnection);
      *pWriteable = true;
      return noErr;

    case kAudioUnitProperty_SampleRate:
      *pDataSize = sizeof(Float64);
      *pWriteable = true;
      if (pData) *(Float64*)pData = GetSampleRate();
      return noErr;

    case kAudioUnitProperty_ParameterList: {
      const int n = scope == kAudioUnitScope_Global ? NParams() : 0;
      *pDataSize = (UInt32)n * sizeof(AudioUnitParameterID);
      for (int i = 0; pData && i < n; ++i) ((AudioUnitParameterID*)pData)[i] = (AudioUnitParameterID)i;
      return noErr;
    }

    case kAudioUnitProperty_ParameterInfo:
      *pDataSize = sizeof(AudioUnitParameterInfo);
      if (!GetParam((int)element)) return kAudioUnitErr_InvalidParameter;
      return pData ? GetParamInfo(element, (AudioUnitParameterInfo*)pData) : noErr;

    case kAudioUnitProperty_FastDispatch: return GetProc(element, pDataSize, pData);

    case kAudioUnitProperty_StreamFormat: {
      const AUBus* bus = GetBus(scope, element);
      if (!bus) return kAudioUnitErr_InvalidProperty;
      *pDataSize = sizeof(AudioStreamBasicDescription);
      *pWriteable = true;
      if (pData) GetStreamFormat(bus, (AudioStreamBasicDescription*)pData);
      return noErr;
    }

    case kAudioUnitProperty_ElementCount:
      *pDataSize = sizeof(UInt32);
      if (pData) {
        UInt32 n = 0;
        if (scope == kAudioUnitScope_Input) n = (UInt32)NInputBuses();
        if (scope == kAudioUnitScope_Output) n = (UInt32)NOutputBuses();
        if (scope == kAudioUnitScope_Global) n = 1;
        *(UInt32*)pData = n;
      }
      return noErr;

    case kAudioUnitProperty_Latency:
    case kAudioUnitProperty_TailTime:
      *pDataSize = sizeof(Float64);
      if (pData) *(Float64*)pData = GetLatency() / GetSampleRate();
      return noErr;

    case kAudioUnitProperty_SupportedNumChannels:
      *pDataSize = (UInt32)NChannelIO() * sizeof(AUChannelInfo);
      for (int i = 0; pData && i < NChannelIO(); ++i) {
        const ChannelIO* io = GetChannelIO(i);
        Trace("SupportedNumChannels", __LINE__, "IO:%d:%d", io->mIn, io->mOut);
        ((AUChannelInfo*)pData)[i] = AUChannelInfo{(SInt16)io->mIn, (SInt16)io->mOut};
      }
      return noErr;

    case kAudioUnitProperty_MaximumFramesPerSlice:
      *pDataSize = sizeof(UInt32);
      *pWriteable = true;
      if (pData) *(UInt32*)pData = (UInt32)GetBlockSize();
      return noErr;

    case kAudioUnitProperty_ParameterValueStrings:
      return GetParamValueStrings(element, pDataSize, pData ? (CFArrayRef*)pData : nullptr);

    case kAudioUnitProperty_GetUIComponentList:
      if (!GetGUI()) return kAudioUnitErr_InvalidProperty;
      *pDataSize = sizeof(ComponentDescription);
      if (pData)
        *(ComponentDescription*)pData =
            ComponentDescription{kAudioUnitCarbonViewComponentType, (OSType)GetUniqueID(), (OSType)GetMfrID(), 0, 0};
      return noErr;

    case kAudioUnitProperty_BypassEffect:
      *pDataSize = sizeof(UInt32);
      *pWriteable = true;
      if (pData) *(UInt32*)pData = mBypassed ? 1 : 0;
      return noErr;

    case kAudioUnitProperty_LastRenderError:
      *pDataSize = sizeof(OSStatus);
      if (pData) *(OSStatus*)pData = noErr;
      return noErr;

    case kAudioUnitProperty_SetRenderCallback:
      if ((int)element >= NInputBuses()) return kAudioUnitErr_InvalidProperty;
      *pDataSize = sizeof(AURenderCallbackStruct);
      *pWriteable = true;
      return noErr;

    case kAudioUnitProperty_FactoryPresets:
      *pDataSize = sizeof(CFArrayRef);
      return pData ? GetFactoryPresets((CFArrayRef*)pData) : noErr;

    case kAudioUnitProperty_HostCallbacks:
      *pDataSize = sizeof(HostCallbackInfo);
      *pWriteable = true;
      return noErr;

    case kAudioUnitProperty_CurrentPreset:
    case kAudioUnitProperty_PresentPreset:
      *pDataSize = sizeof(AUPreset);
      *pWriteable = true;
      if (pData) {
        AUPreset* preset = (AUPreset*)pData;
        preset->presetNumber = GetCurrentPresetIdx();
        preset->presetName = CFStringFromCString(GetPresetName(GetCurrentPresetIdx()));
      }
      return noErr;

    case kAudioUnitProperty_CocoaUI:
      *pDataSize = sizeof(AudioUnitCocoaViewInfo);
      return GetCocoaUI(pData ? (AudioUnitCocoaViewInfo*)pData : nullptr);

    case kAudioUnitProperty_ParameterStringFromValue:
      *pDataSize = sizeof(AudioUnitParameterStringFromValue);
      if (scope != kAudioUnitScope_Global || !pData) return noErr;
      return GetParamStringFromValue((AudioUnitParameterStringFromValue*)pData);

    case kAudioUnitProperty_ParameterIDName:
      *pDataSize = sizeof(AudioUnitParameterNameInfo);
      if (scope != kAudioUnitScope_Global || !pData) return noErr;
      return GetParamName((AudioUnitParameterNameInfo*)pData);

    case kAudioUnitProperty_ParameterValueFromString:
      *pDataSize = sizeof(AudioUnitParameterValueFromString);
      if (scope != kAudioUnitScope_Global || !pData) return noErr;
      return GetParamValueFromString((AudioUnitParameterValueFromString*)pData);

    case kAudioUnitProperty_MIDIOutputCallbackInfo:
      *pDataSize = sizeof(CFArrayRef);
      if (pData) *(CFArrayRef*)pData = MakeStringArray(1, [](int) { return "Default Stream"; });
      return noErr;

    case kAudioUnitProperty_MIDIOutputCallback:
      *pDataSize = sizeof(AUMIDIOutputCallbackStruct);
      *pWriteable = true;
      if (pData) *(AUMIDIOutputCallbackStruct*)pData = mMidiCallback;
      return noErr;

    case kMusicDeviceProperty_InstrumentCount:
      if (!IsInst()) return kAudioUnitErr_InvalidProperty;
      *pDataSize = sizeof(UInt32);
      if (pData) *(UInt32*)pData = 1;
      return noErr;

    default: return kAudioUnitErr_InvalidProperty;
  }
}

ComponentResult IFxAU::SetProperty(AudioUnitPropertyID propID, AudioUnitScope scope, AudioUnitElement element,
                                   const void* pData, UInt32 dataSize)
{
  const ComponentResult r = ApplyProperty(propID, scope, element, pData, dataSize);
  // Listeners hear of a change only when there was one.
  if (r == noErr) InformListeners(propID, scope);
  return r;
}

ComponentResult IFxAU::ApplyProperty(AudioUnitPropertyID propID, AudioUnitScope scope, AudioUnitElement element,
                                     const void* pData, UInt32 dataSize)
{
  if (!ScopeFits(propID, scope)) return kAudioUnitErr_InvalidProperty;
  // The record the property takes, whole, or nothing is read.
  auto wants = [&](size_t size) { return pData && dataSize >= size; };
  switch (propID) {
    case kAudioUnitProperty_ClassInfo:
      return wants(sizeof(CFPropertyListRef)) ? SetState(*(const CFPropertyListRef*)pData)
                                              : kAudioUnitErr_InvalidPropertyValue;

    case kAudioUnitProperty_MakeConnection:
      return wants(sizeof(AudioUnitConnection)) ? MakeConnection(scope, (const AudioUnitConnection*)pData)
                                                : kAudioUnitErr_InvalidPropertyValue;

    case kAudioUnitProperty_SampleRate: {
      const Float64 sampleRate = wants(sizeof(Float64)) ? *(const Float64*)pData : 0.0;
      if (!(sampleRate > 0.0 && std::isfinite(sampleRate))) return kAudioUnitErr_InvalidPropertyValue;
      SetSampleRate(sampleRate);
      Reset();
      return noErr;
    }

    case kAudioUnitProperty_StreamFormat:
      return wants(sizeof(AudioStreamBasicDescription))
                 ? SetStreamFormat(scope, element, (const AudioStreamBasicDescription*)pData)
                 : kAudioUnitErr_InvalidPropertyValue;

    case kAudioUnitProperty_MaximumFramesPerSlice: {
      const UInt32 n = wants(sizeof(UInt32)) ? *(const UInt32*)pData : 0;
      // Room for every channel's block, counted in bytes of an int.
      const int64_t nChannels = NInChannels() > NOutChannels() ? NInChannels() : NOutChannels();
      if (n < 1 || (int64_t)n * (nChannels ? nChannels : 1) * (int64_t)sizeof(double) > INT32_MAX)
        return kAudioUnitErr_InvalidPropertyValue;
      SetBlockSize((int)n);
      if (GetBlockSize() != (int)n || !ScratchHolds((int)n)) return kAudioUnitErr_InvalidPropertyValue;
      Reset();
      return noErr;
    }

    case kAudioUnitProperty_BypassEffect:
      if (!wants(sizeof(UInt32))) return kAudioUnitErr_InvalidPropertyValue;
      mBypassed = *(const UInt32*)pData != 0;
      Reset();
      return noErr;

    case kAudioUnitProperty_SetRenderCallback:
      return wants(sizeof(AURenderCallbackStruct))
                 ? SetRenderCallback(scope, element, (const AURenderCallbackStruct*)pData)
                 : kAudioUnitErr_InvalidPropertyValue;

    case kAudioUnitProperty_HostCallbacks:
      if (!pData) return kAudioUnitErr_InvalidPropertyValue;
      // Hosts of other SDKs give more or fewer procedures: take what is
      // given and know nothing of the rest.
      std::memset(&mHostCallbacks, 0, sizeof mHostCallbacks);
      std::memcpy(&mHostCallbacks, pData, dataSize < sizeof mHostCallbacks ? dataSize : sizeof mHostCallbacks);
      return noErr;

    case kAudioUnitProperty_CurrentPreset:
    case kAudioUnitProperty_PresentPreset:
      if (!wants(sizeof(AUPreset))) return kAudioUnitErr_InvalidPropertyValue;
      // A preset of the host's own, restored by the host, has no number
      // here: nothing to restore, and no error.
      RestorePreset(((const AUPreset*)pData)->presetNumber);
      return noErr;

    case kAudioUnitProperty_AUHostIdentifier:
      return wants(sizeof(AUHostIdentifier)) ? SetHostIdentifier((const AUHostIdentifier*)pData)
                                             : kAudioUnitErr_InvalidPropertyValue;

    case kAudioUnitProperty_MIDIOutputCallback:
      if (!wants(sizeof(AUMIDIOutputCallbackStruct))) return kAudioUnitErr_InvalidPropertyValue;
      mMidiCallback = *(const AUMIDIOutputCallbackStruct*)pData;
      return noErr;

    default: return kAudioUnitErr_InvalidProperty;
  }
}

ComponentResult IFxAU::GetProc(AudioUnitElement selector, UInt32* pDataSize, void* pData)
{
  *pDataSize = sizeof(void*);
  switch (selector) {
    case kAudioUnitGetParameterSelect:
      if (pData) *(AudioUnitGetParameterProc*)pData = GetParamProc;
      return noErr;
    case kAudioUnitSetParameterSelect:
      if (pData) *(AudioUnitSetParameterProc*)pData = SetParamProc;
      return noErr;
    case kAudioUnitRenderSelect:
      if (pData) *(AudioUnitRenderProc*)pData = RenderProc;
      return noErr;
    default: return kAudioUnitErr_InvalidElement;
  }
}

// --- Parameters as the host sees them ---

ComponentResult IFxAU::GetParamInfo(AudioUnitElement paramIdx, AudioUnitParameterInfo* pInfo) const
{
  const IParam* p = GetParam((int)paramIdx);
  if (!p) return kAudioUnitErr_InvalidParameter;
  std::memset(pInfo, 0, sizeof *pInfo);
  pInfo->flags = kAudioUnitParameterFlag_IsWritable | kAudioUnitParameterFlag_IsReadable;
  CopyTextCut(pInfo->name, p->GetNameForHost(), sizeof pInfo->name);
  if ((pInfo->cfNameString = CFStringFromCString(p->GetNameForHost())))
    pInfo->flags |= kAudioUnitParameterFlag_HasCFNameString | kAudioUnitParameterFlag_CFNameRelease;

  switch (p->Type()) {
    case IParam::kTypeBool: pInfo->unit = kAudioUnitParameterUnit_Boolean; break;
    case IParam::kTypeInt:
    case IParam::kTypeEnum: pInfo->unit = kAudioUnitParameterUnit_Indexed; break;
    default:
      if (p->GetLabelForHost()[0] && (pInfo->unitName = CFStringFromCString(p->GetLabelForHost())))
        pInfo->unit = kAudioUnitParameterUnit_CustomUnit;
      else
        pInfo->unit = kAudioUnitParameterUnit_Generic;
      break;
  }
  pInfo->minValue = (AudioUnitParameterValue)p->GetMin();
  pInfo->maxValue = (AudioUnitParameterValue)p->GetMax();
  pInfo->defaultValue = (AudioUnitParameterValue)p->Value();
  return noErr;
}

ComponentResult IFxAU::GetParamValueStrings(AudioUnitElement paramIdx, UInt32* pDataSize, CFArrayRef* pStrings) const
{
  const IParam* p = GetParam((int)paramIdx);
  const int n = p ? p->NDisplayTexts() : 0;
  *pDataSize = n ? sizeof(CFArrayRef) : 0;
  if (!p) return kAudioUnitErr_InvalidParameter;
  if (!n) return kAudioUnitErr_InvalidProperty;
  if (pStrings) *pStrings = MakeStringArray(n, [p](int i) { return p->GetDisplayText(i); });
  return noErr;
}

ComponentResult IFxAU::GetParamStringFromValue(AudioUnitParameterStringFromValue* pSFV) const
{
  const IParam* p = GetParam((int)pSFV->inParamID);
  if (!p) return kAudioUnitErr_InvalidParameter;
  const double value = pSFV->inValue ? *pSFV->inValue : p->Value();
  const int v = value > -2147483648.0 && value < 2147483647.0 ? (int)value : 0;
  pSFV->outString = CFStringFromCString(p->GetDisplayText(v));
  return noErr;
}

ComponentResult IFxAU::GetParamName(AudioUnitParameterNameInfo* pNameInfo) const
{
  const IParam* p = GetParam((int)pNameInfo->inID);
  if (!p) return kAudioUnitErr_InvalidParameter;
  char name[IParam::kNameLen];
  const int maxLen = 31;
  int len = pNameInfo->inDesiredLength;
  if (len == kAudioUnitParameterName_Full)
    len = (int)sizeof name - 1;
  else
    len = len < 0 ? 0 : len > maxLen ? maxLen : len;
  CopyTextCut(name, p->GetNameForHost(), len + 1);
  pNameInfo->outName = CFStringFromCString(name);
  return noErr;
}

ComponentResult IFxAU::GetParamValueFromString(AudioUnitParameterValueFromString* pVFS) const
{
  const IParam* p = GetParam((int)pVFS->inParamID);
  if (!p) return kAudioUnitErr_InvalidParameter;
  char* text = CStringFromCFString(pVFS->inString);
  if (!text) return kAudioUnitErr_InvalidPropertyValue;
  if (p->NDisplayTexts()) {
    int value;
    if (p->MapDisplayText(text, &value)) pVFS->outValue = (AudioUnitParameterValue)value;
  } else {
    const double value = std::atof(text);
    pVFS->outValue = (AudioUnitParameterValue)(p->IsDisplayNegated() ? -value : value);
  }
  delete[] text;
  return noErr;
}

// --- Presets, views and host ---

ComponentResult IFxAU::GetFactoryPresets(CFArrayRef* pPresets) const
{
  CFMutableArrayRef array = CFArrayCreateMutable(kCFAllocatorDefault, NPresets(), &kPresetArrayCallBacks);
  for (int i = 0; array && i < NPresets(); ++i) {
    AUPreset* preset = new (std::nothrow) AUPreset{i, nullptr};
    if (!preset) break;
    preset->presetName = CFStringFromCString(GetPresetName(i));
    CFArrayAppendValue(array, preset);
  }
  *pPresets = array;
  return noErr;
}

ComponentResult IFxAU::GetCocoaUI(AudioUnitCocoaViewInfo* pViewInfo) const
{
  if (!GetGUI() || IGraphicsMac::GetUserOSVersion() < kCocoaViewSystem) return kAudioUnitErr_InvalidProperty;
  if (!pViewInfo) return noErr;
  CFStringRef bundleID = CFStringFromCString(GetBundleID());
  CFBundleRef bundle = bundleID ? CFBundleGetBundleWithIdentifier(bundleID) : nullptr;
  if (bundleID) CFRelease(bundleID);
  CFURLRef url = bundle ? CFBundleCopyBundleURL(bundle) : nullptr;
  if (!url) return kAudioUnitErr_InvalidProperty;
  pViewInfo->mCocoaAUViewBundleLocation = url;
  pViewInfo->mCocoaAUViewClass[0] = CFStringFromCString(GetCocoaViewClass());
  return noErr;
}

ComponentResult IFxAU::SetHostIdentifier(const AUHostIdentifier* pHostID)
{
  char* name = CStringFromCFString(pHostID->hostName);
  const AUNumVersion& v = pHostID->hostVersion;
  SetHost(name ? name : "", (v.majorRev << 16) | (v.minorAndBugRev << 8));
  delete[] name;
  return noErr;
}
