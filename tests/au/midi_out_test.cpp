// MIDI out of the binding through the host's callback, and the destination
// enumerator.

#include "BindingFixture.h"

namespace {
using MidiOutTest = BindingTest;

TEST_F(MidiOutTest, AMessageGoesToTheHostAsOnePacketAtItsOffset)
{
  // Without a virtual source every message goes to the host, whatever the
  // mode says.
  ASSERT_FALSE(plug->HasVirtualMidiOutput());
  plug->SetMidiOutPort(IFxAU::kMidiOutVirtual);
  EXPECT_EQ(MusicDeviceMIDIEvent(unit, 0x91, 64, 90, 33), noErr);
  EXPECT_FALSE(plug->thruSent);  // no callback yet: nothing sent

  GiveMidiCallback();
  clock.sample = 1024.0;
  ASSERT_EQ(Render(), noErr);
  EXPECT_EQ(MusicDeviceMIDIEvent(unit, 0x91, 64, 90, 33), noErr);
  EXPECT_TRUE(plug->thruSent);
  ASSERT_EQ(midi.size(), 1u);
  EXPECT_EQ(midi[0].time, 33);
  EXPECT_EQ(midi[0].bytes, (std::vector<Byte>{0x91, 64, 90}));
  // The time stamp of the last render, kept though the host's is gone.
  EXPECT_EQ(midi[0].renderSampleTime, 1024.0);

  midiAnswer = -1;
  EXPECT_EQ(MusicDeviceMIDIEvent(unit, 0x81, 64, 0, 40), noErr);
  EXPECT_FALSE(plug->thruSent);
}

TEST_F(MidiOutTest, DestinationsAreCountedOnceAndChooseTheHost)
{
  TestSetMidiDestinations(3);
  plug->SetMidiOutPort(IFxAU::kMidiOutVirtual);
  KIT_TypedBuf<IFxAU::MidiDestination> destinations;
  plug->GetMidiDestinations(&destinations);
  EXPECT_EQ(plug->GetMidiOutPort(), IFxAU::kMidiOutHost);
  ASSERT_EQ(destinations.GetSize(), 3);
  EXPECT_EQ(destinations.Get()[2].mEndpoint, 0x1002u);
  EXPECT_NE(destinations.Get()[0].mPort, destinations.Get()[1].mPort);
  TestSetMidiDestinations(5);
  plug->GetMidiDestinations(&destinations);
  EXPECT_EQ(destinations.GetSize(), 3);
  TestSetMidiDestinations(0);
}

}  // namespace
