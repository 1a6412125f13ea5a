#ifndef PARAMTABLE_H
#define PARAMTABLE_H

// The plug-in's 391 parameters: their indices, and the table of records
// from which the constructor declares them, the router hands them to the
// engine and the status line describes their changes.

class IFxBase;
struct ParamRoute;

namespace TolvoParams {

enum Index {
  kGate = 0,
  kHold = 1,
  kStepRate = 2,
  kStepRateType = 3,
  kDirection = 4,
  kSortOrder = 5,
  kSwing = 6,
  kOctaves = 7,
  kTranspose = 8,
  kVelocityMode = 9,
  kResetOnNewNote = 10,
  kResetNoteList = 11,
  kResetOnBeat = 12,
  kResetOnBeatValue = 13,
  kStepOn = 14,  // 16 steps
  kPatternSteps = 30,
  kPatternOn = 46,
  kCustomSortOrder = 47,  // 8 slots
  kScale = 55,
  kScaleKey = 56,
  kScaleMode = 57,
  kStepLength = 62,  // the lanes of 16 steps each
  kStepGate = 78,
  kStepAccent = 94,
  kStepTranspose = 110,
  kStepDiv = 126,
  kStepShift = 142,
  kStepData = 158,
  kStepCC1 = 174,
  kStepCC2 = 190,
  kPatternSelection = 207,
  kSceneSelection = 208,
  kPatternSwitch = 210,  // 32 switches
  kMidiInChannel = 246,
  kMidiOutChannel = 247,
  kCC1Control = 248,
  kCC2Control = 249,
  kCC1Teach = 250,
  kCC2Teach = 251,
  kSplitNoteName = 253,
  kSplitNoteNumber = 254,
  kSplitSide = 255,
  kPatternViewParam = 256,  // the step editor's own; never declared
  kStepMode = 257,
  kMidiLearnMenu = 260,
  kResetStepsMenu = 261,
  kMidiOutput = 262,  // the Audio Unit build only
  kCCMapping = 263,   // one per MIDI controller 0..127

  kNumHostParams = 206,
  kNumParams = 391,
  kNumSteps = 16,
  kNumLanes = 9,  // kStepLength to kStepCC2
  kNumCustomSlots = 8,
  kNumPatternSwitches = 32,
  kNumControllers = 128
};

// The lanes in "Step mode" order: the first parameter, the name the status
// line gives and the text of its step-mode button.
struct Lane {
  int base;
  const char* name;
  const char* button;
};
inline constexpr Lane kLanes[kNumLanes] = {
    {kStepLength, "Length", "Length"}, {kStepGate, "Gate", "Gate"},
    {kStepAccent, "Accent", "Accent"}, {kStepTranspose, "Transpose", "Transp"},
    {kStepDiv, "Div", "Div"},          {kStepShift, "Shift", "Shift"},
    {kStepData, "Data", "Data"},       {kStepCC1, "CC1", "CC1"},
    {kStepCC2, "CC2", "CC2"},
};

// "Step rate" value v: a step of 1 / 2^v bar.
struct StepRate {
  const char* text;
  double beats;
};
inline constexpr StepRate kStepRates[] = {{"1", 4.0},     {"1/2", 2.0},    {"1/4", 1.0},     {"1/8", 0.5},
                                          {"1/16", 0.25}, {"1/32", 0.125}, {"1/64", 0.0625}, {"1/128", 0.03125}};
constexpr int kNumStepRates = sizeof kStepRates / sizeof kStepRates[0];

// Whether `index` is one of the `count` parameters from `base` on.
constexpr bool InGroup(int index, int base, int count = kNumSteps) { return index >= base && index < base + count; }

// None: a parameter the table does not declare (it keeps the parameter
// record's defaults, or is declared apart), which still routes.
enum class Kind { None, Int, Enum, Double };

// What a change of the record's member (0-based) to a plain value does.
// Under the plug lock, from either thread; allocation-free.
using ParamSetter = void(ParamRoute& to, int member, double value);

// How the status line reads a change: a label, then the value in one of
// these forms. The value v is the plain value truncated.
enum class StatusForm {
  kNone,      // no text
  kDisplay,   // the parameter's display text
  kOnOff,     // "Off" at 0, else "On"
  kOnAtOne,   // "On" at 1, else "Off"
  kWhole,     // v
  kChannel,   // v + 1
  kDecimal,   // one decimal
  kStepCC,    // the controller value (value - 1), "off" at 0 and below
  kSortSlot,  // "*" at 0, "Stop" at 9, else v
  kBeat,      // the beat length of v = 1..16
  kDataName,  // the step data's name for v = 0..8
  kLane       // the lane's name for v = 0..8
};
struct StatusSpec {
  const char* label;
  StatusForm form;
};

// One record declares `count` parameters from `index` on. A name holding
// "%d" is filled with the member's number (1-based). Enum display texts
// come from `textOf` when given, else from `textFormat` filled with
// value + `textOffset` for each value; neither gives no texts. `set` (none
// for parameters that change nothing) and `status` say what a change does
// and how the status line reads it.
struct ParamSpec {
  int index;
  int count;
  const char* name;
  Kind kind;
  double defaultValue;
  double min;   // Int, Double
  double max;   // Int, Double
  double step;  // Double
  int values;   // Enum
  const char* (*textOf)(int value);
  const char* textFormat;
  int textOffset;
  ParamSetter* set;
  StatusSpec status;
};

// The records in index order; indices missing from them are never declared
// and keep the parameter record's defaults.
extern const ParamSpec kParamTable[];
extern const int kParamTableSize;

// The record of parameter `index`, null for one that has none. Any thread.
const ParamSpec* FindParamSpec(int index);
// The plain range of the record's parameters, as they are declared.
double MinOf(const ParamSpec& spec);
double MaxOf(const ParamSpec& spec);

// Declares every parameter of the table on the plug-in, in index order.
void DeclareParams(IFxBase* plug);
// Declares "MIDI output": "Host", and "Virtual output" when the plug-in's
// virtual MIDI source is open.
void DeclareMidiOutputParam(IFxBase* plug, bool virtualSourceOpen);

}  // namespace TolvoParams

#endif
