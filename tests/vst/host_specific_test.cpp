// What the binding does for the hosts it knows by name when the host opens
// the plug-in.

#include <gtest/gtest.h>

#include <cstring>

#include "IFxVST.h"

namespace {

const char* sProduct = "";
int sProductAsked = 0;

VstIntPtr VSTCALLBACK Host(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr, float)
{
  if (opcode == audioMasterGetProductString && ptr)
  {
    ++sProductAsked;
    std::strcpy((char*)ptr, sProduct);
    return 1;
  }
  return 0;
}

TEST(HostSpecificInit, StereoHostsGetTwoInputsAndEveryOutput)
{
  struct Case
  {
    const char* product;
    bool limited;
  };
  for (const Case& c : {Case{"Adobe Audition", true}, Case{"Forte", true}, Case{"Orion Platinum", true},
                        Case{"SAWStudio", true}, Case{"REAPER", false}, Case{"", false}})
  {
    sProduct = c.product;
    sProductAsked = 0;
    IFxVST plug(Host, 1, "4-4", 0, "Effect", "Product", "Maker", 0x00010000, 1, 2, 0, false, false, false);
    plug.SetOutputChannelConnections(2, 2, false);
    AEffect* effect = plug.GetAEffect();
    effect->dispatcher(effect, effOpen, 0, 0, nullptr, 0.0f);
    effect->dispatcher(effect, effOpen, 0, 0, nullptr, 0.0f);  // once per instance
    EXPECT_EQ(sProductAsked, 1) << c.product;
    for (int i = 0; i < 4; ++i)
    {
      EXPECT_EQ(plug.IsInChannelConnected(i), !c.limited || i < 2) << c.product << " input " << i;
      EXPECT_EQ(plug.IsOutChannelConnected(i), c.limited || i < 2) << c.product << " output " << i;
    }
    EXPECT_EQ(effect->numInputs, 4);
    EXPECT_EQ(effect->numOutputs, 4);
  }
}

}  // namespace
