#ifndef PLUGINFIXTURE_H
#define PLUGINFIXTURE_H

// A Tolvo instance in a small scripted host: the host's clock runs with the
// blocks, and every MIDI message the plug-in sends is recorded with the
// block it came in.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "HostCall.h"
#include "IChunk.h"
#include "IGraphics.h"
#include "Tolvo.h"
#include "VSTInterface.h"

struct SentMidi {
  int block;  // the block it belongs to: 0 is the first processed block
  int offset;
  int status, data1, data2;
  bool operator==(const SentMidi& o) const
  {
    return block == o.block && offset == o.offset && status == o.status && data1 == o.data1 && data2 == o.data2;
  }
};

inline std::ostream& operator<<(std::ostream& os, const SentMidi& m)
{
  return os << "{block " << m.block << " @" << m.offset << " " << std::hex << m.status << " " << std::dec << m.data1
            << " " << m.data2 << "}";
}

class HostedPlugin {
public:
  void Create()
  {
    plug.reset(new Tolvo(&HostCallback));
    effect()->user = this;
    time = VstTimeInfo();
    time.sampleRate = 44100.0;
    time.tempo = 120.0;
    time.timeSigNumerator = 4;
    time.timeSigDenominator = 4;
    time.flags = 0x2 | 0x200 | 0x400 | 0x800 | 0x2000;  // playing, positions valid
    blocks = 0;
    sent.clear();
    automated.clear();
    edits.clear();
    Dispatch(effOpen);
    Dispatch(effSetSampleRate, 0, 0, nullptr, 44100.0f);
    Dispatch(effSetBlockSize, 0, 512);
    Dispatch(effMainsChanged, 0, 1);
  }

  AEffect* effect() { return plug->HandToHost(); }

  VstIntPtr Dispatch(VstInt32 op, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr, float opt = 0.0f)
  {
    return effect()->dispatcher(effect(), op, index, value, ptr, opt);
  }

  void Midi(int status, int data1, int data2, int offset = 0)
  {
    VstMidiEvent ev = {};
    ev.type = kVstMidiType;
    ev.byteSize = sizeof ev;
    ev.deltaFrames = offset;
    ev.midiData[0] = char(status);
    ev.midiData[1] = char(data1);
    ev.midiData[2] = char(data2);
    VstEvents list = {};
    list.numEvents = 1;
    list.events[0] = reinterpret_cast<VstEvent*>(&ev);
    Dispatch(effProcessEvents, 0, 0, &list);
  }

  // Runs one block through the host's float callback; the clock moves on.
  void Block(int frames = 512)
  {
    out[0].assign(frames, 1.0f);
    out[1].assign(frames, 1.0f);
    float* outs[2] = {out[0].data(), out[1].data()};
    effect()->processReplacing(effect(), nullptr, outs, frames);
    ++blocks;
    time.samplePos += frames;
    time.ppqPos = time.samplePos / (time.sampleRate * 60.0 / time.tempo);
  }

  // Sets a parameter's plain value as the state or the host would: the
  // editor's controls show it, then the plug-in hears of it.
  void Set(int index, double plain)
  {
    plug->GetParam(index)->Set(plain);
    plug->GetGUI()->SetParameterFromPlug(index, plain, false);
    plug->OnParamChange(index);
  }
  double Value(int index) { return plug->GetParam(index)->Value(); }
  // The editor's tick (what its timer runs), which shows what the plug-in
  // posted to it; the window may be closed.
  void EditorTick()
  {
    IRECT dirty;
    plug->GetGUI()->IsDirty(&dirty);
  }

  std::vector<uint8_t> GetChunk(bool bank)
  {
    void* data = nullptr;
    const VstIntPtr size = Dispatch(effGetChunk, bank ? 0 : 1, 0, &data);
    const uint8_t* p = static_cast<const uint8_t*>(data);
    return size > 0 && p ? std::vector<uint8_t>(p, p + size) : std::vector<uint8_t>();
  }
  VstIntPtr SetChunk(std::vector<uint8_t> bytes, bool bank)
  {
    return Dispatch(effSetChunk, bank ? 0 : 1, VstIntPtr(bytes.size()), bytes.data());
  }

  std::vector<SentMidi> SentIn(int block) const
  {
    std::vector<SentMidi> r;
    for (const SentMidi& m : sent)
      if (m.block == block) r.push_back(m);
    return r;
  }

  static VstIntPtr VSTCALLBACK HostCallback(AEffect* e, VstInt32 op, VstInt32 index, VstIntPtr value, void* ptr,
                                            float opt)
  {
    HostedPlugin* self = e ? static_cast<HostedPlugin*>(e->user) : nullptr;
    if (!self) return 0;
    switch (op) {
      case audioMasterGetTime: return reinterpret_cast<VstIntPtr>(&self->time);
      case audioMasterProcessEvents: {
        const VstEvents* list = static_cast<const VstEvents*>(ptr);
        for (int i = 0; i < list->numEvents; ++i) {
          const VstMidiEvent* m = reinterpret_cast<const VstMidiEvent*>(list->events[i]);
          self->sent.push_back({self->blocks, m->deltaFrames, uint8_t(m->midiData[0]), uint8_t(m->midiData[1]),
                                uint8_t(m->midiData[2])});
        }
        return 1;
      }
      case audioMasterAutomate:
        self->automated.push_back(index);
        self->edits.push_back(HostCall{op, index, opt});
        return 1;
      case audioMasterBeginEdit:
      case audioMasterEndEdit: self->edits.push_back(HostCall{op, index, 0.0f}); return 1;
      default: return 0;
    }
  }

  std::unique_ptr<Tolvo> plug;
  VstTimeInfo time;
  int blocks = 0;
  std::vector<SentMidi> sent;
  std::vector<int> automated;
  std::vector<HostCall> edits;  // begin edit, automate and end edit, in order
  std::vector<float> out[2];
};

class PluginFixture : public ::testing::Test, public HostedPlugin {
protected:
  void SetUp() override { Create(); }
};

#endif
