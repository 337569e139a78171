#include "quiz/ResultsWindow.h"

#include "quiz/HintWindow.h"

namespace korvane {

using namespace declare;

WindowLook ResultsWindow::Look() {
  // The hint window's look but for its place, size, frame and title.
  WindowLook look = HintWindow::Look();
  look.placement = 0;
  look.width = 353;
  look.height = 76;
  look.frame = 0;
  look.title = "Quiz Results";
  return look;
}

ControlTable ResultsWindow::Declare() {
  return {
      StaticText("StaticText1", {13, 13, 326, 44}, 0, {.size = 12, .multiLine = true}),
  };
}

}  // namespace korvane
