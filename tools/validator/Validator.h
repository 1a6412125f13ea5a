#ifndef VALIDATOR_H
#define VALIDATOR_H

// What every family of the validator works with: a case (its own random
// numbers, and the first fault it finds) and an instance of the plug-in as
// a host holds it, whose every block is checked as it runs: silent
// outputs, and the arpeggiator's notes inside the block, in time order,
// with no note-on for a note already sounding.
//
// A case and its instances belong to the thread that runs them; only Fail
// may be called from several threads.

#include <cstdint>
#include <mutex>
#include <random>
#include <string>
#include <vector>

#include "NoteLedger.h"
#include "VstHost.h"

// Random numbers drawn from a seed.
class Dice {
public:
  explicit Dice(uint64_t seed) : mRng(seed) {}

  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(mRng); }
  double Real(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(mRng); }
  bool Chance(double p) { return Real(0.0, 1.0) < p; }
  template <class T>
  T Pick(const std::vector<T>& from)
  {
    return from[size_t(Int(0, int(from.size()) - 1))];
  }
  uint64_t Seed() { return mRng(); }

private:
  std::mt19937_64 mRng;
};

// One case of a family: its dice, and the first fault it finds.
class Case : public Dice {
public:
  Case(const vsthost::Library& library, uint64_t seed) : Dice(seed), library(library) {}

  const vsthost::Library& library;
  bool trace = false;  // every MIDI message in and out, on standard error

  // The case fails; the first reason is kept.
  void Fail(const std::string& why);
  bool Failed() const;
  std::string Why() const;

private:
  mutable std::mutex mLock;
  std::string mWhy;
};

// A plug-in instance made as a host makes one: opened, 44.1 kHz, blocks of
// 512, switched on, its transport playing at 120 beats per minute. Its
// making fails the case when the plug-in calls the host before the entry
// point has returned (for anything but the host's version or current id).
class Instance {
public:
  explicit Instance(Case& c);
  ~Instance();
  Instance(const Instance&) = delete;
  Instance& operator=(const Instance&) = delete;

  bool IsOpen() const { return plug.IsOpen(); }

  // MIDI in; what the plug-in passes straight back goes to `thru`.
  void Events(const std::vector<vsthost::Event>& events);

  // One block; the arpeggiator's notes go to `arp`, and the host's clock
  // moves on while the transport plays.
  void Block(int32_t frames, vsthost::ProcessKind kind = vsthost::ProcessKind::Replacing);

  // A parameter by its plain value, as the host's automation would set it.
  void SetParam(int index, double plain);
  // Whether every parameter reads back finite and within [0, 1].
  bool ParamsInRange();

  void Play(bool on);
  bool Playing() const { return (plug.time.flags & 0x2) != 0; }

  // The player lets go of everything: Hold off, a release for every key on
  // every channel, the transport stopped, a few blocks; then nothing the
  // arpeggiator or the pass-through played may sound.
  void Settle(const char* after);

  vsthost::Plugin plug;
  NoteLedger arp, thru;
  int64_t blocks = 0;
  bool allNotesOffSent = false;  // the host asked for it: its sweep may end silent notes

private:
  void TakeOutput(NoteLedger* ledger, int32_t frames, bool ordered);
  void Trace(const char* what, const vsthost::Event& e) const;

  Case& mCase;
};

// The plain value of parameter `index` as a normalised one.
float Normalized(int index, double plain);

#endif
