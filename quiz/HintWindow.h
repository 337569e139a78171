// the hint window.
#pragma once

#include <memory>

#include "framework/Window.h"

namespace korvane {

class HintWindow : public fw::Window {
 public:
  static constexpr const char* kClassName = "HintWindow.HintWindow";
  // The implicit instance: the open window, or a new one from its records.
  static std::shared_ptr<HintWindow> Instance();
};

}  // namespace korvane
