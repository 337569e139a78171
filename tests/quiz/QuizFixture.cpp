#include "tests/quiz/QuizFixture.h"

#include <algorithm>
#include <deque>
#include <random>

#include "framework/Testing.h"
#include "framework/testing/Simulate.h"
#include "quiz/HintWindow.h"
#include "shell/Media.h"

namespace korvane::test {

void QuizTest::StartWith(const std::function<void(std::vector<codec::ResourceSpec>&)>& edit) {
  auto set = FixtureResources();
  if (edit) edit(set);
  resourceFile = WriteResourceFile(dir, set);
  Start(resourceFile);
  fw::testing::SetSoundObserver([this](const fw::Sound& s) {
    sounds.push_back(&s == rightsound().get() ? "right" : &s == wrongsound().get() ? "wrong" : "other");
  });
}

void QuizTest::FeedDraws(const std::vector<int>& positions, const std::vector<int>& offsets) {
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

std::shared_ptr<RireradQuiz> QuizTest::OpenQuiz() {
  return std::static_pointer_cast<RireradQuiz>(fw::GetImplicitWindow(RireradQuiz::kClassName));
}

std::string QuizTest::Shown(const char* name) {
  return fw::testing::ShownText(*fw::RuntimeWindowControlByName(OpenQuiz(), name));
}

void QuizTest::WatchTrace() {
  fw::testing::SetTraceSink([this](const std::string& step) { trace.push_back(step); });
}

long QuizTest::Traced(const std::string& step) const { return std::count(trace.begin(), trace.end(), step); }

bool QuizTest::IsOpen(const char* className) { return fw::GetImplicitWindow(className) != nullptr; }

std::string QuizTest::HintText() {
  auto hint = fw::GetImplicitWindow(HintWindow::kClassName);
  return hint ? fw::testing::ShownText(*fw::RuntimeWindowControlByName(hint, "HintText")) : "(no hint window)";
}

}  // namespace korvane::test
