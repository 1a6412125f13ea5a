// The set-chunk request as a libFuzzer target: any bytes, handed over as a
// program chunk and then as a bank chunk. The plug-in must neither crash
// nor read outside them; a refused chunk leaves the state as it was, and an
// accepted one leaves every parameter in range and a plug-in that plays.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "Tolvo.h"
#include "VSTInterface.h"

namespace {

VstTimeInfo gTime;

VstIntPtr VSTCALLBACK Host(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float)
{
  if (opcode == audioMasterGetTime) return reinterpret_cast<VstIntPtr>(&gTime);
  return opcode == audioMasterProcessEvents ? 1 : 0;
}

AEffect* Make()
{
  gTime.sampleRate = 44100.0;
  gTime.tempo = 120.0;
  gTime.flags = 0x2 | 0x200 | 0x400;
  AEffect* e = (new Tolvo(&Host))->HandToHost();
  e->dispatcher(e, effOpen, 0, 0, nullptr, 0.0f);
  e->dispatcher(e, effSetSampleRate, 0, 0, nullptr, 44100.0f);
  e->dispatcher(e, effSetBlockSize, 0, 64, nullptr, 0.0f);
  e->dispatcher(e, effMainsChanged, 0, 1, nullptr, 0.0f);
  return e;
}

std::vector<uint8_t> ProgramChunk(AEffect* e)
{
  void* data = nullptr;
  const VstIntPtr n = e->dispatcher(e, effGetChunk, 1, 0, &data, 0.0f);
  const uint8_t* p = static_cast<const uint8_t*>(data);
  return std::vector<uint8_t>(p, p + n);
}

void Offer(AEffect* e, const uint8_t* data, size_t size, bool bank)
{
  const std::vector<uint8_t> before = ProgramChunk(e);
  std::vector<uint8_t> bytes(data, data + size);
  const VstIntPtr r = e->dispatcher(e, effSetChunk, bank ? 0 : 1, VstIntPtr(size), bytes.data(), 0.0f);
  if (r == 0) {
    if (ProgramChunk(e) != before) std::abort();  // refused, yet changed
    return;
  }
  for (int i = 0; i < TolvoParams::kNumParams; ++i) {
    const float v = e->getParameter(e, i);
    if (!(v >= 0.0f && v <= 1.0f)) std::abort();
  }
  float left[64], right[64];
  float* outs[] = {left, right};
  e->processReplacing(e, nullptr, outs, 64);
  gTime.samplePos += 64;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  static AEffect* effect = Make();
  Offer(effect, data, size, false);
  Offer(effect, data, size, true);
  return 0;
}
