#include "quiz/RireradQuiz.h"

#include "browser/Window1.h"
#include "framework/Runtime.h"
#include "quiz/HintWindow.h"
#include "quiz/Module1.h"

namespace korvane {

using namespace declare;

namespace {

// The two heading labels name their font with a stray byte after it.
constexpr const char* kHeadingFont = "Geneva\x03";
constexpr const char* kHintCost = "A hint costs you 1 point--half your potential score for a correct answer";
constexpr ButtonLook kAnswer{};
// The verdict boxes and labels start hidden; the colours and text stored
// here are replaced before either is shown.
constexpr BoxLook kGreen{.border = {0, 127, 63}, .fill = {160, 255, 245}};
constexpr BoxLook kRed{.border = {255, 0, 0}, .fill = {255, 127, 127}};
constexpr LabelLook kVerdict{.text = "A is correct", .bold = true};
constexpr Tail kHidden{.visible = false};

}  // namespace

WindowLook RireradQuiz::Look() {
  return {
      .width = 630, .height = 432,
      .minWidth = 630, .minHeight = 432, .maxWidth = 630, .maxHeight = 432,
      .title = "Rirerad Quiz",
      .maximizeButton = true, .minimizeButton = true,
  };
}

ControlTable RireradQuiz::Declare() {
  return {
      EditField("ScenarioEditField", {14, 30, 601, 84}, 0),
      PushButton("AnswerAButton", {14, 125, 230, 30}, 1, kAnswer).On("Action", &RireradQuiz::AnswerAButton_Action),
      PushButton("AnswerBButton", {14, 194, 230, 31}, 2, kAnswer).On("Action", &RireradQuiz::AnswerBButton_Action),
      PushButton("AnswerCButton", {13, 265, 230, 30}, 3, kAnswer).On("Action", &RireradQuiz::AnswerCButton_Action),
      PushButton("AnswerDButton", {14, 335, 230, 30}, 4, kAnswer).On("Action", &RireradQuiz::AnswerDButton_Action),
      StaticText("ScenarioNumberLabel", {14, 0, 262, 29}, 5, {.text = "Scenario", .font = kHeadingFont, .size = 18}),
      StaticText("StaticText2", {91, 398, 179, 29}, 6, {.text = kHintCost, .multiLine = true}),
      EditField("AnswerBField", {254, 195, 361, 58}, 7),
      EditField("AnswerAField", {254, 125, 361, 58}, 8),
      EditField("AnswerCField", {254, 265, 361, 58}, 9),
      EditField("AnswerDField", {254, 335, 361, 58}, 10),
      Separator("Separator1", {14, 186, 600, 4}, 11),
      Separator("Separator2", {14, 256, 600, 4}, 12),
      Separator("Separator3", {14, 326, 600, 4}, 13),
      PushButton("HintButton", {13, 403, 60, 20}, 14, {.caption = "Hint", .font = "System", .size = 12})
          .On("Action", &RireradQuiz::HintButton_Action),
      PushButton("NextButton", {554, 403, 60, 20}, 15,
                 {.caption = "Next", .font = "System", .size = 12, .isDefault = true})
          .On("Action", &RireradQuiz::NextButton_Action),
      StaticText("ScoreLabel", {352, 0, 262, 29}, 16,
                 {.text = "Score 0 of 20", .font = kHeadingFont, .size = 18, .align = 2}),
      // Each verdict label lies on its box, 10 pixels in and 2 down.
      RoundRectangle("GreenA", {13, 164, 230, 19}, 17, kGreen, kHidden),
      StaticText("LabelA", {23, 166, 150, 16}, 0, kVerdict, {.visible = false, .initialParent = "GreenA"}),
      RoundRectangle("GreenB", {13, 234, 230, 19}, 18, kGreen, kHidden),
      StaticText("LabelB", {23, 236, 150, 16}, 0, kVerdict, {.visible = false, .initialParent = "GreenB"}),
      RoundRectangle("GreenC", {13, 304, 230, 19}, 19, kGreen, kHidden),
      StaticText("LabelC", {23, 306, 150, 16}, 0, kVerdict, {.visible = false, .initialParent = "GreenC"}),
      RoundRectangle("GreenD", {13, 374, 230, 19}, 20, kRed, kHidden),
      StaticText("LabelD", {23, 376, 150, 16}, 0, kVerdict, {.visible = false, .initialParent = "GreenD"}),
  };
}

void RireradQuiz::Pick(const std::shared_ptr<fw::PushButton>& me, std::int32_t position) {
  // A scenario takes one pick; later presses and keys change nothing.
  if (answered) return;
  fw::Need(me).SetUnderline(true);
  CheckAnswer(position);
}

void RireradQuiz::AnswerAButton_Action(const std::shared_ptr<fw::PushButton>& me) { Pick(me, 1); }
void RireradQuiz::AnswerBButton_Action(const std::shared_ptr<fw::PushButton>& me) { Pick(me, 2); }
void RireradQuiz::AnswerCButton_Action(const std::shared_ptr<fw::PushButton>& me) { Pick(me, 3); }
void RireradQuiz::AnswerDButton_Action(const std::shared_ptr<fw::PushButton>& me) { Pick(me, 4); }

void RireradQuiz::HintButton_Action(const std::shared_ptr<fw::PushButton>&) {
  // Taken before the pick the hint halves its points; a flag, so taking it
  // again costs nothing more.
  HintTaken = true;
  fw::Need(HintWindow::Instance()).SetLeft(Left() + 80);
  fw::Need(HintWindow::Instance()).SetTop(Top() + 40);
  fw::Need(HintWindow::Instance()).SetTitle("Hint");
  fw::Need(Find<fw::StaticText>(HintWindow::Instance(), "HintText")).SetText((*Hint)(QuestionNum));
  fw::Need(HintWindow::Instance()).Show();
}

void RireradQuiz::NextButton_Action(const std::shared_ptr<fw::PushButton>&) { NextQuestion(); }

void RireradQuiz::AddMenuHandlers(const std::shared_ptr<fw::Window>& w) {
  // Item names match without regard to case: this serves File > Close.
  BindMenuHandler(w, "fileclose", &RireradQuiz::fileclose_Action);
}

void RireradQuiz::Event_Close() { fw::Need(Window1::Instance()).Finish(); }

void RireradQuiz::PushAnswerButton(const char* name) {
  fw::Need(Find<fw::PushButton>(Self<RireradQuiz>(), name)).Push();
}

bool RireradQuiz::Event_KeyDown(const fw::String& key) {
  if (fw::StringCompare(key, "a") == 0) PushAnswerButton("AnswerAButton");
  if (fw::StringCompare(key, "b") == 0) PushAnswerButton("AnswerBButton");
  if (fw::StringCompare(key, "c") == 0) PushAnswerButton("AnswerCButton");
  if (fw::StringCompare(key, "d") == 0) PushAnswerButton("AnswerDButton");
  return false;
}

void RireradQuiz::Event_Open() {
  // On a small main screen the framework's placement would leave part of
  // the window off screen.
  if (fw::Need(fw::Screen(0)).Width() < 641) {
    SetLeft(5);
    SetTop(42);
  }
}

bool RireradQuiz::fileclose_Action() {
  Close();
  return false;
}

}  // namespace korvane
