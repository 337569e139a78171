// Packer sources written by the tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "tests/TestCase.h"

namespace packer {

// TOML value literals of one scenario; an empty one leaves its key out.
struct ScenarioToml {
  std::string text, choices = R"(["A", "B", "C", "D"])", feedback = R"(["fa", "fb", "fc", "fd"])",
                    hint = R"("hint")", correct = "3", extra;
};

using Edit = std::function<void(int, ScenarioToml&)>;

// `count` scenarios, k-th with text "Scenario k". Seven lines per scenario:
// header at 1 + 7k, then text, choices, feedback, hint, correct, and a line
// for `extra`.
std::string QuizToml(int count, const Edit& edit = {});

// Whether `pack` refuses with a PackError naming the file, the line (0: none)
// and, in its message, `message`.
::testing::AssertionResult Refuses(const std::function<void()>& pack, const std::string& file, int line,
                                   const std::string& message);

// A grey PNG picture, made by libpng.
std::string Png(int width, int height);

// A complete, valid data folder in a fresh temporary folder, removed again
// with the object. Topic file k (t00.md ... t42.md) is named "Topic 42-k", so
// file-name order and name order differ.
class DataFolder : public korvane_test::TempDir {
 public:
  DataFolder();
  void Write(const std::string& relative, std::string_view bytes) const;
  void Remove(const std::string& relative) const;
};

}  // namespace packer
