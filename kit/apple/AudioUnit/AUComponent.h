#ifndef AUCOMPONENT_H
#define AUCOMPONENT_H

// Stands in for Apple's AudioUnit/AUComponent.h off Apple (see
// ../README.md): the Audio Unit's types, scopes, status codes, selectors,
// fast-dispatch procedures and the calls a unit makes on another unit.

#include <CoreAudio/CoreAudioTypes.h>
#include <CoreServices/CoreServices.h>

typedef ComponentInstance AudioUnit;

typedef UInt32 AudioUnitPropertyID;
typedef UInt32 AudioUnitScope;
typedef UInt32 AudioUnitElement;
typedef UInt32 AudioUnitParameterID;
typedef Float32 AudioUnitParameterValue;
typedef UInt32 AudioUnitRenderActionFlags;

enum {
  kAudioUnitScope_Global = 0,
  kAudioUnitScope_Input = 1,
  kAudioUnitScope_Output = 2,
};

enum {
  kAudioUnitRenderAction_PreRender = 1u << 2,
  kAudioUnitRenderAction_PostRender = 1u << 3,
};

enum {
  kAudioUnitErr_InvalidProperty = -10879,
  kAudioUnitErr_InvalidParameter = -10878,
  kAudioUnitErr_InvalidElement = -10877,
  kAudioUnitErr_InvalidPropertyValue = -10851,
};

enum {
  kAudioUnitInitializeSelect = 0x0001,
  kAudioUnitUninitializeSelect = 0x0002,
  kAudioUnitGetPropertyInfoSelect = 0x0003,
  kAudioUnitGetPropertySelect = 0x0004,
  kAudioUnitSetPropertySelect = 0x0005,
  kAudioUnitGetParameterSelect = 0x0006,
  kAudioUnitSetParameterSelect = 0x0007,
  kAudioUnitResetSelect = 0x0009,
  kAudioUnitAddPropertyListenerSelect = 0x000A,
  kAudioUnitRemovePropertyListenerSelect = 0x000B,
  kAudioUnitRenderSelect = 0x000E,
  kAudioUnitAddRenderNotifySelect = 0x000F,
  kAudioUnitRemoveRenderNotifySelect = 0x0010,
  kAudioUnitScheduleParametersSelect = 0x0011,
  kAudioUnitRemovePropertyListenerWithUserDataSelect = 0x0012,
};

typedef OSStatus (*AURenderCallback)(void* inRefCon, AudioUnitRenderActionFlags* ioActionFlags,
                                     const AudioTimeStamp* inTimeStamp, UInt32 inBusNumber, UInt32 inNumberFrames,
                                     AudioBufferList* ioData);

typedef void (*AudioUnitPropertyListenerProc)(void* inRefCon, AudioUnit inUnit, AudioUnitPropertyID inID,
                                              AudioUnitScope inScope, AudioUnitElement inElement);

typedef UInt32 AUParameterEventType;
enum {
  kParameterEvent_Immediate = 1,
  kParameterEvent_Ramped = 2,
};

struct AudioUnitParameterEvent {
  AudioUnitScope scope;
  AudioUnitElement element;
  AudioUnitParameterID parameter;
  AUParameterEventType eventType;
  union {
    struct {
      SInt32 startBufferOffset;
      UInt32 durationInFrames;
      AudioUnitParameterValue startValue;
      AudioUnitParameterValue endValue;
    } ramp;
    struct {
      UInt32 bufferOffset;
      AudioUnitParameterValue value;
    } immediate;
  } eventValues;
};

// The fast-dispatch procedures a unit hands out (property 5): called with
// the unit's instance storage instead of the instance.
typedef ComponentResult (*AudioUnitGetParameterProc)(void* inComponentStorage, AudioUnitParameterID inID,
                                                     AudioUnitScope inScope, AudioUnitElement inElement,
                                                     AudioUnitParameterValue* outValue);
typedef ComponentResult (*AudioUnitSetParameterProc)(void* inComponentStorage, AudioUnitParameterID inID,
                                                     AudioUnitScope inScope, AudioUnitElement inElement,
                                                     AudioUnitParameterValue inValue, UInt32 inBufferOffsetInFrames);
typedef ComponentResult (*AudioUnitRenderProc)(void* inComponentStorage, AudioUnitRenderActionFlags* ioActionFlags,
                                               const AudioTimeStamp* inTimeStamp, UInt32 inOutputBusNumber,
                                               UInt32 inNumberFrames, AudioBufferList* ioData);

#ifdef __cplusplus
extern "C" {
#endif

OSStatus AudioUnitGetProperty(AudioUnit inUnit, AudioUnitPropertyID inID, AudioUnitScope inScope,
                              AudioUnitElement inElement, void* outData, UInt32* ioDataSize);
OSStatus AudioUnitSetProperty(AudioUnit inUnit, AudioUnitPropertyID inID, AudioUnitScope inScope,
                              AudioUnitElement inElement, const void* inData, UInt32 inDataSize);
OSStatus AudioUnitRender(AudioUnit inUnit, AudioUnitRenderActionFlags* ioActionFlags, const AudioTimeStamp* inTimeStamp,
                         UInt32 inOutputBusNumber, UInt32 inNumberFrames, AudioBufferList* ioData);

#ifdef __cplusplus
}
#endif

#endif
