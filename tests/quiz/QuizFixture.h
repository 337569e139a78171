// A running program over fixture data, with the quiz's random draws fed
// exactly and the sounds told apart.
#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "browser/Window1.h"
#include "framework/Testing.h"
#include "framework/testing/Simulate.h"
#include "quiz/HintWindow.h"
#include "quiz/RireradQuiz.h"
#include "shell/Media.h"
#include "tests/support/Program.h"

namespace korvane::test {

class QuizTest : public ProgramTest {
 protected:
  // Starts over the fixture data set, changed by `edit` first.
  void StartWith(const std::function<void(std::vector<codec::ResourceSpec>&)>& edit = nullptr) {
    auto set = FixtureResources();
    if (edit) edit(set);
    resourceFile = WriteResourceFile(dir, set);
    Start(resourceFile);
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
  static C& In(const char* name) {
    return *declare::Find<C>(OpenQuiz(), name);
  }
  static std::string Shown(const char* name) {
    return fw::testing::ShownText(*fw::RuntimeWindowControlByName(OpenQuiz(), name));
  }
  static bool IsOpen(const char* className) { return fw::GetImplicitWindow(className) != nullptr; }
  // The shown text of the hint window's label.
  static std::string HintText() {
    auto hint = fw::GetImplicitWindow(HintWindow::kClassName);
    return hint ? fw::testing::ShownText(*fw::RuntimeWindowControlByName(hint, "HintText")) : "(no hint window)";
  }

  std::vector<std::string> sounds;  // "right" or "wrong", in order
  std::map<std::string, int> traced;  // runtime steps, for a test that watches them
  TempDir dir;
  std::string resourceFile;
};

}  // namespace korvane::test
