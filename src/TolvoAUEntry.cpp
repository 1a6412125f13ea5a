// The Audio Unit bundle's doors: the component entries through which the
// Component Manager opens the plug-in and its Carbon view, and the factory
// the open selector makes the plug-in with.

#include <new>

#include "CreationLock.h"
#include "Tolvo.h"

#define TOLVO_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

const char* const kCocoaViewClass = "Tolvo_View";

IFxAU* MakePlug()
{
  KIT_MutexLock lock(&CreationLock());
  AUInstanceInfo info;
  info.mBundleID.Set(kTolvoBundleID);
  info.mCocoaViewClass.Set(kCocoaViewClass);
  return new (std::nothrow) Tolvo(&info);
}

}  // namespace

// The Audio Unit, on the host's threads (open and close on its main
// thread): storage is the plug-in, null until it is opened.
TOLVO_EXPORT ComponentResult Tolvo_Entry(ComponentParameters* params, Handle storage)
{
  return IFxAU::IFxAUEntry(params, storage, MakePlug);
}

// The Carbon view component, on the host's main thread: storage is its
// AUCarbonViewRecord.
TOLVO_EXPORT ComponentResult Tolvo_ViewEntry(ComponentParameters* params, Handle storage)
{
  return IFxAU::IFxAUCarbonViewEntry(params, storage);
}
