// Units upstream of the one under test: they answer their output format
// and render a constant.

#include "AppleTesting.h"

namespace {
TestUpstreamUnit* Unit(void* storage) { return (TestUpstreamUnit*)storage; }

ComponentResult Render(void* storage, AudioUnitRenderActionFlags*, const AudioTimeStamp*, UInt32, UInt32 nFrames,
                       AudioBufferList* list)
{
  TestUpstreamUnit* unit = Unit(storage);
  ++unit->renders;
  if (unit->renderResult != noErr) return unit->renderResult;
  for (UInt32 k = 0; k < list->mNumberBuffers && k < 2; ++k) {
    AudioBuffer& buf = list->mBuffers[k];
    if (!buf.mData) {
      unit->samples[k].assign(nFrames, 0.0f);
      buf.mData = unit->samples[k].data();
    }
    float* samples = (float*)buf.mData;
    for (UInt32 s = 0; s < nFrames; ++s) samples[s] = unit->value;
  }
  return noErr;
}

ComponentResult GetProperty(TestUpstreamUnit* unit, AudioUnitPropertyID id, AudioUnitScope scope,
                            AudioUnitElement element, void* data)
{
  if (id == kAudioUnitProperty_StreamFormat && scope == kAudioUnitScope_Output) {
    *(AudioStreamBasicDescription*)data = unit->format;
    return noErr;
  }
  if (id == kAudioUnitProperty_FastDispatch && element == kAudioUnitRenderSelect && unit->fastRender) {
    *(AudioUnitRenderProc*)data = Render;
    return noErr;
  }
  return kAudioUnitErr_InvalidProperty;
}

ComponentResult Entry(ComponentParameters* params, Handle storage)
{
  // The arguments as the call record holds them: the last one first.
  const long* args = params->params;
  switch (params->what) {
    case kComponentOpenSelect:
    case kComponentCloseSelect: return noErr;
    case kAudioUnitGetPropertySelect:
      return GetProperty(Unit(storage), (AudioUnitPropertyID)args[4], (AudioUnitScope)args[3],
                         (AudioUnitElement)args[2], (void*)args[1]);
    case kAudioUnitRenderSelect:
      return Render(storage, (AudioUnitRenderActionFlags*)args[4], (const AudioTimeStamp*)args[3], (UInt32)args[2],
                    (UInt32)args[1], (AudioBufferList*)args[0]);
    default: return badComponentSelector;
  }
}
}  // namespace

AudioUnit TestOpenUpstreamUnit(TestUpstreamUnit* unit)
{
  static const Component component = TestRegisterComponent(
      ComponentDescription{0x61756678 /* aufx */, 0x75707374 /* upst */, 0x74737473, 0, 0}, Entry);
  AudioUnit ci = OpenComponent(component);
  SetComponentInstanceStorage(ci, (Handle)unit);
  return ci;
}
