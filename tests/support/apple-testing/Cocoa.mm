// Off Apple, Cocoa needs no readying inside a host.
#import <Cocoa/Cocoa.h>

BOOL NSApplicationLoad(void) { return YES; }
