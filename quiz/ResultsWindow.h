// the results window.
#pragma once

#include <memory>

#include "framework/Window.h"

namespace korvane {

class ResultsWindow : public fw::Window {
 public:
  static constexpr const char* kClassName = "ResultsWindow.ResultsWindow";
  // The implicit instance: the open window, or a new one from its records.
  static std::shared_ptr<ResultsWindow> Instance();
};

}  // namespace korvane
