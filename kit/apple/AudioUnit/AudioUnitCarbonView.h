#ifndef AUDIOUNITCARBONVIEW_H
#define AUDIOUNITCARBONVIEW_H

// Stands in for Apple's AudioUnit/AudioUnitCarbonView.h off Apple (see
// ../README.md): the Carbon view component's type and its create call.

#include <AudioUnit/AUComponent.h>
#include <Carbon/Carbon.h>

typedef ComponentInstance AudioUnitCarbonView;

enum {
  kAudioUnitCarbonViewComponentType = 0x61757677  // 'auvw'
};

enum { kAudioUnitCarbonViewCreateSelect = 0x0301 };

#endif
