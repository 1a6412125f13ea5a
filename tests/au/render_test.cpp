// Render: the checks that refuse a call, the notifications around it, the
// inputs pulled from upstream, the outputs written, and the host's time.

#include "BindingFixture.h"

namespace {
using RenderTest = BindingTest;

struct NotifyCount {
  int calls = 0;
  static OSStatus Proc(void* refCon, AudioUnitRenderActionFlags*, const AudioTimeStamp*, UInt32, UInt32,
                       AudioBufferList*)
  {
    ++((NotifyCount*)refCon)->calls;
    return noErr;
  }
};

TEST_F(RenderTest, ABadCallIsRefusedBeforeAnythingIsTold)
{
  NotifyCount notify;
  ASSERT_EQ(AudioUnitAddRenderNotify(unit, NotifyCount::Proc, &notify), noErr);
  float left[2048], right[2048];
  const struct {
    const char* what;
    bool sampleTimeValid;
    UInt32 bus, frames, bufferBytes;
    bool list;
  } cases[] = {
      {"no sample time", false, 0, 512, 2048, true},      {"a bus past the last", true, 1, 512, 2048, true},
      {"more than the block", true, 0, 1025, 8192, true}, {"no buffer list", true, 0, 512, 2048, false},
      {"a buffer too short", true, 0, 512, 2044, true},
  };
  for (const auto& c : cases) {
    Buffers buffers(left, right, c.frames);
    buffers.list.mBuffers[1].mDataByteSize = c.bufferBytes;
    AudioTimeStamp ts = TimeStamp();
    if (!c.sampleTimeValid) ts.mFlags = kAudioTimeStampHostTimeValid;
    AudioUnitRenderActionFlags flags = 0;
    EXPECT_EQ(AudioUnitRender(unit, &flags, &ts, c.bus, c.frames, c.list ? buffers.Get() : nullptr),
              kAudioUnitErr_InvalidPropertyValue)
        << c.what;
  }
  AudioUnitRenderActionFlags flags = 0;
  Buffers buffers(left, right, 512);
  EXPECT_EQ(AudioUnitRender(unit, &flags, nullptr, 0, 512, buffers.Get()), kAudioUnitErr_InvalidPropertyValue);
  EXPECT_EQ(notify.calls, 0);
  EXPECT_TRUE(plug->blocks.empty());
}

TEST_F(RenderTest, AGoodCallRunsTheBlockBetweenItsNotifications)
{
  NotifyCount notify;
  ASSERT_EQ(AudioUnitAddRenderNotify(unit, NotifyCount::Proc, &notify), noErr);
  ASSERT_EQ(Render(512), noErr);
  EXPECT_EQ(notify.calls, 2);
  EXPECT_EQ(plug->blocks, (std::vector<int>{512}));
  // Nothing is connected upstream: the plug-in copies silence through.
  for (const std::vector<float>& channel : out)
    for (float s : channel) ASSERT_EQ(s, 0.0f);
}

TEST_F(RenderTest, BypassTouchesNothing)
{
  NotifyCount notify;
  ASSERT_EQ(AudioUnitAddRenderNotify(unit, NotifyCount::Proc, &notify), noErr);
  ASSERT_EQ(Set(kAudioUnitProperty_BypassEffect, (UInt32)1), noErr);
  ASSERT_EQ(Render(), noErr);
  EXPECT_EQ(notify.calls, 0);
  EXPECT_TRUE(plug->blocks.empty());
  EXPECT_EQ(out[0][0], 1.0f);
}

TEST_F(RenderTest, BuffersFollowTheHostsChannelsAndNeverPassTheBus)
{
  // The host said nothing of its channels: the bus's own two are used.
  float a[64], b[64], c[64];
  struct {
    UInt32 n;
    AudioBuffer buffers[3];
  } list{3, {{1, sizeof a, a}, {1, sizeof b, b}, {1, sizeof c, c}}};
  std::fill(a, a + 64, 1.0f);
  std::fill(b, b + 64, 1.0f);
  std::fill(c, c + 64, 1.0f);
  AudioTimeStamp ts = TimeStamp();
  AudioUnitRenderActionFlags flags = 0;
  ASSERT_EQ(AudioUnitRender(unit, &flags, &ts, 0, 64, (AudioBufferList*)&list), noErr);
  EXPECT_EQ(a[63], 0.0f);
  EXPECT_EQ(b[63], 0.0f);
  EXPECT_EQ(c[0], 0.0f);  // past the bus: silence, not what was there
  EXPECT_TRUE(plug->IsOutChannelConnected(0));
  EXPECT_TRUE(plug->IsOutChannelConnected(1));

  // One host channel: one buffer taken, the second plug-in channel idle.
  AudioStreamBasicDescription format;
  ASSERT_EQ(Get(kAudioUnitProperty_StreamFormat, &format, kAudioUnitScope_Output), noErr);
  format.mChannelsPerFrame = 1;
  ASSERT_EQ(Set(kAudioUnitProperty_StreamFormat, format, kAudioUnitScope_Output), noErr);
  list.n = 1;
  list.buffers[0].mData = nullptr;  // the unit's own buffer
  ASSERT_EQ(AudioUnitRender(unit, &flags, &ts, 0, 64, (AudioBufferList*)&list), noErr);
  EXPECT_NE(list.buffers[0].mData, nullptr);
  EXPECT_TRUE(plug->IsOutChannelConnected(0));
  EXPECT_FALSE(plug->IsOutChannelConnected(1));
}

struct Feed {
  float value = 0.5f;
  int calls = 0;
  static OSStatus Proc(void* refCon, AudioUnitRenderActionFlags*, const AudioTimeStamp*, UInt32 bus, UInt32 frames,
                       AudioBufferList* list)
  {
    Feed* feed = (Feed*)refCon;
    ++feed->calls;
    for (UInt32 k = 0; k < list->mNumberBuffers; ++k)
      for (UInt32 s = 0; s < frames; ++s) ((float*)list->mBuffers[k].mData)[s] = feed->value * (k + 1);
    return noErr;
  }
};

TEST_F(RenderTest, ARenderCallbackFeedsTheInputsOncePerTimeStamp)
{
  Feed feed;
  ASSERT_EQ(Set(kAudioUnitProperty_SetRenderCallback, AURenderCallbackStruct{Feed::Proc, &feed}, kAudioUnitScope_Input),
            noErr);
  EXPECT_TRUE(plug->IsInChannelConnected(0));
  EXPECT_TRUE(plug->IsInChannelConnected(1));
  ASSERT_EQ(Render(64), noErr);
  EXPECT_EQ(out[0][10], 0.5f);
  EXPECT_EQ(out[1][10], 1.0f);
  // A second output at the same time stamp: the input is not pulled again.
  clock.sample -= 64;
  ASSERT_EQ(Render(64), noErr);
  EXPECT_EQ(feed.calls, 1);
  ASSERT_EQ(Render(64), noErr);
  EXPECT_EQ(feed.calls, 2);

  EXPECT_EQ(
      Set(kAudioUnitProperty_SetRenderCallback, AURenderCallbackStruct{Feed::Proc, &feed}, kAudioUnitScope_Global),
      kAudioUnitErr_InvalidProperty);
  ASSERT_EQ(Set(kAudioUnitProperty_SetRenderCallback, AURenderCallbackStruct{nullptr, nullptr}, kAudioUnitScope_Input),
            noErr);
  EXPECT_FALSE(plug->IsInChannelConnected(0));
}

TEST_F(RenderTest, UpstreamUnitsArePulledWithOrWithoutTheirFastProcedure)
{
  for (bool fast : {false, true}) {
    TestUpstreamUnit upstream;
    upstream.fastRender = fast;
    upstream.format = AudioStreamBasicDescription{48000.0, kAudioFormatLinearPCM, 41, 4, 1, 4, 1, 32, 0};
    AudioUnit source = TestOpenUpstreamUnit(&upstream);
    ASSERT_EQ(Set(kAudioUnitProperty_MakeConnection, AudioUnitConnection{source, 0, 0}, kAudioUnitScope_Input), noErr);
    // The source's format is this unit's input format now.
    AudioStreamBasicDescription in;
    ASSERT_EQ(Get(kAudioUnitProperty_StreamFormat, &in, kAudioUnitScope_Input), noErr);
    EXPECT_EQ(in.mChannelsPerFrame, 1u);
    EXPECT_EQ(plug->GetSampleRate(), 48000.0);
    ASSERT_EQ(Render(32), noErr);
    EXPECT_EQ(upstream.renders, 1) << fast;
    EXPECT_EQ(out[0][31], 0.25f) << fast;
    EXPECT_EQ(out[1][31], 0.0f) << fast;  // the second input is not connected

    upstream.renderResult = -50;
    EXPECT_EQ(Render(32), -50);
    ASSERT_EQ(Set(kAudioUnitProperty_MakeConnection, AudioUnitConnection{nullptr, 0, 0}, kAudioUnitScope_Input), noErr);
    EXPECT_FALSE(plug->IsInChannelConnected(0));
    CloseComponent(source);
  }
}

TEST_F(RenderTest, ConnectionsThatCannotBeMadeAreRefused)
{
  TestUpstreamUnit upstream;
  upstream.format = AudioStreamBasicDescription{44100.0, kAudioFormatLinearPCM, 41, 4, 1, 4, 3, 32, 0};
  AudioUnit source = TestOpenUpstreamUnit(&upstream);
  EXPECT_EQ(Set(kAudioUnitProperty_MakeConnection, AudioUnitConnection{source, 0, 0}, kAudioUnitScope_Input),
            kAudioUnitErr_InvalidProperty);
  EXPECT_EQ(Set(kAudioUnitProperty_MakeConnection, AudioUnitConnection{source, 0, 1}, kAudioUnitScope_Input),
            kAudioUnitErr_InvalidProperty);
  EXPECT_FALSE(plug->IsInChannelConnected(0));
  CloseComponent(source);
}

TEST_F(RenderTest, TheHostsTimeAsThePlugInReadsIt)
{
  ASSERT_EQ(Render(), noErr);
  const double none[10] = {-1, 120, -1, -1, 4, 4, -1, -1, 0, 0};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(plug->time[i], none[i]) << i;
  EXPECT_EQ(plug->GetSamplePos(), 0);

  GiveHostCallbacks();
  clock = Clock();
  clock.tempo = 90.0;
  clock.cycling = true;
  clock.cycleStart = 0.0;  // a cycle from the song's start counts
  clock.cycleEnd = 8.0;
  ASSERT_EQ(Render(), noErr);
  const double start[10] = {0, 90, 0, 0, 4, 4, 0, 8, 1, 1};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(plug->time[i], start[i]) << i;

  clock.sample = 44100.0 * 3;  // beat 4.5 at 90 BPM: bar 2 from beat 4
  clock.playing = false;
  ASSERT_EQ(Render(), noErr);
  EXPECT_EQ(plug->time[0], 44100.0 * 3);
  EXPECT_EQ(plug->time[2], 4.5);
  EXPECT_EQ(plug->time[3], 4.0);
  EXPECT_EQ(plug->time[8], 0.0);
  EXPECT_EQ(plug->GetSamplePos(), 44100 * 3 + 512);
  EXPECT_EQ(plug->GetTempo(), 90.0);
  int num = 0, denom = 0;
  plug->GetTimeSig(&num, &denom);
  EXPECT_EQ(num, 4);
  EXPECT_EQ(denom, 4);

  // A host that cannot say gives nothing to take.
  clock.answer = -10863;
  clock.tempo = 60.0;
  ASSERT_EQ(Render(), noErr);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(plug->time[i], none[i]) << i;
  EXPECT_EQ(plug->GetSamplePos(), 0);
  EXPECT_EQ(plug->GetTempo(), 90.0);  // the last tempo the host gave
}

}  // namespace
