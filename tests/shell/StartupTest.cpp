#include <gtest/gtest.h>

#include <algorithm>

#include "framework/FileType.h"
#include "framework/Runtime.h"
#include "framework/Testing.h"
#include "quiz/Module1.h"
#include "shell/App.h"
#include "shell/FileTypes.h"
#include "shell/Main.h"
#include "shell/Media.h"
#include "shell/Menu.h"
#include "tests/support/Program.h"

namespace korvane {
namespace {

// Runs the whole program, main() to exit status, recording the framework's steps.
class WholeRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fw::testing::ResetRuntime();
    fw::testing::SetResourceFilePath(test::RealResourceFile());
    fw::testing::SetMessagePresenter([this](const fw::String& m) { messages.push_back(m.Bytes()); });
    fw::testing::SetTraceSink([this](const std::string& step) {
      steps.push_back(step);
      if (step == throwAt) throw fw::NilObjectException("injected at " + step);
      if (onStep) onStep(step);
    });
  }
  void TearDown() override { fw::testing::ResetRuntime(); }

  // The steps in `expected` occur in this order (others may come between).
  ::testing::AssertionResult InOrder(const std::vector<std::string>& expected) {
    auto at = steps.begin();
    for (const auto& e : expected) {
      at = std::find(at, steps.end(), e);
      if (at == steps.end()) return ::testing::AssertionFailure() << "missing or out of order: " << e;
      ++at;
    }
    return ::testing::AssertionSuccess();
  }
  long Count(const std::string& step) { return std::count(steps.begin(), steps.end(), step); }

  std::vector<std::string> steps;
  std::vector<std::string> messages;
  std::string throwAt;
  std::function<void(const std::string&)> onStep;
};

const std::vector<std::string> kStartUp = {
    "RuntimeInit", "class Window", "create Windows", "class Window1.Window1", "class Menu",
    "class RireradQuiz.RireradQuiz", "create array", "class Class1", "class HintWindow.HintWindow",
    "class ResultsWindow.ResultsWindow", "class AboutBox.AboutBox", "class AboutWindow.AboutWindow",
    "RuntimeInitExternalClasses", "InitPluginEntrypoints", "register file type text",
    "Application.MenuBar set", "RuntimeRegisterAppObject", "menu handler Quiz1Menu",
    "menu handler Quiz2Menu", "menu handler Quiz3Menu", "menu handler AboutMenu",
    "menu handler AboutAuthorsMenu", "menu handler FileClose", "window create Window1.Window1",
    "window open Window1.Window1"};

const std::vector<std::string> kShutdown = {
    "release sound", "release sound", "release picture", "release implicit windows",
    "release dirty windows", "release Windows", "deregister file type text", "release array",
    "RuntimeExit"};

TEST_F(WholeRunTest, StartsInItsFixedOrderAndShutsDownReleasingEverything) {
  fw::testing::OnEventLoopStart([] {
    // Load the caches so that their release shows.
    EXPECT_NE(rightsound(), nullptr);
    EXPECT_NE(wrongsound(), nullptr);
    EXPECT_NE(RireradTitle(), nullptr);
    fw::Quit(0);
  });
  // The menu bar goes after the file type and before the arrays.
  bool menuAliveAtFileType = false, menuGoneAtArrays = false;
  onStep = [&](const std::string& step) {
    if (step == "deregister file type text") menuAliveAtFileType = !Menu::IsReleased();
    if (step == "release array" && !menuGoneAtArrays) menuGoneAtArrays = Menu::IsReleased();
  };

  EXPECT_EQ(korvane::main(), 0);

  std::vector<std::string> all = kStartUp;
  all.push_back("RuntimeRun");
  all.push_back("Quit");
  all.insert(all.end(), kShutdown.begin(), kShutdown.end());
  EXPECT_TRUE(InOrder(all));
  EXPECT_EQ(Count("create array"), 11);
  EXPECT_EQ(Count("release array"), 11);
  EXPECT_EQ(Count("register file type text"), 1);
  EXPECT_TRUE(menuAliveAtFileType);
  EXPECT_TRUE(menuGoneAtArrays);
  EXPECT_TRUE(messages.empty());
  // Every reference of the release table is nil.
  EXPECT_TRUE(MediaCachesEmpty());
  EXPECT_TRUE(fw::testing::WindowListsReleased());
  EXPECT_EQ(FileTypes::pText, nullptr);
  EXPECT_TRUE(fw::RegisteredFileTypes().empty());
  EXPECT_TRUE(Menu::IsReleased());
  for (auto* a : {&Scenario, &ChoiceA, &ChoiceB, &ChoiceC, &ChoiceD, &AnswerA, &AnswerB, &AnswerC,
                  &AnswerD, &Hint})
    EXPECT_EQ(*a, nullptr);
  EXPECT_EQ(Answer, nullptr);
}

TEST_F(WholeRunTest, AnExceptionWhileTheMainWindowIsCreatedIsReportedOnceAndShutdownStillRuns) {
  throwAt = "window create Window1.Window1";
  EXPECT_EQ(korvane::main(), 1);
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(Count("UnhandledException NilObjectException"), 1);
  EXPECT_EQ(Count("RuntimeRun"), 0);  // the loop never ran
  EXPECT_EQ(Count("window open Window1.Window1"), 0);
  EXPECT_TRUE(InOrder(std::vector<std::string>(kShutdown.begin() + 3, kShutdown.end())));
  EXPECT_TRUE(fw::testing::WindowListsReleased());
  EXPECT_TRUE(Menu::IsReleased());
  // Caches that were never loaded stay nil.
  EXPECT_EQ(Count("release sound") + Count("release picture"), 0);
  EXPECT_TRUE(MediaCachesEmpty());
}

TEST_F(WholeRunTest, AnExceptionEscapingAHandlerDuringTheLoopIsReportedOnceThenTheProgramShutsDown) {
  fw::testing::OnEventLoopStart([] { throw fw::OutOfBoundsException("from a handler"); });
  EXPECT_EQ(korvane::main(), 1);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("OutOfBoundsException"), std::string::npos);
  EXPECT_EQ(Count("window create Window1.Window1"), 1);  // start-up did not run again
  EXPECT_TRUE(InOrder({"RuntimeRun", "UnhandledException OutOfBoundsException", "release Windows", "RuntimeExit"}));
}

TEST_F(WholeRunTest, WithoutResourcesTheBrowserQuitsBeforeTheLoopServesAnything) {
  fw::testing::SetResourceFilePath("/nonexistent/Korvane.rsrc");
  bool served = false;
  fw::testing::OnEventLoopStart([&] { served = true; });
  EXPECT_EQ(korvane::main(), 0);
  EXPECT_EQ(messages, std::vector<std::string>{"The \"DATA\" folder is missing. Must quit."});
  EXPECT_FALSE(served);
  EXPECT_TRUE(InOrder({"window open Window1.Window1", "Quit", "RuntimeRun", "RuntimeExit"}));
}

}  // namespace
}  // namespace korvane
