// The whole program, main() to exit status: its fixed start-up and shutdown,
// exceptions that escape, and bad resource data, each case ending as the
// program's failure handling says, never in a crash or a hang.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "browser/Window1.h"
#include "codec/ContentLimits.h"
#include "codec/Wave.h"
#include "framework/FileType.h"
#include "framework/Media.h"
#include "framework/Runtime.h"
#include "framework/Testing.h"
#include "framework/testing/Simulate.h"
#include "quiz/Module1.h"
#include "quiz/RireradQuiz.h"
#include "shell/AboutBox.h"
#include "shell/FileTypes.h"
#include "shell/Main.h"
#include "shell/Media.h"
#include "shell/Menu.h"
#include "tests/TestCase.h"
#include "tests/support/Program.h"

namespace korvane {
namespace {

const char* const kDataMissing = "The \"DATA\" folder is missing. Must quit.";

class WholeRunTest : public ::testing::Test {
 protected:
  void SetUp() override { set = test::FixtureResources(); }
  void TearDown() override { fw::testing::ResetRuntime(); }

  // Runs the whole program over the set; `during` runs inside its event
  // loop, which ends afterwards if nothing ended it before. The framework's
  // steps are recorded; the one named `throwAt` throws.
  int Run(const std::function<void()>& during = {}) { return RunOver(test::WriteResourceFile(dir, set), during); }
  int RunOver(const std::string& path, const std::function<void()>& during = {}) {
    fw::testing::ResetRuntime();
    quizing = false;
    fw::testing::SetResourceFilePath(path);
    fw::testing::SeedRnd(11);
    fw::testing::SetMessagePresenter([this](const fw::String& m) { messages.push_back(m.Bytes()); });
    fw::testing::SetSoundObserver([this](const fw::Sound&) { ++soundsPlayed; });
    fw::testing::SetTraceSink([this](const std::string& step) {
      steps.push_back(step);
      if (step == throwAt) throw fw::NilObjectException("injected at " + step);
      if (onStep) onStep(step);
    });
    fw::testing::OnEventLoopStart([during] {
      if (during) during();
      fw::Quit(0);
    });
    return korvane::main();
  }

  // The steps in `expected` occur in this order (others may come between).
  ::testing::AssertionResult InOrder(const std::vector<std::string>& expected) {
    auto at = steps.begin();
    for (const auto& e : expected) {
      at = std::find(at, steps.end(), e);
      if (at == steps.end()) return ::testing::AssertionFailure() << "missing or out of order: " << e;
      ++at;
    }
    return ::testing::AssertionSuccess();
  }
  long Count(const std::string& step) { return std::count(steps.begin(), steps.end(), step); }

  test::TempDir dir;
  std::vector<codec::ResourceSpec> set;
  std::vector<std::string> messages, steps;
  int soundsPlayed = 0;
  std::string throwAt;
  std::function<void(const std::string&)> onStep;
};

const std::vector<std::string> kStartUp = {
    "RuntimeInit", "class Window", "create Windows", "class Window1.Window1", "class Menu",
    "class RireradQuiz.RireradQuiz", "create array", "class Class1", "class HintWindow.HintWindow",
    "class ResultsWindow.ResultsWindow", "class AboutBox.AboutBox", "class AboutWindow.AboutWindow",
    "RuntimeInitExternalClasses", "InitPluginEntrypoints", "register file type text",
    "Application.MenuBar set", "RuntimeRegisterAppObject", "menu handler Quiz1Menu",
    "menu handler Quiz2Menu", "menu handler Quiz3Menu", "menu handler AboutMenu",
    "menu handler AboutAuthorsMenu", "menu handler FileClose", "window create Window1.Window1",
    "window open Window1.Window1"};

const std::vector<std::string> kShutdown = {
    "release sound", "release sound", "release picture", "release implicit windows",
    "release dirty windows", "release Windows", "deregister file type text", "release array",
    "RuntimeExit"};

TEST_F(WholeRunTest, StartsInItsFixedOrderAndShutsDownReleasingEverything) {
  // The menu bar goes after the file type and before the arrays.
  bool menuAliveAtFileType = false, menuGoneAtArrays = false;
  onStep = [&](const std::string& step) {
    if (step == "deregister file type text") menuAliveAtFileType = !Menu::IsReleased();
    if (step == "release array" && !menuGoneAtArrays) menuGoneAtArrays = Menu::IsReleased();
  };

  EXPECT_EQ(Run([] {
              // Load the caches so that their release shows.
              EXPECT_NE(rightsound(), nullptr);
              EXPECT_NE(wrongsound(), nullptr);
              EXPECT_NE(RireradTitle(), nullptr);
            }),
            0);

  std::vector<std::string> all = kStartUp;
  all.push_back("RuntimeRun");
  all.push_back("Quit");
  all.insert(all.end(), kShutdown.begin(), kShutdown.end());
  EXPECT_TRUE(InOrder(all));
  EXPECT_EQ(Count("create array"), 11);
  EXPECT_EQ(Count("release array"), 11);
  EXPECT_EQ(Count("register file type text"), 1);
  EXPECT_TRUE(menuAliveAtFileType);
  EXPECT_TRUE(menuGoneAtArrays);
  EXPECT_TRUE(messages.empty());
  // Every reference of the release table is nil.
  EXPECT_TRUE(MediaCachesEmpty());
  EXPECT_TRUE(fw::testing::WindowListsReleased());
  EXPECT_EQ(FileTypes::pText, nullptr);
  EXPECT_TRUE(fw::RegisteredFileTypes().empty());
  EXPECT_TRUE(Menu::IsReleased());
  for (auto* a : {&Scenario, &ChoiceA, &ChoiceB, &ChoiceC, &ChoiceD, &AnswerA, &AnswerB, &AnswerC,
                  &AnswerD, &Hint})
    EXPECT_EQ(*a, nullptr);
  EXPECT_EQ(Answer, nullptr);
}

TEST_F(WholeRunTest, AnExceptionWhileTheMainWindowIsCreatedIsReportedOnceAndShutdownStillRuns) {
  throwAt = "window create Window1.Window1";
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(Count("UnhandledException NilObjectException"), 1);
  EXPECT_EQ(Count("RuntimeRun"), 0);  // the loop never ran
  EXPECT_EQ(Count("window open Window1.Window1"), 0);
  EXPECT_TRUE(InOrder(std::vector<std::string>(kShutdown.begin() + 3, kShutdown.end())));
  EXPECT_TRUE(fw::testing::WindowListsReleased());
  EXPECT_TRUE(Menu::IsReleased());
  // Caches that were never loaded stay nil.
  EXPECT_EQ(Count("release sound") + Count("release picture"), 0);
  EXPECT_TRUE(MediaCachesEmpty());
}

TEST_F(WholeRunTest, AnExceptionEscapingAHandlerDuringTheLoopIsReportedOnceThenTheProgramShutsDown) {
  EXPECT_EQ(Run([] { throw fw::OutOfBoundsException("from a handler"); }), 1);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("OutOfBoundsException"), std::string::npos);
  EXPECT_EQ(Count("window create Window1.Window1"), 1);  // start-up did not run again
  EXPECT_TRUE(InOrder({"RuntimeRun", "UnhandledException OutOfBoundsException", "release Windows", "RuntimeExit"}));
}

struct StartFault : korvane_test::NamedCase {
  std::function<void(std::vector<codec::ResourceSpec>&)> edit;
  std::function<void(const std::string&)> damage;  // of the written file
  const char* shown;  // the reader's text, or "-" when the event loop never ran
};

class StartFaultTest : public WholeRunTest, public ::testing::WithParamInterface<StartFault> {};

// Damage, or more than the packer writes (which would hold the window for
// seconds to minutes), is taken for missing data: the message, no text; a
// file that cannot be read at all ends the program before its event loop.
TEST_P(StartFaultTest, EndsInTheFixedMessageWithNothingShown) {
  if (GetParam().edit) GetParam().edit(set);
  const std::string path = test::WriteResourceFile(dir, set);
  if (GetParam().damage) GetParam().damage(path);
  std::string shown = "-";
  EXPECT_EQ(RunOver(path, [&] {
              auto window = Window1::Instance();
              fw::Need(declare::Find<fw::Listbox>(window, "BrowserListBox")).SetListIndex(5);  // topic 133
              shown = fw::Need(declare::Find<fw::EditField>(window, "BrowserEditField")).Text().Bytes();
            }),
            0);
  EXPECT_EQ(messages, std::vector<std::string>{kDataMissing});
  EXPECT_EQ(shown, GetParam().shown);
}

const std::string kLongWord = "a " + std::string(codec::kMaxUnbreakableBytes + 1, 'w');

INSTANTIATE_TEST_SUITE_P(
    Cases, StartFaultTest,
    ::testing::Values(
        StartFault{{"NoResourceFile"}, {}, [](const std::string& path) { std::filesystem::remove(path); }, "-"},
        StartFault{{"TruncatedResourceFile"}, {},
                   [](const std::string& path) {
                     std::filesystem::resize_file(path, std::filesystem::file_size(path) / 2);
                   }, "-"},
        StartFault{{"FileLargerThanThePackerWrites"},
                   [](auto& s) {
                     s.push_back({"PNG ", 1, std::nullopt, std::string(codec::kMaxResourceFileBytes, 'p')});
                   }, {}, "-"},
        StartFault{{"TopicTextTooLong"},
                   [](auto& s) { test::Replace(s, "TEXT", 133, std::string(codec::kMaxTopicTextBytes + 1, ' ')); },
                   {}, ""},
        StartFault{{"WordTooLong"}, [](auto& s) { test::Replace(s, "TEXT", 133, kLongWord); }, {}, ""},
        StartFault{{"StyleTableTooLong"},
                   [](auto& s) { test::Replace(s, "styl", 133, std::string(codec::kMaxStyleScrapBytes + 1, '\0')); },
                   {}, ""}),
    korvane_test::CaseName());

// --- Sounds and the title picture that cannot be loaded ----------------------

std::string SoundOfFloats() {
  std::string wave = codec::EncodeWave({.channels = 1, .sampleRate = 22050, .bitsPerSample = 32, .samples = "abcd"});
  wave[20] = 3;  // the encoding
  return wave;
}

// Everything a pick changes in the quiz window.
std::string QuizScreen() {
  std::ostringstream out;
  out << "score " << score << ", \"" << QuizControl<fw::StaticText>("ScoreLabel")->Text().Bytes() << "\"";
  for (const char* p : {"A", "B", "C", "D"}) {
    auto label = QuizControl<fw::StaticText>((std::string("Label") + p).c_str());
    auto box = QuizControl<fw::RoundRectangle>((std::string("Green") + p).c_str());
    if (label->Visible()) out << ", \"" << label->Text().Bytes() << "\"";
    if (box->Visible()) out << ", box " << p << " " << box->FillColor().red;
    out << ", " << QuizControl<fw::EditField>((std::string("Answer") + p + "Field").c_str())->Text().Bytes();
  }
  out << (QuizControl<fw::PushButton>("NextButton")->Enabled() ? ", Next enabled" : ", Next disabled");
  out << (answered ? ", answered" : ", unanswered");
  return out.str();
}

// Picks the right or a wrong choice of the scenario on screen, then Next:
// what the window showed after the pick, and the next scenario's number.
std::vector<std::string> PickAndGoOn(bool right) {
  const std::int32_t correct = (*Answer)(QuestionNum);
  const std::string letter(1, "ABCD"[right ? correct - 1 : correct % 4]);
  fw::testing::Click(*QuizControl<fw::PushButton>(("Answer" + letter + "Button").c_str()));
  std::vector<std::string> shown = {QuizScreen()};
  fw::testing::Click(*QuizControl<fw::PushButton>("NextButton"));
  shown.push_back(QuizControl<fw::StaticText>("ScenarioNumberLabel")->Text().Bytes());
  return shown;
}

// Quiz 1 with `meanwhile` done once it is open, then a right pick on
// scenario 1 and a wrong one on scenario 2.
std::vector<std::string> AnswerTwo(const std::function<void()>& meanwhile = {}) {
  fw::testing::ChooseMenuItem("Quiz1Menu");
  if (meanwhile) meanwhile();
  std::vector<std::string> screens = PickAndGoOn(true);
  for (std::string& shown : PickAndGoOn(false)) screens.push_back(std::move(shown));
  return screens;
}

// Opens the About box and closes it again: what its title canvas showed.
std::string AboutTitle() {
  auto box = test::Choose("AboutMenu", AboutBox::kClassName);
  if (!box || !fw::testing::IsOnScreen(*box)) return "no About box";
  auto title = declare::Find<fw::Canvas>(box, "Canvas4")->Backdrop();
  box->Close();
  fw::testing::ProcessEvents();
  return title ? std::to_string(title->Width()) + "x" + std::to_string(title->Height()) : "empty";
}

// Sounds or the title picture that cannot be loaded: the set changed before
// start-up, or the file while the program runs.
struct MediaFault : korvane_test::NamedCase {
  std::function<void(std::vector<codec::ResourceSpec>&)> edit;
  std::function<void(const std::string&)> meanwhile;  // given the resource file's path
  int soundsPlayed;   // of the two picks
  const char* title;  // as AboutTitle() says
};

const std::vector<MediaFault>& MediaFaults() {
  using Set = std::vector<codec::ResourceSpec>;
  static const std::vector<MediaFault> faults = {
      {{"NoSounds"}, [](Set& s) { for (int id : {168, 169}) test::Remove(s, "WAVE", id); }, {}, 0, "409x65"},
      {{"RightAnswerSoundRemoved"}, [](Set& s) { test::Remove(s, "WAVE", 168); }, {}, 1, "409x65"},
      // Picture 169 is another resource than sound 169.
      {{"WrongAnswerSoundRemoved"}, [](Set& s) { test::Remove(s, "WAVE", 169); }, {}, 1, "409x65"},
      {{"SoundsOfFloats"}, [](Set& s) { for (int id : {168, 169}) test::Replace(s, "WAVE", id, SoundOfFloats()); },
       {}, 0, "409x65"},
      {{"PictureRemoved"}, [](Set& s) { test::Remove(s, "PNG ", 169); }, {}, 2, "empty"},
      {{"PictureUndecodable"}, [](Set& s) { test::Replace(s, "PNG ", 169, "\x89PNG\r\n\x1A\n broken"); }, {}, 2,
       "empty"},
      {{"PictureTooWide"},
       [](Set& s) { test::Replace(s, "PNG ", 169, fw::testing::SolidPng(codec::kMaxPictureSide + 1, 1, {})); }, {}, 2,
       "empty"},
      {{"FileDeletedWhileRunning"}, {}, [](const std::string& file) { std::filesystem::remove(file); }, 0, "empty"},
      {{"FileDamagedWhileRunning"}, {}, [](const std::string& file) { std::filesystem::resize_file(file, 100); }, 0,
       "empty"},
  };
  return faults;
}

class MediaFaultTest : public WholeRunTest, public ::testing::WithParamInterface<MediaFault> {};

TEST_P(MediaFaultTest, AnAnswerIsJudgedScoredAndMarkedInFullInSilenceAndTheAboutBoxShowsTheTitleThatLoaded) {
  std::vector<std::string> intact;
  std::string title;
  ASSERT_EQ(Run([&] { intact = AnswerTwo(), title = AboutTitle(); }), 0);
  ASSERT_EQ(soundsPlayed, 2);
  ASSERT_EQ(title, "409x65");
  ASSERT_NE(intact.at(0).find("score 2, \"Score 2 of 20\""), std::string::npos) << intact.at(0);
  ASSERT_NE(intact.at(2).find("is incorrect"), std::string::npos) << intact.at(2);

  soundsPlayed = 0;
  const MediaFault& fault = GetParam();
  if (fault.edit) fault.edit(set);
  const std::string path = test::WriteResourceFile(dir, set);
  std::vector<std::string> screens;
  EXPECT_EQ(RunOver(path, [&] {
              screens = AnswerTwo([&] { if (fault.meanwhile) fault.meanwhile(path); });
              title = AboutTitle();
            }),
            0);
  EXPECT_EQ(screens, intact);
  EXPECT_EQ(soundsPlayed, fault.soundsPlayed);
  EXPECT_EQ(title, fault.title);
  EXPECT_TRUE(messages.empty()) << messages.front();
}

INSTANTIATE_TEST_SUITE_P(Cases, MediaFaultTest, ::testing::ValuesIn(MediaFaults()), korvane_test::CaseName());

}  // namespace
}  // namespace korvane
