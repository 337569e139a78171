// The quiz over fixture data, with the random draws fed exactly and the
// sounds told apart: loading, a run, and bad records.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "browser/Window1.h"
#include "codec/ContentIds.h"
#include "framework/Testing.h"
#include "framework/testing/Simulate.h"
#include "quiz/HintWindow.h"
#include "quiz/Module1.h"
#include "quiz/ResultsWindow.h"
#include "quiz/RireradQuiz.h"
#include "shell/AboutWindow.h"
#include "shell/Media.h"
#include "tests/support/Program.h"

namespace korvane::test {
namespace {

using fw::testing::ChooseMenuItem;
using fw::testing::Click;
using fw::testing::IsMenuItemEnabled;

class QuizTest : public ProgramTest {
 protected:
  // Tells the two sounds apart.
  void StartWith(const std::function<void(std::vector<codec::ResourceSpec>&)>& edit = nullptr) {
    ProgramTest::StartWith(edit);
    fw::testing::SetSoundObserver([this](const fw::Sound& s) {
      sounds.push_back(&s == rightsound().get() ? "right" : &s == wrongsound().get() ? "wrong" : "other");
    });
  }
  // Rnd values that draw exactly this answer arrangement and these scenario
  // offsets, repeats included; later draws come from a seeded generator.
  static void FeedDraws(const std::vector<int>& positions, const std::vector<int>& offsets) {
    auto values = std::make_shared<std::deque<double>>();
    for (int p : positions) values->push_back((p - 0.5) / 4);
    for (int x : offsets) values->push_back((x + 0.5) / 10);
    auto rest = std::make_shared<std::mt19937>(7);
    fw::testing::SetRndSource([values, rest] {
      if (values->empty()) return std::uniform_real_distribution<double>(0, 1)(*rest);
      double v = values->front();
      values->pop_front();
      return v;
    });
  }
  // The arrangement 2, 4, 1, 3 (item 1, correct in the fixture, shows at C)
  // and the offsets in order.
  static void FeedPlainDraws() { FeedDraws({2, 4, 1, 3}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}); }

  // The open quiz window, or nil; looking does not create one.
  static std::shared_ptr<fw::Window> OpenQuiz() { return fw::GetImplicitWindow(RireradQuiz::kClassName); }
  template <class C>
  static C& In(const char* name) { return *declare::Find<C>(OpenQuiz(), name); }
  static std::string Shown(const char* name) { return fw::testing::ShownText(In<fw::RectControl>(name)); }
  static bool IsOpen(const char* className) { return fw::GetImplicitWindow(className) != nullptr; }
  // The shown text of the hint window's label.
  static std::string HintText() {
    auto hint = fw::GetImplicitWindow(HintWindow::kClassName);
    return hint ? fw::testing::ShownText(*fw::RuntimeWindowControlByName(hint, "HintText")) : "(no hint window)";
  }

  std::vector<std::string> sounds;  // "right" or "wrong", in order
  std::map<std::string, int> traced;  // runtime steps, for a test that watches them
};

// --- Loading -----------------------------------------------------------------

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
  FeedPlainDraws();
  ASSERT_TRUE(ChooseMenuItem("Quiz1Menu"));
  EXPECT_EQ((std::vector<std::string>{Shown("AnswerAButton"), Shown("AnswerBButton"), Shown("AnswerCButton"),
                                      Shown("AnswerDButton")}),
            (std::vector<std::string>{"A. X128", "B. Z128", "C. W128", "D. Y128"}));
  EXPECT_EQ((*Answer)(1), 3);  // item 1 shows at C
  EXPECT_EQ((*AnswerA)(1), fw::String("fX128"));
  EXPECT_EQ((*AnswerD)(1), fw::String("fY128"));
  EXPECT_EQ((*Answer)(2), 2);  // item 4 shows at B
}

class UnmatchedAnswerTest : public QuizTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(UnmatchedAnswerTest, EveryPickIsWrongAndOnlyTheRedBoxShows) {
  StartWith([](auto& set) {
    for (int id = 128; id <= 137; ++id)
      Replace(set, "wstr", id,
              QuizRecord{"S", {"W", "X", "Y", "Z"}, {"fW", "fX", "fY", "fZ"}, "H", GetParam()}.Bytes());
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
                         [](const auto& c) { return std::string("Correct_") + c.param; });

struct BrokenData {
  const char* name;
  std::function<void(std::vector<codec::ResourceSpec>&)> edit;
  bool removeFile = false;
};

class BrokenDataTest : public QuizTest, public ::testing::WithParamInterface<BrokenData> {};

TEST_P(BrokenDataTest, ShowsTheFixedMessageOverTheQuizWindowAndQuits) {
  StartWith(GetParam().edit);
  // A quiz reads only its own records: quiz 2 still runs.
  ASSERT_TRUE(ChooseMenuItem("Quiz2Menu"));
  EXPECT_EQ(Shown("ScenarioNumberLabel"), "Scenario 1 of 10");
  EXPECT_TRUE(messages.empty());
  OpenQuiz()->Close();
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
    [](const auto& c) { return std::string(c.param.name); });

// --- A run -------------------------------------------------------------------

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

TEST_F(QuizRunTest, OnASmallScreenTheQuizWindowOpensAtTheTopLeft) {
  fw::testing::SetScreenSize(640, 480);
  ASSERT_TRUE(ChooseMenuItem("Quiz1Menu"));
  EXPECT_EQ(OpenQuiz()->Left(), 5);
  EXPECT_EQ(OpenQuiz()->Top(), 42);
  OpenQuiz()->Close();
  fw::testing::SetScreenSize(641, 480);
  ASSERT_TRUE(ChooseMenuItem("Quiz1Menu"));
  EXPECT_NE(OpenQuiz()->Left(), 5);
}

TEST_F(QuizRunTest, NoWindowThatIsOnlyClosedEverFlashesOnScreen) {
  fw::testing::SetTraceSink([this](const std::string& step) { ++traced[step]; });
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

TEST_F(QuizRunTest, AStartingQuizClosesAnOpenHelpWindow) {
  AboutWindow::Instance()->Show();
  fw::testing::ProcessEvents();
  ASSERT_TRUE(ChooseMenuItem("Quiz3Menu"));
  fw::testing::ProcessEvents();
  EXPECT_FALSE(IsOpen(AboutWindow::kClassName));
  EXPECT_TRUE(fw::testing::IsOnScreen(*OpenQuiz()));
  EXPECT_FALSE(fw::testing::IsOnScreen(*Window1::Instance()));
  EXPECT_FALSE(fw::testing::QuitRequested());  // hidden, not closed
}

TEST_F(QuizRunTest, TenRightPicksByMouseScoreTwentyAndTheResultShowsBesideTheQuizWindow) {
  auto list = declare::Find<fw::Listbox>(Window1::Instance(), "BrowserListBox");
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
                         [](const auto& c) { return c.param ? "CloseBox" : "CommandW"; });

}  // namespace
}  // namespace korvane::test
