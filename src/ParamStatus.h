#ifndef PARAMSTATUS_H
#define PARAMSTATUS_H

// The status-line text that describes a parameter change.

#include <cstddef>

// Writes the status text for parameter `index` at plain `value` into `out`;
// `displayText` is the parameter's display text for that value. Returns
// false, writing nothing, for parameters and values that show no text.
bool FormatParamStatus(int index, double value, const char* displayText, char* out, std::size_t size);

#endif
