#include <gtest/gtest.h>

#include "browser/Window1.h"
#include "framework/FileType.h"
#include "framework/Testing.h"
#include "framework/testing/Simulate.h"
#include "quiz/Module1.h"
#include "shell/App.h"
#include "shell/FileTypes.h"
#include "shell/Menu.h"
#include "tests/support/Program.h"

namespace korvane {
namespace {

class MenuBarTest : public test::ProgramTest {
 protected:
  void SetUp() override { StartWithRealData(); }
};

struct Expected {
  const char* name;
  const char* text;
  const char* shortcut;
  bool autoEnable;
};

TEST_F(MenuBarTest, FourMenusHoldTheirItemsInOrderWithTextsShortcutsAndAutoEnable) {
  const std::vector<std::pair<Expected, std::vector<Expected>>> menus = {
      {{"FileMenu", "File", "", false},
       {{"FileQuit", "Quit", "Cmd+Q", true}, {"FileClose", "Close", "Cmd+W", true}}},
      {{"UntitledMenu0", "Edit", "", false},
       {{"EditUndo", "Undo", "Cmd+Z", false},
        {"UntitledMenu1", "-", "", false},
        {"EditCut", "Cut", "Cmd+X", false},
        {"EditCopy", "Copy", "Cmd+C", false},
        {"EditPaste", "Paste", "Cmd+V", false},
        {"EditClear", "Clear", "", false}}},
      {{"QuizMenu", "Quiz", "", false},
       {{"Quiz1Menu", "Quiz #1...", "Cmd+1", false},
        {"Quiz2Menu", "Quiz #2...", "Cmd+2", false},
        {"Quiz3Menu", "Quiz #3...", "Cmd+3", false}}},
      {{"HelpMenuItem", "Help", "", false},
       {{"AboutAuthorsMenu", "Rirerad Help...", "", false}, {"AboutMenu", "About Korvane...", "", false}}},
  };
  auto bar = App()->MenuBar();
  ASSERT_EQ(bar, Menu::Instance());
  ASSERT_EQ(bar->Count(), 4);
  for (int m = 0; m < 4; ++m) {
    auto menu = bar->Item(m);
    const auto& [head, items] = menus[static_cast<std::size_t>(m)];
    EXPECT_EQ(menu->Name(), fw::String(head.name));
    EXPECT_EQ(menu->Text(), fw::String(head.text));
    ASSERT_EQ(menu->Count(), static_cast<int>(items.size())) << head.name;
    for (int i = 0; i < menu->Count(); ++i) {
      auto item = menu->Item(i);
      const Expected& e = items[static_cast<std::size_t>(i)];
      EXPECT_EQ(item->Name(), fw::String(e.name));
      EXPECT_EQ(item->Text(), fw::String(e.text));
      EXPECT_EQ(item->KeyboardShortcut(), fw::String(e.shortcut)) << e.name;
      EXPECT_EQ(item->AutoEnable(), e.autoEnable) << e.name;
    }
  }
  EXPECT_NE(std::dynamic_pointer_cast<fw::QuitMenuItem>(bar->Lookup("FileQuit")), nullptr);
  EXPECT_NE(std::dynamic_pointer_cast<fw::AppleMenuItem>(bar->Lookup("AboutMenu")), nullptr);
  EXPECT_EQ(Window1::Instance()->MenuBar(), bar);  // one instance, on App and the main window
  EXPECT_EQ(fw::testing::MenuBarTitles(*Window1::Instance()),
            (std::vector<std::string>{"File", "Edit", "Quiz", "Help"}));
}

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

TEST_F(MenuBarTest, QuitEndsTheProgramByItsShortcut) {
  ASSERT_TRUE(fw::testing::PressShortcut(*Window1::Instance(), "Cmd+Q"));
  EXPECT_TRUE(fw::testing::QuitRequested());
}

TEST_F(MenuBarTest, TheFileTypeIsRegisteredOnceWithItsValuesAndWithdrawnAtShutdown) {
  auto types = fw::RegisteredFileTypes();
  ASSERT_EQ(types.size(), 1u);
  EXPECT_EQ(types[0].name, fw::String("text"));
  EXPECT_EQ(types[0].type, fw::String("TEXT"));
  EXPECT_EQ(types[0].creator, fw::String("V*or"));
  EXPECT_EQ(types[0].extensions, fw::String(""));
  Shutdown();
  EXPECT_EQ(FileTypes::pText, nullptr);
  EXPECT_TRUE(fw::RegisteredFileTypes().empty());
}

}  // namespace
}  // namespace korvane
