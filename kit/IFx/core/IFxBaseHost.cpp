// The plug-in's identity and what it knows of its host.
#include "IFxBase.h"

#include "IFxUtilities.h"

void IFxBase::GetVersionParts(int version, int* pMajor, int* pMinor, int* pRevision)
{
  *pMajor = (int)(((unsigned)version & 0xFFFF0000u) >> 16);
  *pMinor = (version & 0x0000FF00) >> 8;
  *pRevision = version & 0x000000FF;
}

int IFxBase::GetDecimalVersion(int version)
{
  int major, minor, revision;
  GetVersionParts(version, &major, &minor, &revision);
  return 10000 * major + 100 * minor + revision;
}

int IFxBase::GetEffectVersion(bool decimal) const { return decimal ? GetDecimalVersion(mVersion) : mVersion; }

int IFxBase::GetHostVersion(bool decimal)
{
  GetHost();
  return decimal ? GetDecimalVersion(mHostVersion) : mHostVersion;
}

void IFxBase::SetHost(const char* host, int version)
{
  mHost = LookUpHost(host ? host : "");
  mHostVersion = version;
  int major, minor, revision;
  GetVersionParts(version, &major, &minor, &revision);
  Trace("IFxBase::SetHost", __LINE__, "v%d.%02d", major, minor);
}

double IFxBase::GetSamplesPerBeat()
{
  const double tempo = GetTempo();
  return tempo > 0.0 ? mSampleRate * 60.0 / tempo : 0.0;
}
