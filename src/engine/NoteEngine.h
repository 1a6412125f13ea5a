#ifndef NOTEENGINE_H
#define NOTEENGINE_H

// The note hub: queues the notes that come in from MIDI, cuts each block
// into pieces where they fall due and delivers them to its listener, and
// collects the notes that the pattern plays until the plug-in has sent them.

#include "HeldNote.h"
#include "KIT_PtrList.h"
#include "RecordPool.h"

class EngineHolder;
class ProcessorListener;

// A queued incoming note message.
struct NoteRecord {
  NoteRecord(int pitch_, double time, bool on_, int velocity_)
    : pitch(pitch_), velocity(velocity_), due(time), offset(time), on(on_)
  {}

  int pitch;
  int transposition = 0;
  int velocity;  // 127 for a note-off
  double due;    // samples until the record falls due
  double offset;
  bool on;
};

// One MIDI note message to send. start is the offset from the start of the
// current host block; the note sent is pitch + transposition.
struct NoteEvent {
  NoteEvent(const HeldNote& note, double time, bool on_)
    : pitch(note.pitch), transposition(note.transposition), velocity(note.velocity), start(time), end(time), on(on_),
      accent(note.accent), cc1(note.cc1), cc2(note.cc2)
  {}

  int pitch;
  int transposition;
  int velocity;
  double start;
  double end;
  bool on;
  double accent;
  bool noteOffSent = false;
  bool noteOnSent = false;
  int cc1;
  int cc2;
};

class NoteEngineListener {
public:
  virtual ~NoteEngineListener() {}
  virtual bool NoteOn(double position, double time, int pitch, int velocity) = 0;
  // False keeps the note held (and its key down in the hub).
  virtual bool NoteOff(double position, double time, int pitch) = 0;
  virtual void OnTransportStop() = 0;
  // time: the block offset at which everything stopped.
  virtual void OnAllNotesOff(double time) = 0;
};

class NoteEngine {
public:
  enum {
    // Output events held at once: the note-off and the note-on of every
    // note of 16 chord ratchets over all 128 held notes. A piece that
    // makes more hands what it holds to the sender first.
    kOutputEvents = 2 * 16 * 128,
    // Queued input records. Note-ons stop being queued while only
    // kReleaseRoom are left, so that a release always finds one: a key has
    // at most one release queued past its newest note-on.
    kQueuedNotes = 1024,
    kReleaseRoom = 128
  };

  explicit NoteEngine(EngineHolder* engine);

  NoteEngine(const NoteEngine&) = delete;
  NoteEngine& operator=(const NoteEngine&) = delete;

  // MIDI input, with the sample offset inside the current block. The
  // records of one key are delivered in the order they came in; a release
  // that would change nothing is not queued.
  void NoteOn(int pitch, int velocity, int offset);
  void NoteOff(int pitch, int offset);

  // At a block start: what came in since the last block joins the notes
  // due, each at its offset inside the block of `length` frames.
  void BeginBlock(double position, int length);
  // The length of the next piece of the block, delivering what falls due at
  // its start; 0 ends the block.
  int NextEventOffset(double position, int rest, double loopEnd);
  bool DeliverNotes(double position);

  // Queues the note-on of a note starting at time (a block offset) and
  // keeps room for its note-off. When the output is full, what it holds
  // goes to the sender first; false, counted as dry, when there is still no
  // room for both: the note must not start.
  bool AddNoteOn(const HeldNote& note, double time);
  // The note-off of a note whose note-on was queued; it always finds room.
  void AddNoteOff(const HeldNote& note, double time);
  // After a piece: gives back what was sent.
  void RemoveSentNotes();

  // Where the output goes when it fills up inside a piece (the processor's
  // listener); not owned.
  void SetSender(ProcessorListener* sender) { mSender = sender; }

  // time / offset: the block offset at which the notes end.
  void Reset(double time);
  void OnTransportStop(double offset);
  void Clear(double offset);

  void SetListener(NoteEngineListener* listener) { mListener = listener; }
  KIT_PtrList<NoteEvent>& GetOutputList() { return mOutput; }
  int GetDownKeyCount() const { return mDownKeys; }
  bool IsStopped() const { return mStopped; }
  bool IsKeyDown(int pitch) const { return pitch >= 0 && pitch < 128 && mKeys[pitch] == kDown; }

private:
  enum { kUp = -1, kDown = 0 };

  void Queue(int pitch, int offset, bool on, int velocity);
  void Append(NoteEvent* event);
  // Gives the sent events back to the pool, keeping the others in order.
  void FreeSent();
  void AllKeysUp();
  void KeyReleased(double time);

  RecordPool<NoteEvent> mEvents;
  int mNoteOffsDue = 0;  // of notes whose note-on was queued
  RecordPool<NoteRecord> mRecords;
  NoteRecord* mNewest[128];  // each key's newest queued record, or null
  KIT_PtrList<NoteEvent> mOutput;
  NoteEngineListener* mListener = nullptr;
  ProcessorListener* mSender = nullptr;
  EngineHolder* mEngine;
  int mDownKeys = 0;
  bool mStopped = true;
  KIT_PtrList<NoteRecord> mPending;
  KIT_PtrList<NoteRecord> mIncoming;
  int mKeys[128];
  double mElapsed = 0.0;  // samples of the current block already cut
};

#endif
