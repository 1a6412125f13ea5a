#include "ParamStatus.h"

#include <cstdio>

#include "ParamTable.h"

using namespace TolvoParams;

namespace {

const char* const kBeats[] = {"1/16", "1/8", "3/16",  "2/8", "5/16",  "3/8", "7/16",  "1/2",
                              "9/16", "5/8", "11/16", "6/8", "13/16", "7/8", "15/16", "1"};
const char* const kDataTexts[] = {"Play", "Off", "Previous", "First", "Last", "High", "Low", "Chord", "Random"};

// The list's entry v, none for a value outside it.
template <int n>
const char* Entry(const char* const (&texts)[n], int v)
{
  return v >= 0 && v < n ? texts[v] : nullptr;
}

const char* LaneName(int v) { return v >= 0 && v < kNumLanes ? kLanes[v].name : nullptr; }

}  // namespace

bool DescribeParamStatus(int index, double value, const char* displayText, ParamStatus* status)
{
  const ParamSpec* spec = FindParamSpec(index);
  if (!spec) return false;
  const char* label = spec->status.label;
  const int v = int(value);
  auto text = [&](const char* s) {
    if (!s) return false;
    *status = ParamStatus{label, ParamStatus::kText, s, 0, 0.0};
    return true;
  };
  auto whole = [&](int n) {
    *status = ParamStatus{label, ParamStatus::kWhole, nullptr, n, 0.0};
    return true;
  };

  switch (spec->status.form) {
    case StatusForm::kNone: return false;
    case StatusForm::kDisplay: return text(displayText);
    case StatusForm::kOnOff: return text(value == 0 ? "Off" : "On");
    case StatusForm::kOnAtOne: return text(value == 1 ? "On" : "Off");
    case StatusForm::kWhole: return whole(v);
    case StatusForm::kChannel: return whole(v + 1);
    case StatusForm::kDecimal: *status = ParamStatus{label, ParamStatus::kDecimal, nullptr, 0, value}; return true;
    case StatusForm::kStepCC: return value > 0 ? whole(int(value - 1)) : text("off");
    case StatusForm::kSortSlot: return v == 0 ? text("*") : v == 9 ? text("Stop") : whole(v);
    case StatusForm::kBeat: return text(Entry(kBeats, v - 1));
    case StatusForm::kDataName: return text(Entry(kDataTexts, v));
    case StatusForm::kLane: return text(LaneName(v));
  }
  return false;
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
