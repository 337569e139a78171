// A running program over fixture data, with the quiz's random draws fed
// exactly and the sounds told apart.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "browser/Window1.h"
#include "framework/Controls.h"
#include "framework/String.h"
#include "quiz/RireradQuiz.h"
#include "tests/support/Program.h"

namespace korvane::test {

class QuizTest : public ProgramTest {
 protected:
  // Starts over the fixture data set, changed by `edit` first.
  void StartWith(const std::function<void(std::vector<codec::ResourceSpec>&)>& edit = nullptr);
  // Rnd values that draw exactly this answer arrangement and these scenario
  // offsets, repeats included; later draws come from a seeded generator.
  static void FeedDraws(const std::vector<int>& positions, const std::vector<int>& offsets);
  // The arrangement 2, 4, 1, 3 (item 1, correct in the fixture, shows at C)
  // and the offsets in order.
  static void FeedPlainDraws() { FeedDraws({2, 4, 1, 3}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}); }

  // The open quiz window, or nil; looking does not create one.
  static std::shared_ptr<RireradQuiz> OpenQuiz();
  template <class C>
  static C& In(const char* name) {
    return *fw::CheckedCast<C>(fw::RuntimeWindowControlByName(OpenQuiz(), name));
  }
  static std::string Shown(const char* name);
  static bool IsOpen(const char* className);
  // The shown text of the hint window's label.
  static std::string HintText();

  // Records the framework's runtime steps in `trace` from now on.
  void WatchTrace();
  long Traced(const std::string& step) const;

  std::vector<std::string> sounds;  // "right" or "wrong", in order
  std::vector<std::string> trace;
  TempDir dir;
  std::string resourceFile;
};

}  // namespace korvane::test
