#include "AudioRun.h"

#include <chrono>
#include <cmath>

namespace vsthost {

namespace {
const uint8_t kNoteOn = 0x90, kNoteOff = 0x80, kVelocity = 100;
// After the stop: how long the plug-in may take to end its notes.
const int kMaxTailSeconds = 30;
}  // namespace

AudioRun::AudioRun(Plugin& plug, const Settings& settings) : mPlug(plug), mSettings(settings)
{
  mThread = std::thread(&AudioRun::Run, this);
}

AudioRun::~AudioRun() { Stop(); }

AudioRun::Report AudioRun::Stop()
{
  mStop = true;
  if (mThread.joinable()) mThread.join();
  return mReport;
}

float AudioRun::Sweep(int32_t param) const
{
  const double phase = std::fmod(mReport.blocks * 0.01 + param * 0.1, 2.0);
  return static_cast<float>(phase > 1.0 ? 2.0 - phase : phase);
}

void AudioRun::Tally()
{
  for (const Callback& cb : mPlug.TakeOtherThreadCallbacks()) {
    for (const Event& e : cb.events) {
      if (e.type != kMidiEventType) continue;
      const uint8_t status = e.midiData()[0] & 0xF0, note = e.midiData()[1], velocity = e.midiData()[2];
      const int key = (e.midiData()[0] & 0x0F) * 128 + note;
      if (status == kNoteOn && velocity > 0)
        ++mSounding[key];
      else if ((status == kNoteOff || status == kNoteOn) && mSounding[key] > 0)
        --mSounding[key];
    }
  }
  mReport.sounding = 0;
  for (const auto& s : mSounding) mReport.sounding += s.second;
}

void AudioRun::Block(const std::vector<Event>& events)
{
  const int32_t frames = mSettings.frames;
  if (!events.empty()) mPlug.SendEvents(events);
  mPlug.Process(ProcessKind::Replacing, frames);
  // The host's transport moves on with every block.
  TimeInfo& t = mPlug.time;
  t.samplePos += frames;
  t.ppqPos = t.samplePos / t.sampleRate * t.tempo / 60.0;
  ++mReport.blocks;
  Tally();
}

void AudioRun::Run()
{
  const int32_t frames = mSettings.frames;
  const double secondsPerBlock = frames / mPlug.time.sampleRate;
  const auto start = std::chrono::steady_clock::now();
  mPlug.FillBuffers(frames, 0.0f, 0.0f);

  std::vector<Event> events;
  for (uint8_t note : mSettings.hold) events.push_back(Event::Midi(0, kNoteOn, note, kVelocity));
  while (!mStop) {
    if (!mSettings.arp.empty()) {
      const uint8_t note = mSettings.arp[static_cast<size_t>(mReport.blocks) % mSettings.arp.size()];
      events.push_back(Event::Midi(0, kNoteOn, note, kVelocity));
      events.push_back(Event::Midi(frames / 2, kNoteOff, note, 0));
    }
    Block(events);
    events.clear();
    for (const auto& a : mSettings.automation) mPlug.SetParameter(a.first, Sweep(a.first));
    std::this_thread::sleep_until(start + std::chrono::duration<double>(secondsPerBlock * mReport.blocks));
  }

  for (const auto& a : mSettings.automation) mPlug.SetParameter(a.first, a.second);
  for (uint8_t note : mSettings.hold) events.push_back(Event::Midi(0, kNoteOff, note, 0));
  Block(events);
  const int64_t tailBlocks = static_cast<int64_t>(kMaxTailSeconds / secondsPerBlock);
  for (int64_t i = 0; i < tailBlocks && mReport.sounding > 0; ++i) Block({});
}

}  // namespace vsthost
