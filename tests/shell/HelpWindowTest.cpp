// The help window: Help > "Rirerad Help..." fills one read-only
// field with the help text and shows the window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browser/Window1.h"
#include "codec/PropertyRecord.h"
#include "framework/Runtime.h"
#include "framework/Testing.h"
#include "framework/testing/Simulate.h"
#include "shell/AboutBox.h"
#include "shell/AboutWindow.h"
#include "shell/App.h"
#include "shell/Contact.h"
#include "shell/HelpText.h"
#include "tests/support/Program.h"

namespace korvane {
namespace {

using fw::testing::ChooseMenuItem;

// --- The text ----------------------------------------------------------------

TEST(HelpText, Has38LinesSeparatedByCarriageReturnsOnly) {
  const std::string& text = HelpText();
  EXPECT_EQ(test::CrLines(text).size(), 38u);
  EXPECT_EQ(text.find('\n'), std::string::npos);
  EXPECT_NE(text.back(), '\r');
  for (char byte : text) {
    const auto c = static_cast<unsigned char>(byte);
    EXPECT_LT(c, 128) << "not 7-bit ASCII";
    if (c < 32) {
      EXPECT_EQ(c, '\r') << "control character " << int(c);
    }
  }
}

TEST(HelpText, TheQuotedLinesAreExact) {
  auto lines = test::CrLines(HelpText());
  ASSERT_EQ(lines.size(), 38u);
  EXPECT_EQ(lines[4 - 1], "-----     Using Korvane:     -----");
  EXPECT_EQ(lines[14 - 1], "-----     About the Authors     -----");
  EXPECT_EQ(lines[20 - 1], "-----     Legal:     -----");
  EXPECT_EQ(lines[26 - 1], "Limited Warranty/Limitation of Liability");
  EXPECT_EQ(lines[31 - 1], "Customer Support");
  EXPECT_EQ(lines[36 - 1], "General");
}

TEST(HelpText, EmptyLinesAndParagraphsStandWhereTheTableSays) {
  auto lines = test::CrLines(HelpText());
  ASSERT_EQ(lines.size(), 38u);
  for (int n : {2, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 24, 25, 27, 29, 30, 32, 34, 35, 37})
    EXPECT_EQ(lines[static_cast<std::size_t>(n - 1)], "") << "line " << n;
  // Each paragraph is one line; the field wraps it.
  for (std::size_t n : {1u, 6u, 8u, 10u, 12u, 16u, 18u, 22u, 28u, 33u, 38u})
    EXPECT_GT(lines[n - 1].size(), 30u) << "line " << n;
  EXPECT_EQ(lines[22 - 1].rfind("Copyright (c) ", 0), 0u);  // the legal section's copyright line
}

TEST(HelpText, TheUsingSectionMatchesWhatTheQuizzesDo) {
  auto lines = test::CrLines(HelpText());
  ASSERT_EQ(lines.size(), 38u);
  EXPECT_NE(lines[6 - 1].find("20 out of 20"), std::string::npos);
  EXPECT_NE(lines[8 - 1].find("3 quizzes of 10 scenarios"), std::string::npos);
  EXPECT_NE(lines[8 - 1].find("new order"), std::string::npos);
  EXPECT_NE(lines[8 - 1].find("new positions"), std::string::npos);
  EXPECT_NE(lines[10 - 1].find("a, b, c and d"), std::string::npos);
  EXPECT_NE(lines[10 - 1].find("Return"), std::string::npos);
  EXPECT_NE(lines[12 - 1].find("2 points"), std::string::npos);
  EXPECT_NE(lines[12 - 1].find("1 point "), std::string::npos);
  EXPECT_NE(lines[12 - 1].find("hint"), std::string::npos);
}

TEST(HelpText, TheAuthorsSectionSaysHowToReachThem) {
  auto lines = test::CrLines(HelpText());
  ASSERT_EQ(lines.size(), 38u);
  EXPECT_NE(lines[16 - 1].find(contact::kEmailAddress), std::string::npos);
  EXPECT_NE(lines[16 - 1].find(contact::kWebPage), std::string::npos);
  EXPECT_NE(lines[16 - 1].find(contact::kAuthors), std::string::npos);
  EXPECT_NE(lines[18 - 1].find(contact::kAuthors), std::string::npos);
}

// --- The window --------------------------------------------------------------

class HelpWindowTest : public test::ProgramTest {
 protected:
  void SetUp() override { StartWithRealData(); }
  std::shared_ptr<AboutWindow> ChooseHelp() {
    EXPECT_TRUE(ChooseMenuItem("AboutAuthorsMenu"));
    fw::testing::ProcessEvents();
    return fw::CheckedCast<AboutWindow>(fw::GetImplicitWindow(AboutWindow::kClassName));
  }
  std::shared_ptr<fw::EditField> Field(const std::shared_ptr<AboutWindow>& w) {
    return fw::CheckedCast<fw::EditField>(fw::RuntimeWindowControlByName(w, "EditField1"));
  }
  static std::string WithLineFeeds(std::string text) {
    for (char& c : text)
      if (c == '\r') c = '\n';
    return text;
  }
};

TEST_F(HelpWindowTest, ChoosingTheItemShowsTheHelpTextInTheWindow) {
  auto w = ChooseHelp();
  ASSERT_TRUE(w);
  EXPECT_TRUE(fw::testing::IsOnScreen(*w));
  EXPECT_EQ(fw::String("More About Korvane"), w->Title());
  EXPECT_EQ(Field(w)->Text().Bytes(), HelpText());
  EXPECT_EQ(fw::testing::ShownText(*Field(w)), WithLineFeeds(HelpText()));
  EXPECT_EQ(fw::FrontWindow(), w);
  EXPECT_TRUE(fw::testing::IsOnScreen(*Window1::Instance()));
}

TEST_F(HelpWindowTest, TheHandlerReturnsFalse) {
  EXPECT_FALSE(fw::Need(App()).AboutAuthorsMenu_Action());
  EXPECT_TRUE(fw::GetImplicitWindow(AboutWindow::kClassName));
}

TEST_F(HelpWindowTest, ChoosingTwiceLeavesOneWindowWithOneCopy) {
  int creations = 0;
  fw::testing::SetTraceSink([&creations](const std::string& step) {
    if (step == "window create AboutWindow.AboutWindow") ++creations;
  });
  auto first = ChooseHelp();
  auto second = ChooseHelp();
  EXPECT_EQ(creations, 1);
  EXPECT_EQ(first, second);
  EXPECT_EQ(Field(second)->Text().Bytes(), HelpText());
  fw::testing::SetTraceSink(nullptr);
}

TEST_F(HelpWindowTest, ChoosingAgainReplacesAnyOtherText) {
  auto w = ChooseHelp();
  Field(w)->SetText("scribbled");
  ChooseHelp();
  EXPECT_EQ(Field(w)->Text().Bytes(), HelpText());
}

TEST_F(HelpWindowTest, TheWindowKeeps440By328) {
  auto w = ChooseHelp();
  auto content = fw::testing::ContentBox(*w);
  EXPECT_EQ(content.width, 440);
  EXPECT_EQ(content.height, 328);
  for (auto [width, height] : {std::pair{900, 700}, std::pair{100, 100}, std::pair{440, 600}}) {
    w->SetSize(width, height);
    fw::testing::ProcessEvents();
    EXPECT_EQ(fw::testing::ContentBox(*w).width, 440);
    EXPECT_EQ(fw::testing::ContentBox(*w).height, 328);
  }
  auto field = fw::testing::GeometryOf(*Field(w));
  EXPECT_EQ(field.left, 0);
  EXPECT_EQ(field.top, 0);
  EXPECT_EQ(field.width, 441);  // one pixel past the window's edge
  EXPECT_EQ(field.height, 314);  // 14 pixels short of its bottom
}

TEST_F(HelpWindowTest, TheFieldIsReadOnlyAndUnstyled) {
  auto w = ChooseHelp();
  auto field = Field(w);
  EXPECT_TRUE(field->ReadOnly());
  EXPECT_FALSE(field->Styled());
  EXPECT_TRUE(field->LockLeft() && field->LockTop() && field->LockRight() && field->LockBottom());
  // Typing changes nothing.
  fw::testing::Click(*field);
  fw::testing::TypeKey(*w, 'x');
  EXPECT_EQ(field->Text().Bytes(), HelpText());
  auto first = fw::testing::StyleAt(*field, 0);
  auto last = fw::testing::StyleAt(*field, static_cast<int>(HelpText().size()) - 2);
  EXPECT_EQ(first.pixelSize, 10);
  EXPECT_EQ(last.pixelSize, 10);
  EXPECT_EQ(first.family, last.family);
  EXPECT_FALSE(first.bold || first.italic || first.underline);
}

TEST_F(HelpWindowTest, FileCloseWithTheHelpWindowInFrontClosesOnlyIt) {
  auto w = ChooseHelp();
  ASSERT_EQ(fw::FrontWindow(), w);
  EXPECT_TRUE(ChooseMenuItem("FileClose"));
  fw::testing::ProcessEvents();
  EXPECT_FALSE(w->IsOpen());
  EXPECT_FALSE(fw::GetImplicitWindow(AboutWindow::kClassName));
  EXPECT_FALSE(fw::testing::QuitRequested());
  EXPECT_TRUE(fw::testing::IsOnScreen(*Window1::Instance()));
}

TEST_F(HelpWindowTest, CommandWWithTheHelpWindowInFrontClosesOnlyIt) {
  auto w = ChooseHelp();
  ASSERT_TRUE(fw::testing::PressShortcut(*w, "Cmd+W"));
  EXPECT_FALSE(w->IsOpen());
  EXPECT_FALSE(fw::testing::QuitRequested());
  EXPECT_TRUE(Window1::Instance()->IsOpen());
}

TEST_F(HelpWindowTest, FileCloseReachesOnlyTheWindowInFront) {
  auto help = ChooseHelp();
  ASSERT_TRUE(ChooseMenuItem("AboutMenu"));
  fw::testing::ProcessEvents();
  auto box = fw::GetImplicitWindow(AboutBox::kClassName);
  ASSERT_EQ(fw::FrontWindow(), box);

  EXPECT_TRUE(ChooseMenuItem("FileClose"));  // the About box is in front
  fw::testing::ProcessEvents();
  EXPECT_FALSE(box->IsOpen());
  EXPECT_TRUE(help->IsOpen());
  EXPECT_EQ(fw::FrontWindow(), help);

  EXPECT_TRUE(ChooseMenuItem("FileClose"));  // now the help window
  fw::testing::ProcessEvents();
  EXPECT_FALSE(help->IsOpen());
  EXPECT_FALSE(fw::testing::QuitRequested());
  EXPECT_TRUE(Window1::Instance()->IsOpen());
}

TEST_F(HelpWindowTest, AfterCloseTheNextChoiceBuildsANewWindow) {
  auto first = ChooseHelp();
  fw::testing::ClickCloseBox(*first);
  fw::testing::ProcessEvents();
  EXPECT_FALSE(first->IsOpen());
  auto second = ChooseHelp();
  EXPECT_NE(first, second);
  EXPECT_EQ(Field(second)->Text().Bytes(), HelpText());
}

TEST_F(HelpWindowTest, TheAboutAndHelpItemsAreAlwaysEnabled) {
  EXPECT_TRUE(fw::testing::IsMenuItemEnabled("AboutMenu"));
  EXPECT_TRUE(fw::testing::IsMenuItemEnabled("AboutAuthorsMenu"));
  EXPECT_TRUE(fw::testing::IsMenuItemEnabled("FileClose"));
}

// --- Records -----------------------------------------------------------------

TEST(HelpWindowRecords, TheWindowRecordFixesTheSize) {
  std::vector<std::string> names;
  for (const auto& e : codec::DecodeRecord(AboutWindow::WindowRecord())) names.push_back(e.name);
  EXPECT_EQ(names, (std::vector<std::string>{
                       "Placement", "Width", "Height", "MinWidth", "MinHeight", "MaxWidth", "MaxHeight",
                       "Frame", "Composite", "HasBackColor", "BackColor", "Title", "Visible", "FullScreen",
                       "MenuBarVisible", "CloseButton", "Resizeable", "LiveResize", "MaximizeButton",
                       "MinimizeButton", "BalloonHelp", "MacProcID"}));
  auto entries = codec::DecodeRecord(AboutWindow::WindowRecord());
  for (std::size_t k : {1u, 3u, 5u}) EXPECT_EQ(std::get<std::int32_t>(entries[k].value), 440);
  for (std::size_t k : {2u, 4u, 6u}) EXPECT_EQ(std::get<std::int32_t>(entries[k].value), 328);
}

TEST(HelpWindowRecords, TheFieldRecordEndsWithTheCommonTail) {
  auto entries = codec::DecodeRecord(AboutWindow::ControlRecord("EditField1"));
  ASSERT_EQ(entries.size(), 26u + 17u);
  EXPECT_EQ(entries.front().name, "TabIndex");
  EXPECT_EQ(entries.back().name, "Name");
  EXPECT_EQ(std::get<std::string>(entries.back().value), "EditField1");
  EXPECT_EQ(std::get<std::int32_t>(entries[entries.size() - 2].value), INT32_MIN);
  auto value = [&](const char* n) {
    for (const auto& e : entries)
      if (e.name == n) return e.value;
    ADD_FAILURE() << "no entry " << n;
    return codec::PropertyValue{};
  };
  EXPECT_TRUE(std::get<bool>(value("ReadOnly")));
  EXPECT_FALSE(std::get<bool>(value("Styled")));
  EXPECT_TRUE(std::get<bool>(value("MultiLine")));
  EXPECT_TRUE(std::get<bool>(value("ScrollBarVertical")));
  EXPECT_FALSE(std::get<bool>(value("ScrollBarHorizontal")));
  EXPECT_FALSE(std::get<bool>(value("Border")));
  EXPECT_EQ(std::get<std::string>(value("TextFont")), "Geneva");
  EXPECT_EQ(std::get<std::int32_t>(value("TextSize")), 10);
  EXPECT_EQ(std::get<std::string>(value("Text")), "");
}

}  // namespace
}  // namespace korvane
