// Bad resource data through the real start-up, main() to exit status: each
// case ends as the program's failure handling says, never in a crash or a
// hang.
#include <gtest/gtest.h>

#include <filesystem>

#include "browser/Window1.h"
#include "codec/ContentLimits.h"
#include "framework/ResourceFork.h"
#include "framework/Runtime.h"
#include "framework/Testing.h"
#include "framework/testing/Simulate.h"
#include "quiz/Module1.h"
#include "quiz/RireradQuiz.h"
#include "shell/Main.h"
#include "tests/support/Program.h"

namespace korvane {
namespace {

const char* const kDataMissing = "The \"DATA\" folder is missing. Must quit.";
const char* const kQuizDataMissing = "The \"DATA\" folder or \"QUES\" folder within it is missing. Must quit.";

class BadDataTest : public ::testing::Test {
 protected:
  void SetUp() override { set = test::FixtureResources(); }
  void TearDown() override { fw::testing::ResetRuntime(); }

  // Runs the whole program over the set; `during` runs inside its event
  // loop, which ends afterwards if nothing ended it before.
  int Run(const std::function<void()>& during = {}) {
    std::string path = test::WriteResourceFile(dir, set);
    return RunOver(path, during);
  }
  int RunOver(const std::string& path, const std::function<void()>& during = {}) {
    fw::testing::ResetRuntime();
    quizing = false;
    fw::testing::SetResourceFilePath(path);
    fw::testing::SetMessagePresenter([this](const fw::String& m) { messages.push_back(m.Bytes()); });
    fw::testing::OnEventLoopStart([during] {
      if (during) during();
      fw::Quit(0);
    });
    return korvane::main();
  }

  test::TempDir dir;
  std::vector<codec::ResourceSpec> set;
  std::vector<std::string> messages;
};

TEST_F(BadDataTest, NoResourceFile) {
  EXPECT_EQ(RunOver(dir.Path("missing.rsrc").string()), 0);
  EXPECT_EQ(messages, std::vector<std::string>{kDataMissing});
}

TEST_F(BadDataTest, ATruncatedResourceFile) {
  std::string path = test::WriteResourceFile(dir, set);
  std::filesystem::resize_file(path, std::filesystem::file_size(path) / 2);
  EXPECT_EQ(RunOver(path), 0);
  EXPECT_EQ(messages, std::vector<std::string>{kDataMissing});
}

TEST_F(BadDataTest, WithoutTheRecordsOfQuizTwoQuizOneStillRunsAndQuizTwoQuits) {
  for (int id = 138; id <= 147; ++id) test::Remove(set, "wstr", id);
  bool quizOneRan = false;
  EXPECT_EQ(Run([&] {
              fw::testing::ChooseMenuItem("Quiz1Menu");
              quizOneRan = messages.empty() && QuestionNum == 1;
              fw::Need(RireradQuiz::Instance()).Close();
              fw::testing::ChooseMenuItem("Quiz2Menu");
            }),
            0);
  EXPECT_TRUE(quizOneRan);
  EXPECT_EQ(messages, std::vector<std::string>{kQuizDataMissing});
}

TEST_F(BadDataTest, ARecordShorterThanItsLengthPrefix) {
  test::Replace(set, "wstr", 142, "\x01");
  EXPECT_EQ(Run([] { fw::testing::ChooseMenuItem("Quiz2Menu"); }), 0);
  EXPECT_EQ(messages, std::vector<std::string>{kQuizDataMissing});
}

TEST_F(BadDataTest, ARecordWithFewerThanFiveFields) {
  std::string text = "Scenario\x11W\x12X\x12Y\x12Z\x11" "fW\x12" "fX\x12" "fY\x12" "fZ";
  test::Replace(set, "wstr", 150, std::string{0, static_cast<char>(text.size())} + text);
  EXPECT_EQ(Run([] { fw::testing::ChooseMenuItem("Quiz3Menu"); }), 0);
  EXPECT_EQ(messages, std::vector<std::string>{kQuizDataMissing});
}

TEST_F(BadDataTest, ACorrectChoiceOfXMarksEveryPickWrong) {
  for (int id = 128; id <= 137; ++id) {
    std::string n = std::to_string(id);
    test::Replace(set, "wstr", id,
                  test::QuizRecord{"Scenario " + n, {"W", "X", "Y", "Z"}, {"a", "b", "c", "d"}, "Hint", "x"}.Bytes());
  }
  std::vector<std::string> verdicts;
  int score = -1;
  EXPECT_EQ(Run([&] {
              fw::testing::ChooseMenuItem("Quiz1Menu");
              auto quiz = RireradQuiz::Instance();
              fw::testing::ProcessEvents();
              fw::testing::Click(*fw::RuntimeWindowControlByName(quiz, "AnswerBButton"));
              for (const char* label : {"LabelA", "LabelB", "LabelC", "LabelD"}) {
                auto l = fw::CheckedCast<fw::StaticText>(fw::RuntimeWindowControlByName(quiz, label));
                if (l->Visible()) verdicts.push_back(l->Text().Bytes());
              }
              score = korvane::score;
            }),
            0);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(verdicts, std::vector<std::string>{"B is incorrect"});
  EXPECT_EQ(score, 0);
}

TEST_F(BadDataTest, AGarbageStyleTableShowsTheTopicPlain) {
  test::Replace(set, "styl", 128, std::string("\x00\x05garbage", 9));
  std::string shown;
  EXPECT_EQ(Run([&] {
              auto reader = fw::CheckedCast<fw::EditField>(
                  fw::RuntimeWindowControlByName(Window1::Instance(), "BrowserEditField"));
              shown = reader->Text().Bytes();
            }),
            0);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(shown, "Text of topic 0");
}

// More than the packer writes would hold the window for seconds to minutes;
// the program takes it for damaged data instead.
TEST_F(BadDataTest, ATopicBeyondWhatThePackerWritesEndsInTheFixedMessage) {
  const std::string longWord = "a " + std::string(codec::kMaxUnbreakableBytes + 1, 'w');
  struct Damage {
    const char* type;
    std::string data;
  };
  for (const Damage& damage : {Damage{"TEXT", std::string(codec::kMaxTopicTextBytes + 1, ' ')},
                               Damage{"TEXT", longWord},
                               Damage{"styl", std::string(codec::kMaxStyleScrapBytes + 1, '\0')}}) {
    SCOPED_TRACE(damage.type);
    set = test::FixtureResources();
    test::Replace(set, damage.type, 133, damage.data);
    messages.clear();
    std::string shown = "<not reached>";
    EXPECT_EQ(Run([&] {
                auto window = Window1::Instance();
                auto list = fw::CheckedCast<fw::Listbox>(fw::RuntimeWindowControlByName(window, "BrowserListBox"));
                list->SetListIndex(5);
                shown = fw::CheckedCast<fw::EditField>(fw::RuntimeWindowControlByName(window, "BrowserEditField"))
                            ->Text()
                            .Bytes();
              }),
              0);
    EXPECT_EQ(messages, std::vector<std::string>{kDataMissing});
    EXPECT_EQ(shown, "");
  }
}

TEST_F(BadDataTest, AFileLargerThanThePackerWritesIsNoResourceFile) {
  set.push_back({"PNG ", 1, std::nullopt, std::string(codec::kMaxResourceFileBytes, 'p')});
  const std::string path = test::WriteResourceFile(dir, set);
  EXPECT_EQ(fw::ResourceFork::Open(path), nullptr);
  EXPECT_EQ(RunOver(path), 0);
  EXPECT_EQ(messages, std::vector<std::string>{kDataMissing});
}

}  // namespace
}  // namespace korvane
