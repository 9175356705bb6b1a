// Test entry: no test may show a box, play a sound or open a dialog for real.
#include <gtest/gtest.h>

#include "platform/test_hooks.h"

namespace {

class InterceptEverything : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { platform::test::InterceptAll(); }
  void OnTestEnd(const ::testing::TestInfo&) override {
    platform::test::ResetAll();
    platform::test::InterceptAll();
  }
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  platform::test::InterceptAll();
  ::testing::UnitTest::GetInstance()->listeners().Append(new InterceptEverything);
  return RUN_ALL_TESTS();
}
