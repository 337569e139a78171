// The help window: the help text in one read-only, scrolling field.
#pragma once

#include <memory>

#include "declare/DeclaredWindow.h"

namespace korvane {

class AboutWindow : public declare::DeclaredWindow<AboutWindow> {
 public:
  static constexpr const char* kClassName = "AboutWindow.AboutWindow";
  static declare::WindowLook Look();
  static declare::ControlTable Declare();

  void AddMenuHandlers(const std::shared_ptr<fw::Window>& w) override;
  // File > Close while the help window is in front.
  virtual bool FileClose_Action();
};

}  // namespace korvane
