// The binding driven directly, without the test host: what depends on the
// host's name, and on whether the plug-in hands the host chunks.

#include <gtest/gtest.h>

#include <cstring>

#include "IFxVST.h"

namespace {

const char* sProduct = "";
int sProductAsked = 0;

VstIntPtr VSTCALLBACK Host(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr, float)
{
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
    AEffect* effect = plug.GetAEffect();
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
    AEffect* effect = plug.GetAEffect();
    effect->setParameter(effect, 0, 0.9f);
    effect->dispatcher(effect, effSetProgram, 0, 1, nullptr, 0.0f);
    effect->dispatcher(effect, effSetProgram, 0, 0, nullptr, 0.0f);
    EXPECT_NEAR(effect->getParameter(effect, 0), chunks ? 0.5 : 0.9, 1e-6) << "chunks " << chunks;
  }
}

}  // namespace
