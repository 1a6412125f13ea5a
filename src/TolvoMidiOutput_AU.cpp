// MIDI out of the Audio Unit build: the plug-in's own virtual source
// "From Tolvo", or the host, as "MIDI output" chooses.

#include "ParamTable.h"
#include "Tolvo.h"

using namespace TolvoParams;

void Tolvo::DeclareMidiOutput()
{
  const bool open = OpenVirtualMidiOutput("Tolvo") == 1;
  DeclareMidiOutputParam(this, open);
  // A source that is open is what the player gets. The editor's "MIDI
  // output" switch sets it once the editor is built.
  if (open) SetParameterFromGUI(kMidiOutput, 1.0);
}

void Tolvo::SetMidiOutputFromParam(int choice) { SetMidiOutPort(choice - 1); }
