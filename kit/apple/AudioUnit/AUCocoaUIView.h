#ifndef AUCOCOAUIVIEW_H
#define AUCOCOAUIVIEW_H

// Stands in for Apple's AudioUnit/AUCocoaUIView.h off Apple (see
// ../README.md): the protocol of the class a host names through the Cocoa
// UI property and asks for the Audio Unit's view. Objective-C only.

#import <Cocoa/Cocoa.h>

#include <AudioUnit/AudioUnit.h>

@protocol AUCocoaUIBase
- (unsigned)interfaceVersion;
- (NSView*)uiViewForAudioUnit:(AudioUnit)inAudioUnit withSize:(NSSize)inPreferredSize;
@end

#endif
