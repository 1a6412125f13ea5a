#include <CoreServices/CoreServices.h>

#include "MacDrawing.h"

SInt32 MacSystemVersion()
{
  SInt32 version = 0;
  return Gestalt(gestaltSystemVersion, &version) == noErr ? version : 0;
}
