// the help window.
#pragma once

#include <memory>

#include "framework/Window.h"

namespace korvane {

class AboutWindow : public fw::Window {
 public:
  static constexpr const char* kClassName = "AboutWindow.AboutWindow";
  // The implicit instance: the open window, or a new one from its records.
  static std::shared_ptr<AboutWindow> Instance();
};

}  // namespace korvane
