#include "ParamTable.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <memory>

#include "IFxBase.h"
#include "IParam.h"
#include "ParamSetters.h"
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
  return {index, count, name, Kind::Int, def, min, max, 1.0, 0, nullptr, nullptr, 0, nullptr, {}};
}

constexpr ParamSpec Double(int index, int count, const char* name, double def, double min, double max, double step)
{
  return {index, count, name, Kind::Double, def, min, max, step, 0, nullptr, nullptr, 0, nullptr, {}};
}

// One display text per value, from textOf (none when null).
constexpr ParamSpec Enum(int index, int count, const char* name, double def, int values,
                         const char* (*textOf)(int value))
{
  return {index, count, name, Kind::Enum, def, 0.0, 0.0, 1.0, values, textOf, nullptr, 0, nullptr, {}};
}

// One value per text of the array.
template <const auto& texts>
constexpr ParamSpec Enum(int index, int count, const char* name, double def)
{
  return Enum(index, count, name, def, int(std::size(texts)), TextOf<texts>);
}

constexpr ParamSpec EnumNumbered(int index, const char* name, double def, int values, const char* format, int offset)
{
  return {index, 1, name, Kind::Enum, def, 0.0, 0.0, 1.0, values, nullptr, format, offset, nullptr, {}};
}

// A parameter the table does not declare.
constexpr ParamSpec Undeclared(int index)
{
  return {index, 1, "", Kind::None, 0.0, 0.0, 0.0, 1.0, 0, nullptr, nullptr, 0, nullptr, {}};
}

// The declaration, with what a change does and how the status line reads
// it.
constexpr ParamSpec Routed(ParamSpec spec, ParamSetter* set, const char* label = nullptr,
                           StatusForm form = StatusForm::kNone)
{
  spec.set = set;
  spec.status = {label, form};
  return spec;
}

constexpr StatusForm kDisplay = StatusForm::kDisplay, kOnOff = StatusForm::kOnOff, kOnAtOne = StatusForm::kOnAtOne,
                     kWhole = StatusForm::kWhole, kChannel = StatusForm::kChannel, kDecimal = StatusForm::kDecimal,
                     kStepCC = StatusForm::kStepCC, kSortSlot = StatusForm::kSortSlot, kBeat = StatusForm::kBeat,
                     kDataName = StatusForm::kDataName, kLane = StatusForm::kLane;

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
    Routed(Double(kGate, 1, "Gate", 0, -100, 100, 1), Route::Gate, "Gate: ", kDecimal),
    Routed(Int(kHold, 1, "Hold", 0, 0, 1), Route::Hold, "Hold: ", kOnOff),
    Routed(Enum(kStepRate, 1, "Step rate", 3, kNumStepRates, StepRateText), Route::StepRate, "Rate: ", kDisplay),
    Routed(Enum<kRateTypes>(kStepRateType, 1, "Step rate type", 0), Route::StepRateType, "Rate Type: ", kDisplay),
    Routed(Enum<kDirections>(kDirection, 1, "Direction", 0), Route::Direction, "Direction: ", kDisplay),
    Routed(Enum<kSortOrders>(kSortOrder, 1, "Sort order", 0), Route::SortOrder, "Sort order: ", kDisplay),
    Routed(Double(kSwing, 1, "Swing", 0, 0, 1, 0.01), Route::Swing, "Swing: ", kDecimal),
    Routed(Int(kOctaves, 1, "Octaves", 1, 1, 5), Route::Octaves, "Octaves: ", kDecimal),
    Routed(Int(kTranspose, 1, "Transpose", 0, -12, 12), Route::Transpose, "Transpose: ", kWhole),
    Routed(Enum<kVelocityModes>(kVelocityMode, 1, "Velocity mode", 0), Route::VelocityMode,
           "Velocity mode: ", kDisplay),
    Routed(Int(kResetOnNewNote, 1, "Reset on new note", 0, 0, 1), Route::ResetOnNewNote, "Reset on new note: ", kOnOff),
    Routed(Int(kResetNoteList, 1, "Reset note list on pattern reset", 0, 0, 1), Route::ResetNoteList,
           "Reset note list: ", kOnOff),
    Routed(Int(kResetOnBeat, 1, "Reset on beat (on/off)", 0, 0, 1), Route::ResetOnBeat, "Reset on beat: ", kOnOff),
    Routed(Int(kResetOnBeatValue, 1, "Reset on beat value", 1, 1, 16), Route::ResetOnBeatValue, "Beat: ", kBeat),
    Routed(Int(kStepOn, kNumSteps, "Step on/off %d", 1, 0, 1), Route::StepOn, "Pattern step: ", kOnAtOne),
    Routed(Int(kPatternSteps, 1, "Pattern steps", 16, 1, 16), Route::PatternSteps, "Steps: ", kWhole),
    Routed(Int(kPatternOn, 1, "Pattern on/off", 1, 0, 1), Route::PatternOn, "Pattern: ", kOnOff),
    Routed(Enum<kCustomSlots>(kCustomSortOrder, kNumCustomSlots, "Custom sort order", 0), Route::CustomSortOrder,
           "Custom sort order: ", kSortSlot),
    Routed(Enum(kScale, 1, "Scale", 0, ScaleQuantizer::kScaleCount + 1, ScaleText), Route::Scale, "Scale: ", kDisplay),
    Routed(Enum<kNoteNames>(kScaleKey, 1, "Scale key ", 0), Route::ScaleKey, "Scale key: ", kDisplay),
    Routed(EnumNumbered(kScaleMode, "Scale mode", 0, 12, "%d", 0), Route::ScaleMode, "Scale mode: ", kDisplay),
    Routed(Int(kStepLength, kNumSteps, "Step length %d", 1, 1, 8), Route::StepLength, "Length: ", kWhole),
    Routed(Double(kStepGate, kNumSteps, "Step gate %d", 0, -100, 100, 1), Route::StepGate, "Gate: ", kWhole),
    Routed(Double(kStepAccent, kNumSteps, "Step accent %d", 0, -100, 100, 1), Route::StepAccent, "Accent: ", kWhole),
    Routed(Int(kStepTranspose, kNumSteps, "Step transpose %d", 0, -24, 24), Route::StepTranspose,
           "Transpose: ", kWhole),
    Routed(Int(kStepDiv, kNumSteps, "Step div %d", 0, 0, 7), Route::StepDiv, "Div: ", kWhole),
    Routed(Double(kStepShift, kNumSteps, "Step shift %d", 0, -50, 50, 0.1), Route::StepShift, "Shift: ", kWhole),
    Routed(Enum<kStepDataTexts>(kStepData, kNumSteps, "Step data %d", 0), Route::StepData, "Data: ", kDataName),
    Routed(Int(kStepCC1, kNumSteps, "Step CC1 %d", 0, 0, 128), Route::StepCC1, "CC1: ", kStepCC),
    Routed(Int(kStepCC2, kNumSteps, "Step CC2 %d", 0, 0, 128), Route::StepCC2, "CC2: ", kStepCC),
    Routed(EnumNumbered(kPatternSelection, "Pattern selection", 0, 1, "Pattern %d", 1), Route::PatternSelection),
    Routed(EnumNumbered(kSceneSelection, "Scene selection", 0, 1, "Scene %d", 1), Route::SceneSelection),
    Routed(Int(kPatternSwitch, kNumPatternSwitches, "Pattern", 0, 0, 0), Route::PatternSwitch),
    Routed(EnumNumbered(kMidiInChannel, "MIDI in channel", 0, 16, "%d", 1), Route::MidiInChannel,
           "MIDI in: ", kChannel),
    Routed(EnumNumbered(kMidiOutChannel, "MIDI out channel", 0, 16, "%d", 1), Route::MidiOutChannel,
           "MIDI out: ", kChannel),
    Routed(EnumNumbered(kCC1Control, "CC1 control", 0, 128, "%d", 0), Route::CC1Control, "CC1: ", kWhole),
    Routed(EnumNumbered(kCC2Control, "CC2 control", 1, 128, "%d", 0), Route::CC2Control, "CC2: ", kWhole),
    // The teach buttons' parameters keep the record's defaults.
    Routed(Undeclared(kCC1Teach), Route::CC1Teach, "CC1 teach: ", kOnOff),
    Routed(Undeclared(kCC2Teach), Route::CC2Teach, "CC2 teach: ", kOnOff),
    Routed(Enum<kNoteNames>(kSplitNoteName, 1, "Split note name", 0), Route::SplitNoteName,
           "Split note name: ", kDisplay),
    Routed(EnumNumbered(kSplitNoteNumber, "Split note number", 0, 11, "%d", 0), Route::SplitNoteNumber,
           "Split note number: ", kDisplay),
    Routed(Enum<kSplitSides>(kSplitSide, 1, "Split side", 0), Route::SplitSide, "Split note side: ", kDisplay),
    Routed(Enum(kStepMode, 1, "Step mode", 0, kNumLanes, nullptr), Route::StepMode, "Mode: ", kLane),
    // Starts at its first entry, within its range: only its menu reads it,
    // and a choice sets it before it is acted on.
    Enum<kLearnMenu>(kMidiLearnMenu, 1, "MIDI learn", 0),
    Enum<kStepsMenu>(kResetStepsMenu, 1, "Reset steps", 0),
    // Declared per instance (DeclareMidiOutputParam).
    Routed(Undeclared(kMidiOutput), Route::MidiOutput),
    Int(kCCMapping, kNumControllers, "", -1, -1, 1000),
};

const int kParamTableSize = int(std::size(kParamTable));

const ParamSpec* FindParamSpec(int index)
{
  const ParamSpec* end = std::end(kParamTable);
  const ParamSpec* spec =
      std::upper_bound(std::begin(kParamTable), end, index, [](int i, const ParamSpec& s) { return i < s.index; });
  if (spec == std::begin(kParamTable)) return nullptr;
  --spec;
  return InGroup(index, spec->index, spec->count) ? spec : nullptr;
}

double MinOf(const ParamSpec& spec) { return spec.kind == Kind::Enum ? 0.0 : spec.min; }
double MaxOf(const ParamSpec& spec) { return spec.kind == Kind::Enum ? spec.values - 1.0 : spec.max; }

namespace {

// first: the spec's first parameter, the others following it.
void Declare(IParam* first, const ParamSpec& spec)
{
  for (int k = 1; k <= spec.count; ++k) {
    IParam* param = first + k - 1;
    char name[64];
    std::snprintf(name, sizeof name, spec.name, k);
    switch (spec.kind) {
      case Kind::None: break;
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
