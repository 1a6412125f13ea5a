#include "ParamStatus.h"

#include <cstdio>

#include "ParamTable.h"

using namespace TolvoParams;

namespace {

const char* const kBeats[] = {"1/16", "1/8", "3/16",  "2/8", "5/16",  "3/8", "7/16",  "1/2",
                              "9/16", "5/8", "11/16", "6/8", "13/16", "7/8", "15/16", "1"};
const char* const kDataTexts[] = {"Play", "Off", "Previous", "First", "Last", "High", "Low", "Chord", "Random"};
const char* const kModes[] = {"Length", "Gate", "Accent", "Transpose", "Div", "Shift", "Data", "CC1", "CC2"};

}  // namespace

bool DescribeParamStatus(int index, double value, const char* displayText, ParamStatus* status)
{
  const int v = int(value);
  const char* onOff = value == 0 ? "Off" : "On";
  auto text = [&](const char* label, const char* s) {
    *status = ParamStatus{label, ParamStatus::kText, s, 0, 0.0};
    return true;
  };
  auto whole = [&](const char* label, int n) {
    *status = ParamStatus{label, ParamStatus::kWhole, nullptr, n, 0.0};
    return true;
  };
  auto decimal = [&](const char* label) {
    *status = ParamStatus{label, ParamStatus::kDecimal, nullptr, 0, value};
    return true;
  };

  if (InGroup(index, kStepOn)) return text("Pattern step: ", value == 1 ? "On" : "Off");
  if (InGroup(index, kCustomSortOrder, kNumCustomSlots)) {
    if (v == 0) return text("Custom sort order: ", "*");
    if (v == 9) return text("Custom sort order: ", "Stop");
    return whole("Custom sort order: ", v);
  }
  if (InGroup(index, kStepLength)) return whole("Length: ", v);
  if (InGroup(index, kStepGate)) return whole("Gate: ", v);
  if (InGroup(index, kStepAccent)) return whole("Accent: ", v);
  if (InGroup(index, kStepTranspose)) return whole("Transpose: ", v);
  if (InGroup(index, kStepDiv)) return whole("Div: ", v);
  if (InGroup(index, kStepShift)) return whole("Shift: ", v);
  if (InGroup(index, kStepData)) {
    if (v < 0 || v > 8) return false;
    return text("Data: ", kDataTexts[v]);
  }
  if (InGroup(index, kStepCC1)) return value > 0 ? whole("CC1: ", int(value - 1)) : text("CC1: ", "off");
  if (InGroup(index, kStepCC2)) return value > 0 ? whole("CC2: ", int(value - 1)) : text("CC2: ", "off");

  switch (index) {
    case kGate: return decimal("Gate: ");
    case kHold: return text("Hold: ", onOff);
    case kStepRate: return text("Rate: ", displayText);
    case kStepRateType: return text("Rate Type: ", displayText);
    case kDirection: return text("Direction: ", displayText);
    case kSortOrder: return text("Sort order: ", displayText);
    case kSwing: return decimal("Swing: ");
    case kOctaves: return decimal("Octaves: ");
    case kTranspose: return whole("Transpose: ", v);
    case kVelocityMode: return text("Velocity mode: ", displayText);
    case kResetOnNewNote: return text("Reset on new note: ", onOff);
    case kResetNoteList: return text("Reset note list: ", onOff);
    case kResetOnBeat: return text("Reset on beat: ", onOff);
    case kResetOnBeatValue:
      if (v < 1 || v > 16) return false;
      return text("Beat: ", kBeats[v - 1]);
    case kPatternSteps: return whole("Steps: ", v);
    case kPatternOn: return text("Pattern: ", onOff);
    case kScale: return text("Scale: ", displayText);
    case kScaleKey: return text("Scale key: ", displayText);
    case kScaleMode: return text("Scale mode: ", displayText);
    case kStepMode:
      if (v < 0 || v > 8) return false;
      return text("Mode: ", kModes[v]);
    case kMidiInChannel: return whole("MIDI in: ", v + 1);
    case kMidiOutChannel: return whole("MIDI out: ", v + 1);
    case kCC1Control: return whole("CC1: ", v);
    case kCC2Control: return whole("CC2: ", v);
    case kCC1Teach: return text("CC1 teach: ", onOff);
    case kCC2Teach: return text("CC2 teach: ", onOff);
    case kSplitNoteName: return text("Split note name: ", displayText);
    case kSplitNoteNumber: return text("Split note number: ", displayText);
    case kSplitSide: return text("Split note side: ", displayText);
    default: return false;
  }
}

void WriteParamStatus(const ParamStatus& status, char* out, std::size_t size)
{
  switch (status.form) {
    case ParamStatus::kText: std::snprintf(out, size, "%s%s", status.label, status.text); break;
    case ParamStatus::kWhole: std::snprintf(out, size, "%s%d", status.label, status.whole); break;
    case ParamStatus::kDecimal: std::snprintf(out, size, "%s%.1f", status.label, status.decimal); break;
  }
}

bool FormatParamStatus(int index, double value, const char* displayText, char* out, std::size_t size)
{
  ParamStatus status;
  if (!DescribeParamStatus(index, value, displayText, &status)) return false;
  WriteParamStatus(status, out, size);
  return true;
}
