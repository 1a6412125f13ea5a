#ifndef VSTHOST_AUDIORUN_H
#define VSTHOST_AUDIORUN_H

// A host's audio thread for one instance: block after block at the pace of
// real time it sends notes, processes and automates parameters, while the
// host's user-interface thread goes on with the editor. On stop it sets
// each automated parameter to its final value, releases what it holds and
// plays on until every note the plug-in started has ended.

#include <atomic>
#include <cstdint>
#include <map>
#include <thread>
#include <utility>
#include <vector>

#include "VstHost.h"

namespace vsthost {

class AudioRun {
public:
  struct Settings {
    int32_t frames = 128;
    std::vector<uint8_t> arp;                           // one note a block, in turn, ended within it
    std::vector<uint8_t> hold;                          // held from the first block until stop
    std::vector<std::pair<int32_t, float>> automation;  // parameter, final value
  };
  struct Report {
    int64_t blocks = 0;
    int sounding = 0;  // notes it left sounding
  };

  // Starts the thread; the script's thread must leave this instance's
  // processing and host answers to it until Stop.
  AudioRun(Plugin& plug, const Settings& settings);
  ~AudioRun();  // stops
  AudioRun(const AudioRun&) = delete;
  AudioRun& operator=(const AudioRun&) = delete;

  Report Stop();

private:
  void Run();
  void Block(const std::vector<Event>& events);
  void Tally();
  // A value between 0 and 1 that moves from block to block.
  float Sweep(int32_t param) const;

  Plugin& mPlug;
  const Settings mSettings;
  std::atomic<bool> mStop{false};
  Report mReport;
  std::map<int, int> mSounding;  // channel * 128 + note: note-ons not yet ended
  std::thread mThread;
};

}  // namespace vsthost

#endif
