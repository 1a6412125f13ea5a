#ifndef NOTEMARKERS_H
#define NOTEMARKERS_H

// The step editor's note markers, from the engine's reports: one marker
// per note and step that sounded, renewed while a copy of that note
// sounds on that step and a note is sent, ageing by one for each note sent
// and each frame while its step does not play, gone at age 31; markers in
// the order they were made. Each report costs a constant time (amortised)
// and each frame a walk over the markers: a marker's age is counted when
// asked, from per-step counts of the ageing events since its last renewal,
// and the sounding copies renew their cells without being visited.
// User-interface thread.

#include <cstdint>

struct NoteMarker {
  int note;
  int step;
  int age;  // -1 when made; 0 while its step plays
};

class NoteMarkers {
public:
  static constexpr int kCopies = 512;
  static constexpr int kNotes = 128;
  static constexpr int kSteps = 16;
  // One marker per note and step at the most.
  static constexpr int kMaxMarkers = kNotes * kSteps;
  static constexpr int kMaxAge = 31;  // a marker this old is gone

  NoteMarkers() = default;
  NoteMarkers(const NoteMarkers&) = delete;
  NoteMarkers& operator=(const NoteMarkers&) = delete;

  // A copy (0..511) of a note began or stopped sounding on a step.
  void Started(int copy, int note, int step);
  void Stopped(int copy);
  // A note was sent while `playing` played (-1: none): the markers of the
  // sounding copies are renewed or made, then the markers age.
  void Sent(int playing);
  // Every marker goes; the copies sound on.
  void Cleared();
  // A frame: the markers age.
  void Frame(int playing);
  // Nothing sounds, nothing is shown.
  void Forget();

  // The markers as they are now, in order.
  int Count();
  NoteMarker Get(int i);

private:
  struct Copy {
    int note = 0, step = 0;
    bool sounding = false;
    int prev = -1, next = -1;  // in the order they started
    bool pending = false;      // waits to make its cell's marker
    int pendingPrev = -1, pendingNext = -1;
  };
  // What a note and step hold.
  struct Cell {
    int16_t copies = 0;   // sounding
    int16_t marker = -1;  // its place in mMarkers, -1 for none
    // While copies sound the cell is renewed with every note sent after
    // `since` (a count of notes sent); otherwise its marker's age is the
    // step's ageing count less `origin`.
    int64_t origin = 0;
    int64_t since = 0;
  };
  struct Slot {
    NoteMarker marker;
    bool live;
  };

  Cell& CellOf(int note, int step) { return mCells[note][step]; }
  // The step's ageing events so far, and the age of a cell's marker.
  int64_t Ageing(int step) const { return mEvents - mPlayed[step]; }
  int64_t Origin(const Cell& c, int step) const;
  int AgeOf(const Cell& c, int step) const { return int(Ageing(step) - Origin(c, step)); }
  void Age(int playing);
  void Make(int note, int step);
  void Drop(int slot);
  // Drops the markers gone by now and closes the gaps.
  void Settle();
  void Unpend(Copy& c);

  Copy mCopies[kCopies];
  int mFirstCopy = -1, mLastCopy = -1;
  int mFirstPending = -1, mLastPending = -1;
  // Set when copies sound in cells that lost their markers otherwise than
  // by being made: the next note sent walks every copy.
  bool mRenewAll = false;
  Cell mCells[kNotes][kSteps];
  // Markers in the order made, with the gaps of those dropped; twice the
  // most that live at once, so that closing the gaps costs a constant time
  // per marker made.
  Slot mSlots[2 * kMaxMarkers];
  int mNSlots = 0;
  bool mSettled = true;
  int64_t mEvents = 0;                 // ageing events: notes sent and frames
  int64_t mPlayed[kSteps] = {};        // of them, those while the step played
  int64_t mSent = 0;                   // notes sent
  int64_t mAgeingAtSent[kSteps] = {};  // each step's ageing count before the last note sent
};

#endif
