#ifndef BINDINGFIXTURE_H
#define BINDINGFIXTURE_H

// The test plug-in opened in the test host.

#include "AUHost.h"
#include "TestAUPlug.h"

class BindingTest : public ::testing::Test, public AUHost {
protected:
  void SetUp() override
  {
    KeepJackToItself("tolvo-no-server");
    TestAUEvents().clear();
    Open(TestAUPlug::Registered());
    plug = TestAUPlug::sLast;
    ASSERT_NE(plug, nullptr);
  }
  void TearDown() override { Close(); }

  TestAUPlug* plug = nullptr;
};

#endif
