#ifndef APPLE_LAYER_COCOA_H
#define APPLE_LAYER_COCOA_H

// Off Apple, Cocoa is GNUstep's AppKit and Foundation; this adds the one
// call of Apple's Cocoa they lack (see ../README.md).

#include_next <Cocoa/Cocoa.h>

#ifdef __cplusplus
extern "C" {
#endif

// Readies Cocoa inside a Carbon application; YES when it is ready.
BOOL NSApplicationLoad(void);

#ifdef __cplusplus
}
#endif

#endif
