#include "ParamTable.h"

#include <cstdio>
#include <iterator>
#include <memory>

#include "IFxBase.h"
#include "IParam.h"
#include "ScaleQuantizer.h"

namespace TolvoParams {
namespace {

template <const auto& texts>
const char* TextOf(int value)
{
  return texts[value];
}

const char* StepRateText(int value) { return kStepRates[value].text; }

const char* ScaleText(int value) { return value == 0 ? "Off" : ScaleQuantizer::GetScaleName(value - 1); }

constexpr ParamSpec Int(int index, int count, const char* name, double def, double min, double max)
{
  return {index, count, name, Kind::Int, def, min, max, 1.0, 0, nullptr, nullptr, 0};
}

constexpr ParamSpec Double(int index, int count, const char* name, double def, double min, double max, double step)
{
  return {index, count, name, Kind::Double, def, min, max, step, 0, nullptr, nullptr, 0};
}

// One display text per value, from textOf (none when null).
constexpr ParamSpec Enum(int index, int count, const char* name, double def, int values,
                         const char* (*textOf)(int value))
{
  return {index, count, name, Kind::Enum, def, 0.0, 0.0, 1.0, values, textOf, nullptr, 0};
}

// One value per text of the array.
template <const auto& texts>
constexpr ParamSpec Enum(int index, int count, const char* name, double def)
{
  return Enum(index, count, name, def, int(std::size(texts)), TextOf<texts>);
}

constexpr ParamSpec EnumNumbered(int index, const char* name, double def, int values, const char* format, int offset)
{
  return {index, 1, name, Kind::Enum, def, 0.0, 0.0, 1.0, values, nullptr, format, offset};
}

constexpr const char* kRateTypes[] = {"Normal", "Triplet", "Dotted"};
constexpr const char* kDirections[] = {"Up", "Down", "Up Alt", "Down Alt"};
constexpr const char* kSortOrders[] = {"Lo-Hi", "Hi-Lo", "As played", "Reversed", "Custom"};
constexpr const char* kVelocityModes[] = {"Note", "First", "Last", "Average"};
constexpr const char* kCustomSlots[] = {"*", "1", "2", "3", "4", "5", "6", "7", "R", "S"};
constexpr const char* kNoteNames[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
constexpr const char* kStepDataTexts[] = {"Play",    "Off",    "Previous", "First", "Last",
                                          "Highest", "Lowest", "Chord",    "Random"};
constexpr const char* kSplitSides[] = {"Off", "Left", "Right"};
constexpr const char* kMidiOutputs[] = {"Host", "Virtual output"};
constexpr const char* kLearnMenu[] = {"MIDI learn", "MIDI unlearn"};
constexpr const char* kStepsMenu[] = {"MIDI learn", "MIDI unlearn", "Reset steps"};

}  // namespace

const ParamSpec kParamTable[] = {
    Double(kGate, 1, "Gate", 0, -100, 100, 1),
    Int(kHold, 1, "Hold", 0, 0, 1),
    Enum(kStepRate, 1, "Step rate", 3, kNumStepRates, StepRateText),
    Enum<kRateTypes>(kStepRateType, 1, "Step rate type", 0),
    Enum<kDirections>(kDirection, 1, "Direction", 0),
    Enum<kSortOrders>(kSortOrder, 1, "Sort order", 0),
    Double(kSwing, 1, "Swing", 0, 0, 1, 0.01),
    Int(kOctaves, 1, "Octaves", 1, 1, 5),
    Int(kTranspose, 1, "Transpose", 0, -12, 12),
    Enum<kVelocityModes>(kVelocityMode, 1, "Velocity mode", 0),
    Int(kResetOnNewNote, 1, "Reset on new note", 0, 0, 1),
    Int(kResetNoteList, 1, "Reset note list on pattern reset", 0, 0, 1),
    Int(kResetOnBeat, 1, "Reset on beat (on/off)", 0, 0, 1),
    Int(kResetOnBeatValue, 1, "Reset on beat value", 1, 1, 16),
    Int(kStepOn, kNumSteps, "Step on/off %d", 1, 0, 1),
    Int(kPatternSteps, 1, "Pattern steps", 16, 1, 16),
    Int(kPatternOn, 1, "Pattern on/off", 1, 0, 1),
    Enum<kCustomSlots>(kCustomSortOrder, kNumCustomSlots, "Custom sort order", 0),
    Enum(kScale, 1, "Scale", 0, ScaleQuantizer::kScaleCount + 1, ScaleText),
    Enum<kNoteNames>(kScaleKey, 1, "Scale key ", 0),
    EnumNumbered(kScaleMode, "Scale mode", 0, 12, "%d", 0),
    Int(kStepLength, kNumSteps, "Step length %d", 1, 1, 8),
    Double(kStepGate, kNumSteps, "Step gate %d", 0, -100, 100, 1),
    Double(kStepAccent, kNumSteps, "Step accent %d", 0, -100, 100, 1),
    Int(kStepTranspose, kNumSteps, "Step transpose %d", 0, -24, 24),
    Int(kStepDiv, kNumSteps, "Step div %d", 0, 0, 7),
    Double(kStepShift, kNumSteps, "Step shift %d", 0, -50, 50, 0.1),
    Enum<kStepDataTexts>(kStepData, kNumSteps, "Step data %d", 0),
    Int(kStepCC1, kNumSteps, "Step CC1 %d", 0, 0, 128),
    Int(kStepCC2, kNumSteps, "Step CC2 %d", 0, 0, 128),
    EnumNumbered(kPatternSelection, "Pattern selection", 0, 1, "Pattern %d", 1),
    EnumNumbered(kSceneSelection, "Scene selection", 0, 1, "Scene %d", 1),
    Int(kPatternSwitch, kNumPatternSwitches, "Pattern", 0, 0, 0),
    EnumNumbered(kMidiInChannel, "MIDI in channel", 0, 16, "%d", 1),
    EnumNumbered(kMidiOutChannel, "MIDI out channel", 0, 16, "%d", 1),
    EnumNumbered(kCC1Control, "CC1 control", 0, 128, "%d", 0),
    EnumNumbered(kCC2Control, "CC2 control", 1, 128, "%d", 0),
    Enum<kNoteNames>(kSplitNoteName, 1, "Split note name", 0),
    EnumNumbered(kSplitNoteNumber, "Split note number", 0, 11, "%d", 0),
    Enum<kSplitSides>(kSplitSide, 1, "Split side", 0),
    Enum(kStepMode, 1, "Step mode", 0, kNumLanes, nullptr),
    // Starts at its first entry, within its range: only its menu reads it,
    // and a choice sets it before it is acted on.
    Enum<kLearnMenu>(kMidiLearnMenu, 1, "MIDI learn", 0),
    Enum<kStepsMenu>(kResetStepsMenu, 1, "Reset steps", 0),
    Int(kCCMapping, kNumControllers, "", -1, -1, 1000),
};

const int kParamTableSize = int(std::size(kParamTable));

namespace {

// first: the spec's first parameter, the others following it.
void Declare(IParam* first, const ParamSpec& spec)
{
  for (int k = 1; k <= spec.count; ++k) {
    IParam* param = first + k - 1;
    char name[64];
    std::snprintf(name, sizeof name, spec.name, k);
    switch (spec.kind) {
      case Kind::Int: param->InitInt(name, int(spec.defaultValue), int(spec.min), int(spec.max), ""); break;
      case Kind::Double: param->InitDouble(name, spec.defaultValue, spec.min, spec.max, spec.step, ""); break;
      case Kind::Enum:
        param->InitEnum(name, int(spec.defaultValue), spec.values);
        for (int v = 0; v < spec.values; ++v) {
          if (spec.textOf) {
            param->SetDisplayText(v, spec.textOf(v));
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

// The table declared once in a process, names and texts formatted: each
// instance's parameters are declared as these are, and share their texts.
const IParam* Declared()
{
  static const std::unique_ptr<IParam[]> declared = [] {
    std::unique_ptr<IParam[]> params(new IParam[kNumParams]);
    for (const ParamSpec& spec : kParamTable) Declare(&params[spec.index], spec);
    return params;
  }();
  return declared.get();
}

}  // namespace

void DeclareParams(IFxBase* plug)
{
  const IParam* declared = Declared();
  for (int i = 0; i < kNumParams; ++i)
    if (IParam* param = plug->GetParam(i)) param->InitFrom(declared[i]);
}

void DeclareMidiOutputParam(IFxBase* plug, bool virtualSourceOpen)
{
  // Per instance: its texts depend on the instance's own source.
  IParam* param = plug->GetParam(kMidiOutput);
  if (param) Declare(param, Enum(kMidiOutput, 1, "MIDI output", 0, virtualSourceOpen ? 2 : 1, TextOf<kMidiOutputs>));
}

}  // namespace TolvoParams
