// The host's musical time, through the callbacks it gives (property 27).
// A value is taken only when the host's procedure answers without error.

#include "IFxAU.h"

namespace {
struct BeatAndTempo {
  Float64 beat = 0.0, tempo = 0.0;
};

struct TimeLocation {
  UInt32 toNextBeat = 0;
  Float32 numerator = 0.0f;
  UInt32 denominator = 0;
  Float64 downBeat = 0.0;
};

struct TransportState {
  Boolean playing = false, changed = false, cycling = false;
  Float64 sample = 0.0, cycleStart = 0.0, cycleEnd = 0.0;
};

bool Ask(const HostCallbackInfo& host, BeatAndTempo* p)
{
  return host.beatAndTempoProc && host.beatAndTempoProc(host.hostUserData, &p->beat, &p->tempo) == noErr;
}

bool Ask(const HostCallbackInfo& host, TimeLocation* p)
{
  return host.musicalTimeLocationProc && host.musicalTimeLocationProc(host.hostUserData, &p->toNextBeat, &p->numerator,
                                                                      &p->denominator, &p->downBeat) == noErr;
}

bool Ask(const HostCallbackInfo& host, TransportState* p)
{
  return host.transportStateProc && host.transportStateProc(host.hostUserData, &p->playing, &p->changed, &p->sample,
                                                            &p->cycling, &p->cycleStart, &p->cycleEnd) == noErr;
}

// A whole-number signature, or false.
bool ToTimeSig(const TimeLocation& t, int* pNum, int* pDenom)
{
  if (!(t.numerator >= 1.0f && t.numerator < 2147483647.0f) || t.denominator < 1 || t.denominator > 0x7FFFFFFF)
    return false;
  *pNum = (int)t.numerator;
  *pDenom = (int)t.denominator;
  return true;
}
}  // namespace

int64_t IFxAU::GetSamplePos()
{
  TransportState t;
  if (!Ask(mHostCallbacks, &t) || !(t.sample >= 0.0)) return 0;
  // Past what 64 bits hold a position is meaningless; stay defined.
  if (t.sample >= 9.0e18) return (int64_t)9.0e18;
  return (int64_t)(t.sample + 0.5);
}

double IFxAU::GetTempo()
{
  BeatAndTempo b;
  if (Ask(mHostCallbacks, &b) && b.tempo > 0.0) mTempo = b.tempo;
  return mTempo;
}

void IFxAU::GetTimeSig(int* pNum, int* pDenom)
{
  TimeLocation t;
  if (Ask(mHostCallbacks, &t)) ToTimeSig(t, pNum, pDenom);
}

void IFxAU::GetTime(double* pSamplePos, double* pTempo, double* pMusicalPos, double* pLastBar, int* pNum, int* pDenom,
                    double* pCycleStart, double* pCycleEnd, bool* pTransportRunning, bool* pTransportCycle)
{
  *pSamplePos = *pMusicalPos = *pLastBar = *pCycleStart = *pCycleEnd = -1.0;
  *pTempo = 120.0;
  *pNum = *pDenom = 4;
  *pTransportRunning = *pTransportCycle = false;

  // Sample 0, beat 0 and a cycle or bar from beat 0 are where songs start:
  // values of 0 count.
  BeatAndTempo b;
  if (Ask(mHostCallbacks, &b)) {
    if (b.tempo > 0.0) *pTempo = b.tempo;
    if (b.beat >= 0.0) *pMusicalPos = b.beat;
  }
  TransportState t;
  if (Ask(mHostCallbacks, &t)) {
    if (t.sample >= 0.0) *pSamplePos = t.sample;
    if (t.cycleStart >= 0.0) *pCycleStart = t.cycleStart;
    if (t.cycleEnd > 0.0) *pCycleEnd = t.cycleEnd;
    *pTransportRunning = t.playing != 0;
    *pTransportCycle = t.cycling != 0;
  }
  TimeLocation l;
  if (Ask(mHostCallbacks, &l)) {
    ToTimeSig(l, pNum, pDenom);
    if (l.downBeat >= 0.0) *pLastBar = l.downBeat;
  }
}
