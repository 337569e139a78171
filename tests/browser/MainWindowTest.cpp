#include <gtest/gtest.h>

#include "browser/Window1.h"
#include "framework/Testing.h"
#include "framework/testing/Simulate.h"
#include "shell/App.h"
#include "tests/support/Program.h"

namespace korvane {
namespace {

using fw::testing::ContentBox;
using fw::testing::GeometryOf;

class MainWindowTest : public test::ProgramTest {
 protected:
  void SetUp() override { StartWithRealData(); }
};

// The list keeps its width, the reader takes the rest and a 14-pixel strip
// stays free below both; the window stays within 625 by 432 and 3000 by 3000.
TEST_F(MainWindowTest, OpensAtItsMinimumAndResizingGrowsOnlyTheReader) {
  auto w = Window1::Instance();
  EXPECT_TRUE(fw::testing::IsOnScreen(*w));
  EXPECT_EQ(w->MenuBar(), App()->MenuBar());
  EXPECT_EQ(fw::testing::MenuBarTitles(*w), (std::vector<std::string>{"File", "Edit", "Quiz", "Help"}));
  for (auto [asked, shown] : {std::pair{625, 625}, std::pair{900, 900}, std::pair{100, 625}}) {
    w->SetSize(asked, asked * 2 / 3);
    fw::testing::ProcessEvents();
    const int height = std::max(432, asked * 2 / 3);
    EXPECT_EQ(ContentBox(*w).width, shown);
    EXPECT_EQ(ContentBox(*w).height, height);
    auto list = GeometryOf(*fw::RuntimeWindowControlByName(w, "BrowserListBox"));
    auto reader = GeometryOf(*fw::RuntimeWindowControlByName(w, "BrowserEditField"));
    EXPECT_EQ(list.left, 0);
    EXPECT_EQ(list.width, 181);
    EXPECT_EQ(list.height, height - 14);
    EXPECT_EQ(reader.left, 180);  // shares the list's last column
    EXPECT_EQ(reader.left + reader.width, shown + 1);  // one pixel past the window's edge
    EXPECT_EQ(reader.height, height - 14);
  }
  w->SetSize(5000, 5000);
  EXPECT_EQ(w->Width(), 3000);
  EXPECT_EQ(w->Height(), 3000);
}

TEST_F(MainWindowTest, CloseBoxQuits) {
  fw::testing::ClickCloseBox(*Window1::Instance());
  EXPECT_TRUE(fw::testing::QuitRequested());
}

}  // namespace
}  // namespace korvane
