// Presets and the preset bank.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "TestBase.h"

namespace {

// The values a preset holds, read back through a restore.
std::vector<double> PresetValues(TestBase& plug, int idx)
{
  plug.RestorePreset(idx);
  return plug.Values();
}

TEST(Presets, DefaultUserPresetNamesCount)
{
  TestBase plug;
  KIT_PtrList<IPreset> presets;
  for (const char* name : {"user preset 1", "foo user preset", "bar"}) {
    presets.Add(new IPreset)->SetName(name);
  }
  char name[IPreset::kNameLen];
  plug.MakeDefaultUserPresetName(&presets, name);
  EXPECT_STREQ(name, "user preset 3");
  presets.Empty(true);
}

TEST(Presets, RestoringAnUninitialisedPresetKeepsTheLiveValues)
{
  TestBase plug;
  plug.GetParam(0)->Set(0.1);
  EXPECT_TRUE(plug.RestorePreset(2));
  EXPECT_EQ(plug.GetCurrentPresetIdx(), 2);
  EXPECT_STREQ(plug.GetPresetName(2), "user preset 1");
  EXPECT_TRUE(plug.IsPresetInitialized(2));
  EXPECT_DOUBLE_EQ(plug.GetParam(0)->Value(), 0.1);
  EXPECT_FALSE(plug.RestorePreset(3));
  EXPECT_FALSE(plug.RestorePreset(-1));
  EXPECT_EQ(plug.GetCurrentPresetIdx(), 2);
}

TEST(Presets, Makers)
{
  TestBase plug("0-2", 4);
  plug.GetParam(1)->Set(0.2);
  plug.MakePresetFromNamedParams("A", 1, 2, 0.75);
  plug.MakePreset("B", 0.0, 0.1, 0.2, 0.3);
  const float normalized[] = {0.5f, 1.0f};
  plug.MakePresetFromNormalizedArray("C", normalized, 2);
  plug.MakePresetsFromCurrentParams(nullptr, 3);  // one slot left

  EXPECT_STREQ(plug.GetPresetName(0), "A");
  EXPECT_STREQ(plug.GetPresetName(3), "Empty");
  EXPECT_EQ(PresetValues(plug, 0), (std::vector<double>{0.5, 0.2, 0.75, 0.5}));
  EXPECT_EQ(PresetValues(plug, 1), (std::vector<double>{0.0, 0.1, 0.2, 0.3}));
  // Values not given come from the live ones at the time of making.
  EXPECT_EQ(PresetValues(plug, 2), (std::vector<double>{0.5, 1.0, 0.5, 0.5}));
  EXPECT_EQ(PresetValues(plug, 3), (std::vector<double>{0.5, 0.2, 0.5, 0.5}));
}

TEST(Presets, NormalizedArrayIsLinearOverTheRange)
{
  TestBase plug("0-2", 1, 2, 2);
  plug.GetParam(0)->InitDouble("shift", 3.0, -12.0, 12.0, 1.0);
  plug.GetParam(0)->SetShape(2.0);
  plug.GetParam(1)->Set(0.3);
  const float half[] = {0.5f};
  plug.MakePresetFromNormalizedArray("mid", half, 1);
  EXPECT_EQ(PresetValues(plug, 0), (std::vector<double>{0.0, 0.3}));
}

TEST(Presets, MakingAndRestoringReplaceValuesNeverAppend)
{
  TestBase plug("0-2", 2);
  plug.FillEmptyPresets();
  IChunk bank;
  for (int round = 0; round < 3; ++round) {
    plug.ModifyCurrentPreset();
    plug.RestorePreset(1);
    plug.RestorePreset(0);
  }
  plug.SerializePresets(&bank);
  // Two records of name (4 + 5), flag and 4 doubles.
  EXPECT_EQ(bank.Size(), 2 * (4 + 5 + 1 + 32));
}

TEST(Presets, ModifyCurrentPresetNames)
{
  TestBase plug;
  plug.FillEmptyPresets();
  plug.ModifyCurrentPreset("");
  EXPECT_STREQ(plug.GetPresetName(0), "Empty");
  std::string longName(400, 'x');
  plug.ModifyCurrentPreset(longName.c_str());
  EXPECT_EQ(std::strlen(plug.GetPresetName(0)), 255u);
}

TEST(Presets, BankRoundTrip)
{
  TestBase plug;
  plug.MakePresetFromNamedParams("one", 1, 0, 0.1);
  plug.MakePresetFromNamedParams("two", 1, 0, 0.2);
  plug.MakePresetFromNamedParams("three", 1, 0, 0.3);
  plug.RestorePreset(1);
  IChunk bank;
  ASSERT_TRUE(plug.SerializePresets(&bank));

  TestBase other;
  other.RestorePreset(1);  // current index 1, as in the bank's plug-in
  EXPECT_EQ(other.UnserializePresets(&bank, 0), bank.Size());
  EXPECT_STREQ(other.GetPresetName(2), "three");
  EXPECT_DOUBLE_EQ(other.GetParam(0)->Value(), 0.2);  // the current preset's values are live
  EXPECT_DOUBLE_EQ(PresetValues(other, 2)[0], 0.3);
}

// A bank written by hand: name, flag and, when set, a block of 4 doubles.
void PutRecord(IChunk* bank, const char* name, bool initialized, double first)
{
  bank->PutStr(name);
  bank->PutBool(initialized);
  if (!initialized) return;
  for (double v : {first, 0.5, 0.5, 0.5}) bank->PutDouble(v);
}

TEST(Presets, BankRecordsReplaceWhatThePresetsHeld)
{
  TestBase plug;
  plug.MakePresetFromNamedParams("kept", 1, 0, 0.1);
  plug.MakePresetFromNamedParams("old", 1, 0, 0.2);
  plug.MakePresetFromNamedParams("old too", 1, 0, 0.3);

  IChunk bank;
  PutRecord(&bank, "first", true, 0.7);
  PutRecord(&bank, "second", false, 0.0);
  PutRecord(&bank, "", true, 0.9);
  EXPECT_EQ(plug.UnserializePresets(&bank, 0), bank.Size());

  EXPECT_FALSE(plug.IsPresetInitialized(1));  // an uninitialised record holds no values
  EXPECT_STREQ(plug.GetPresetName(1), "second");
  EXPECT_STREQ(plug.GetPresetName(2), "");  // empty, not the name before it
  EXPECT_DOUBLE_EQ(PresetValues(plug, 2)[0], 0.9);

  // Restoring the uninitialised one now stores the live values in it.
  plug.GetParam(0)->Set(0.4);
  EXPECT_TRUE(plug.RestorePreset(1));
  EXPECT_STREQ(plug.GetPresetName(1), "user preset 1");
  IChunk again;
  plug.SerializePresets(&again);
  EXPECT_EQ(again.Size(), (4 + 5 + 1 + 32) + (4 + 13 + 1 + 32) + (4 + 1 + 32));
}

TEST(Presets, TruncatedBankChangesNoPreset)
{
  TestBase plug;
  plug.MakePresetFromNamedParams("a", 1, 0, 0.1);
  plug.MakePresetFromNamedParams("b", 1, 0, 0.2);
  plug.MakePresetFromNamedParams("c", 1, 0, 0.3);
  IChunk nameRunsPast, blockCutShort;
  PutRecord(&nameRunsPast, "x", true, 0.7);
  nameRunsPast.PutInt(1000);
  nameRunsPast.PutStr("yy");
  PutRecord(&blockCutShort, "x", true, 0.7);
  PutRecord(&blockCutShort, "y", true, 0.8);
  blockCutShort.PutStr("z");
  blockCutShort.PutBool(true);
  blockCutShort.PutDouble(0.9);
  for (IChunk* bank : {&nameRunsPast, &blockCutShort}) {
    plug.changed.clear();
    EXPECT_EQ(plug.UnserializePresets(bank, 0), -1);
    EXPECT_TRUE(plug.changed.empty());
    EXPECT_STREQ(plug.GetPresetName(0), "a");
    EXPECT_STREQ(plug.GetPresetName(1), "b");
    EXPECT_STREQ(plug.GetPresetName(2), "c");
    EXPECT_DOUBLE_EQ(PresetValues(plug, 0)[0], 0.1);
  }
}

TEST(Presets, RestoreByNameAndPrune)
{
  TestBase plug("0-2", 4);
  plug.MakePresetFromNamedParams("a", 1, 0, 0.1);
  plug.MakePresetFromNamedParams("b", 1, 0, 0.2);
  EXPECT_TRUE(plug.RestorePresetByName("b"));
  EXPECT_EQ(plug.GetCurrentPresetIdx(), 1);
  EXPECT_FALSE(plug.RestorePresetByName("B"));
  EXPECT_FALSE(plug.RestorePresetByName(""));
  EXPECT_FALSE(plug.RestorePresetByName(nullptr));
  plug.PruneUninitializedPresets();
  EXPECT_EQ(plug.NPresets(), 2);
  EXPECT_STREQ(plug.GetPresetName(1), "b");
}

TEST(Presets, DumpPresetSourceCode)
{
  TestBase plug("0-2", 0, 3, 3, false);
  plug.GetParam(0)->InitBool("hold", true);
  plug.GetParam(1)->InitInt("steps", 3, 0, 10);
  plug.GetParam(1)->Set(3.9);
  plug.GetParam(2)->InitDouble("gain", 0.5, 0.0, 1.0, 0.1);
  const char* ids[] = {"kHold", "kSteps", "kGain"};
  const char* path = "vst_dump_preset.txt";
  ASSERT_TRUE(plug.DumpPresetSrcCode(path, ids));
  std::stringstream text;
  {
    std::ifstream f(path);
    text << f.rdbuf();
  }
  std::remove(path);
  EXPECT_EQ(text.str(),
            "  MakePresetFromNamedParams(\"name\", 3,\n    kHold, true,\n    kSteps, 3,\n    kGain, 0.500000);\n");
  EXPECT_FALSE(plug.DumpPresetSrcCode("no/such/dir/file.txt", ids));
}

}  // namespace
