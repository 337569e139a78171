#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/Runtime.h"
#include "framework/Testing.h"
#include "framework/Window.h"
#include "framework/testing/Simulate.h"

namespace {

class Probe : public fw::Window {
 public:
  static constexpr const char* kClassName = "Probe.Probe";
  void Layout() override {
    fw::SetProperties(*this, codec::EncodeRecord({{"Width", 200}, {"Height", 100}, {"Visible", true}}));
  }
};

class WindowScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fw::testing::ResetRuntime();
    fw::RegisterClass<Probe>(Probe::kClassName);
    fw::testing::SetTraceSink([this](const std::string& step) { trace.push_back(step); });
  }
  void TearDown() override { fw::testing::ResetRuntime(); }
  long Count(const std::string& step) const { return std::count(trace.begin(), trace.end(), step); }

  std::vector<std::string> trace;
};

TEST_F(WindowScreenTest, AWindowClosedBeforeTheLoopRunsNeverReachesTheScreen) {
  fw::ImplicitWindow<Probe>()->Close();
  fw::testing::ProcessEvents();
  EXPECT_EQ(Count("window create Probe.Probe"), 1);
  EXPECT_EQ(Count("window on screen Probe.Probe"), 0);
}

TEST_F(WindowScreenTest, ShowingAndHidingAreTracedWhenTheyReachTheScreen) {
  auto w = fw::ImplicitWindow<Probe>();
  EXPECT_EQ(Count("window on screen Probe.Probe"), 0);
  fw::testing::ProcessEvents();
  EXPECT_TRUE(fw::testing::IsOnScreen(*w));
  w->Show();  // already there: nothing new reaches the screen
  fw::testing::ProcessEvents();
  EXPECT_EQ(Count("window on screen Probe.Probe"), 1);
  w->Hide();
  fw::testing::ProcessEvents();
  EXPECT_EQ(Count("window off screen Probe.Probe"), 1);
  w->Close();
}

}  // namespace
