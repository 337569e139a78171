// The help window: the help text in one read-only, scrolling field.
#pragma once

#include <memory>
#include <string>

#include "framework/Window.h"

namespace korvane {

class AboutWindow : public fw::Window {
 public:
  static constexpr const char* kClassName = "AboutWindow.AboutWindow";
  // The implicit instance: the open window, or a new one from its records.
  static std::shared_ptr<AboutWindow> Instance();

  void Layout() override;
  void CreateControls() override;
  virtual void CreateControls0();
  void AddMenuHandlers(const std::shared_ptr<fw::Window>& w) override;
  // File > Close while the help window is in front.
  virtual bool FileClose_Action();

  // The declared records, for tests.
  static const std::string& WindowRecord();
  static const std::string& EditFieldRecord();
};

}  // namespace korvane
