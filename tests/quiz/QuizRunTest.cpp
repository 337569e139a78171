#include <gtest/gtest.h>

#include "framework/Testing.h"
#include "framework/testing/Simulate.h"
#include "quiz/HintWindow.h"
#include "quiz/Module1.h"
#include "tests/quiz/QuizFixture.h"

namespace korvane::test {
namespace {

using fw::testing::ChooseMenuItem;
using fw::testing::Click;
using fw::testing::IsMenuItemEnabled;

// With the plain draws the right choice of every scenario shows at C.
class QuizRunTest : public QuizTest {
 protected:
  void SetUp() override {
    StartWith();
    FeedPlainDraws();
  }
  fw::PushButton& Button(const char* name) { return In<fw::PushButton>(name); }
  static fw::Window& Hint() { return *fw::GetImplicitWindow(HintWindow::kClassName); }
};

TEST_F(QuizRunTest, TenRightPicksByMouseScoreTwentyAndTheResultShowsBesideTheQuizWindow) {
  auto list = fw::CheckedCast<fw::Listbox>(fw::RuntimeWindowControlByName(Window1::Instance(), "BrowserListBox"));
  fw::testing::ClickRow(*list, 5);
  ASSERT_TRUE(ChooseMenuItem("Quiz1Menu"));
  fw::testing::ProcessEvents();
  EXPECT_FALSE(fw::testing::IsOnScreen(*Window1::Instance()));
  auto quiz = OpenQuiz();
  for (int n = 1; n <= 10; ++n) {
    EXPECT_EQ(Shown("ScenarioNumberLabel"), "Scenario " + std::to_string(n) + " of 10");
    Click(Button("AnswerCButton"));
    EXPECT_EQ(Shown("ScoreLabel"), "Score " + std::to_string(2 * n) + " of 20");
    EXPECT_EQ(Shown("LabelC"), "C is correct");
    EXPECT_TRUE(Button("AnswerCButton").Underline());
    EXPECT_EQ(Shown("NextButton"), n == 10 ? "Finish" : "Next");
    if (n < 10) Click(Button("NextButton"));
  }
  const int left = quiz->Left(), top = quiz->Top();
  Click(Button("NextButton"));
  fw::testing::ProcessEvents();

  EXPECT_EQ(OpenQuiz(), nullptr);
  EXPECT_EQ(sounds, std::vector<std::string>(10, "right"));
  EXPECT_EQ(Hint().Title(), fw::String("Quiz Results"));
  EXPECT_EQ(HintText(), "You scored 20 of 20.");
  EXPECT_EQ(Hint().Left(), left + 80);
  EXPECT_EQ(Hint().Top(), top + 40);
  EXPECT_TRUE(fw::testing::IsOnScreen(Hint()));
  EXPECT_TRUE(fw::testing::IsOnScreen(*Window1::Instance()));
  EXPECT_EQ(Window1::Instance()->Title(), fw::String("Korvane: Topic 5"));
  EXPECT_EQ(list->ListIndex(), 5);
  EXPECT_TRUE(IsMenuItemEnabled("Quiz1Menu"));
}

TEST_F(QuizRunTest, HintsHalveThePointsHoweverOftenTakenAndKeysAnswer) {
  ASSERT_TRUE(ChooseMenuItem("Quiz2Menu"));
  auto quiz = OpenQuiz();
  for (int n = 1; n <= 10; ++n) {
    Click(Button("HintButton"));
    Click(Button("HintButton"));
    EXPECT_EQ(Hint().Title(), fw::String("Hint"));
    EXPECT_EQ(HintText(), "Hint " + std::to_string(137 + n));
    EXPECT_EQ(Hint().Left(), quiz->Left() + 80);
    fw::testing::TypeKey(*quiz, n % 2 ? 'c' : 'C');
    fw::testing::PressReturn(*quiz);
  }
  EXPECT_EQ(score, 10);
  EXPECT_EQ(HintText(), "You scored 10 of 20.");
  EXPECT_EQ(sounds, std::vector<std::string>(10, "right"));
}

TEST_F(QuizRunTest, AWrongPickIsMarkedRedAndTheRightChoiceGreen) {
  ASSERT_TRUE(ChooseMenuItem("Quiz1Menu"));
  auto quiz = OpenQuiz();
  fw::testing::TypeKey(*quiz, 'a');
  EXPECT_EQ(Shown("LabelA"), "A is incorrect");
  EXPECT_EQ(Shown("LabelC"), "C is correct");
  EXPECT_EQ(In<fw::RoundRectangle>("GreenA").BorderColor(), fw::RGB(255, 0, 0));
  EXPECT_EQ(In<fw::RoundRectangle>("GreenC").BorderColor(), fw::RGB(0, 128, 64));
  fw::testing::ProcessEvents();
  // Drawn inside the boxes, clear of the labels' text.
  EXPECT_EQ(fw::testing::PixelAt(*quiz, 13 + 220, 164 + 9), fw::RGB(255, 128, 128));
  EXPECT_EQ(fw::testing::PixelAt(*quiz, 13 + 220, 304 + 9), fw::RGB(77, 255, 154));
  EXPECT_FALSE(In<fw::RoundRectangle>("GreenB").Visible());
  EXPECT_EQ(Shown("AnswerAField"), "fX128");
  EXPECT_EQ(Shown("AnswerBField"), "fZ128");
  EXPECT_EQ(Shown("ScoreLabel"), "Score 0 of 20");
  EXPECT_TRUE(fw::testing::HasFocus(In<fw::EditField>("ScenarioEditField")));

  fw::testing::PressReturn(*quiz);  // the next scenario starts clean
  EXPECT_FALSE(In<fw::RoundRectangle>("GreenA").Visible());
  EXPECT_FALSE(In<fw::StaticText>("LabelC").Visible());
  EXPECT_FALSE(Button("AnswerAButton").Underline());
  EXPECT_EQ(Shown("AnswerAField"), "");
  for (int n = 2; n <= 10; ++n) {
    Click(Button("AnswerDButton"));
    Click(Button("NextButton"));
  }
  EXPECT_EQ(HintText(), "You scored 0 of 20.");
  EXPECT_EQ(sounds, std::vector<std::string>(10, "wrong"));
}

TEST_F(QuizRunTest, AScenarioTakesOnePickAndNextWaitsForIt) {
  ASSERT_TRUE(ChooseMenuItem("Quiz1Menu"));
  auto quiz = OpenQuiz();
  fw::testing::PressReturn(*quiz);
  Click(Button("NextButton"));
  EXPECT_EQ(Shown("ScenarioNumberLabel"), "Scenario 1 of 10");
  EXPECT_FALSE(Button("NextButton").Enabled());

  Click(Button("AnswerCButton"));
  Click(Button("AnswerBButton"));
  fw::testing::TypeKey(*quiz, 'd');
  Click(Button("HintButton"));  // after the pick the hint costs nothing
  EXPECT_FALSE(Button("AnswerBButton").Underline());
  EXPECT_FALSE(In<fw::RoundRectangle>("GreenB").Visible());
  EXPECT_EQ(score, 2);
  EXPECT_EQ(sounds, std::vector<std::string>{"right"});
}

class EarlyCloseTest : public QuizRunTest, public ::testing::WithParamInterface<bool> {};

TEST_P(EarlyCloseTest, ReportsThePointsSoFarAndTheNextRunStartsAfresh) {
  ASSERT_TRUE(ChooseMenuItem("Quiz1Menu"));
  auto quiz = OpenQuiz();
  for (int n = 1; n <= 3; ++n) {
    Click(Button("AnswerCButton"));
    Click(Button("NextButton"));
  }
  Click(Button("HintButton"));  // the open hint window becomes the result window
  const int hintLeft = Hint().Left();
  EXPECT_FALSE(IsMenuItemEnabled("Quiz1Menu"));
  ASSERT_TRUE(fw::testing::PressShortcut(*quiz, "Cmd+2"));
  EXPECT_EQ(quiz->Title(), fw::String("Rirerad Quiz #1"));
  EXPECT_EQ(Shown("ScenarioNumberLabel"), "Scenario 4 of 10");
  EXPECT_TRUE(IsMenuItemEnabled("AboutAuthorsMenu"));
  if (GetParam())
    fw::testing::ClickCloseBox(*quiz);
  else
    ASSERT_TRUE(fw::testing::PressShortcut(*quiz, "Cmd+W"));
  fw::testing::ProcessEvents();

  EXPECT_EQ(OpenQuiz(), nullptr);
  EXPECT_FALSE(fw::testing::QuitRequested());
  EXPECT_TRUE(fw::testing::IsOnScreen(*Window1::Instance()));
  EXPECT_EQ(Hint().Title(), fw::String("Quiz Results"));
  EXPECT_EQ(HintText(), "You scored 6 of 20.");
  EXPECT_EQ(Hint().Left(), hintLeft);

  ASSERT_TRUE(fw::testing::PressShortcut(*Window1::Instance(), "Cmd+3"));
  EXPECT_NE(OpenQuiz(), quiz);
  EXPECT_EQ(OpenQuiz()->Title(), fw::String("Rirerad Quiz #3"));
  EXPECT_EQ(Shown("ScoreLabel"), "Score 0 of 20");
  EXPECT_EQ(Shown("NextButton"), "Next");
  EXPECT_EQ(Shown("ScenarioNumberLabel"), "Scenario 1 of 10");
  EXPECT_FALSE(IsOpen(HintWindow::kClassName));
}

INSTANTIATE_TEST_SUITE_P(By, EarlyCloseTest, ::testing::Values(true, false),
                         [](const auto& row) { return row.param ? "CloseBox" : "CommandW"; });

}  // namespace
}  // namespace korvane::test
