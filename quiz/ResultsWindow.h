// The results window: like the hint window, with one label, StaticText1.
// Nothing fills or shows it; each new scenario closes it.
#pragma once

#include <memory>

#include "framework/Window.h"

namespace korvane {

class ResultsWindow : public fw::Window {
 public:
  static constexpr const char* kClassName = "ResultsWindow.ResultsWindow";
  // The implicit instance: the open window, or a new one from its records.
  static std::shared_ptr<ResultsWindow> Instance();

  void Layout() override;
  void CreateControls() override;
  virtual void CreateControls0();
  void AddMenuHandlers(const std::shared_ptr<fw::Window>& w) override;
};

}  // namespace korvane
