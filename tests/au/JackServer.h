#ifndef JACKSERVER_H
#define JACKSERVER_H

// A JACK server of the test's own, on the dummy driver: it stands in for
// CoreMIDI, carrying the plug-in's virtual source to a reader. Started and
// stopped by the test; its name is the process's own, so no other server
// on the machine is reached.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <exception>
#include <string>
#include <thread>

#include "RtMidi.h"

extern char** environ;

class JackServer {
public:
  JackServer() : mName("tolvo-" + std::to_string(getpid())) {}
  ~JackServer() { Stop(); }

  const std::string& Name() const { return mName; }

  // True once the server takes clients.
  bool Start()
  {
    // In step with its clients and patient with them: a slow client (a
    // sanitizer build) loses no cycle to an overrun.
    const char* argv[] = {"jackd", "--no-realtime", "--sync", "-t",    "10000", "-n",  mName.c_str(),
                          "-d",    "dummy",         "-r",     "44100", "-p",    "256", nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int r = posix_spawnp(&mPid, "jackd", &actions, nullptr, (char**)argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (r != 0) {
      mPid = 0;
      return false;
    }
    for (int tries = 0; tries < 200; ++tries) {
      if (TakesClients()) return true;
      int status;
      if (waitpid(mPid, &status, WNOHANG) == mPid) {
        mPid = 0;
        return false;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }

  void Stop()
  {
    if (!mPid) return;
    kill(mPid, SIGTERM);
    waitpid(mPid, nullptr, 0);
    mPid = 0;
  }

private:
  static bool TakesClients()
  {
    try {
      RtMidiOut probe(RtMidi::UNIX_JACK, "probe");
      probe.openVirtualPort("probe");
      return true;
    } catch (const std::exception&) {
      return false;
    }
  }

  std::string mName;
  pid_t mPid = 0;
};

#endif
