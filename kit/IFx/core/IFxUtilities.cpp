#include "IFxUtilities.h"

#include <ctype.h>
#include <stdint.h>
#include <string.h>
#include <time.h>

#include <chrono>
#include <string>

namespace {

std::chrono::steady_clock::time_point LoadTime()
{
  static const std::chrono::steady_clock::time_point t = std::chrono::steady_clock::now();
  return t;
}

// Starts the clock when the library is loaded, not at the first reading.
[[maybe_unused]] const std::chrono::steady_clock::time_point gStartAtLoad = LoadTime();

}  // namespace

EHost LookUpHost(const char* host)
{
  static const struct {
    const char* name;
    EHost id;
  } kHosts[] = {
      {"cubase", kHostCubase},
      {"reaper", kHostReaper},
      {"nuendo", kHostNuendo},
      {"cakewalk", kHostCakewalk},
      {"samplitude", kHostSamplitude},
      {"fruity", kHostFL},
      {"live", kHostAbletonLive},
      {"melodyne", kHostMelodyne},
      {"vstmanlib", kHostVSTScanner},
      {"aulab", kHostAULab},
      {"forte", kHostForte},
      {"chainer", kHostChainer},
      {"audition", kHostAudition},
      {"orion", kHostOrion},
      {"sawstudio", kHostSAWStudio},
      {"logic", kHostLogic},
      {"digital", kHostDigitalPerformer},
      {"studioone", kHostStudioOne},
  };
  if (!host) return kHostUnknown;
  std::string lower(host);
  ToLower(&lower[0], host);
  for (const auto& h : kHosts)
    if (strstr(lower.c_str(), h.name)) return h.id;
  return kHostUnknown;
}

bool HostWantsStereoIO(int host)
{
  return host == kHostForte || host == kHostAudition || host == kHostOrion || host == kHostSAWStudio;
}

void ToLower(char* cDest, const char* cSrc)
{
  int i = 0;
  for (; cSrc[i]; ++i) cDest[i] = (char)tolower((unsigned char)cSrc[i]);
  cDest[i] = 0;
}

bool IsWhitespace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

void CopyTextCut(char* dest, const char* src, int size)
{
  if (size <= 0) return;
  const size_t n = src ? strnlen(src, (size_t)size - 1) : 0;
  if (n) memmove(dest, src, n);
  dest[n] = 0;
}

int ProcessMilliseconds()
{
  using namespace std::chrono;
  const int64_t ms = duration_cast<milliseconds>(steady_clock::now() - LoadTime()).count();
  return (int)(uint32_t)(uint64_t)ms;  // wraps after 24 days, as Every allows
}

bool Timer::Every(double seconds, int nowMs)
{
  // The difference is taken modulo 2^32 so that a wrapped clock still works.
  const int elapsed = (int)((uint32_t)nowMs - (uint32_t)mLastTime);
  if (elapsed > seconds * 1000.0) {
    mLastTime = nowMs;
    return true;
  }
  return false;
}

const char* VSTOpcodeStr(int opCode)
{
  (void)opCode;
  return "";
}

const char* CurrentTime()
{
  static char sTime[128];
  const time_t now = time(nullptr);
  struct tm local;
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  const size_t n = strftime(sTime, 64, "%Y%m%d %H:%M ", &local);
  char zone[64];
  if (!strftime(zone, sizeof(zone), "%Z", &local)) zone[0] = 0;
  size_t j = n;
  for (const char* z = zone; *z && j < sizeof(sTime) - 1; ++z)
    if (isupper((unsigned char)*z)) sTime[j++] = *z;
  sTime[j] = 0;
  return sTime;
}

void AppendTimestamp(const char* date, const char* time, KIT_String* pStr)
{
  pStr->Set("[");
  pStr->Append(date);
  pStr->SetLen(7);
  pStr->DeleteSub(4, 1);
  pStr->Append(" ");
  pStr->Append(time);
  pStr->SetLen(12);
  pStr->Append("]");
}

const char* GetBuildInfoStr(const char* date, const char* time, const char* prefix)
{
  static KIT_String sInfo(prefix);
  KIT_String stamp;
  AppendTimestamp(date, time, &stamp);
  sInfo.Append(" ");
  sInfo.Append(stamp.Get());
  return sInfo.Get();
}
