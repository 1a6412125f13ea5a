#ifndef HELDNOTE_H
#define HELDNOTE_H

// One record for a held key or octave copy, a step template and a sounding
// copy of a played note. Times are in samples.

struct HeldNote {
  int pitch = -1;
  double start = -1.0;
  double end = -1.0;
  double next = -1.0;
  // Numbers a sounding copy, so that the step which started it ends that
  // copy and no other; a step template holds its copy's number, 0 for none.
  int serial = 0;
  double time = 0.0;       // block offset at which the key came in or the copy started
  bool generated = false;  // an octave copy, not a played key
  int orderIndex = 0;      // position in the walk order
  int arrivalIndex = -1;   // arrival rank within the key's row of 12 slots
  bool silent = false;
  int velocity = 127;
  double accent = 0.0;
  int transposition = 0;  // semitones added when the note is sent
  bool chord = false;
  double gate = 0.0;
  double length = 1.0;
  int stepTranspose = 0;
  int stepIndex = 0;
  double div = 1.0;
  int ratchetIndex = 0;
  int cc1 = 0;
  int cc2 = 0;
  bool ratchet = false;
  double shift = 0.0;
};

// A new record for one note of a step template (a ratchet, a chord note):
// it carries the template's times, flags, accent, step transpose and index,
// velocity and CCs; everything else keeps its start value.
inline HeldNote NoteOfTemplate(const HeldNote& t)
{
  HeldNote n;
  n.start = t.start;
  n.end = t.end;
  n.next = t.next;
  n.silent = t.silent;
  n.chord = t.chord;
  n.accent = t.accent;
  n.stepTranspose = t.stepTranspose;
  n.stepIndex = t.stepIndex;
  n.velocity = t.velocity;
  n.cc1 = t.cc1;
  n.cc2 = t.cc2;
  return n;
}

#endif
