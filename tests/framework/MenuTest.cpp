#include <QAction>
#include <QMenuBar>

#include "framework/qt/Views.h"
#include "framework/testing/Simulate.h"
#include "tests/framework/FrameworkFixture.h"

namespace fw::test {
namespace {

using MenuTest = FrameworkTest;

TEST_F(MenuTest, ACommandReachesTheFrontWindowThenTheApplicationNeverAWindowBehind) {
  auto app = StartApp({{"FileClose", "Cmd+W"}});
  std::vector<std::string> calls;
  app->AddMenuHandler("FileClose", [&] { calls.push_back("app"); return false; });
  auto behind = ImplicitWindow<Panel>();
  behind->AddMenuHandler("FileClose", [&] { calls.push_back("behind"); return false; });
  auto front = ImplicitWindow<OtherPanel>();
  bool handled = false;
  front->AddMenuHandler("fileclose", [&] { calls.push_back("front"); return handled; });

  ASSERT_TRUE(testing::ChooseMenuItem("FileClose"));
  EXPECT_EQ(calls, (std::vector<std::string>{"front", "app"}));
  calls.clear();
  handled = true;  // a handler that handled it ends the command
  testing::ChooseMenuItem("FileClose");
  EXPECT_EQ(calls, (std::vector<std::string>{"front"}));
  calls.clear();
  front->Hide();
  testing::ChooseMenuItem("FileClose");
  EXPECT_EQ(calls, (std::vector<std::string>{"behind", "app"}));
}

TEST_F(MenuTest, RefreshDisablesWhatIsNotAutoEnabledUnlessTheApplicationEnablesIt) {
  auto app = StartApp({{"Quiz1Menu", "Cmd+1"}, {"Other", ""}});
  auto quiz = app->MenuBar()->Lookup("Quiz1Menu");
  quiz->SetAutoEnable(false);
  bool allow = false;
  app->enableMenuItems = [&] {
    if (allow) quiz->Enable();
  };
  int ran = 0;
  app->AddMenuHandler("Quiz1Menu", [&] { ++ran; return false; });
  auto w = ImplicitWindow<Panel>();
  EXPECT_FALSE(testing::IsMenuItemEnabled("Quiz1Menu"));
  EXPECT_TRUE(testing::IsMenuItemEnabled("Other"));
  ASSERT_TRUE(testing::PressShortcut(*w, "Cmd+1"));
  EXPECT_EQ(ran, 0);  // a disabled item's shortcut does nothing
  allow = true;
  testing::PressShortcut(*w, "Cmd+1");
  EXPECT_EQ(ran, 1);  // refreshed before the shortcut is matched
  allow = false;
  EXPECT_FALSE(testing::ChooseMenuItem("Quiz1Menu"));
  EXPECT_EQ(ran, 1);
}

// Items are found by name without regard to case.
TEST_F(MenuTest, EveryDocumentWindowShowsTheMenuBarWithTheItemsTextsAndShortcuts) {
  auto menuBar = StartApp({{"FileQuit", "Cmd+Q"}, {"Quiz #1...", "Cmd+1"}})->MenuBar();
  auto file = menuBar->Item(0);
  EXPECT_EQ(menuBar->Child("filemenu"), file);
  EXPECT_EQ(menuBar->Child("FileQuit"), nullptr);  // not a direct child
  EXPECT_EQ(menuBar->Lookup("FILEQUIT"), file->Item(0));
  EXPECT_EQ(menuBar->Lookup("Nothing"), nullptr);
  EXPECT_THROW(menuBar->Item(1), OutOfBoundsException);
  EXPECT_THROW(menuBar->Append(nullptr), NilObjectException);
  auto w = ImplicitWindow<Panel>();
  testing::ProcessEvents();
  EXPECT_EQ(testing::MenuBarTitles(*w), (std::vector<std::string>{"File"}));
  auto* bar = qobject_cast<QMenuBar*>(static_cast<QMainWindow*>(FrameWidgetOf(*w))->menuWidget());
  ASSERT_NE(bar, nullptr);
  QMenu* menu = bar->actions()[0]->menu();
  ASSERT_EQ(menu->actions().size(), 2);
  EXPECT_EQ(menu->actions()[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
  EXPECT_EQ(menu->actions()[0]->menuRole(), QAction::QuitRole);
  EXPECT_EQ(menu->actions()[1]->text(), "Quiz #1...");
  EXPECT_EQ(menu->actions()[1]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_1));

  Panel::record = PanelRecord("Floating", 3);  // floating windows have none
  auto floating = ImplicitWindow<OtherPanel>();
  EXPECT_TRUE(testing::MenuBarTitles(*floating).empty());
}

}  // namespace
}  // namespace fw::test
