#ifndef AUDIOTOOLBOX_H
#define AUDIOTOOLBOX_H

// Stands in for Apple's AudioToolbox off Apple (see ../README.md): the
// Audio Unit event notification of AudioUnitUtilities.h.

#include <AudioUnit/AudioUnit.h>

typedef UInt32 AudioUnitEventType;
enum {
  kAudioUnitEvent_ParameterValueChange = 0,
  kAudioUnitEvent_BeginParameterChangeGesture = 1,
  kAudioUnitEvent_EndParameterChangeGesture = 2,
  kAudioUnitEvent_PropertyChange = 3,
};

struct AudioUnitParameter {
  AudioUnit mAudioUnit;
  AudioUnitParameterID mParameterID;
  AudioUnitScope mScope;
  AudioUnitElement mElement;
};

struct AudioUnitProperty {
  AudioUnit mAudioUnit;
  AudioUnitPropertyID mPropertyID;
  AudioUnitScope mScope;
  AudioUnitElement mElement;
};

struct AudioUnitEvent {
  AudioUnitEventType mEventType;
  union {
    AudioUnitParameter mParameter;  // the parameter events
    AudioUnitProperty mProperty;    // kAudioUnitEvent_PropertyChange
  } mArgument;
};

typedef struct AUListenerBase* AUEventListenerRef;

#ifdef __cplusplus
extern "C" {
#endif

// Tells every listener of the event but the sending one (null: none).
OSStatus AUEventListenerNotify(AUEventListenerRef inSendingListener, void* inSendingObject,
                               const AudioUnitEvent* inEvent);

#ifdef __cplusplus
}
#endif

#endif
