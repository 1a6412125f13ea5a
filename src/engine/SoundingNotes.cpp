#include "SoundingNotes.h"

#include <climits>
#include <new>
#include <type_traits>

SoundingNotes::SoundingNotes(int capacity, int* dryCount)
  : mStore(new RawEntry[capacity]), mEntries(reinterpret_cast<Entry*>(mStore.get())), mCapacity(capacity),
    mDryCount(dryCount)
{
  static_assert(std::is_trivially_destructible<Entry>::value, "entries are never destroyed");
  for (int& h : mHeard) h = kNone;
  for (int& p : mPitchLast) p = kNone;
}

bool SoundingNotes::HasRoom()
{
  if (mFree != kNone || mFresh < mCapacity) return true;
  ++*mDryCount;
  return false;
}

HeldNote* SoundingNotes::Add(const HeldNote& note)
{
  int i = mFree;
  if (i != kNone)
    mFree = mEntries[i].next;
  else
    new (&mEntries[i = mFresh++]) Entry();
  Entry& e = mEntries[i];
  e.note = note;
  e.inUse = true;
  // The slot's number in the low bits finds the copy; the count above them
  // tells this copy from the slot's earlier ones.
  mCounter = mCounter >= (INT_MAX >> kSlotBits) ? 1 : mCounter + 1;
  e.note.serial = (mCounter << kSlotBits) | i;

  e.prev = mLast;
  e.next = kNone;
  if (mLast != kNone)
    mEntries[mLast].next = i;
  else
    mFirst = i;
  mLast = i;

  e.pitchNext = kNone;
  e.pitchPrev = kNone;
  if (note.pitch >= 0 && note.pitch < kNotes) {
    e.pitchPrev = mPitchLast[note.pitch];
    if (e.pitchPrev != kNone) mEntries[e.pitchPrev].pitchNext = i;
    mPitchLast[note.pitch] = i;
  }
  const int heard = SentNote(note);
  if (!note.silent && heard >= 0 && heard < kNotes) mHeard[heard] = i;
  ++mSize;
  return &e.note;
}

void SoundingNotes::Remove(HeldNote* copy)
{
  const int i = IndexOf(copy);
  Entry& e = mEntries[i];
  if (e.prev != kNone)
    mEntries[e.prev].next = e.next;
  else
    mFirst = e.next;
  if (e.next != kNone)
    mEntries[e.next].prev = e.prev;
  else
    mLast = e.prev;

  if (e.pitchPrev != kNone) mEntries[e.pitchPrev].pitchNext = e.pitchNext;
  if (e.pitchNext != kNone)
    mEntries[e.pitchNext].pitchPrev = e.pitchPrev;
  else if (copy->pitch >= 0 && copy->pitch < kNotes)
    mPitchLast[copy->pitch] = e.pitchPrev;
  const int heard = SentNote(*copy);
  if (heard >= 0 && heard < kNotes && mHeard[heard] == i) mHeard[heard] = kNone;

  e.inUse = false;
  e.next = mFree;
  mFree = i;
  --mSize;
}

HeldNote* SoundingNotes::FindSerial(int serial) const
{
  if (serial <= 0) return nullptr;
  const int i = serial & ((1 << kSlotBits) - 1);
  if (i >= mFresh) return nullptr;
  const Entry& e = mEntries[i];
  return e.inUse && e.note.serial == serial ? &mEntries[i].note : nullptr;
}
