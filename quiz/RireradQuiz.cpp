#include "quiz/RireradQuiz.h"

#include <functional>
#include <unordered_map>

#include "browser/Window1.h"
#include "framework/Delegate.h"
#include "framework/Runtime.h"
#include "quiz/HintWindow.h"
#include "quiz/Module1.h"

namespace korvane {

using namespace declare;

namespace {

using Handler = void (RireradQuiz::*)(const std::shared_ptr<fw::PushButton>&);

// The two heading labels name their font with a stray byte after it.
constexpr const char* kHeadingFont = "Geneva\x03";
constexpr const char* kHintCost = "A hint costs you 1 point--half your potential score for a correct answer";

// The controls' records are made once, by control name: every quiz window
// applies the same bytes.
const std::string& RecordOnce(const char* name, const std::function<std::string()>& make) {
  static std::unordered_map<std::string, std::string> records;
  auto [it, fresh] = records.try_emplace(name);
  if (fresh) it->second = make();
  return it->second;
}

const std::string& QuizWindowRecord() {
  static const std::string record = WindowRecord({
      .width = 630, .height = 432,
      .minWidth = 630, .minHeight = 432, .maxWidth = 630, .maxHeight = 432,
      .title = "Rirerad Quiz",
      .maximizeButton = true, .minimizeButton = true,
  });
  return record;
}

// The scenario field and the four feedback fields differ only in place.
void AddField(const std::shared_ptr<RireradQuiz>& w, const char* name, Rect r, int tabIndex) {
  CreateControl<fw::EditField>(w, name, RecordOnce(name, [&] { return EditFieldRecord(name, r, {.tabIndex = tabIndex}); }));
}

struct ButtonFace {
  const char* caption = "";
  const char* font = "Geneva";
  int size = 10;
  bool isDefault = false;
};

// Each button's Action is bound as soon as its record is applied, before the
// next control exists.
void AddButton(const std::shared_ptr<RireradQuiz>& w, const char* name, Rect r, int tabIndex, const ButtonFace& face,
               Handler handler) {
  CreateControl<fw::PushButton>(w, name, RecordOnce(name, [&] { return Record(
      {
          {"TabIndex", tabIndex},
          {"Enabled", true},
          {"Cancel", false},
          {"Default", face.isDefault},
          {"Caption", face.caption},
          {"Underline", false},
          {"Italic", false},
          {"Bold", false},
          {"TextSize", face.size},
          {"TextFont", face.font},
      },
      ControlTail(name, r)); }));
  fw::Need(Find<fw::PushButton>(w, name)).InstallEventHandler("Action", fw::MakeDelegate(w, handler));
}

void AddLabel(const std::shared_ptr<RireradQuiz>& w, const char* name, Rect r, int tabIndex, const LabelLook& look) {
  CreateControl<fw::StaticText>(w, name, RecordOnce(name, [&] { return LabelRecord(name, r, tabIndex, look); }));
}

void AddSeparator(const std::shared_ptr<RireradQuiz>& w, const char* name, Rect r, int tabIndex) {
  CreateControl<fw::Separator>(
      w, name, RecordOnce(name, [&] { return Record({{"TabIndex", tabIndex}, {"Enabled", true}}, ControlTail(name, r)); }));
}

// A verdict box and the label lying on it; both start hidden, and the
// colours and text stored here are replaced before either is shown.
void AddVerdict(const std::shared_ptr<RireradQuiz>& w, const char* box, Rect boxRect, int tabIndex, Color border,
                Color fill, const char* label) {
  CreateControl<fw::RoundRectangle>(w, box, RecordOnce(box, [&] { return Record(
      {
          {"TabIndex", tabIndex},
          {"OvalHeight", 16},
          {"OvalWidth", 16},
          {"BorderColor", border},
          {"BorderWidth", 1},
          {"FillColor", fill},
          {"Enabled", true},
      },
      ControlTail(box, boxRect, {}, false)); }));
  Rect labelRect{boxRect.left + 10, boxRect.top + 2, 150, 16};
  CreateControl<fw::StaticText>(w, label, RecordOnce(label, [&] {
    return LabelRecord(label, labelRect, 0, {.text = "A is correct", .bold = true}, false, box);
  }));
}

}  // namespace

std::shared_ptr<RireradQuiz> RireradQuiz::Instance() { return fw::ImplicitWindow<RireradQuiz>(); }

void RireradQuiz::Layout() { fw::SetProperties(*this, QuizWindowRecord()); }

void RireradQuiz::CreateControls() { CreateControls0(); }

void RireradQuiz::CreateControls0() {
  auto self = Self<RireradQuiz>();
  const ButtonFace answer{};
  const Color green{0, 127, 63}, greenFill{160, 255, 245};
  AddField(self, "ScenarioEditField", {14, 30, 601, 84}, 0);
  AddButton(self, "AnswerAButton", {14, 125, 230, 30}, 1, answer, &RireradQuiz::AnswerAButton_Action);
  AddButton(self, "AnswerBButton", {14, 194, 230, 31}, 2, answer, &RireradQuiz::AnswerBButton_Action);
  AddButton(self, "AnswerCButton", {13, 265, 230, 30}, 3, answer, &RireradQuiz::AnswerCButton_Action);
  AddButton(self, "AnswerDButton", {14, 335, 230, 30}, 4, answer, &RireradQuiz::AnswerDButton_Action);
  AddLabel(self, "ScenarioNumberLabel", {14, 0, 262, 29}, 5, {.text = "Scenario", .font = kHeadingFont, .size = 18});
  AddLabel(self, "StaticText2", {91, 398, 179, 29}, 6, {.text = kHintCost, .multiLine = true});
  AddField(self, "AnswerBField", {254, 195, 361, 58}, 7);
  AddField(self, "AnswerAField", {254, 125, 361, 58}, 8);
  AddField(self, "AnswerCField", {254, 265, 361, 58}, 9);
  AddField(self, "AnswerDField", {254, 335, 361, 58}, 10);
  AddSeparator(self, "Separator1", {14, 186, 600, 4}, 11);
  AddSeparator(self, "Separator2", {14, 256, 600, 4}, 12);
  AddSeparator(self, "Separator3", {14, 326, 600, 4}, 13);
  AddButton(self, "HintButton", {13, 403, 60, 20}, 14, {.caption = "Hint", .font = "System", .size = 12},
            &RireradQuiz::HintButton_Action);
  AddButton(self, "NextButton", {554, 403, 60, 20}, 15,
            {.caption = "Next", .font = "System", .size = 12, .isDefault = true}, &RireradQuiz::NextButton_Action);
  AddLabel(self, "ScoreLabel", {352, 0, 262, 29}, 16,
           {.text = "Score 0 of 20", .font = kHeadingFont, .size = 18, .align = 2});
  AddVerdict(self, "GreenA", {13, 164, 230, 19}, 17, green, greenFill, "LabelA");
  AddVerdict(self, "GreenB", {13, 234, 230, 19}, 18, green, greenFill, "LabelB");
  AddVerdict(self, "GreenC", {13, 304, 230, 19}, 19, green, greenFill, "LabelC");
  AddVerdict(self, "GreenD", {13, 374, 230, 19}, 20, Color{255, 0, 0}, Color{255, 127, 127}, "LabelD");
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
  auto window = fw::CheckedCast<RireradQuiz>(w);
  // Item names match without regard to case: this serves File > Close.
  AddMenuHandler("fileclose", fw::MakeDelegate(window, &RireradQuiz::fileclose_Action));
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
