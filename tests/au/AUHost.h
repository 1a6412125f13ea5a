#ifndef AUHOST_H
#define AUHOST_H

// An Audio Unit opened through the test Component Manager and driven as a
// host drives it: properties, the host's musical time, the MIDI-output
// callback, property listeners and render calls with a running clock.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "AppleTesting.h"

// One MIDI message the unit sent through the host's callback.
struct HostMidi {
  int block;     // the render call it came in; 0 is the first
  int64_t time;  // the packet's time stamp: the offset in the block
  std::vector<Byte> bytes;
  double renderSampleTime;  // of the time stamp it was given
};

// One property listener call.
struct HeardProperty {
  AudioUnitPropertyID id;
  AudioUnitScope scope;
};

class AUHost {
public:
  // The plug-in's MIDI goes nowhere but where a test says: no JACK server
  // is reached unless a test starts its own.
  static void KeepJackToItself(const char* serverName)
  {
    setenv("JACK_NO_START_SERVER", "1", 1);
    setenv("JACK_DEFAULT_SERVER", serverName, 1);
  }

  void Open(Component component)
  {
    unit = OpenComponent(component);
    ASSERT_NE(unit, nullptr);
  }

  void Close()
  {
    if (unit) {
      EXPECT_EQ(CloseComponent(unit), noErr);
    }
    unit = nullptr;
  }

  template <class T>
  OSStatus Get(AudioUnitPropertyID id, T* value, AudioUnitScope scope = kAudioUnitScope_Global,
               AudioUnitElement element = 0)
  {
    UInt32 size = sizeof(T);
    return AudioUnitGetProperty(unit, id, scope, element, value, &size);
  }

  template <class T>
  OSStatus Set(AudioUnitPropertyID id, const T& value, AudioUnitScope scope = kAudioUnitScope_Global,
               AudioUnitElement element = 0)
  {
    return AudioUnitSetProperty(unit, id, scope, element, &value, sizeof(T));
  }

  // The size and writable flag, as a host asks before it gets a property.
  OSStatus Info(AudioUnitPropertyID id, UInt32* size, Boolean* writable, AudioUnitScope scope = kAudioUnitScope_Global,
                AudioUnitElement element = 0)
  {
    return AudioUnitGetPropertyInfo(unit, id, scope, element, size, writable);
  }

  // --- The host's musical time ---

  struct Clock {
    double sample = 0.0;
    double tempo = 120.0;
    bool playing = true;
    bool cycling = false;
    double cycleStart = 0.0, cycleEnd = 0.0;
    OSStatus answer = noErr;  // what every time procedure answers
    double beat() const { return sample / (44100.0 * 60.0 / tempo); }
  } clock;

  void GiveHostCallbacks()
  {
    HostCallbackInfo info{this, BeatAndTempo, TimeLocation, TransportState};
    EXPECT_EQ(Set(kAudioUnitProperty_HostCallbacks, info), noErr);
  }

  void GiveMidiCallback()
  {
    AUMIDIOutputCallbackStruct callback{MidiOut, this};
    EXPECT_EQ(Set(kAudioUnitProperty_MIDIOutputCallback, callback), noErr);
  }

  void Listen(AudioUnitPropertyID id) { EXPECT_EQ(AudioUnitAddPropertyListener(unit, id, Heard, this), noErr); }

  // --- Render ---

  // One render of the output bus into two host buffers; the clock moves on.
  OSStatus Render(UInt32 frames = 512, UInt32 bus = 0)
  {
    out[0].assign(frames, 1.0f);
    out[1].assign(frames, 1.0f);
    Buffers list(out[0].data(), out[1].data(), frames);
    AudioTimeStamp ts = TimeStamp();
    AudioUnitRenderActionFlags flags = 0;
    const OSStatus r = AudioUnitRender(unit, &flags, &ts, bus, frames, list.Get());
    ++blocks;
    clock.sample += frames;
    return r;
  }

  AudioTimeStamp TimeStamp() const
  {
    AudioTimeStamp ts{};
    ts.mSampleTime = clock.sample;
    ts.mFlags = kAudioTimeStampSampleTimeValid;
    return ts;
  }

  // A buffer list of two buffers, as a host lays it out.
  struct Buffers {
    Buffers(float* left, float* right, UInt32 frames)
    {
      list.mNumberBuffers = 2;
      list.mBuffers[0] = AudioBuffer{1, frames * 4, left};
      list.mBuffers[1] = AudioBuffer{1, frames * 4, right};
    }
    AudioBufferList* Get() { return (AudioBufferList*)&list; }
    struct {
      UInt32 mNumberBuffers;
      AudioBuffer mBuffers[2];
    } list;
  };

  // What the MIDI-output callback received, as note-ons only.
  std::vector<HostMidi> NoteOns() const
  {
    std::vector<HostMidi> r;
    for (const HostMidi& m : midi)
      if (m.bytes.size() == 3 && (m.bytes[0] & 0xF0) == 0x90 && m.bytes[2]) r.push_back(m);
    return r;
  }

  // What the host gives as its user data (a fixture's this is another
  // address).
  void* UserData() { return this; }

  AudioUnit unit = nullptr;
  int blocks = 0;
  std::vector<float> out[2];
  std::vector<HostMidi> midi;
  std::vector<HeardProperty> heard;
  OSStatus midiAnswer = noErr;

private:
  static OSStatus BeatAndTempo(void* user, Float64* beat, Float64* tempo)
  {
    const AUHost* host = (const AUHost*)user;
    if (beat) *beat = host->clock.beat();
    if (tempo) *tempo = host->clock.tempo;
    return host->clock.answer;
  }

  static OSStatus TimeLocation(void* user, UInt32* toNextBeat, Float32* num, UInt32* denom, Float64* downBeat)
  {
    const AUHost* host = (const AUHost*)user;
    if (toNextBeat) *toNextBeat = 0;
    if (num) *num = 4.0f;
    if (denom) *denom = 4;
    if (downBeat) *downBeat = 4.0 * (int)(host->clock.beat() / 4.0);
    return host->clock.answer;
  }

  static OSStatus TransportState(void* user, Boolean* playing, Boolean* changed, Float64* sample, Boolean* cycling,
                                 Float64* cycleStart, Float64* cycleEnd)
  {
    const AUHost* host = (const AUHost*)user;
    if (playing) *playing = host->clock.playing;
    if (changed) *changed = false;
    if (sample) *sample = host->clock.sample;
    if (cycling) *cycling = host->clock.cycling;
    if (cycleStart) *cycleStart = host->clock.cycleStart;
    if (cycleEnd) *cycleEnd = host->clock.cycleEnd;
    return host->clock.answer;
  }

  static OSStatus MidiOut(void* user, const AudioTimeStamp* ts, UInt32 outNum, const MIDIPacketList* list)
  {
    AUHost* host = (AUHost*)user;
    EXPECT_EQ(outNum, 0u);
    for (const TestMidiPacket& p : TestReadPacketList(list))
      host->midi.push_back({host->blocks, (int64_t)p.time, p.bytes, ts ? ts->mSampleTime : -1.0});
    return host->midiAnswer;
  }

public:
  static void Heard(void* refCon, AudioUnit unit, AudioUnitPropertyID id, AudioUnitScope scope, AudioUnitElement)
  {
    ((AUHost*)refCon)->heard.push_back({id, scope});
  }
};

#endif
