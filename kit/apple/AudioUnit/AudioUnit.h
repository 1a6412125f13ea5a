#ifndef AUDIOUNIT_H
#define AUDIOUNIT_H

// Stands in for Apple's AudioUnit/AudioUnit.h off Apple (see ../README.md).

#include <AudioUnit/AUComponent.h>
#include <AudioUnit/AudioUnitCarbonView.h>
#include <AudioUnit/AudioUnitProperties.h>
#include <AudioUnit/MusicDevice.h>

#endif
