// The Component Manager for the tests: registered components, their
// instances with storage, and every call made into a call record as the
// Component Manager makes it. Gestalt too.

#include <cstddef>
#include <set>
#include <vector>

#include "AppleTesting.h"

struct ComponentRecord {
  ComponentDescription mDesc;
  ComponentRoutineProcPtr mEntry;
};

struct ComponentInstanceRecord {
  ComponentRecord* mComponent;
  Handle mStorage;
};

namespace {
const OSErr kInvalidComponentID = -3000;

// Components and instances live past the static destructors, so a plug-in
// closed at exit still finds its instance.
std::vector<ComponentRecord*>& Components()
{
  static auto* components = new std::vector<ComponentRecord*>;
  return *components;
}

std::set<ComponentInstanceRecord*>& Instances()
{
  static auto* instances = new std::set<ComponentInstanceRecord*>;
  return *instances;
}

SInt32 sSystemVersion = 0x1068;
}  // namespace

Component TestRegisterComponent(const ComponentDescription& desc, ComponentRoutineProcPtr entry)
{
  Components().push_back(new ComponentRecord{desc, entry});
  return Components().back();
}

ComponentResult TestCallWords(ComponentInstance ci, SInt16 selector, const long* args, int nArgs, int paramSize)
{
  // The header, the arguments last to first, then the instance.
  std::vector<long> record(offsetof(ComponentParameters, params) / sizeof(long) + (size_t)nArgs + 1);
  ComponentParameters* params = (ComponentParameters*)record.data();
  params->flags = 0;
  params->paramSize = (UInt8)(paramSize < 0 ? nArgs * (int)sizeof(long) : paramSize);
  params->what = selector;
  for (int i = 0; i < nArgs; ++i) params->params[nArgs - 1 - i] = args[i];
  params->params[nArgs] = (long)ci;
  return ci->mComponent->mEntry(params, ci->mStorage);
}

extern "C" {

Handle GetComponentInstanceStorage(ComponentInstance ci) { return Instances().count(ci) ? ci->mStorage : nullptr; }

void SetComponentInstanceStorage(ComponentInstance ci, Handle theStorage) { ci->mStorage = theStorage; }

OSErr GetComponentInfo(Component aComponent, ComponentDescription* cd, Handle, Handle, Handle)
{
  ComponentInstanceRecord* instance = (ComponentInstanceRecord*)aComponent;
  if (!Instances().count(instance)) return kInvalidComponentID;
  *cd = instance->mComponent->mDesc;
  return noErr;
}

ComponentInstance OpenComponent(Component aComponent)
{
  ComponentInstanceRecord* ci = new ComponentInstanceRecord{aComponent, nullptr};
  Instances().insert(ci);
  if (TestCall(ci, kComponentOpenSelect, ci) == noErr) return ci;
  Instances().erase(ci);
  delete ci;
  return nullptr;
}

OSErr CloseComponent(ComponentInstance ci)
{
  if (!Instances().count(ci)) return kInvalidComponentID;
  const ComponentResult r = TestCall(ci, kComponentCloseSelect, ci);
  Instances().erase(ci);
  delete ci;
  return (OSErr)r;
}

OSErr Gestalt(OSType selector, SInt32* response)
{
  if (selector != gestaltSystemVersion) return -5551;  // gestaltUndefSelectorErr
  *response = sSystemVersion;
  return noErr;
}

ComponentResult CallComponentCanDo(ComponentInstance ci, SInt16 ftnNumber)
{
  const long word = TestCallWord(ftnNumber);
  return TestCallWords(ci, kComponentCanDoSelect, &word, 1, sizeof ftnNumber);
}

ComponentResult GetComponentVersion(ComponentInstance ci) { return TestCall(ci, kComponentVersionSelect); }

OSStatus AudioUnitInitialize(AudioUnit inUnit) { return TestCall(inUnit, kAudioUnitInitializeSelect); }

OSStatus AudioUnitUninitialize(AudioUnit inUnit) { return TestCall(inUnit, kAudioUnitUninitializeSelect); }

OSStatus AudioUnitGetPropertyInfo(AudioUnit inUnit, AudioUnitPropertyID inID, AudioUnitScope inScope,
                                  AudioUnitElement inElement, UInt32* outDataSize, Boolean* outWritable)
{
  return TestCall(inUnit, kAudioUnitGetPropertyInfoSelect, inID, inScope, inElement, outDataSize, outWritable);
}

OSStatus AudioUnitGetProperty(AudioUnit inUnit, AudioUnitPropertyID inID, AudioUnitScope inScope,
                              AudioUnitElement inElement, void* outData, UInt32* ioDataSize)
{
  return TestCall(inUnit, kAudioUnitGetPropertySelect, inID, inScope, inElement, outData, ioDataSize);
}

OSStatus AudioUnitSetProperty(AudioUnit inUnit, AudioUnitPropertyID inID, AudioUnitScope inScope,
                              AudioUnitElement inElement, const void* inData, UInt32 inDataSize)
{
  return TestCall(inUnit, kAudioUnitSetPropertySelect, inID, inScope, inElement, inData, inDataSize);
}

OSStatus AudioUnitGetParameter(AudioUnit inUnit, AudioUnitParameterID inID, AudioUnitScope inScope,
                               AudioUnitElement inElement, AudioUnitParameterValue* outValue)
{
  return TestCall(inUnit, kAudioUnitGetParameterSelect, inID, inScope, inElement, outValue);
}

OSStatus AudioUnitSetParameter(AudioUnit inUnit, AudioUnitParameterID inID, AudioUnitScope inScope,
                               AudioUnitElement inElement, AudioUnitParameterValue inValue,
                               UInt32 inBufferOffsetInFrames)
{
  return TestCall(inUnit, kAudioUnitSetParameterSelect, inID, inScope, inElement, inValue, inBufferOffsetInFrames);
}

OSStatus AudioUnitReset(AudioUnit inUnit, AudioUnitScope inScope, AudioUnitElement inElement)
{
  return TestCall(inUnit, kAudioUnitResetSelect, inScope, inElement);
}

OSStatus AudioUnitAddPropertyListener(AudioUnit inUnit, AudioUnitPropertyID inID, AudioUnitPropertyListenerProc inProc,
                                      void* inProcUserData)
{
  return TestCall(inUnit, kAudioUnitAddPropertyListenerSelect, inID, inProc, inProcUserData);
}

OSStatus AudioUnitRemovePropertyListener(AudioUnit inUnit, AudioUnitPropertyID inID,
                                         AudioUnitPropertyListenerProc inProc)
{
  return TestCall(inUnit, kAudioUnitRemovePropertyListenerSelect, inID, inProc);
}

OSStatus AudioUnitRemovePropertyListenerWithUserData(AudioUnit inUnit, AudioUnitPropertyID inID,
                                                     AudioUnitPropertyListenerProc inProc, void* inProcUserData)
{
  return TestCall(inUnit, kAudioUnitRemovePropertyListenerWithUserDataSelect, inID, inProc, inProcUserData);
}

OSStatus AudioUnitAddRenderNotify(AudioUnit inUnit, AURenderCallback inProc, void* inProcUserData)
{
  return TestCall(inUnit, kAudioUnitAddRenderNotifySelect, inProc, inProcUserData);
}

OSStatus AudioUnitRemoveRenderNotify(AudioUnit inUnit, AURenderCallback inProc, void* inProcUserData)
{
  return TestCall(inUnit, kAudioUnitRemoveRenderNotifySelect, inProc, inProcUserData);
}

OSStatus AudioUnitScheduleParameters(AudioUnit inUnit, const AudioUnitParameterEvent* inParameterEvent,
                                     UInt32 inNumParamEvents)
{
  return TestCall(inUnit, kAudioUnitScheduleParametersSelect, inParameterEvent, inNumParamEvents);
}

OSStatus AudioUnitRender(AudioUnit inUnit, AudioUnitRenderActionFlags* ioActionFlags, const AudioTimeStamp* inTimeStamp,
                         UInt32 inOutputBusNumber, UInt32 inNumberFrames, AudioBufferList* ioData)
{
  return TestCall(inUnit, kAudioUnitRenderSelect, ioActionFlags, inTimeStamp, inOutputBusNumber, inNumberFrames,
                  ioData);
}

OSStatus MusicDeviceMIDIEvent(AudioUnit inUnit, UInt32 inStatus, UInt32 inData1, UInt32 inData2,
                              UInt32 inOffsetSampleFrame)
{
  return TestCall(inUnit, kMusicDeviceMIDIEventSelect, inStatus, inData1, inData2, inOffsetSampleFrame);
}

OSStatus MusicDeviceSysEx(AudioUnit inUnit, const UInt8* inData, UInt32 inLength)
{
  return TestCall(inUnit, kMusicDeviceSysExSelect, inData, inLength);
}

OSStatus MusicDevicePrepareInstrument(AudioUnit inUnit, MusicDeviceInstrumentID inInstrument)
{
  return TestCall(inUnit, kMusicDevicePrepareInstrumentSelect, inInstrument);
}

OSStatus MusicDeviceReleaseInstrument(AudioUnit inUnit, MusicDeviceInstrumentID inInstrument)
{
  return TestCall(inUnit, kMusicDeviceReleaseInstrumentSelect, inInstrument);
}

OSStatus MusicDeviceStartNote(AudioUnit inUnit, MusicDeviceInstrumentID inInstrument, MusicDeviceGroupID inGroupID,
                              NoteInstanceID* outNoteInstanceID, UInt32 inOffsetSampleFrame,
                              const MusicDeviceNoteParams* inParams)
{
  return TestCall(inUnit, kMusicDeviceStartNoteSelect, inInstrument, inGroupID, outNoteInstanceID, inOffsetSampleFrame,
                  inParams);
}

OSStatus MusicDeviceStopNote(AudioUnit inUnit, MusicDeviceGroupID inGroupID, NoteInstanceID inNoteInstanceID,
                             UInt32 inOffsetSampleFrame)
{
  return TestCall(inUnit, kMusicDeviceStopNoteSelect, inGroupID, inNoteInstanceID, inOffsetSampleFrame);
}

OSStatus AudioUnitCarbonViewCreate(AudioUnitCarbonView inView, AudioUnit inAudioUnit, WindowRef inWindow,
                                   ControlRef inParentControl, const Float32Point* inLocation,
                                   const Float32Point* inSize, ControlRef* outControl)
{
  return TestCall(inView, kAudioUnitCarbonViewCreateSelect, inAudioUnit, inWindow, inParentControl, inLocation, inSize,
                  outControl);
}

}  // extern "C"

void TestSetSystemVersion(SInt32 version) { sSystemVersion = version; }
