#include "NoteMarkers.h"

// A marker's age is the number of ageing events (notes sent and frames)
// since its last renewal that came while its step did not play, plus its
// age just after that renewal: mEvents - mPlayed[step] counts the events
// of a step, and a cell keeps the count at which its marker's age was 0.
// A note sent renews every cell with a copy sounding; such a cell, once a
// note was sent since its first copy began, is known to have been renewed
// by the last note sent without being visited. Cells whose marker has yet
// to be made wait in a list of their copies, in the order they began.

int64_t NoteMarkers::Origin(const Cell& c, int step) const
{
  return c.copies > 0 && mSent > c.since ? mAgeingAtSent[step] : c.origin;
}

void NoteMarkers::Started(int copy, int note, int step)
{
  Copy& c = mCopies[copy];
  if (c.sounding) return;
  c.note = note;
  c.step = step;
  c.sounding = true;
  c.prev = mLastCopy;
  c.next = -1;
  if (mLastCopy >= 0)
    mCopies[mLastCopy].next = copy;
  else
    mFirstCopy = copy;
  mLastCopy = copy;

  Cell& cell = CellOf(note, step);
  if (cell.copies == 0) {
    // Its marker may have grown old since the cell was last renewed.
    if (cell.marker >= 0 && AgeOf(cell, step) >= kMaxAge) Drop(cell.marker);
    cell.since = mSent;
  }
  ++cell.copies;
  if (cell.marker < 0) {
    c.pending = true;
    c.pendingPrev = mLastPending;
    c.pendingNext = -1;
    if (mLastPending >= 0)
      mCopies[mLastPending].pendingNext = copy;
    else
      mFirstPending = copy;
    mLastPending = copy;
  }
  mSettled = false;
}

void NoteMarkers::Unpend(Copy& c)
{
  if (!c.pending) return;
  if (c.pendingPrev >= 0)
    mCopies[c.pendingPrev].pendingNext = c.pendingNext;
  else
    mFirstPending = c.pendingNext;
  if (c.pendingNext >= 0)
    mCopies[c.pendingNext].pendingPrev = c.pendingPrev;
  else
    mLastPending = c.pendingPrev;
  c.pending = false;
}

void NoteMarkers::Stopped(int copy)
{
  Copy& c = mCopies[copy];
  if (!c.sounding) return;
  if (c.prev >= 0)
    mCopies[c.prev].next = c.next;
  else
    mFirstCopy = c.next;
  if (c.next >= 0)
    mCopies[c.next].prev = c.prev;
  else
    mLastCopy = c.prev;
  Unpend(c);

  Cell& cell = CellOf(c.note, c.step);
  // Its last renewal, if it had one while it sounded, was the last note
  // sent.
  if (--cell.copies == 0 && mSent > cell.since) cell.origin = mAgeingAtSent[c.step];
  c = Copy();
  mSettled = false;
}

void NoteMarkers::Make(int note, int step)
{
  if (mNSlots == 2 * kMaxMarkers) Settle();
  Cell& cell = CellOf(note, step);
  cell.marker = int16_t(mNSlots);
  // Made at -1; a second copy on the cell renews it to 0 at once.
  cell.origin = Ageing(step) + (cell.copies == 1 ? 1 : 0);
  cell.since = mSent + 1;
  mSlots[mNSlots++] = Slot{NoteMarker{note, step, 0}, true};
}

void NoteMarkers::Sent(int playing)
{
  for (int i = mRenewAll ? mFirstCopy : mFirstPending; i >= 0;) {
    Copy& c = mCopies[i];
    const int next = mRenewAll ? c.next : c.pendingNext;
    if (CellOf(c.note, c.step).marker < 0) Make(c.note, c.step);
    c.pending = false;
    i = next;
  }
  mFirstPending = mLastPending = -1;
  mRenewAll = false;
  for (int s = 0; s < kSteps; ++s) mAgeingAtSent[s] = Ageing(s);
  ++mSent;
  Age(playing);
}

void NoteMarkers::Age(int playing)
{
  ++mEvents;
  if (playing >= 0 && playing < kSteps) ++mPlayed[playing];
  mSettled = false;
}

void NoteMarkers::Drop(int slot)
{
  Slot& s = mSlots[slot];
  Cell& cell = CellOf(s.marker.note, s.marker.step);
  cell.marker = -1;
  s.live = false;
  // Its copies make it again with the next note sent, last in the order.
  if (cell.copies > 0) mRenewAll = true;
}

void NoteMarkers::Cleared()
{
  for (int i = 0; i < mNSlots; ++i)
    if (mSlots[i].live) Drop(i);
  mNSlots = 0;
  mSettled = true;
}

void NoteMarkers::Frame(int playing)
{
  Age(playing);
  Settle();
}

void NoteMarkers::Settle()
{
  int kept = 0;
  for (int i = 0; i < mNSlots; ++i) {
    Slot s = mSlots[i];
    if (!s.live) continue;
    Cell& cell = CellOf(s.marker.note, s.marker.step);
    s.marker.age = AgeOf(cell, s.marker.step);
    if (s.marker.age >= kMaxAge) {
      Drop(i);
      continue;
    }
    cell.marker = int16_t(kept);
    mSlots[kept++] = s;
  }
  mNSlots = kept;
  mSettled = true;
}

void NoteMarkers::Forget()
{
  for (int i = mFirstCopy; i >= 0;) {
    const int next = mCopies[i].next;
    Cell& cell = CellOf(mCopies[i].note, mCopies[i].step);
    cell.copies = 0;
    mCopies[i] = Copy();
    i = next;
  }
  mFirstCopy = mLastCopy = mFirstPending = mLastPending = -1;
  Cleared();
  mRenewAll = false;
}

int NoteMarkers::Count()
{
  if (!mSettled) Settle();
  return mNSlots;
}

NoteMarker NoteMarkers::Get(int i)
{
  if (!mSettled) Settle();
  return i >= 0 && i < mNSlots ? mSlots[i].marker : NoteMarker{-1, -1, -1};
}
