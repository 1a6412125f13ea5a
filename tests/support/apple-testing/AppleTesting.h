#ifndef APPLETESTING_H
#define APPLETESTING_H

// A test-only implementation of our Apple layer (kit/apple): a small
// reference-counted CoreFoundation, a Component Manager with instance
// storage and settable descriptions, a host's side of the Audio Unit calls
// (each built into a call record as the Component Manager builds it),
// upstream units, a recorder of Audio Unit events, CoreMIDI packet lists
// and destinations, a settable Gestalt, Quartz bitmap contexts that
// record what they are given, and Carbon windows, controls, events, timers
// and menus driven by the test. Single-threaded, like the tests that use
// it.
//
// Beside the layer's declarations it offers what a host and a test need:
// Apple's host-side calls under their own names, and the Test... controls.

#include <AudioToolbox/AudioToolbox.h>
#include <AudioUnit/AudioUnit.h>
#include <Carbon/Carbon.h>
#include <CoreFoundation/CoreFoundation.h>
#include <CoreGraphics/CoreGraphics.h>
#include <CoreMIDI/CoreMIDI.h>

#include <cstring>
#include <string>
#include <vector>

// --- CoreFoundation ---

extern "C" {
CFIndex CFGetRetainCount(CFTypeRef cf);
CFTypeID CFArrayGetTypeID(void);
CFIndex CFArrayGetCount(CFArrayRef theArray);
const void* CFArrayGetValueAtIndex(CFArrayRef theArray, CFIndex idx);
CFIndex CFDictionaryGetCount(CFDictionaryRef theDict);
void CFDictionaryRemoveValue(CFMutableDictionaryRef theDict, const void* key);
typedef CFIndex CFURLPathStyle;
enum { kCFURLPOSIXPathStyle = 0 };
CFStringRef CFURLCopyFileSystemPath(CFURLRef anURL, CFURLPathStyle pathStyle);
}

// CoreFoundation objects alive now; a test compares it before and after.
long TestCFLiveObjects();
// The text of a string, "" for null.
std::string TestCFText(CFStringRef str);
// Makes the bundle with the identifier be the folder: its resources are
// the files of Contents/Resources, its executable Contents/MacOS/<the
// folder's name without extension>.
void TestCFRegisterBundle(const char* identifier, const char* folder);
// The bundle of the running application; null for none.
void TestCFSetMainBundle(const char* identifier);

// --- Quartz ---

// Colour spaces, contexts and images alive now.
long TestCGLiveObjects();
// The next n bitmap contexts cannot be made.
void TestCGFailContexts(int n);
// What the context was given, in order: "translate 0 50", "scale 1 -1",
// "save", "restore", "clip x y w h", "image x y w h", "flush".
const std::vector<std::string>& TestCGContextLog(CGContextRef context);
// An image's pixels, rows packed.
const std::vector<uint8_t>& TestCGImagePixels(CGImageRef image);

// --- Carbon ---

// The font family FMGetFontFamilyFromName gives for "Arial".
const FMFontFamily kTestArialFamily = 7;
// A window whose content lies at the global rectangle. A compositing one
// has a root control holding a content view; another has neither until a
// root control is made.
WindowRef TestNewWindow(bool composited, const Rect& content);
// With every control in it.
void TestDisposeWindow(WindowRef window);
// Its content view, else its root control.
ControlRef TestWindowContent(WindowRef window);
ControlRef TestWindowFocus(WindowRef window);
// How often UpdateControls ran for it.
int TestWindowUpdates(WindowRef window);
int TestWindowHandlers(WindowRef window);

const std::vector<ControlRef>& TestControlChildren(ControlRef control);
HIRect TestControlFrame(ControlRef control);
UInt32 TestControlFeatures(ControlRef control);
bool TestControlVisible(ControlRef control);
int TestControlHandlers(ControlRef control);
std::string TestControlText(ControlRef control);
// As if the user had typed it.
void TestSetControlText(ControlRef control, const char* text);
ControlEditTextSelectionRec TestControlSelection(ControlRef control);
ControlFontStyleRec TestControlFontStyle(ControlRef control);
// The rectangles marked for display since the last call.
std::vector<HIRect> TestTakeNeedsDisplay(ControlRef control);

// An event with parameters, sent to the handlers of a window or a control
// (the last installed first): what the first that handles it answers, else
// eventNotHandledErr.
EventRef TestNewEvent(UInt32 eventClass, UInt32 kind);
void TestSetEventParamBytes(EventRef event, EventParamName name, EventParamType type, const void* data, size_t size);
template <class T>
void TestSetEventParam(EventRef event, EventParamName name, EventParamType type, const T& value)
{
  TestSetEventParamBytes(event, name, type, &value, sizeof value);
}
void TestReleaseEvent(EventRef event);
OSStatus TestSendToWindow(WindowRef window, EventRef event);
OSStatus TestSendToControl(ControlRef control, EventRef event);
// A region of those bounds; DisposeRgn frees it.
RgnHandle TestNewRegion(const Rect& bounds);

struct TestCarbonTimer {
  EventLoopTimerRef timer;
  EventTimerInterval delay, interval;
  EventLoopTimerUPP proc;
  void* userData;
};
const std::vector<TestCarbonTimer>& TestCarbonTimers();
// Fires every installed timer once.
void TestFireTimers();

struct TestCarbonMenuItem {
  std::string text;
  MenuItemAttributes attributes = 0;
  bool checked = false;
};
struct TestCarbonMenu {
  MenuID id = 0;
  std::vector<TestCarbonMenuItem> items;
  short top = 0, left = 0;
};
// The item (1-based) the next popup menu answers with; 0 for none.
void TestAnswerMenu(int item);
// The last popup menu shown, where it was shown.
const TestCarbonMenu& TestLastMenu();

// --- Gestalt ---

void TestSetSystemVersion(SInt32 version);

// --- The Component Manager ---

Component TestRegisterComponent(const ComponentDescription& desc, ComponentRoutineProcPtr entry);

extern "C" {
// Null when the component's open call fails.
ComponentInstance OpenComponent(Component aComponent);
OSErr CloseComponent(ComponentInstance aComponentInstance);
}

// Calls the instance's entry with a call record of the arguments, which
// are given in the order of the public call, a word each. The record says
// it holds paramSize bytes of them; -1 for a word an argument, which is
// what a Component Manager says of calls whose arguments are all words.
ComponentResult TestCallWords(ComponentInstance ci, SInt16 selector, const long* args, int nArgs, int paramSize = -1);

template <class T>
long TestCallWord(T value)
{
  static_assert(sizeof(T) <= sizeof(long), "one word an argument");
  long word = 0;
  std::memcpy(&word, &value, sizeof value);
  return word;
}

template <class... Args>
ComponentResult TestCall(ComponentInstance ci, SInt16 selector, Args... args)
{
  const long words[] = {TestCallWord(args)..., 0};
  return TestCallWords(ci, selector, words, (int)sizeof...(Args));
}

// --- A host's side of the Audio Unit ---

extern "C" {
// Its record counts the 16-bit selector as 2 bytes, as a Component
// Manager fills it.
ComponentResult CallComponentCanDo(ComponentInstance ci, SInt16 ftnNumber);
ComponentResult GetComponentVersion(ComponentInstance ci);
OSStatus AudioUnitInitialize(AudioUnit inUnit);
OSStatus AudioUnitUninitialize(AudioUnit inUnit);
OSStatus AudioUnitGetPropertyInfo(AudioUnit inUnit, AudioUnitPropertyID inID, AudioUnitScope inScope,
                                  AudioUnitElement inElement, UInt32* outDataSize, Boolean* outWritable);
OSStatus AudioUnitGetParameter(AudioUnit inUnit, AudioUnitParameterID inID, AudioUnitScope inScope,
                               AudioUnitElement inElement, AudioUnitParameterValue* outValue);
OSStatus AudioUnitSetParameter(AudioUnit inUnit, AudioUnitParameterID inID, AudioUnitScope inScope,
                               AudioUnitElement inElement, AudioUnitParameterValue inValue,
                               UInt32 inBufferOffsetInFrames);
OSStatus AudioUnitReset(AudioUnit inUnit, AudioUnitScope inScope, AudioUnitElement inElement);
OSStatus AudioUnitAddPropertyListener(AudioUnit inUnit, AudioUnitPropertyID inID, AudioUnitPropertyListenerProc inProc,
                                      void* inProcUserData);
OSStatus AudioUnitRemovePropertyListener(AudioUnit inUnit, AudioUnitPropertyID inID,
                                         AudioUnitPropertyListenerProc inProc);
OSStatus AudioUnitRemovePropertyListenerWithUserData(AudioUnit inUnit, AudioUnitPropertyID inID,
                                                     AudioUnitPropertyListenerProc inProc, void* inProcUserData);
OSStatus AudioUnitAddRenderNotify(AudioUnit inUnit, AURenderCallback inProc, void* inProcUserData);
OSStatus AudioUnitRemoveRenderNotify(AudioUnit inUnit, AURenderCallback inProc, void* inProcUserData);
OSStatus AudioUnitScheduleParameters(AudioUnit inUnit, const AudioUnitParameterEvent* inParameterEvent,
                                     UInt32 inNumParamEvents);
OSStatus MusicDeviceMIDIEvent(AudioUnit inUnit, UInt32 inStatus, UInt32 inData1, UInt32 inData2,
                              UInt32 inOffsetSampleFrame);
OSStatus MusicDeviceSysEx(AudioUnit inUnit, const UInt8* inData, UInt32 inLength);
OSStatus MusicDevicePrepareInstrument(AudioUnit inUnit, MusicDeviceInstrumentID inInstrument);
OSStatus MusicDeviceReleaseInstrument(AudioUnit inUnit, MusicDeviceInstrumentID inInstrument);
OSStatus MusicDeviceStartNote(AudioUnit inUnit, MusicDeviceInstrumentID inInstrument, MusicDeviceGroupID inGroupID,
                              NoteInstanceID* outNoteInstanceID, UInt32 inOffsetSampleFrame,
                              const MusicDeviceNoteParams* inParams);
OSStatus MusicDeviceStopNote(AudioUnit inUnit, MusicDeviceGroupID inGroupID, NoteInstanceID inNoteInstanceID,
                             UInt32 inOffsetSampleFrame);
OSStatus AudioUnitCarbonViewCreate(AudioUnitCarbonView inView, AudioUnit inAudioUnit, WindowRef inWindow,
                                   ControlRef inParentControl, const Float32Point* inLocation,
                                   const Float32Point* inSize, ControlRef* outControl);
}

// --- Upstream units ---

// A unit that feeds the one under test: it answers its output stream
// format and renders a constant into every buffer, counting its renders.
// With fastRender it hands out its render procedure (property 5), so it is
// pulled through that instead of AudioUnitRender.
struct TestUpstreamUnit {
  AudioStreamBasicDescription format{};
  bool fastRender = false;
  float value = 0.25f;
  OSStatus renderResult = noErr;
  int renders = 0;
  std::vector<float> samples[2];  // its own buffers, when the caller gives none
};

// An instance of the unit; close it with CloseComponent.
AudioUnit TestOpenUpstreamUnit(TestUpstreamUnit* unit);

// --- Audio Unit events ---

// Every event told through AUEventListenerNotify, in order.
std::vector<AudioUnitEvent>& TestAUEvents();

// --- CoreMIDI ---

// How many destinations the system has (0 to start with).
void TestSetMidiDestinations(int n);
// The bytes and time stamps of the packets of a list, in order.
struct TestMidiPacket {
  MIDITimeStamp time;
  std::vector<Byte> bytes;
};
std::vector<TestMidiPacket> TestReadPacketList(const MIDIPacketList* list);

#endif
