// What the menu commands reach: enabling by the quiz state, File > Close in
// whichever window is in front, Quit.
#include <gtest/gtest.h>

#include "browser/Window1.h"
#include "framework/Testing.h"
#include "framework/testing/Simulate.h"
#include "quiz/Module1.h"
#include "shell/AboutBox.h"
#include "shell/AboutWindow.h"
#include "tests/support/Program.h"

namespace korvane {
namespace {

using fw::testing::ChooseMenuItem;
using fw::testing::PressShortcut;

class MenuBarTest : public test::ProgramTest {
 protected:
  void SetUp() override { StartWithRealData(); }
};

TEST_F(MenuBarTest, QuizItemsFollowTheQuizStateWhileAboutHelpCloseAndQuitStayEnabled) {
  for (bool running : {false, true, false}) {
    quizing = running;
    for (const char* quiz : {"Quiz1Menu", "Quiz2Menu", "Quiz3Menu"})
      EXPECT_EQ(fw::testing::IsMenuItemEnabled(quiz), !running) << quiz;
    for (const char* always : {"AboutMenu", "AboutAuthorsMenu", "FileClose", "FileQuit"})
      EXPECT_TRUE(fw::testing::IsMenuItemEnabled(always)) << always;
    for (const char* edit : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"})
      EXPECT_FALSE(fw::testing::IsMenuItemEnabled(edit)) << edit;
  }
}

TEST_F(MenuBarTest, FileCloseClosesOnlyTheWindowInFrontAndInTheMainWindowQuits) {
  ASSERT_TRUE(ChooseMenuItem("AboutAuthorsMenu"));
  ASSERT_TRUE(ChooseMenuItem("AboutMenu"));
  fw::testing::ProcessEvents();
  auto help = fw::GetImplicitWindow(AboutWindow::kClassName), box = fw::GetImplicitWindow(AboutBox::kClassName);
  ASSERT_EQ(fw::FrontWindow(), box);

  ASSERT_TRUE(PressShortcut(*box, "Cmd+W"));
  fw::testing::ProcessEvents();
  EXPECT_FALSE(box->IsOpen());
  EXPECT_FALSE(fw::GetImplicitWindow(AboutBox::kClassName));
  EXPECT_EQ(fw::FrontWindow(), help);

  EXPECT_TRUE(ChooseMenuItem("FileClose"));
  fw::testing::ProcessEvents();
  EXPECT_FALSE(help->IsOpen());
  EXPECT_FALSE(fw::testing::QuitRequested());
  EXPECT_TRUE(fw::testing::IsOnScreen(*Window1::Instance()));

  ASSERT_TRUE(PressShortcut(*Window1::Instance(), "Cmd+W"));
  EXPECT_TRUE(fw::testing::QuitRequested());
}

TEST_F(MenuBarTest, QuitEndsTheProgramByItsShortcut) {
  ASSERT_TRUE(PressShortcut(*Window1::Instance(), "Cmd+Q"));
  EXPECT_TRUE(fw::testing::QuitRequested());
}

}  // namespace
}  // namespace korvane
