// The help window: Help > "Rirerad Help..." fills one read-only field with
// the help text and shows the window. Also what the shell's windows share:
// a fixed size, and the menu commands that reach them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "browser/Window1.h"
#include "framework/Runtime.h"
#include "framework/Testing.h"
#include "framework/testing/Simulate.h"
#include "quiz/Module1.h"
#include "shell/AboutBox.h"
#include "shell/AboutWindow.h"
#include "shell/Contact.h"
#include "shell/HelpText.h"
#include "tests/support/Program.h"

namespace korvane {
namespace {

using fw::testing::ChooseMenuItem;

// --- The text ----------------------------------------------------------------

// Says what the quizzes do and how to reach the authors, in fixed headings.
TEST(HelpText, Has38LinesOfSevenBitTextInItsFixedShape) {
  const std::string& text = HelpText();
  EXPECT_EQ(std::find_if(text.begin(), text.end(), [](unsigned char c) { return c != '\r' && (c < 32 || c > 126); }),
            text.end());
  EXPECT_NE(text.back(), '\r');
  // One mark a line, '.' for an empty one: a paragraph is one line, the
  // field wraps it. The headings and the legal titles are fixed texts.
  const auto lines = test::CrLines(text);
  std::string shape;
  for (const std::string& line : lines) shape += line.empty() ? '.' : 'x';
  ASSERT_EQ(shape, "x..x.x.x.x.x.x.x.x.x.x...x.x..x.x..x.x");
  EXPECT_EQ(
      (std::vector<std::string>{lines.at(3), lines.at(13), lines.at(19), lines.at(25), lines.at(30), lines.at(35)}),
      (std::vector<std::string>{"-----     Using Korvane:     -----", "-----     About the Authors     -----",
                                "-----     Legal:     -----", "Limited Warranty/Limitation of Liability",
                                "Customer Support", "General"}));
  const std::pair<std::size_t, std::string> says[] = {
      {6, "20 out of 20"}, {8, "3 quizzes of 10 scenarios"}, {8, "new order"}, {8, "new positions"},
      {10, "a, b, c and d"}, {10, "Return"}, {12, "2 points"}, {12, "1 point "}, {12, "hint"},
      {16, contact::kEmailAddress}, {16, contact::kWebPage}, {16, contact::kAuthors}, {18, contact::kAuthors}};
  for (const auto& [line, part] : says) EXPECT_NE(lines.at(line - 1).find(part), std::string::npos) << line << part;
}

// --- The window --------------------------------------------------------------

class HelpWindowTest : public test::ProgramTest {
 protected:
  void SetUp() override { StartWithRealData(); }
  static std::shared_ptr<fw::Window> ChooseHelp() {
    return test::Choose("AboutAuthorsMenu", AboutWindow::kClassName);
  }
  static std::shared_ptr<fw::EditField> Field(const std::shared_ptr<fw::Window>& w) {
    return declare::Find<fw::EditField>(w, "EditField1");
  }
};

// The text cannot be edited there and shows in one style.
TEST_F(HelpWindowTest, EveryChoiceShowsOneCopyOfTheText) {
  auto first = ChooseHelp();
  ASSERT_TRUE(first);
  std::string withLineFeeds = HelpText();
  std::replace(withLineFeeds.begin(), withLineFeeds.end(), '\r', '\n');
  EXPECT_EQ(fw::testing::ShownText(*Field(first)), withLineFeeds);
  fw::testing::Click(*Field(first));
  fw::testing::TypeKey(*first, 'x');
  EXPECT_EQ(Field(first)->Text().Bytes(), HelpText());
  const auto style = fw::testing::StyleAt(*Field(first), 0);
  const auto last = fw::testing::StyleAt(*Field(first), static_cast<int>(HelpText().size()) - 2);
  EXPECT_EQ(std::tie(style.pixelSize, style.family), std::tie(last.pixelSize, last.family));
  EXPECT_EQ(style.pixelSize, 10);
  EXPECT_FALSE(style.bold || style.italic || style.underline);

  Field(first)->SetText("scribbled");
  EXPECT_EQ(ChooseHelp(), first);
  EXPECT_EQ(Field(first)->Text().Bytes(), HelpText());
  first->Close();
  EXPECT_EQ(Field(ChooseHelp())->Text().Bytes(), HelpText());
}

// The About box and the help window: each choice shows the one window in
// front of the main window, of a fixed size whatever is asked; after its
// close box the next choice makes it afresh.
struct FixedWindow {
  const char* item;
  const char* className;
  int width, height;
};

class FixedSizeTest : public HelpWindowTest, public ::testing::WithParamInterface<FixedWindow> {
 protected:
  int creations = 0;
};

TEST_P(FixedSizeTest, OpensOnceInFrontKeepsItsSizeAndAfterItsCloseBoxOpensAfresh) {
  const std::string created = std::string("window create ") + GetParam().className;
  fw::testing::SetTraceSink([this, created](const std::string& step) { creations += step == created; });
  auto w = test::Choose(GetParam().item, GetParam().className);
  ASSERT_TRUE(w);
  EXPECT_TRUE(fw::testing::IsOnScreen(*w));
  EXPECT_EQ(fw::FrontWindow(), w);
  EXPECT_TRUE(fw::testing::IsOnScreen(*Window1::Instance()));  // the main window stays
  for (auto [width, height] : {std::pair{0, 0}, std::pair{900, 700}, std::pair{100, 100}, std::pair{440, 600}}) {
    if (width) w->SetSize(width, height);
    fw::testing::ProcessEvents();
    EXPECT_EQ(fw::testing::ContentBox(*w).width, GetParam().width);
    EXPECT_EQ(fw::testing::ContentBox(*w).height, GetParam().height);
  }
  EXPECT_EQ(test::Choose(GetParam().item, GetParam().className), w);
  EXPECT_EQ(creations, 1);
  fw::testing::ClickCloseBox(*w);
  fw::testing::ProcessEvents();
  EXPECT_FALSE(w->IsOpen());
  EXPECT_FALSE(fw::GetImplicitWindow(GetParam().className));
  EXPECT_NE(test::Choose(GetParam().item, GetParam().className), w);
  EXPECT_EQ(creations, 2);
}

INSTANTIATE_TEST_SUITE_P(Shell, FixedSizeTest,
                         ::testing::Values(FixedWindow{"AboutMenu", AboutBox::kClassName, 443, 187},
                                           FixedWindow{"AboutAuthorsMenu", AboutWindow::kClassName, 440, 328}),
                         [](const auto& c) { return std::string(c.param.item); });

// --- Menus -------------------------------------------------------------------

class MenuBarTest : public HelpWindowTest {};

// Quit also by its shortcut.
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
  ASSERT_TRUE(fw::testing::PressShortcut(*Window1::Instance(), "Cmd+Q"));
  EXPECT_TRUE(fw::testing::QuitRequested());
}

TEST_F(MenuBarTest, FileCloseClosesOnlyTheWindowInFrontAndInTheMainWindowQuits) {
  auto help = ChooseHelp(), box = test::Choose("AboutMenu", AboutBox::kClassName);
  ASSERT_EQ(fw::FrontWindow(), box);

  ASSERT_TRUE(fw::testing::PressShortcut(*box, "Cmd+W"));
  fw::testing::ProcessEvents();
  EXPECT_FALSE(box->IsOpen());
  EXPECT_FALSE(fw::GetImplicitWindow(AboutBox::kClassName));
  EXPECT_EQ(fw::FrontWindow(), help);

  EXPECT_TRUE(ChooseMenuItem("FileClose"));
  fw::testing::ProcessEvents();
  EXPECT_FALSE(help->IsOpen());
  EXPECT_FALSE(fw::testing::QuitRequested());
  EXPECT_TRUE(fw::testing::IsOnScreen(*Window1::Instance()));

  ASSERT_TRUE(fw::testing::PressShortcut(*Window1::Instance(), "Cmd+W"));
  EXPECT_TRUE(fw::testing::QuitRequested());
}

}  // namespace
}  // namespace korvane
