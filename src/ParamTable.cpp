#include "ParamTable.h"

#include <cstdio>

#include "IFxBase.h"
#include "IParam.h"

namespace TolvoParams {
namespace {

constexpr ParamSpec Int(int index, int count, const char* name, double def, double min, double max)
{
  return {index, count, name, Kind::Int, def, min, max, 1.0, 0, nullptr, nullptr, 0};
}

constexpr ParamSpec Double(int index, int count, const char* name, double def, double min, double max, double step)
{
  return {index, count, name, Kind::Double, def, min, max, step, 0, nullptr, nullptr, 0};
}

constexpr ParamSpec Enum(int index, int count, const char* name, double def, int values, const char* const* texts)
{
  return {index, count, name, Kind::Enum, def, 0.0, 0.0, 1.0, values, texts, nullptr, 0};
}

constexpr ParamSpec EnumNumbered(int index, const char* name, double def, int values, const char* format, int offset)
{
  return {index, 1, name, Kind::Enum, def, 0.0, 0.0, 1.0, values, nullptr, format, offset};
}

const char* const kRates[] = {"1", "1/2", "1/4", "1/8", "1/16", "1/32", "1/64", "1/128"};
const char* const kRateTypes[] = {"Normal", "Triplet", "Dotted"};
const char* const kDirections[] = {"Up", "Down", "Up Alt", "Down Alt"};
const char* const kSortOrders[] = {"Lo-Hi", "Hi-Lo", "As played", "Reversed", "Custom"};
const char* const kVelocityModes[] = {"Note", "First", "Last", "Average"};
const char* const kCustomSlots[] = {"*", "1", "2", "3", "4", "5", "6", "7", "R", "S"};
const char* const kNoteNames[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
const char* const kStepDataTexts[] = {"Play",    "Off",    "Previous", "First", "Last",
                                      "Highest", "Lowest", "Chord",    "Random"};
const char* const kSplitSides[] = {"Off", "Left", "Right"};
const char* const kLearnMenu[] = {"MIDI learn", "MIDI unlearn"};
const char* const kStepsMenu[] = {"MIDI learn", "MIDI unlearn", "Reset steps"};

// The blanks at the end of some names are part of the names.
const char* const kScales[] = {"Off",
                               "Major",
                               "Minor",
                               "Melodic Minor",
                               "Harmonic Minor",
                               "Minor Pentatonic",
                               "Major Pentatonic",
                               "Blues Pentatonic",
                               "Neut. Pentatonic",
                               "Dim Half",
                               "Dim Whole",
                               "Whole",
                               "Augmented",
                               "Chromatic",
                               "Roumanian Minor",
                               "Spanish Gypsy ",
                               "Blues",
                               "Diatonic",
                               "Double Harmonic ",
                               "Eight Tone Spanish ",
                               "Enigmatic",
                               "Leading Whole Tone ",
                               "Lydian Augmented ",
                               "Neoploitan Major",
                               "Neopolitan Minor ",
                               "Pelog",
                               "Prometheus",
                               "Promet. Neop.",
                               "Six Tone Sym.",
                               "Super Locrian",
                               "Lydian Minor",
                               "Lydian Dim",
                               "Nine Tone Scale",
                               "Aux Dim",
                               "Aux Augmented",
                               "Aux Dim Blues",
                               "Major Locrian",
                               "Overtone",
                               "Dim Whole Tone ",
                               "Pure Minor",
                               "Dominant 7th"};

static_assert(sizeof kScales / sizeof kScales[0] == 41, "Off and the engine's 40 scales");

}  // namespace

// Indices missing here are never declared and keep the record's defaults.
const ParamSpec kParamTable[] = {
    Double(kGate, 1, "Gate", 0, -100, 100, 1),
    Int(kHold, 1, "Hold", 0, 0, 1),
    Enum(kStepRate, 1, "Step rate", 3, 8, kRates),
    Enum(kStepRateType, 1, "Step rate type", 0, 3, kRateTypes),
    Enum(kDirection, 1, "Direction", 0, 4, kDirections),
    Enum(kSortOrder, 1, "Sort order", 0, 5, kSortOrders),
    Double(kSwing, 1, "Swing", 0, 0, 1, 0.01),
    Int(kOctaves, 1, "Octaves", 1, 1, 5),
    Int(kTranspose, 1, "Transpose", 0, -12, 12),
    Enum(kVelocityMode, 1, "Velocity mode", 0, 4, kVelocityModes),
    Int(kResetOnNewNote, 1, "Reset on new note", 0, 0, 1),
    Int(kResetNoteList, 1, "Reset note list on pattern reset", 0, 0, 1),
    Int(kResetOnBeat, 1, "Reset on beat (on/off)", 0, 0, 1),
    Int(kResetOnBeatValue, 1, "Reset on beat value", 1, 1, 16),
    Int(kStepOn, kNumSteps, "Step on/off %d", 1, 0, 1),
    Int(kPatternSteps, 1, "Pattern steps", 16, 1, 16),
    Int(kPatternOn, 1, "Pattern on/off", 1, 0, 1),
    Enum(kCustomSortOrder, kNumCustomSlots, "Custom sort order", 0, 10, kCustomSlots),
    Enum(kScale, 1, "Scale", 0, 41, kScales),
    Enum(kScaleKey, 1, "Scale key ", 0, 12, kNoteNames),
    EnumNumbered(kScaleMode, "Scale mode", 0, 12, "%d", 0),
    Int(kStepLength, kNumSteps, "Step length %d", 1, 1, 8),
    Double(kStepGate, kNumSteps, "Step gate %d", 0, -100, 100, 1),
    Double(kStepAccent, kNumSteps, "Step accent %d", 0, -100, 100, 1),
    Int(kStepTranspose, kNumSteps, "Step transpose %d", 0, -24, 24),
    Int(kStepDiv, kNumSteps, "Step div %d", 0, 0, 7),
    Double(kStepShift, kNumSteps, "Step shift %d", 0, -50, 50, 0.1),
    Enum(kStepData, kNumSteps, "Step data %d", 0, 9, kStepDataTexts),
    Int(kStepCC1, kNumSteps, "Step CC1 %d", 0, 0, 128),
    Int(kStepCC2, kNumSteps, "Step CC2 %d", 0, 0, 128),
    EnumNumbered(kPatternSelection, "Pattern selection", 0, 1, "Pattern %d", 1),
    EnumNumbered(kSceneSelection, "Scene selection", 0, 1, "Scene %d", 1),
    Int(kPatternSwitch, kNumPatternSwitches, "Pattern", 0, 0, 0),
    EnumNumbered(kMidiInChannel, "MIDI in channel", 0, 16, "%d", 1),
    EnumNumbered(kMidiOutChannel, "MIDI out channel", 0, 16, "%d", 1),
    EnumNumbered(kCC1Control, "CC1 control", 0, 128, "%d", 0),
    EnumNumbered(kCC2Control, "CC2 control", 1, 128, "%d", 0),
    Enum(kSplitNoteName, 1, "Split note name", 0, 12, kNoteNames),
    EnumNumbered(kSplitNoteNumber, "Split note number", 0, 11, "%d", 0),
    Enum(kSplitSide, 1, "Split side", 0, 3, kSplitSides),
    Enum(kStepMode, 1, "Step mode", 0, 9, nullptr),
    Enum(kMidiLearnMenu, 1, "MIDI learn", -1, 2, kLearnMenu),
    Enum(kResetStepsMenu, 1, "Reset steps", 0, 3, kStepsMenu),
    Int(kCCMapping, kNumControllers, "", -1, -1, 1000),
};

void DeclareParams(IFxBase* plug)
{
  for (const ParamSpec& spec : kParamTable) {
    for (int k = 1; k <= spec.count; ++k) {
      IParam* param = plug->GetParam(spec.index + k - 1);
      char name[64];
      std::snprintf(name, sizeof name, spec.name, k);
      switch (spec.kind) {
        case Kind::Int: param->InitInt(name, int(spec.defaultValue), int(spec.min), int(spec.max), ""); break;
        case Kind::Double: param->InitDouble(name, spec.defaultValue, spec.min, spec.max, spec.step, ""); break;
        case Kind::Enum:
          param->InitEnum(name, int(spec.defaultValue), spec.values);
          for (int v = 0; v < spec.values; ++v) {
            if (spec.texts) {
              param->SetDisplayText(v, spec.texts[v]);
            } else if (spec.textFormat) {
              char text[32];
              std::snprintf(text, sizeof text, spec.textFormat, v + spec.textOffset);
              param->SetDisplayText(v, text);
            }
          }
          break;
      }
    }
  }
}

}  // namespace TolvoParams
