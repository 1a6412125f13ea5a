// MIDI out of the VST 2 builds: every message goes to the host, so there is
// nothing to choose.

#include "Tolvo.h"

void Tolvo::DeclareMidiOutput(const IRECT& rect, const IBitmapStrip& font) {}

void Tolvo::SetMidiOutputFromParam(int choice) {}

void Tolvo::EndMidiOutput() {}
