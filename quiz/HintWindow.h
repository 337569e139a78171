// The hint window: a small floating window with one label, HintText, that
// shows a scenario's hint and, at the end of a run, the result.
#pragma once

#include "declare/DeclaredWindow.h"

namespace korvane {

class HintWindow : public declare::DeclaredWindow<HintWindow> {
 public:
  static constexpr const char* kClassName = "HintWindow.HintWindow";
  // A pale yellow floating window titled "Hint", centred on the screen.
  static declare::WindowLook Look();
  static declare::ControlTable Declare();
};

}  // namespace korvane
