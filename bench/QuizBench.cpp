// The quiz window built from its records (25 controls, handlers bound),
// against the same window built directly with Qt; and a quiz's start and
// one answer, through the real procedures.
#include <benchmark/benchmark.h>

#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTextEdit>

#include <string_view>

#include "framework/Testing.h"
#include "framework/qt/TextConversion.h"
#include "quiz/Module1.h"
#include "quiz/RireradQuiz.h"
#include "tests/support/Program.h"

namespace {

using korvane::RireradQuiz;

struct Program {
  Program() { korvane::test::StartProgram(korvane::test::RealResourceFile(), recorder); }
  ~Program() { korvane::test::ShutdownProgram(); }
  korvane::test::Recorder recorder;
};

void QuizWindow_Korvane(benchmark::State& state) {
  Program program;
  for (auto _ : state) {
    auto window = RireradQuiz::Instance();
    state.PauseTiming();
    window->Close();
    fw::testing::ProcessEvents();
    state.ResumeTiming();
  }
}

// The same window by hand: its frame and the 25 widgets with the geometry,
// fonts, texts, flags and tab order Korvane's records give them.
void QuizWindow_Baseline(benchmark::State& state) {
  enum Kind { kEdit, kButton, kLabel, kLine, kBox };
  struct W {
    Kind kind;
    int x, y, w, h;
    int font = 0;  // index into fonts
    const char* text = "";
    bool hidden = false;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
  };
  const QFont fonts[] = {
      fw::detail::FontFor("System", 10, false, false, false), fw::detail::FontFor("System", 12, false, false, false),
      fw::detail::FontFor("Geneva\x03", 18, false, false, false), fw::detail::FontFor("System", 10, true, false, false)};
  const QString hintCost = QStringLiteral(
      "<p style=\"margin:0; white-space:pre-wrap; line-height:13px\">A hint costs you 1 point--half your potential "
      "score for a correct answer</p>");
  static const W widgets[] = {
      {kEdit, 14, 30, 601, 84},
      {kButton, 14, 125, 230, 30},
      {kButton, 14, 194, 230, 31},
      {kButton, 13, 265, 230, 30},
      {kButton, 14, 335, 230, 30},
      {kLabel, 14, 0, 262, 29, 2, "Scenario"},
      {kLabel, 91, 398, 179, 29, 0, nullptr},  // the rich-text hint cost
      {kEdit, 254, 195, 361, 58},
      {kEdit, 254, 125, 361, 58},
      {kEdit, 254, 265, 361, 58},
      {kEdit, 254, 335, 361, 58},
      {kLine, 14, 186, 600, 4},
      {kLine, 14, 256, 600, 4},
      {kLine, 14, 326, 600, 4},
      {kButton, 13, 403, 60, 20, 1, "Hint"},
      {kButton, 554, 403, 60, 20, 1, "Next"},
      {kLabel, 352, 0, 262, 29, 2, "Score 0 of 20", false, Qt::AlignRight | Qt::AlignTop},
      {kBox, 13, 164, 230, 19, 0, "", true},
      {kLabel, 23, 166, 150, 16, 3, "A is correct", true},
      {kBox, 13, 234, 230, 19, 0, "", true},
      {kLabel, 23, 236, 150, 16, 3, "A is correct", true},
      {kBox, 13, 304, 230, 19, 0, "", true},
      {kLabel, 23, 306, 150, 16, 3, "A is correct", true},
      {kBox, 13, 374, 230, 19, 0, "", true},
      {kLabel, 23, 376, 150, 16, 3, "A is correct", true},
  };
  for (auto _ : state) {
    auto* frame = new QMainWindow;
    auto* content = new QWidget;
    frame->setCentralWidget(content);
    frame->setFixedSize(630, 432);
    QWidget* previous = nullptr;  // in the tab order
    for (const W& w : widgets) {
      QWidget* widget = nullptr;
      switch (w.kind) {
        case kEdit: {
          auto* edit = new QTextEdit(content);
          edit->setReadOnly(true);
          edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
          edit->setAcceptRichText(false);
          edit->setTabChangesFocus(true);
          edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
          edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
          edit->setFont(fonts[w.font]);
          widget = edit;
          break;
        }
        case kButton: {
          auto* button = new QPushButton(QString::fromUtf8(w.text), content);
          button->setAutoDefault(false);
          button->setDefault(std::string_view(w.text) == "Next");
          button->setFont(fonts[w.font]);
          widget = button;
          break;
        }
        case kLabel: {
          auto* label = w.text ? new QLabel(QString::fromUtf8(w.text), content) : new QLabel(hintCost, content);
          label->setTextFormat(w.text ? Qt::PlainText : Qt::RichText);
          label->setWordWrap(!w.text);
          label->setAlignment(w.align);
          label->setFont(fonts[w.font]);
          widget = label;
          break;
        }
        case kLine: {
          auto* line = new QFrame(content);
          line->setFrameShape(QFrame::HLine);
          line->setFrameShadow(QFrame::Sunken);
          widget = line;
          break;
        }
        case kBox:
          widget = new QWidget(content);
          break;
      }
      widget->setGeometry(w.x, w.y, w.w, w.h);
      if (w.hidden) widget->hide();
      if (widget->focusPolicy() != Qt::NoFocus) {
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
      }
    }
    state.PauseTiming();
    delete frame;
    state.ResumeTiming();
  }
}

void LoadQuiz_Korvane(benchmark::State& state) {
  Program program;
  for (auto _ : state) {
    korvane::LoadQuiz(2);
    state.PauseTiming();
    RireradQuiz::Instance()->Close();
    fw::testing::ProcessEvents();
    state.ResumeTiming();
  }
}

void CheckAnswer_Korvane(benchmark::State& state) {
  Program program;
  korvane::LoadQuiz(1);
  for (auto _ : state) {
    korvane::CheckAnswer(2);
    state.PauseTiming();
    korvane::QuestionNum = 0;  // show the first scenario again, unanswered
    korvane::NextQuestion();
    state.ResumeTiming();
  }
}

}  // namespace

BENCHMARK(QuizWindow_Korvane)->Name("QuizWindowCreation/korvane")->Unit(benchmark::kMillisecond);
BENCHMARK(QuizWindow_Baseline)->Name("QuizWindowCreation/baseline")->Unit(benchmark::kMillisecond);
BENCHMARK(LoadQuiz_Korvane)->Name("LoadQuizToFirstScenario/korvane")->Unit(benchmark::kMillisecond);
BENCHMARK(CheckAnswer_Korvane)->Name("CheckAnswer/korvane")->Unit(benchmark::kMillisecond);
