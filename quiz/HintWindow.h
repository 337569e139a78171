// The hint window: a small floating window with one label, HintText, that
// shows a scenario's hint and, at the end of a run, the result.
#pragma once

#include <memory>

#include "framework/Window.h"
#include "declare/Declare.h"

namespace korvane {

class HintWindow : public fw::Window {
 public:
  static constexpr const char* kClassName = "HintWindow.HintWindow";
  // The implicit instance: the open window, or a new one from its records.
  static std::shared_ptr<HintWindow> Instance();

  void Layout() override;
  void CreateControls() override;
  virtual void CreateControls0();
  void AddMenuHandlers(const std::shared_ptr<fw::Window>& w) override;

  // What sets the window apart; the results window differs in a few
  // entries only.
  static declare::WindowLook Look();
};

}  // namespace korvane
