// The Audio Unit event notification for the tests: every event is kept.

#include "AppleTesting.h"

std::vector<AudioUnitEvent>& TestAUEvents()
{
  static std::vector<AudioUnitEvent> events;
  return events;
}

extern "C" OSStatus AUEventListenerNotify(AUEventListenerRef, void*, const AudioUnitEvent* inEvent)
{
  TestAUEvents().push_back(*inEvent);
  return noErr;
}
