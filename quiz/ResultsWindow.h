// The results window: like the hint window, with one label, StaticText1.
// Nothing fills or shows it; each new scenario closes it.
#pragma once

#include "declare/DeclaredWindow.h"

namespace korvane {

class ResultsWindow : public declare::DeclaredWindow<ResultsWindow> {
 public:
  static constexpr const char* kClassName = "ResultsWindow.ResultsWindow";
  static declare::WindowLook Look();
  static declare::ControlTable Declare();
};

}  // namespace korvane
