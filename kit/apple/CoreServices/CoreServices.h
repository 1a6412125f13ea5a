#ifndef CORESERVICES_H
#define CORESERVICES_H

// Stands in for the Component Manager and Gestalt of Apple's CoreServices
// off Apple (see ../README.md).

#include <MacTypes.h>

typedef struct ComponentRecord* Component;
typedef struct ComponentInstanceRecord* ComponentInstance;
typedef SInt32 ComponentResult;

struct ComponentDescription {
  OSType componentType;
  OSType componentSubType;
  OSType componentManufacturer;
  UInt32 componentFlags;
  UInt32 componentFlagsMask;
};

// A call as the Component Manager hands it to a component's entry: the
// arguments are machine words, the last argument of the public call first;
// the instance itself follows them and is not counted in paramSize.
struct ComponentParameters {
  UInt8 flags;
  UInt8 paramSize;  // bytes of arguments
  SInt16 what;      // the selector
#if defined(__LP64__)
  UInt32 padding;
#endif
  long params[1];
};

typedef ComponentResult (*ComponentRoutineProcPtr)(ComponentParameters* cp, Handle componentStorage);

enum {
  kComponentOpenSelect = -1,     // argument: the new instance
  kComponentCloseSelect = -2,    // argument: the instance
  kComponentCanDoSelect = -3,    // argument: the selector asked about
  kComponentVersionSelect = -4,  // no arguments
};

const OSStatus badComponentSelector = (OSStatus)0x80008002;

enum {
  gestaltSystemVersion = 0x73797376  // 'sysv'
};

#ifdef __cplusplus
extern "C" {
#endif

Handle GetComponentInstanceStorage(ComponentInstance aComponentInstance);
void SetComponentInstanceStorage(ComponentInstance aComponentInstance, Handle theStorage);
// A component instance may be passed for the component.
OSErr GetComponentInfo(Component aComponent, ComponentDescription* cd, Handle componentName, Handle componentInfo,
                       Handle componentIcon);

// Gestalt: answers gestaltSystemVersion with the system version as 0xMMmb
// (10.5.0 is 0x1050).
OSErr Gestalt(OSType selector, SInt32* response);

#ifdef __cplusplus
}
#endif

#endif
