// The quiz window built from its records (25 controls, handlers bound),
// against the same window built directly with Qt; and a quiz's start and
// one answer, through the real procedures.
#include <benchmark/benchmark.h>

#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTextEdit>

#include "framework/Testing.h"
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

// The same window by hand: its frame and the 25 widgets with their
// geometry, fonts and texts.
void QuizWindow_Baseline(benchmark::State& state) {
  struct W {
    const char* kind;
    int x, y, w, h;
  };
  static const W widgets[] = {
      {"edit", 14, 30, 601, 84},    {"button", 14, 125, 230, 30}, {"button", 14, 194, 230, 31},
      {"button", 13, 265, 230, 30}, {"button", 14, 335, 230, 30}, {"label", 14, 0, 262, 29},
      {"label", 91, 398, 179, 29},  {"edit", 254, 195, 361, 58},  {"edit", 254, 125, 361, 58},
      {"edit", 254, 265, 361, 58},  {"edit", 254, 335, 361, 58},  {"line", 14, 186, 600, 4},
      {"line", 14, 256, 600, 4},    {"line", 14, 326, 600, 4},    {"button", 13, 403, 60, 20},
      {"button", 554, 403, 60, 20}, {"label", 352, 0, 262, 29},   {"box", 13, 164, 230, 19},
      {"label", 23, 166, 150, 16},  {"box", 13, 234, 230, 19},    {"label", 23, 236, 150, 16},
      {"box", 13, 304, 230, 19},    {"label", 23, 306, 150, 16},  {"box", 13, 374, 230, 19},
      {"label", 23, 376, 150, 16},
  };
  QFont small("DejaVu Sans");
  small.setPixelSize(10);
  for (auto _ : state) {
    auto* frame = new QMainWindow;
    auto* content = new QWidget;
    frame->setCentralWidget(content);
    frame->setFixedSize(630, 432);
    for (const W& w : widgets) {
      QWidget* widget = nullptr;
      std::string kind = w.kind;
      if (kind == "edit") {
        auto* edit = new QTextEdit(content);
        edit->setReadOnly(true);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        widget = edit;
      } else if (kind == "button") {
        widget = new QPushButton("Caption", content);
      } else if (kind == "label") {
        widget = new QLabel("Label", content);
      } else if (kind == "line") {
        auto* line = new QFrame(content);
        line->setFrameShape(QFrame::HLine);
        widget = line;
      } else {
        widget = new QWidget(content);
        widget->hide();
      }
      widget->setFont(small);
      widget->setGeometry(w.x, w.y, w.w, w.h);
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
