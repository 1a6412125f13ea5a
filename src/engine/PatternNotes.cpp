// The held-note table of a pattern: keys with their octave copies, and the
// walk order that the sort order gives them.

#include "PatternEngine.h"

void PatternEngine::NoteOn(int pitch, int velocity, int offset)
{
  if (pitch >= 0 && pitch < 128) AddKey(pitch, velocity, offset);
}

void PatternEngine::AddKey(int pitch, int velocity, int offset)
{
  if (mHeldCount == 0) mFirstStep = true;
  if (mResetOnNewNote) {
    // The pattern starts again with this key, on its first step.
    ResetStepper(offset);
    mFirstStep = true;
  }
  for (int o = 0; o < mOctaves; ++o) AddKeyCopy(o, pitch, velocity, offset);
  RenumberNotes();
}

void PatternEngine::AddKeyCopy(int octave, int pitch, int velocity, int offset)
{
  const int slot = pitch + 12 * octave;
  if (slot < 0 || slot >= 128) return;
  if (HeldNote* n = mTable[slot]) {
    if (octave == 0) {
      n->generated = false;
      n->time = offset;
    }
    return;
  }
  int arrival = -1;
  for (int s = slot - slot % 12, e = s + 12; s < e && s < 128; ++s)
    if (mTable[s] && mTable[s]->arrivalIndex > arrival) arrival = mTable[s]->arrivalIndex;
  HeldNote* n = &mTableNotes[slot];
  *n = HeldNote();
  n->pitch = slot;
  n->generated = octave >= 1;
  n->velocity = velocity;
  n->time = offset;
  n->arrivalIndex = arrival + 1;
  mTable[slot] = n;
  ++mHeldCount;
  mVelocity.Add(velocity);
}

void PatternEngine::NoteOff(int pitch, int offset)
{
  if (pitch < 0 || pitch >= 128) return;
  for (int o = 0; o < mOctaves; ++o)
    if (!RemoveKeyCopy(o, pitch, offset)) break;
  RenumberNotes();
}

bool PatternEngine::RemoveKeyCopy(int octave, int pitch, int offset)
{
  const int slot = pitch + 12 * octave;
  if (slot < 0 || slot >= 128) return false;
  HeldNote* n = mTable[slot];
  if (!n) return true;
  if (octave >= 1 && !n->generated) return false;  // another key's own slot
  if (octave == 0 && n->generated) return false;
  // Only a note that leaves closes the gap in its row's arrival order.
  for (int s = slot - slot % 12, e = s + 12; s < e && s < 128; ++s)
    if (mTable[s] && mTable[s]->arrivalIndex > n->arrivalIndex) --mTable[s]->arrivalIndex;
  --mHeldCount;
  mVelocity.Remove(n->velocity);
  EndKeyNotes(slot, offset);
  mTable[slot] = nullptr;
  if (mHeldCount == 0) {
    mSoundingCount = 0;
    ResetStepper(offset);
  }
  return true;
}

void PatternEngine::RebuildOctaveCopies(int oldCount)
{
  for (int s = 0; s < 128; ++s)
    if (mTable[s] && !mTable[s]->generated)
      for (int o = 1; o < oldCount; ++o)
        if (!RemoveKeyCopy(o, s, 0)) break;
  for (int s = 0; s < 128; ++s)
    if (mTable[s] && !mTable[s]->generated)
      for (int o = 1; o < mOctaves; ++o) AddKeyCopy(o, s, mTable[s]->velocity, 0);
  RenumberNotes();
}

void PatternEngine::RenumberNotes()
{
  for (HeldNote* n : mTable)
    if (n) n->orderIndex = -1;
  int order = 0;
  if (mSortOrder == kAsPlayed || mSortOrder == kReversed) {
    for (int row = 0; row <= 10; ++row) {
      const int first = row * 12, last = first + 12 < 128 ? first + 12 : 128;
      int top = -1;
      for (int s = first; s < last; ++s)
        if (mTable[s] && mTable[s]->arrivalIndex > top) top = mTable[s]->arrivalIndex;
      for (int i = 0; i <= top; ++i) {
        const int a = mSortOrder == kAsPlayed ? i : top - i;
        HeldNote* found = nullptr;
        for (int s = first; s < last && !found; ++s)
          if (mTable[s] && mTable[s]->arrivalIndex == a && mTable[s]->orderIndex < 0) found = mTable[s];
        if (!found) break;  // a missing index ends the row
        found->orderIndex = order++;
      }
    }
  } else if (mSortOrder == kHiLo) {
    for (int s = 127; s >= 0; --s)
      if (mTable[s]) mTable[s]->orderIndex = order++;
  }
  // Lo-Hi and Custom by slot; anything an arrival gap left out follows.
  for (HeldNote* n : mTable)
    if (n && n->orderIndex < 0) n->orderIndex = order++;
}

void PatternEngine::ClearTable()
{
  for (HeldNote*& n : mTable) n = nullptr;
  // The running figures belong to the notes just dropped.
  mVelocity.ClearFigures();
}
