#ifndef IFXUTILITIES_H
#define IFXUTILITIES_H

// Host identification and the small utilities the framework's entry points
// share: lower-casing, a whitespace test, a cut-to-fit text copy, an
// interval timer, the trace hook with its time stamp and a build-stamp
// formatter.
// Any thread, no lock; CurrentTime fills one buffer, so one caller at a
// time.

#include "KIT_String.h"

// The hosts the framework recognises by their product name.
enum EHost {
  kHostUninit = -1,  // not yet asked
  kHostUnknown = 0,
  kHostReaper = 1,
  kHostCubase = 3,
  kHostNuendo = 4,
  kHostCakewalk = 5,
  kHostFL = 7,
  kHostSamplitude = 8,
  kHostAbletonLive = 9,
  kHostMelodyne = 12,
  kHostVSTScanner = 13,
  kHostAULab = 14,
  kHostForte = 15,
  kHostChainer = 16,
  kHostAudition = 17,
  kHostOrion = 18,
  kHostSAWStudio = 20,
  kHostLogic = 21,
  kHostDigitalPerformer = 22,
  kHostStudioOne = 23
};

// The host id of a product name (case-insensitive substring match; the
// first of the known names that occurs decides).
EHost LookUpHost(const char* host);
// True for the hosts whose plug-ins are limited to stereo input and output.
bool HostWantsStereoIO(int host);

// Copies src into cDest lower-cased (cDest must hold strlen(src) + 1 bytes;
// it may be src itself).
void ToLower(char* cDest, const char* cSrc);
bool IsWhitespace(char c);
// Copies src (null reads as "") into dest of size bytes, cut to fit and
// always terminated; nothing when size <= 0. dest and src may overlap.
void CopyTextCut(char* dest, const char* src, int size);

// Milliseconds since the library was loaded, from a steady clock.
int ProcessMilliseconds();

// An interval timer over ProcessMilliseconds().
class Timer {
public:
  Timer() : mLastTime(ProcessMilliseconds()) {}
  explicit Timer(int startMs) : mLastTime(startMs) {}
  // True (and the interval starts again) once more than seconds have
  // passed since the timer was made or last answered true.
  bool Every(double seconds) { return Every(seconds, ProcessMilliseconds()); }
  bool Every(double seconds, int nowMs);

private:
  int mLastTime;
};

// The trace hook of the framework's entry points: it does nothing in these
// builds.
inline void Trace(const char* funcName, int line, const char* format = "", ...)
{
  (void)funcName;
  (void)line;
  (void)format;
}

// The name of a VST 2 dispatcher opcode for the trace: always "".
const char* VSTOpcodeStr(int opCode);

// The trace's time stamp, "%Y%m%d %H:%M " and the capital letters of the
// local time-zone name, in one static buffer.
const char* CurrentTime();

// A build stamp "[Mmm d hh:mm]" from a date "Mmm dd yyyy" and a time
// "hh:mm:ss" (the forms of __DATE__ and __TIME__), into *pStr.
void AppendTimestamp(const char* date, const char* time, KIT_String* pStr);
// A static text set to prefix on the first call; every call appends a space
// and the build stamp.
const char* GetBuildInfoStr(const char* date, const char* time, const char* prefix);

#endif
