#include <gtest/gtest.h>

#include "browser/Window1.h"
#include "declare/Declare.h"
#include "framework/Testing.h"
#include "framework/testing/Simulate.h"
#include "tests/support/Program.h"

namespace korvane {
namespace {

using fw::testing::ContentBox;
using fw::testing::GeometryOf;

class MainWindowTest : public test::ProgramTest {
 protected:
  void SetUp() override { StartWithRealData(); }
  std::shared_ptr<Window1> Main() { return Window1::Instance(); }
  std::shared_ptr<fw::RectControl> Control(const char* name) {
    return fw::RuntimeWindowControlByName(Main(), name);
  }
};

TEST_F(MainWindowTest, OpensAtItsMinimumWithTheMenuBarAboveTheContent) {
  auto w = Main();
  EXPECT_TRUE(fw::testing::IsOnScreen(*w));
  auto content = ContentBox(*w);
  EXPECT_EQ(content.width, 625);
  EXPECT_EQ(content.height, 432);
  EXPECT_EQ(fw::testing::MenuBarTitles(*w), (std::vector<std::string>{"File", "Edit", "Quiz", "Help"}));

  auto list = GeometryOf(*Control("BrowserListBox"));
  auto reader = GeometryOf(*Control("BrowserEditField"));
  EXPECT_EQ(list.left, 0);
  EXPECT_EQ(list.width, 181);
  EXPECT_EQ(list.height, 418);
  EXPECT_EQ(reader.left, 180);  // shares the list's last column
  EXPECT_EQ(reader.left + reader.width, 626);  // one pixel past the window's edge
  EXPECT_EQ(reader.height, 418);
}

TEST_F(MainWindowTest, ResizingGrowsTheReaderAndKeepsTheListWidthAndTheBottomStrip) {
  auto w = Main();
  w->SetSize(900, 600);
  fw::testing::ProcessEvents();
  EXPECT_EQ(ContentBox(*w).width, 900);
  EXPECT_EQ(ContentBox(*w).height, 600);
  auto list = GeometryOf(*Control("BrowserListBox"));
  auto reader = GeometryOf(*Control("BrowserEditField"));
  EXPECT_EQ(list.width, 181);
  EXPECT_EQ(list.height, 586);
  EXPECT_EQ(reader.left, 180);
  EXPECT_EQ(reader.left + reader.width, 901);
  EXPECT_EQ(reader.height, 586);  // the 14-pixel strip stays free

  w->SetSize(100, 100);  // below the minimum
  fw::testing::ProcessEvents();
  EXPECT_EQ(ContentBox(*w).width, 625);
  EXPECT_EQ(ContentBox(*w).height, 432);
  w->SetSize(5000, 5000);
  EXPECT_EQ(w->Width(), 3000);
  EXPECT_EQ(w->Height(), 3000);
}

TEST_F(MainWindowTest, CloseBoxQuits) {
  EXPECT_FALSE(fw::testing::QuitRequested());
  fw::testing::ClickCloseBox(*Main());
  EXPECT_TRUE(fw::testing::QuitRequested());
}

TEST_F(MainWindowTest, CommandWQuitsWhileTheMainWindowIsInFront) {
  ASSERT_TRUE(fw::testing::PressShortcut(*Main(), "Cmd+W"));
  EXPECT_TRUE(fw::testing::QuitRequested());
}

TEST_F(MainWindowTest, ReferringAgainReturnsTheSameWindowEvenWhenHidden) {
  auto first = Main();
  first->Hide();
  fw::testing::ProcessEvents();
  EXPECT_FALSE(fw::testing::IsOnScreen(*first));
  EXPECT_EQ(Main(), first);
  EXPECT_EQ(fw::String("Korvane: Ad Hominem"), first->Title());
}

}  // namespace
}  // namespace korvane
