// The entry point: hosts that create instances from several threads at
// once each get a whole instance of their own.

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>
#include <vector>

#include "VSTInterface.h"

extern "C" AEffect* VSTCALLBACK VSTPluginMain(audioMasterCallback hostCallback);

namespace {

VstIntPtr VSTCALLBACK SilentHost(AEffect*, VstInt32, VstInt32, VstIntPtr, void*, float) { return 0; }

TEST(EntryPoint, InstancesCreatedFromManyThreadsAtOnce)
{
  constexpr int kThreads = 8, kEach = 4;
  std::vector<AEffect*> effects(kThreads * kEach, nullptr);
  std::atomic<int> waiting{kThreads};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      --waiting;
      while (waiting > 0) std::this_thread::yield();
      for (int i = 0; i < kEach; ++i) effects[t * kEach + i] = VSTPluginMain(&SilentHost);
    });
  }
  for (std::thread& t : threads) t.join();

  std::set<AEffect*> distinct(effects.begin(), effects.end());
  EXPECT_EQ(distinct.size(), effects.size());
  for (AEffect* e : effects) {
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->magic, kEffectMagic);
    EXPECT_EQ(e->numPrograms, 1);
    EXPECT_EQ(e->numParams, 206);
    e->dispatcher(e, effClose, 0, 0, nullptr, 0.0f);
  }
}

}  // namespace
