// The main window: its layout, the topic list and the reader over fixture
// data, and its failures.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "browser/Window1.h"
#include "codec/StyleScrap.h"
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
  static std::shared_ptr<fw::Listbox> List() {
    return declare::Find<fw::Listbox>(Window1::Instance(), "BrowserListBox");
  }
  static std::shared_ptr<fw::EditField> Reader() {
    return declare::Find<fw::EditField>(Window1::Instance(), "BrowserEditField");
  }
};

// The list keeps its width, the reader takes the rest and a 14-pixel strip
// stays free below both; the window stays within 625 by 432 and 3000 by 3000.
// Its close box quits.
TEST_F(MainWindowTest, OpensAtItsMinimumResizingGrowsOnlyTheReaderAndTheCloseBoxQuits) {
  StartWithRealData();
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
  EXPECT_FALSE(fw::testing::QuitRequested());
  fw::testing::ClickCloseBox(*w);
  EXPECT_TRUE(fw::testing::QuitRequested());
}

const char* const kDataMissing = "The \"DATA\" folder is missing. Must quit.";

using TopicBrowserTest = MainWindowTest;

TEST_F(TopicBrowserTest, ListsTheFortyThreeTopicsAndShowsTheFirst) {
  StartWith();
  auto list = List();
  ASSERT_EQ(list->ListCount(), 43);
  for (int k = 0; k < 43; ++k) EXPECT_EQ(list->List(k), fw::String("Topic " + std::to_string(k)));
  EXPECT_EQ(list->ListIndex(), 0);
  EXPECT_EQ(Reader()->Text(), fw::String("Text of topic 0"));
  EXPECT_FALSE(fw::testing::StyleAt(*Reader(), 2).bold);
  EXPECT_TRUE(fw::testing::StyleAt(*Reader(), 6).bold);
  EXPECT_EQ(Reader()->SelStart(), 0);
  EXPECT_EQ(Window1::Instance()->Title(), fw::String("Korvane: Topic 0"));
  EXPECT_TRUE(messages.empty());
}

// Every selection reads the resources afresh.
TEST_F(TopicBrowserTest, TheTextIsFoundByTheRowsNameAndTheStyleByItsIndex) {
  // Row 2 carries the name of row 1: it shows row 1's text with its own style table.
  StartWith([](auto& set) {
    for (auto& r : set)
      if (r.type == "TEXT" && r.id == 130) r.name = "Topic 1";
    test::Replace(set, "styl", 130, codec::EncodeStyleScrap({{.height = 16, .ascent = 12, .font = 3,
                                                              .face = codec::kFaceItalic, .size = 12}}));
  });
  int opened = 0;
  fw::testing::SetTraceSink([&](const std::string& step) { opened += step == "open resource fork"; });
  fw::testing::ClickRow(*List(), 2);
  EXPECT_EQ(Reader()->Text(), fw::String("Text of topic 1"));
  EXPECT_TRUE(fw::testing::StyleAt(*Reader(), 1).italic);
  EXPECT_EQ(Window1::Instance()->Title(), fw::String("Korvane: Topic 1"));
  Reader()->SetSelStart(4);
  fw::testing::ClickRow(*List(), 1);
  EXPECT_FALSE(fw::testing::StyleAt(*Reader(), 1).italic);
  EXPECT_EQ(Reader()->SelStart(), 0);
  fw::testing::ClickRow(*List(), 2);
  fw::testing::SetTraceSink(nullptr);
  EXPECT_EQ(opened, 3);
}

TEST_F(TopicBrowserTest, WithoutAResourceFileTheFixedMessageQuitsWithAnEmptyList) {
  Start("");
  EXPECT_EQ(messages, std::vector<std::string>{kDataMissing});
  EXPECT_TRUE(fw::testing::QuitRequested());
  EXPECT_EQ(List()->ListCount(), 0);
  EXPECT_EQ(Reader()->Text(), fw::String(""));
  EXPECT_EQ(Window1::Instance()->Title(), fw::String(""));
}

TEST_F(TopicBrowserTest, FewerTopicsStillGiveFortyThreeRowsAndAnEmptyRowQuits) {
  StartWith([](auto& set) { for (int id = 160; id <= 170; ++id) test::Remove(set, "TEXT", id); });
  ASSERT_EQ(List()->ListCount(), 43);
  EXPECT_EQ(List()->List(42), fw::String(""));
  EXPECT_TRUE(messages.empty());
  fw::testing::ClickRow(*List(), 42);
  EXPECT_EQ(messages, std::vector<std::string>{kDataMissing});
  EXPECT_TRUE(fw::testing::QuitRequested());
}

TEST_F(TopicBrowserTest, AGarbageStyleTableStillShowsTheText) {
  StartWith([](auto& set) { test::Replace(set, "styl", 128, std::string("\x7F\xFF not a style table", 20)); });
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(Reader()->Text(), fw::String("Text of topic 0"));
}

}  // namespace
}  // namespace korvane
