// the About box.
#pragma once

#include <memory>

#include "framework/Window.h"

namespace korvane {

class AboutBox : public fw::Window {
 public:
  static constexpr const char* kClassName = "AboutBox.AboutBox";
  // The implicit instance: the open window, or a new one from its records.
  static std::shared_ptr<AboutBox> Instance();
};

}  // namespace korvane
