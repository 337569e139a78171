// the quiz window.
#pragma once

#include <memory>

#include "framework/Window.h"

namespace korvane {

class RireradQuiz : public fw::Window {
 public:
  static constexpr const char* kClassName = "RireradQuiz.RireradQuiz";
  // The implicit instance: the open window, or a new one from its records.
  static std::shared_ptr<RireradQuiz> Instance();
};

}  // namespace korvane
