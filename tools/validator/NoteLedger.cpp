#include "NoteLedger.h"

namespace {
const size_t kFaultsKept = 8;
}

void NoteLedger::Take(uint8_t status, uint8_t data1, uint8_t data2)
{
  const int kind = status & 0xF0, channel = status & 0x0F, note = data1 & 0x7F;
  if (kind != 0x80 && kind != 0x90) return;
  bool& on = mOn[channel][note];
  if (kind == 0x90 && data2 > 0) {
    ++mNoteOns;
    if (on) {
      ++mRepeats;
      Fault("note-on of a sounding note", channel, note);
    }
    on = true;
  } else {
    if (!on) {
      ++mStrays;
      Fault("note-off of a silent note", channel, note);
    }
    on = false;
  }
}

int NoteLedger::Sounding() const
{
  int n = 0;
  for (const auto& channel : mOn)
    for (bool on : channel) n += on;
  return n;
}

std::string NoteLedger::SoundingList() const
{
  std::string list;
  for (int c = 0; c < 16; ++c)
    for (int n = 0; n < 128; ++n)
      if (mOn[c][n]) list += (list.empty() ? "" : " ") + std::to_string(c + 1) + ":" + std::to_string(n);
  return list;
}

void NoteLedger::Fault(const char* what, int channel, int note)
{
  if (mFaults.size() < kFaultsKept)
    mFaults.push_back(std::string(what) + " (channel " + std::to_string(channel + 1) + ", note " +
                      std::to_string(note) + ")");
}
