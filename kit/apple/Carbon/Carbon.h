#ifndef CARBON_H
#define CARBON_H

// Stands in for Apple's Carbon off Apple (see ../README.md): only the
// window and control references a Carbon view is made in.

#include <MacTypes.h>

typedef struct OpaqueWindowPtr* WindowRef;
typedef struct OpaqueControlRef* ControlRef;

#endif
