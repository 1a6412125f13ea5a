#ifndef SOUNDINGNOTES_H
#define SOUNDINGNOTES_H

// The copies of notes that a pattern has sounding, in the order they
// started, with what the pattern asks of them for every event in constant
// time: the copy a step started (by its serial), the copy heard on a note,
// and the copies made from one key. A fixed number of records, made with
// the pattern. Audio thread, under the plug lock.

#include <memory>

#include "HeldNote.h"

class SoundingNotes {
public:
  // At most 512 copies; dryCount: the engine's counter of pools found dry.
  SoundingNotes(int capacity, int* dryCount);

  SoundingNotes(const SoundingNotes&) = delete;
  SoundingNotes& operator=(const SoundingNotes&) = delete;

  // Room for one more copy; false counts as dry.
  bool HasRoom();
  // A new copy of the note, last in the order, with a serial of its own;
  // needs room.
  HeldNote* Add(const HeldNote& note);
  void Remove(HeldNote* copy);

  int Size() const { return mSize; }
  // A copy's number among those sounding, 0 to the capacity - 1.
  int NumberOf(const HeldNote* copy) const { return IndexOf(copy); }
  // The copy that started first, or null.
  HeldNote* First() const { return At(mFirst); }
  // The copy with that serial while it sounds, else null.
  HeldNote* FindSerial(int serial) const;
  // The copy heard on that note (pitch + transposition), not a silent one.
  HeldNote* FindHeard(int note) const { return note >= 0 && note < kNotes ? At(mHeard[note]) : nullptr; }
  // The copies of one pitch, from the newest back.
  HeldNote* LastOfPitch(int pitch) const { return pitch >= 0 && pitch < kNotes ? At(mPitchLast[pitch]) : nullptr; }
  HeldNote* EarlierOfPitch(const HeldNote* copy) const { return At(EntryOf(copy).pitchPrev); }

private:
  enum { kNotes = 128, kSlotBits = 9, kNone = -1 };

  struct Entry {
    HeldNote note;  // first, so that a copy leads to its entry
    int prev = kNone, next = kNone;
    int pitchPrev = kNone, pitchNext = kNone;
    bool inUse = false;
  };

  // Raw memory until a slot is first handed out, when its entry is built.
  struct alignas(Entry) RawEntry {
    unsigned char bytes[sizeof(Entry)];
  };

  HeldNote* At(int i) const { return i == kNone ? nullptr : &mEntries[i].note; }
  int IndexOf(const HeldNote* copy) const { return int(reinterpret_cast<const Entry*>(copy) - mEntries); }
  const Entry& EntryOf(const HeldNote* copy) const { return *reinterpret_cast<const Entry*>(copy); }
  static int SentNote(const HeldNote& n) { return n.pitch + n.transposition; }

  std::unique_ptr<RawEntry[]> mStore;
  Entry* mEntries;  // over mStore
  int mCapacity;
  int* mDryCount;
  int mFree = kNone;  // chained through next
  int mFresh = 0;     // the slots from here on were never handed out
  int mFirst = kNone, mLast = kNone;
  int mSize = 0;
  int mCounter = 0;  // the high bits of the last serial
  int mHeard[kNotes];
  int mPitchLast[kNotes];
};

#endif
