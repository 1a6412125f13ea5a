#ifndef PARAMSTATUS_H
#define PARAMSTATUS_H

// The status-line text that describes a parameter change: what it says,
// found without formatting anything (the audio thread asks whether there
// is a text at all), and the text written out.

#include <cstddef>

struct ParamStatus {
  enum Form { kText, kWhole, kDecimal };
  const char* label;
  Form form;
  const char* text;  // kText
  int whole;         // kWhole
  double decimal;    // kDecimal: written with one decimal
};

// What the status text for parameter `index` at plain `value` says;
// `displayText` is the parameter's display text for that value (it must
// outlive the description). False for parameters and values that show no
// text. Any thread.
bool DescribeParamStatus(int index, double value, const char* displayText, ParamStatus* status);
void WriteParamStatus(const ParamStatus& status, char* out, std::size_t size);

// Both: false, writing nothing, where there is no text.
bool FormatParamStatus(int index, double value, const char* displayText, char* out, std::size_t size);

#endif
