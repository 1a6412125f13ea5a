#include <CoreServices/CoreServices.h>

#include "IFxUtilities.h"
#include "IGraphicsMac.h"

int IGraphicsMac::GetUserOSVersion()
{
  SInt32 version = 0;
  if (Gestalt(gestaltSystemVersion, &version) != noErr) version = 0;
  Trace("GetUserOSVersion", __LINE__, "%x", (unsigned)version);
  return version;
}
