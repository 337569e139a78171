#include "quiz/Module1.h"

#include <array>
#include <stdexcept>
#include <string>

#include "browser/Window1.h"
#include "codec/ContentIds.h"
#include "framework/ResourceFork.h"
#include "framework/Runtime.h"
#include "quiz/HintWindow.h"
#include "quiz/ResultsWindow.h"
#include "quiz/RireradQuiz.h"
#include "shell/AboutWindow.h"
#include "shell/App.h"
#include "shell/Media.h"

namespace korvane {

bool quizing = false;
std::int32_t score = 0;
bool answered = false;
bool HintTaken = false;
std::int32_t QuestionNum = 0;
std::int32_t mixa = 0, mixb = 0, mixc = 0, mixd = 0;

fw::ArrayRef<fw::String> Scenario;
fw::ArrayRef<fw::String> ChoiceA, ChoiceB, ChoiceC, ChoiceD;
fw::ArrayRef<fw::String> AnswerA, AnswerB, AnswerC, AnswerD;
fw::ArrayRef<fw::String> Hint;
fw::ArrayRef<std::int32_t> Answer;

namespace {

constexpr std::int32_t kScenarios = codec::kRecordsPerQuiz;
constexpr int kLastIndex = kScenarios;  // element 0 is unused
constexpr const char* kQuizDataMissing = "The \"DATA\" folder or \"QUES\" folder within it is missing. Must quit.";

// What belongs to each displayed position A to D.
struct Position {
  const char* letter;
  const char* button;
  const char* field;
  const char* box;
  const char* label;
  fw::ArrayRef<fw::String>* choice;
  fw::ArrayRef<fw::String>* feedback;
};

const std::array<Position, 4> kPositions = {{
    {"A", "AnswerAButton", "AnswerAField", "GreenA", "LabelA", &ChoiceA, &AnswerA},
    {"B", "AnswerBButton", "AnswerBField", "GreenB", "LabelB", &ChoiceB, &AnswerB},
    {"C", "AnswerCButton", "AnswerCField", "GreenC", "LabelC", &ChoiceC, &AnswerC},
    {"D", "AnswerDButton", "AnswerDField", "GreenD", "LabelD", &ChoiceD, &AnswerD},
}};

// The position (1 to 4) a value names, or nil for any other value.
const Position* PositionOf(std::int32_t value) {
  return value >= 1 && value <= 4 ? &kPositions[static_cast<std::size_t>(value - 1)] : nullptr;
}

std::int32_t PositionDraw() { return fw::CvtReal64ToSInt32(fw::Rnd() * 4 + 1); }

// A record's text must hold all five fields, and its two lists four items
// each; anything less would put empty choices on screen.
void CheckComplete(const fw::String& record, std::int32_t id) {
  const fw::String field = fw::Chr(codec::kQuizFieldSeparator), item = fw::Chr(codec::kQuizItemSeparator);
  if (fw::CountFields(record, field) < 5 || fw::CountFields(fw::NthField(record, field, 2), item) < 4 ||
      fw::CountFields(fw::NthField(record, field, 3), item) < 4)
    throw std::runtime_error("quiz record " + std::to_string(id) + " is incomplete");
}

// Shows the mark of a verdict at a position.
void Mark(const Position& at, const char* verdict, fw::Color border, fw::Color fill) {
  fw::Need(QuizControl<fw::RoundRectangle>(at.box)).SetVisible(true);
  fw::Need(QuizControl<fw::StaticText>(at.label)).SetVisible(true);
  fw::Need(QuizControl<fw::StaticText>(at.label)).SetText(fw::String(at.letter) + verdict);
  fw::Need(QuizControl<fw::RoundRectangle>(at.box)).SetBorderColor(border);
  fw::Need(QuizControl<fw::RoundRectangle>(at.box)).SetFillColor(fill);
}

}  // namespace

void LoadQuiz(std::int32_t n) {
  // Declared outside the handler's reach so that they go only after it.
  fw::ArrayRef<fw::String> ChoiceList, FeedbackList;
  fw::ArrayRef<std::int32_t> QuizOrder;
  try {
    ChoiceList = fw::CreateArray<fw::String>(kLastIndex);
    FeedbackList = fw::CreateArray<fw::String>(kLastIndex);
    QuizOrder = fw::CreateArray<std::int32_t>(kLastIndex);

    // One arrangement of the four choices for the whole run.
    mixa = PositionDraw();
    do {
      mixb = PositionDraw();
      fw::RuntimeBackgroundTask();
    } while (mixb == mixa);
    do {
      mixc = PositionDraw();
      fw::RuntimeBackgroundTask();
    } while (mixc == mixa || mixc == mixb);
    do {
      mixd = PositionDraw();
      fw::RuntimeBackgroundTask();
    } while (mixd == mixa || mixd == mixb || mixd == mixc);

    answered = false;
    score = 0;
    QuestionNum = 0;
    quizing = true;

    // Hidden, not closed: closing the main window ends the program.
    fw::Need(Window1::Instance()).Hide();
    fw::Need(AboutWindow::Instance()).Close();
    fw::Need(RireradQuiz::Instance()).Show();
    fw::Need(QuizControl<fw::PushButton>("NextButton")).SetCaption("Next");

    // A random order of the scenario offsets 0 to 9: a repeated draw is
    // drawn again before the next place is filled.
    std::int32_t i = 1;
    while (i <= kScenarios) {
      std::int32_t x = fw::CvtReal64ToSInt32(fw::Rnd() * 10);
      (*QuizOrder)(i) = x;
      for (std::int32_t j = 1; j <= i - 1; ++j) {
        if ((*QuizOrder)(j) == x) {
          i = i - 1;
          break;
        }
        fw::RuntimeBackgroundTask();
      }
      i = i + 1;
      fw::RuntimeBackgroundTask();
    }

    auto fork = fw::Need(App()).ResourceFork();
    const fw::String field = fw::Chr(codec::kQuizFieldSeparator), item = fw::Chr(codec::kQuizItemSeparator);
    const std::array<std::int32_t, 4> mix = {mixa, mixb, mixc, mixd};
    for (i = 1; i <= kScenarios; ++i) {
      std::int32_t id = codec::QuizRecordId(n, (*QuizOrder)(i));
      fw::String s = fw::Need(fork).GetResource("wstr", id);
      s = fw::Right(s, fw::Len(s) - 2);  // the length prefix
      CheckComplete(s, id);
      (*Scenario)(i) = fw::NthField(s, field, 1);
      (*ChoiceList)(i) = fw::NthField(s, field, 2);
      (*FeedbackList)(i) = fw::NthField(s, field, 3);
      for (std::size_t p = 0; p < kPositions.size(); ++p) {
        (**kPositions[p].choice)(i) = fw::NthField((*ChoiceList)(i), item, mix[p]);
        (**kPositions[p].feedback)(i) = fw::NthField((*FeedbackList)(i), item, mix[p]);
      }
      (*Hint)(i) = fw::NthField(s, field, 4);
      // The record names the correct item; the run shows it at the position
      // that displays that item. A number no position shows stays as read.
      std::int32_t r = fw::CvtReal64ToSInt32(fw::Val(fw::NthField(s, field, 5)));
      (*Answer)(i) = r;
      for (std::size_t p = 0; p < mix.size(); ++p) {
        if (r == mix[p]) {
          (*Answer)(i) = static_cast<std::int32_t>(p) + 1;
          break;
        }
      }
      fw::RuntimeBackgroundTask();
    }

    NextQuestion();
  } catch (...) {
    fw::MsgBox(kQuizDataMissing);
    fw::Quit(0);
  }
}

void NextQuestion() {
  HintTaken = false;
  answered = false;
  for (const Position& at : kPositions) fw::Need(QuizControl<fw::PushButton>(at.button)).SetUnderline(false);
  fw::Need(QuizControl<fw::PushButton>("NextButton")).SetEnabled(false);
  for (const Position& at : kPositions) fw::Need(QuizControl<fw::RoundRectangle>(at.box)).SetVisible(false);
  for (const Position& at : kPositions) fw::Need(QuizControl<fw::StaticText>(at.label)).SetVisible(false);
  for (const Position& at : kPositions) fw::Need(QuizControl<fw::EditField>(at.field)).SetText("");
  // Referring to a window that is not open creates it; both are closed
  // again before the event loop could put them on screen.
  fw::Need(HintWindow::Instance()).Close();
  fw::Need(ResultsWindow::Instance()).Close();

  if (QuestionNum < kScenarios) {
    QuestionNum = QuestionNum + 1;
    const std::int32_t n = QuestionNum;
    fw::Need(QuizControl<fw::StaticText>("ScenarioNumberLabel")).SetText("Scenario " + fw::Str(n) + " of 10");
    fw::Need(QuizControl<fw::EditField>("ScenarioEditField")).SetText("");
    fw::Need(QuizControl<fw::EditField>("ScenarioEditField")).SetText((*Scenario)(n));
    for (const Position& at : kPositions)
      fw::Need(QuizControl<fw::PushButton>(at.button)).SetCaption(fw::String(at.letter) + ". " + (**at.choice)(n));
  } else {
    // The result appears in the hint window, beside the quiz window's corner.
    fw::Need(HintWindow::Instance()).SetLeft(fw::Need(RireradQuiz::Instance()).Left() + 80);
    fw::Need(HintWindow::Instance()).SetTop(fw::Need(RireradQuiz::Instance()).Top() + 40);
    fw::Need(RireradQuiz::Instance()).Close();
  }
}

void CheckAnswer(std::int32_t choice) {
  fw::Need(QuizControl<fw::PushButton>("NextButton")).SetEnabled(true);
  fw::Need(QuizControl<fw::EditField>("ScenarioEditField")).SetFocus();
  // A sound that did not load is silence: the answer goes on as on a machine
  // without audio.
  if ((*Answer)(QuestionNum) == choice) {
    if (auto sound = rightsound()) sound->Play();
    score = score + (HintTaken ? 1 : 2);
    fw::Need(QuizControl<fw::StaticText>("ScoreLabel")).SetText("Score " + fw::Str(score) + " of 20");
  } else {
    if (auto sound = wrongsound()) sound->Play();
    if (const Position* pick = PositionOf(choice))
      Mark(*pick, " is incorrect", fw::RGB(255, 0, 0), fw::RGB(255, 128, 128));
  }
  if (const Position* correct = PositionOf((*Answer)(QuestionNum)))
    Mark(*correct, " is correct", fw::RGB(0, 128, 64), fw::RGB(77, 255, 154));
  for (const Position& at : kPositions)
    fw::Need(QuizControl<fw::EditField>(at.field)).SetText((**at.feedback)(QuestionNum));
  if (QuestionNum > 9) fw::Need(QuizControl<fw::PushButton>("NextButton")).SetCaption("Finish");
  answered = true;
}

namespace Module1 {

void CreateArrays() {
  for (auto* a : {&Scenario, &ChoiceA, &ChoiceB, &ChoiceC, &ChoiceD, &AnswerA, &AnswerB, &AnswerC,
                  &AnswerD, &Hint})
    *a = fw::CreateArray<fw::String>(kLastIndex);
  Answer = fw::CreateArray<std::int32_t>(kLastIndex);
}

void ReleaseArrays() {
  for (auto* a : {&Scenario, &ChoiceA, &ChoiceB, &ChoiceC, &ChoiceD, &AnswerA, &AnswerB, &AnswerC,
                  &AnswerD, &Hint})
    a->reset();
  Answer.reset();
}

}  // namespace Module1
}  // namespace korvane
