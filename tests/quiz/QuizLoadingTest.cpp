#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "codec/ContentIds.h"
#include "framework/Testing.h"
#include "framework/testing/Simulate.h"
#include "quiz/HintWindow.h"
#include "quiz/Module1.h"
#include "quiz/ResultsWindow.h"
#include "shell/AboutWindow.h"
#include "tests/quiz/QuizFixture.h"

namespace korvane::test {
namespace {

using fw::testing::ChooseMenuItem;

class QuizNumberTest : public QuizTest, public ::testing::WithParamInterface<int> {};

TEST_P(QuizNumberTest, ARunReadsEachOfItsTenRecordsOnceInTheDrawnOrder) {
  StartWith();
  // Repeated draws are drawn again: mixb 2 twice, the offsets 3 and 0 twice.
  FeedDraws({2, 2, 4, 1, 3}, {3, 3, 0, 9, 0, 1, 2, 4, 5, 6, 7, 8});
  const int n = GetParam();
  ASSERT_TRUE(ChooseMenuItem(("Quiz" + std::to_string(n) + "Menu").c_str()));
  EXPECT_EQ(OpenQuiz()->Title(), fw::String("Rirerad Quiz #" + std::to_string(n)));
  const int offsets[] = {3, 0, 9, 1, 2, 4, 5, 6, 7, 8};
  for (int k = 1; k <= 10; ++k)
    EXPECT_EQ((*Scenario)(k), fw::String("Scenario " + std::to_string(codec::QuizRecordId(n, offsets[k - 1]))));
  EXPECT_EQ(Shown("ScenarioEditField"), "Scenario " + std::to_string(121 + 10 * n));
  EXPECT_EQ(Shown("ScenarioNumberLabel"), "Scenario 1 of 10");
}

INSTANTIATE_TEST_SUITE_P(Quizzes, QuizNumberTest, ::testing::Values(1, 2, 3));

TEST_F(QuizTest, TheArrangementKeepsEachFeedbackBesideItsChoice) {
  StartWith([](auto& set) {
    Replace(set, "wstr", 129, QuizRecord{"S", {"W", "X", "Y", "Z"}, {"fW", "fX", "fY", "fZ"}, "H", "4"}.Bytes());
  });
  FeedDraws({2, 4, 1, 3}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  ASSERT_TRUE(ChooseMenuItem("Quiz1Menu"));
  EXPECT_EQ(Shown("AnswerAButton"), "A. X128");
  EXPECT_EQ(Shown("AnswerBButton"), "B. Z128");
  EXPECT_EQ(Shown("AnswerCButton"), "C. W128");
  EXPECT_EQ(Shown("AnswerDButton"), "D. Y128");
  EXPECT_EQ((*Answer)(1), 3);  // item 1 shows at C
  EXPECT_EQ((*AnswerA)(1), fw::String("fX128"));
  EXPECT_EQ((*AnswerD)(1), fw::String("fY128"));
  EXPECT_EQ((*Answer)(2), 2);  // item 4 shows at B
}

class UnmatchedAnswerTest : public QuizTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(UnmatchedAnswerTest, EveryPickIsWrongAndOnlyTheRedBoxShows) {
  StartWith([](auto& set) {
    for (int id = 128; id <= 137; ++id)
      Replace(set, "wstr", id, QuizRecord{"S", {"W", "X", "Y", "Z"}, {"fW", "fX", "fY", "fZ"}, "H", GetParam()}.Bytes());
  });
  FeedPlainDraws();
  ASSERT_TRUE(ChooseMenuItem("Quiz1Menu"));
  for (std::string letter : {"A", "B", "C", "D"}) {
    fw::testing::Click(In<fw::PushButton>(("Answer" + letter + "Button").c_str()));
    EXPECT_EQ(Shown(("Label" + letter).c_str()), letter + " is incorrect");
    int boxes = 0;
    for (const char* box : {"GreenA", "GreenB", "GreenC", "GreenD"}) boxes += In<fw::RoundRectangle>(box).Visible();
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(Shown("AnswerCField"), "fW");
    fw::testing::Click(In<fw::PushButton>("NextButton"));
  }
  EXPECT_EQ(sounds, std::vector<std::string>(4, "wrong"));
  EXPECT_EQ(score, 0);
}

INSTANTIATE_TEST_SUITE_P(Numbers, UnmatchedAnswerTest, ::testing::Values("0", "5", "x"),
                         [](const auto& info) { return std::string("Correct_") + info.param; });

struct BrokenData {
  const char* name;
  std::function<void(std::vector<codec::ResourceSpec>&)> edit;
  bool removeFile = false;
};

class BrokenDataTest : public QuizTest, public ::testing::WithParamInterface<BrokenData> {};

TEST_P(BrokenDataTest, ShowsTheFixedMessageOverTheQuizWindowAndQuits) {
  StartWith(GetParam().edit);
  if (GetParam().removeFile) std::filesystem::remove(resourceFile);
  bool quizOnScreenBehindMessage = false;
  fw::testing::SetMessagePresenter([&](const fw::String& m) {
    messages.push_back(m.Bytes());
    quizOnScreenBehindMessage = OpenQuiz() && fw::testing::IsOnScreen(*OpenQuiz());
  });
  ASSERT_TRUE(ChooseMenuItem("Quiz1Menu"));
  EXPECT_EQ(messages, std::vector<std::string>{
                          "The \"DATA\" folder or \"QUES\" folder within it is missing. Must quit."});
  EXPECT_TRUE(quizOnScreenBehindMessage);
  EXPECT_TRUE(fw::testing::QuitRequested());
}

// A record text of only three fields, its choice list of two items.
const std::string kCutShort = std::string("\0\x0a", 2) + "S\x11W\x12X\x11" + "fW";

// A record of all five fields whose choices or feedback are three items:
// the last two run together, so the record keeps its length.
std::string ThreeItemsIn(const char* lastTwo) {
  std::string bytes = QuizRecord{"S", {"W", "X", "Y", "Z"}, {"fW", "fX", "fY", "fZ"}, "H", "1"}.Bytes();
  bytes[bytes.find(codec::kQuizItemSeparator, bytes.find(lastTwo))] = ' ';
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenDataTest,
    ::testing::Values(BrokenData{"MissingRecord", [](auto& set) { Remove(set, "wstr", 133); }},
                      BrokenData{"RecordOfOneByte", [](auto& set) { Replace(set, "wstr", 133, "\x01"); }},
                      BrokenData{"RecordCutShort", [](auto& set) { Replace(set, "wstr", 133, kCutShort); }},
                      BrokenData{"ThreeChoices", [](auto& set) { Replace(set, "wstr", 133, ThreeItemsIn("Y")); }},
                      BrokenData{"ThreeFeedbackItems",
                                 [](auto& set) { Replace(set, "wstr", 133, ThreeItemsIn("fY")); }},
                      BrokenData{"ResourceFileGone", nullptr, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QuizTest, OnASmallScreenTheQuizWindowOpensAtTheTopLeft) {
  StartWith();
  FeedPlainDraws();
  fw::testing::SetScreenSize(640, 480);
  ASSERT_TRUE(ChooseMenuItem("Quiz1Menu"));
  EXPECT_EQ(OpenQuiz()->Left(), 5);
  EXPECT_EQ(OpenQuiz()->Top(), 42);
  OpenQuiz()->Close();
  fw::testing::SetScreenSize(641, 480);
  ASSERT_TRUE(ChooseMenuItem("Quiz1Menu"));
  EXPECT_NE(OpenQuiz()->Left(), 5);
}

TEST_F(QuizTest, NoWindowThatIsOnlyClosedEverFlashesOnScreen) {
  StartWith();
  fw::testing::SetTraceSink([this](const std::string& step) { ++traced[step]; });
  FeedPlainDraws();
  ASSERT_TRUE(ChooseMenuItem("Quiz1Menu"));
  for (int k = 0; k < 3; ++k) {
    fw::testing::Click(In<fw::PushButton>("AnswerAButton"));
    fw::testing::Click(In<fw::PushButton>("NextButton"));
    fw::testing::ProcessEvents();
  }
  for (const char* w : {AboutWindow::kClassName, HintWindow::kClassName, ResultsWindow::kClassName}) {
    EXPECT_FALSE(IsOpen(w)) << w;
    EXPECT_EQ(traced[std::string("window create ") + w], w == AboutWindow::kClassName ? 1 : 4) << w;
    EXPECT_EQ(traced[std::string("window on screen ") + w], 0) << w;
  }
}

TEST_F(QuizTest, AStartingQuizClosesAnOpenHelpWindow) {
  StartWith();
  AboutWindow::Instance()->Show();
  fw::testing::ProcessEvents();
  FeedPlainDraws();
  ASSERT_TRUE(ChooseMenuItem("Quiz3Menu"));
  fw::testing::ProcessEvents();
  EXPECT_FALSE(IsOpen(AboutWindow::kClassName));
  EXPECT_TRUE(fw::testing::IsOnScreen(*OpenQuiz()));
  EXPECT_FALSE(fw::testing::IsOnScreen(*Window1::Instance()));
  EXPECT_FALSE(fw::testing::QuitRequested());  // hidden, not closed
}

}  // namespace
}  // namespace korvane::test
