// The factory a Cocoa host finds by the name the Audio Unit's Cocoa UI
// property gives, "Tolvo_View", and asks for the plug-in's view, on its
// main thread.
#import <AudioUnit/AUCocoaUIView.h>
#import <Cocoa/Cocoa.h>

#include "IFxAU.h"
#include "IGraphics.h"

@interface Tolvo_View : NSObject <AUCocoaUIBase> {
  IFxAU* mPlug;
}
- (id)init;
- (unsigned)interfaceVersion;
- (NSString*)description;
// The editor's Cocoa view, whatever the size asked; nil without a
// plug-in or an editor.
- (NSView*)uiViewForAudioUnit:(AudioUnit)inAudioUnit withSize:(NSSize)inPreferredSize;
@end

@implementation Tolvo_View

- (id)init
{
  self = [super init];
  mPlug = nullptr;
  return self;
}

- (unsigned)interfaceVersion
{
  return 0;
}

- (NSString*)description
{
  return @"Tolvo View";
}

- (NSView*)uiViewForAudioUnit:(AudioUnit)inAudioUnit withSize:(NSSize)inPreferredSize
{
  mPlug = inAudioUnit ? (IFxAU*)GetComponentInstanceStorage(inAudioUnit) : nullptr;
  IGraphics* graphics = mPlug ? mPlug->GetGUI() : nullptr;
  if (!graphics) return nil;
  return (NSView*)graphics->OpenCocoaWindow(nullptr);
}

@end
