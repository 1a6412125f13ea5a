// MIDI out of the Audio Unit build: the plug-in's own virtual source
// "From Tolvo", or the host, as "MIDI output" chooses.

#include "ICustomSwitchControl.h"
#include "ParamTable.h"
#include "Tolvo.h"

using namespace TolvoParams;

void Tolvo::DeclareMidiOutput(const IRECT& rect, const IBitmapStrip& font)
{
  // The about box shows it, attached after the version text.
  ICustomSwitchControl* pSwitch = new ICustomSwitchControl(this, rect, kMidiOutput, font, true);
  mAboutExtra = pSwitch;
  const bool open = OpenVirtualMidiOutput("Tolvo") == 1;
  DeclareMidiOutputParam(this, open);
  // A source that is open is what the player gets, as if chosen.
  if (open) pSwitch->SetValueFromUserInput(1.0);
}

void Tolvo::SetMidiOutputFromParam(int choice)
{
  const int mode = choice - 1;
  if (mode == GetMidiOutPort()) return;
  // Notes sounding end where they began: their note-offs would otherwise
  // reach the other output.
  EndSentNotes();
  SetMidiOutPort(mode);
}

void Tolvo::EndMidiOutput()
{
  KIT_MutexLock lock(&m_mutex);
  // The source closes with the plug-in; the host ends what it was sent.
  if (HasVirtualMidiOutput() && GetMidiOutPort() == kMidiOutVirtual) EndSentNotes();
}
