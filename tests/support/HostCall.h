#ifndef TESTS_SUPPORT_HOSTCALL_H
#define TESTS_SUPPORT_HOSTCALL_H

// What a recording host keeps of an edit the plug-in tells it of: begin
// edit, automate (with its value) and end edit, comparable and printable.

#include <ostream>

#include "VSTInterface.h"

struct HostCall {
  int mOpcode;
  int mIdx;
  float mValue;  // automate only
  bool operator==(const HostCall& o) const
  {
    return mOpcode == o.mOpcode && mIdx == o.mIdx && (mOpcode != audioMasterAutomate || mValue == o.mValue);
  }
};

inline std::ostream& operator<<(std::ostream& os, const HostCall& c)
{
  const char* name = c.mOpcode == audioMasterBeginEdit ? "begin" : c.mOpcode == audioMasterEndEdit ? "end" : "automate";
  os << name << "(" << c.mIdx;
  if (c.mOpcode == audioMasterAutomate) os << ", " << c.mValue;
  return os << ")";
}

inline HostCall Begin(int idx) { return HostCall{audioMasterBeginEdit, idx, 0.0f}; }
inline HostCall Automate(int idx, double value) { return HostCall{audioMasterAutomate, idx, (float)value}; }
inline HostCall End(int idx) { return HostCall{audioMasterEndEdit, idx, 0.0f}; }

#endif
