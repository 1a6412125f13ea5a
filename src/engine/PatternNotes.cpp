// The held-note table of a pattern: keys with their octave copies, and the
// walk order that the sort order gives them.

#include "PatternEngine.h"

void PatternEngine::NoteOn(int pitch, int velocity, int offset)
{
  if (pitch >= 0 && pitch < 128) AddKey(pitch, velocity, offset);
}

void PatternEngine::AddKey(int pitch, int velocity, int offset)
{
  if (m_heldCount == 0) m_firstStep = true;
  if (m_resetOnNewNote) {
    // The pattern starts again with this key, on its first step.
    ResetStepper(offset);
    m_firstStep = true;
  }
  for (int o = 0; o < m_octaves; ++o) AddKeyCopy(o, pitch, velocity, offset);
  RenumberNotes();
}

void PatternEngine::AddKeyCopy(int octave, int pitch, int velocity, int offset)
{
  const int slot = pitch + 12 * octave;
  if (slot < 0 || slot >= 128) return;
  if (HeldNote* n = m_table[slot]) {
    if (octave == 0) {
      n->generated = false;
      n->time = offset;
    }
    return;
  }
  int arrival = -1;
  for (int s = slot - slot % 12, e = s + 12; s < e && s < 128; ++s)
    if (m_table[s] && m_table[s]->arrivalIndex > arrival) arrival = m_table[s]->arrivalIndex;
  HeldNote* n = new HeldNote;
  n->pitch = slot;
  n->generated = octave >= 1;
  n->velocity = velocity;
  n->time = offset;
  n->arrivalIndex = arrival + 1;
  m_table[slot] = n;
  ++m_heldCount;
  m_velocity.Add(velocity);
}

void PatternEngine::NoteOff(int pitch, int offset)
{
  if (pitch < 0 || pitch >= 128) return;
  for (int o = 0; o < m_octaves; ++o)
    if (!RemoveKeyCopy(o, pitch, offset)) break;
  RenumberNotes();
}

bool PatternEngine::RemoveKeyCopy(int octave, int pitch, int offset)
{
  const int slot = pitch + 12 * octave;
  if (slot < 0 || slot >= 128) return false;
  HeldNote* n = m_table[slot];
  if (!n) return true;
  if (octave >= 1 && !n->generated) return false;  // another key's own slot
  if (octave == 0 && n->generated) return false;
  // Only a note that leaves closes the gap in its row's arrival order.
  for (int s = slot - slot % 12, e = s + 12; s < e && s < 128; ++s)
    if (m_table[s] && m_table[s]->arrivalIndex > n->arrivalIndex) --m_table[s]->arrivalIndex;
  --m_heldCount;
  m_velocity.Remove(n->velocity);
  EndNote(slot, offset);
  delete n;
  m_table[slot] = nullptr;
  if (m_heldCount == 0) {
    m_soundingCount = 0;
    ResetStepper(offset);
  }
  return true;
}

void PatternEngine::RebuildOctaveCopies(int oldCount)
{
  for (int s = 0; s < 128; ++s)
    if (m_table[s] && !m_table[s]->generated)
      for (int o = 1; o < oldCount; ++o)
        if (!RemoveKeyCopy(o, s, 0)) break;
  for (int s = 0; s < 128; ++s)
    if (m_table[s] && !m_table[s]->generated)
      for (int o = 1; o < m_octaves; ++o) AddKeyCopy(o, s, m_table[s]->velocity, 0);
  RenumberNotes();
}

void PatternEngine::RenumberNotes()
{
  for (HeldNote* n : m_table)
    if (n) n->orderIndex = -1;
  int order = 0;
  if (m_sortOrder == kAsPlayed || m_sortOrder == kReversed) {
    for (int row = 0; row <= 10; ++row) {
      const int first = row * 12, last = first + 12 < 128 ? first + 12 : 128;
      int top = -1;
      for (int s = first; s < last; ++s)
        if (m_table[s] && m_table[s]->arrivalIndex > top) top = m_table[s]->arrivalIndex;
      for (int i = 0; i <= top; ++i) {
        const int a = m_sortOrder == kAsPlayed ? i : top - i;
        HeldNote* found = nullptr;
        for (int s = first; s < last && !found; ++s)
          if (m_table[s] && m_table[s]->arrivalIndex == a && m_table[s]->orderIndex < 0) found = m_table[s];
        if (!found) break;  // a missing index ends the row
        found->orderIndex = order++;
      }
    }
  } else if (m_sortOrder == kHiLo) {
    for (int s = 127; s >= 0; --s)
      if (m_table[s]) m_table[s]->orderIndex = order++;
  }
  // Lo-Hi and Custom by slot; anything an arrival gap left out follows.
  for (HeldNote* n : m_table)
    if (n && n->orderIndex < 0) n->orderIndex = order++;
}

void PatternEngine::ClearTable()
{
  for (HeldNote*& n : m_table) {
    delete n;
    n = nullptr;
  }
  // The running figures belong to the notes just dropped.
  m_velocity.ClearFigures();
}
