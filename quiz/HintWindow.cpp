#include "quiz/HintWindow.h"

namespace korvane {

using namespace declare;

WindowLook HintWindow::Look() {
  return {
      .placement = 2,
      .width = 327, .height = 68,
      .frame = 3,
      .hasBackColor = true, .backColor = Color{252, 255, 229},
      .title = "Hint",
  };
}

ControlTable HintWindow::Declare() {
  return {
      StaticText("HintText", {13, 13, 300, 40}, 0, {.multiLine = true}),
  };
}

}  // namespace korvane
