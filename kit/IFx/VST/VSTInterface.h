#ifndef VSTINTERFACE_H
#define VSTINTERFACE_H

// Our own declaration of the VST 2 plug-in binary interface. It stands in
// for the vendor's SDK headers, which we neither have nor copy: only the
// records, callback types, opcodes and flags that IFxVST uses are here,
// written from the published binary layout. The layouts are natural
// alignment, VstIntPtr is pointer-sized and every callback is __cdecl on
// Windows; the static_asserts at the end pin each offset on 32 and 64 bits.

#include <cstddef>
#include <cstdint>

#if defined(_WIN32)
#define VSTCALLBACK __cdecl
#else
#define VSTCALLBACK
#endif

typedef int16_t VstInt16;
typedef int32_t VstInt32;
typedef intptr_t VstIntPtr;

struct AEffect;

typedef VstIntPtr(VSTCALLBACK* audioMasterCallback)(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                                                    void* ptr, float opt);
typedef VstIntPtr(VSTCALLBACK* AEffectDispatcherProc)(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                                                      void* ptr, float opt);
typedef void(VSTCALLBACK* AEffectProcessProc)(AEffect* effect, float** inputs, float** outputs, VstInt32 sampleFrames);
typedef void(VSTCALLBACK* AEffectProcessDoubleProc)(AEffect* effect, double** inputs, double** outputs,
                                                    VstInt32 sampleFrames);
typedef void(VSTCALLBACK* AEffectSetParameterProc)(AEffect* effect, VstInt32 index, float parameter);
typedef float(VSTCALLBACK* AEffectGetParameterProc)(AEffect* effect, VstInt32 index);

const VstInt32 kEffectMagic = 0x56737450;     // "VstP"; the bytes read "PtsV"
const VstInt32 kEffectIdentify = 0x4E764566;  // "NvEf"
const VstInt32 kVstVersion = 2400;

struct AEffect {
  VstInt32 magic;
  AEffectDispatcherProc dispatcher;
  AEffectProcessProc process;  // accumulating
  AEffectSetParameterProc setParameter;
  AEffectGetParameterProc getParameter;
  VstInt32 numPrograms;
  VstInt32 numParams;
  VstInt32 numInputs;
  VstInt32 numOutputs;
  VstInt32 flags;
  VstIntPtr resvd1;
  VstIntPtr resvd2;
  VstInt32 initialDelay;
  VstInt32 realQualities;
  VstInt32 offQualities;
  float ioRatio;
  void* object;
  void* user;
  VstInt32 uniqueID;
  VstInt32 version;
  AEffectProcessProc processReplacing;
  AEffectProcessDoubleProc processDoubleReplacing;
  char future[56];
};

enum VstAEffectFlags {
  effFlagsHasEditor = 1 << 0,
  effFlagsCanMono = 1 << 3,
  effFlagsCanReplacing = 1 << 4,
  effFlagsProgramChunks = 1 << 5,
  effFlagsIsSynth = 1 << 8,
  effFlagsCanDoubleReplacing = 1 << 12,
};

// Requests of the host to the plug-in (dispatcher opcodes).
enum AEffectOpcodes {
  effOpen = 0,
  effClose = 1,
  effSetProgram = 2,
  effGetProgram = 3,
  effSetProgramName = 4,
  effGetProgramName = 5,
  effGetParamLabel = 6,
  effGetParamDisplay = 7,
  effGetParamName = 8,
  effSetSampleRate = 10,
  effSetBlockSize = 11,
  effMainsChanged = 12,
  effEditGetRect = 13,
  effEditOpen = 14,
  effEditClose = 15,
  effEditIdle = 19,
  effIdentify = 22,
  effGetChunk = 23,
  effSetChunk = 24,
  effProcessEvents = 25,
  effCanBeAutomated = 26,
  effString2Parameter = 27,
  effGetProgramNameIndexed = 29,
  effGetInputProperties = 33,
  effGetOutputProperties = 34,
  effGetPlugCategory = 35,
  effProcessVarIo = 41,
  effSetSpeakerArrangement = 42,
  effGetEffectName = 45,
  effGetVendorString = 47,
  effGetProductString = 48,
  effVendorSpecific = 50,
  effCanDo = 51,
  effIdle = 53,
  effGetVstVersion = 58,
  effGetMidiKeyName = 66,
  effGetSpeakerArrangement = 69,
  effShellGetNextPlugin = 70,
};

// Requests of the plug-in to the host (host callback opcodes).
enum AudioMasterOpcodes {
  audioMasterAutomate = 0,
  audioMasterVersion = 1,
  audioMasterWantMidi = 6,
  audioMasterGetTime = 7,
  audioMasterProcessEvents = 8,
  audioMasterGetVendorString = 32,
  audioMasterGetProductString = 33,
  audioMasterGetVendorVersion = 34,
  audioMasterUpdateDisplay = 42,
  audioMasterBeginEdit = 43,
  audioMasterEndEdit = 44,
};

enum VstPlugCategory {
  kPlugCategEffect = 1,
  kPlugCategSynth = 2,
};

struct ERect {
  VstInt16 top;
  VstInt16 left;
  VstInt16 bottom;
  VstInt16 right;
};

struct VstTimeInfo {
  double samplePos;
  double sampleRate;
  double nanoSeconds;
  double ppqPos;
  double tempo;
  double barStartPos;
  double cycleStartPos;
  double cycleEndPos;
  VstInt32 timeSigNumerator;
  VstInt32 timeSigDenominator;
  VstInt32 smpteOffset;
  VstInt32 smpteFrameRate;
  VstInt32 samplesToNextClock;
  VstInt32 flags;
};

enum VstTimeInfoFlags {
  kVstTransportChanged = 1 << 0,
  kVstTransportPlaying = 1 << 1,
  kVstTransportCycleActive = 1 << 2,
  kVstPpqPosValid = 1 << 9,
  kVstTempoValid = 1 << 10,
  kVstBarsValid = 1 << 11,
  kVstCyclePosValid = 1 << 12,
  kVstTimeSigValid = 1 << 13,
};

enum VstEventTypes {
  kVstMidiType = 1,
  kVstSysExType = 6,
};

struct VstEvent {
  VstInt32 type;
  VstInt32 byteSize;
  VstInt32 deltaFrames;
  VstInt32 flags;
  char data[16];
};

struct VstMidiEvent {
  VstInt32 type;
  VstInt32 byteSize;
  VstInt32 deltaFrames;
  VstInt32 flags;
  VstInt32 noteLength;
  VstInt32 noteOffset;
  char midiData[4];
  char detune;
  char noteOffVelocity;
  char reserved1;
  char reserved2;
};

struct VstEvents {
  VstInt32 numEvents;
  VstIntPtr reserved;
  VstEvent* events[2];  // numEvents entries in truth
};

enum VstPinPropertiesFlags {
  kVstPinIsActive = 1 << 0,
  kVstPinIsStereo = 1 << 1,
};

struct VstPinProperties {
  char label[64];
  VstInt32 flags;
  VstInt32 arrangementType;
  char shortLabel[8];
  char future[48];
};

enum VstSpeakerArrangementType {
  kSpeakerArrUserDefined = -2,
  kSpeakerArrEmpty = -1,
  kSpeakerArrMono = 0,
  kSpeakerArrStereo = 1,
};

struct VstSpeakerProperties {
  float azimuth;
  float elevation;
  float radius;
  float reserved;
  char name[64];
  VstInt32 type;
  char future[28];
};

struct VstSpeakerArrangement {
  VstInt32 type;
  VstInt32 numChannels;
  VstSpeakerProperties speakers[8];
};

struct MidiKeyName {
  VstInt32 thisProgramIndex;
  VstInt32 thisKeyNumber;
  char keyName[64];
  VstInt32 reserved;
  VstInt32 flags;
};

// Lengths of the host's string buffers that IFxVST bounds its copies to
// (terminator included).
const int kVstStringBufLen = 64;
const int kVstEffectNameLen = 32;

#define IFX_VST_OFFSET(rec, field, off32, off64) \
  static_assert(offsetof(rec, field) == (sizeof(void*) == 8 ? (off64) : (off32)), #rec "." #field)

IFX_VST_OFFSET(AEffect, magic, 0, 0);
IFX_VST_OFFSET(AEffect, dispatcher, 4, 8);
IFX_VST_OFFSET(AEffect, process, 8, 16);
IFX_VST_OFFSET(AEffect, setParameter, 12, 24);
IFX_VST_OFFSET(AEffect, getParameter, 16, 32);
IFX_VST_OFFSET(AEffect, numPrograms, 20, 40);
IFX_VST_OFFSET(AEffect, numParams, 24, 44);
IFX_VST_OFFSET(AEffect, numInputs, 28, 48);
IFX_VST_OFFSET(AEffect, numOutputs, 32, 52);
IFX_VST_OFFSET(AEffect, flags, 36, 56);
IFX_VST_OFFSET(AEffect, resvd1, 40, 64);
IFX_VST_OFFSET(AEffect, resvd2, 44, 72);
IFX_VST_OFFSET(AEffect, initialDelay, 48, 80);
IFX_VST_OFFSET(AEffect, realQualities, 52, 84);
IFX_VST_OFFSET(AEffect, offQualities, 56, 88);
IFX_VST_OFFSET(AEffect, ioRatio, 60, 92);
IFX_VST_OFFSET(AEffect, object, 64, 96);
IFX_VST_OFFSET(AEffect, user, 68, 104);
IFX_VST_OFFSET(AEffect, uniqueID, 72, 112);
IFX_VST_OFFSET(AEffect, version, 76, 116);
IFX_VST_OFFSET(AEffect, processReplacing, 80, 120);
IFX_VST_OFFSET(AEffect, processDoubleReplacing, 84, 128);
IFX_VST_OFFSET(AEffect, future, 88, 136);
static_assert(sizeof(AEffect) == (sizeof(void*) == 8 ? 192 : 144), "sizeof AEffect");

IFX_VST_OFFSET(VstTimeInfo, samplePos, 0, 0);
IFX_VST_OFFSET(VstTimeInfo, sampleRate, 8, 8);
IFX_VST_OFFSET(VstTimeInfo, nanoSeconds, 16, 16);
IFX_VST_OFFSET(VstTimeInfo, ppqPos, 24, 24);
IFX_VST_OFFSET(VstTimeInfo, tempo, 32, 32);
IFX_VST_OFFSET(VstTimeInfo, barStartPos, 40, 40);
IFX_VST_OFFSET(VstTimeInfo, cycleStartPos, 48, 48);
IFX_VST_OFFSET(VstTimeInfo, cycleEndPos, 56, 56);
IFX_VST_OFFSET(VstTimeInfo, timeSigNumerator, 64, 64);
IFX_VST_OFFSET(VstTimeInfo, timeSigDenominator, 68, 68);
IFX_VST_OFFSET(VstTimeInfo, smpteOffset, 72, 72);
IFX_VST_OFFSET(VstTimeInfo, smpteFrameRate, 76, 76);
IFX_VST_OFFSET(VstTimeInfo, samplesToNextClock, 80, 80);
IFX_VST_OFFSET(VstTimeInfo, flags, 84, 84);
static_assert(sizeof(VstTimeInfo) == 88, "sizeof VstTimeInfo");

IFX_VST_OFFSET(VstEvents, numEvents, 0, 0);
IFX_VST_OFFSET(VstEvents, reserved, 4, 8);
IFX_VST_OFFSET(VstEvents, events, 8, 16);

IFX_VST_OFFSET(VstEvent, type, 0, 0);
IFX_VST_OFFSET(VstEvent, byteSize, 4, 4);
IFX_VST_OFFSET(VstEvent, deltaFrames, 8, 8);
IFX_VST_OFFSET(VstEvent, flags, 12, 12);
static_assert(sizeof(VstEvent) == 32, "sizeof VstEvent");
IFX_VST_OFFSET(VstMidiEvent, type, 0, 0);
IFX_VST_OFFSET(VstMidiEvent, byteSize, 4, 4);
IFX_VST_OFFSET(VstMidiEvent, deltaFrames, 8, 8);
IFX_VST_OFFSET(VstMidiEvent, flags, 12, 12);
IFX_VST_OFFSET(VstMidiEvent, noteLength, 16, 16);
IFX_VST_OFFSET(VstMidiEvent, noteOffset, 20, 20);
IFX_VST_OFFSET(VstMidiEvent, midiData, 24, 24);
IFX_VST_OFFSET(VstMidiEvent, detune, 28, 28);
IFX_VST_OFFSET(VstMidiEvent, noteOffVelocity, 29, 29);
IFX_VST_OFFSET(VstMidiEvent, reserved1, 30, 30);
IFX_VST_OFFSET(VstMidiEvent, reserved2, 31, 31);
static_assert(sizeof(VstMidiEvent) == 32, "sizeof VstMidiEvent");

IFX_VST_OFFSET(ERect, top, 0, 0);
IFX_VST_OFFSET(ERect, left, 2, 2);
IFX_VST_OFFSET(ERect, bottom, 4, 4);
IFX_VST_OFFSET(ERect, right, 6, 6);
static_assert(sizeof(ERect) == 8, "sizeof ERect");

IFX_VST_OFFSET(VstPinProperties, label, 0, 0);
IFX_VST_OFFSET(VstPinProperties, flags, 64, 64);
IFX_VST_OFFSET(VstPinProperties, arrangementType, 68, 68);
IFX_VST_OFFSET(VstPinProperties, shortLabel, 72, 72);
static_assert(sizeof(VstPinProperties) == 128, "sizeof VstPinProperties");

static_assert(sizeof(VstSpeakerProperties) == 112, "sizeof VstSpeakerProperties");
IFX_VST_OFFSET(VstSpeakerArrangement, type, 0, 0);
IFX_VST_OFFSET(VstSpeakerArrangement, numChannels, 4, 4);
IFX_VST_OFFSET(VstSpeakerArrangement, speakers, 8, 8);

IFX_VST_OFFSET(MidiKeyName, thisProgramIndex, 0, 0);
IFX_VST_OFFSET(MidiKeyName, thisKeyNumber, 4, 4);
IFX_VST_OFFSET(MidiKeyName, keyName, 8, 8);
IFX_VST_OFFSET(MidiKeyName, reserved, 72, 72);
IFX_VST_OFFSET(MidiKeyName, flags, 76, 76);
static_assert(sizeof(MidiKeyName) == 80, "sizeof MidiKeyName");

#undef IFX_VST_OFFSET

#endif
