// The binding driven directly, without the test host: what depends on the
// host's name, on whether the plug-in hands the host chunks, and on whether
// the host has the plug-in yet.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "IFxUtilities.h"
#include "IFxVST.h"

namespace {

const char* sProduct = "";
int sProductAsked = 0;
std::vector<VstInt32> sCalls;

VstIntPtr VSTCALLBACK Host(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr, float)
{
  sCalls.push_back(opcode);
  if (opcode == audioMasterGetProductString && ptr) {
    ++sProductAsked;
    std::strcpy((char*)ptr, sProduct);
    return 1;
  }
  return 0;
}

TEST(HostSpecificInit, StereoHostsGetTwoInputsAndEveryOutput)
{
  struct Case {
    const char* product;
    bool limited;
  };
  for (const Case& c : {Case{"Adobe Audition", true}, Case{"Forte", true}, Case{"Orion Platinum", true},
                        Case{"SAWStudio", true}, Case{"REAPER", false}, Case{"", false}}) {
    sProduct = c.product;
    sProductAsked = 0;
    IFxVST plug(Host, 1, "4-4", 0, "Effect", "Product", "Maker", 0x00010000, 1, 2, 0, false, false, false);
    plug.SetOutputChannelConnections(2, 2, false);
    AEffect* effect = plug.HandToHost();
    effect->dispatcher(effect, effOpen, 0, 0, nullptr, 0.0f);
    effect->dispatcher(effect, effOpen, 0, 0, nullptr, 0.0f);  // once per instance
    EXPECT_EQ(sProductAsked, 1) << c.product;
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(plug.IsInChannelConnected(i), !c.limited || i < 2) << c.product << " input " << i;
      EXPECT_EQ(plug.IsOutChannelConnected(i), c.limited || i < 2) << c.product << " output " << i;
    }
    EXPECT_EQ(effect->numInputs, 4);
    EXPECT_EQ(effect->numOutputs, 4);
  }
}

// Without chunks, switching programs first stores the live values in the
// program left, so edits survive a switch; with chunks it keeps what it held.
TEST(Programs, SwitchingAwayStoresTheLiveValuesUnlessTheHostKeepsChunks)
{
  for (bool chunks : {false, true}) {
    IFxVST plug(Host, 1, "0-2", 2, "Effect", "Product", "Maker", 0x00010000, 1, 2, 0, false, chunks, false);
    plug.GetParam(0)->InitDouble("p", 0.5, 0.0, 1.0, 0.01);
    plug.FillEmptyPresets();
    AEffect* effect = plug.HandToHost();
    effect->setParameter(effect, 0, 0.9f);
    effect->dispatcher(effect, effSetProgram, 0, 1, nullptr, 0.0f);
    effect->dispatcher(effect, effSetProgram, 0, 0, nullptr, 0.0f);
    EXPECT_NEAR(effect->getParameter(effect, 0), chunks ? 0.5 : 0.9, 1e-6) << "chunks " << chunks;
  }
}

// What a plug-in does while it is being made reaches no host: the host has
// no effect record yet. Once the record is handed over, the same calls go
// through.
TEST(HandOver, NothingReachesTheHostBeforeItHasTheRecord)
{
  IFxVST plug(Host, 1, "0-2", 0, "Effect", "Product", "Maker", 0x00010000, 1, 2, 0, true, true, false);
  plug.GetParam(0)->InitDouble("p", 0.5, 0.0, 1.0, 0.01);
  const auto everything = [&] {
    plug.BeginInformHostOfParamChange(0);
    plug.SetParameterFromGUI(0, 0.75);
    plug.EndInformHostOfParamChange(0);
    plug.UpdateHostDisplay();
    IMidiMessage note(0, 0x90, 60, 100);
    plug.SendMidiMsg(&note);
    return plug.GetTempo();
  };
  sCalls.clear();
  EXPECT_EQ(everything(), 0.0);
  EXPECT_EQ(plug.GetHost(), kHostUninit);  // not asked, so not taken as unknown for good
  EXPECT_TRUE(sCalls.empty());
  EXPECT_EQ(plug.GetParam(0)->Value(), 0.75);

  plug.HandToHost();
  everything();
  EXPECT_EQ(sCalls, (std::vector<VstInt32>{audioMasterBeginEdit, audioMasterAutomate, audioMasterEndEdit,
                                           audioMasterUpdateDisplay, audioMasterProcessEvents, audioMasterGetTime}));
  sProduct = "REAPER";
  EXPECT_EQ(plug.GetHost(), kHostReaper);
}

}  // namespace
