#include "shell/AboutWindow.h"

#include "shell/MenuNames.h"

namespace korvane {

using namespace declare;

WindowLook AboutWindow::Look() {
  // The minimum and maximum equal the size: the window keeps 440 by 328.
  return {
      .width = 440, .height = 328,
      .minWidth = 440, .minHeight = 328, .maxWidth = 440, .maxHeight = 328,
      .title = "More About Korvane",
      .resizeable = true, .liveResize = true, .maximizeButton = true, .minimizeButton = true,
  };
}

ControlTable AboutWindow::Declare() {
  return {
      // One pixel wider than the window, 14 pixels short of its bottom.
      EditField("EditField1", {0, 0, 441, 314}, 0, {.border = false}, {.locks = kEveryEdge}),
  };
}

void AboutWindow::AddMenuHandlers(const std::shared_ptr<fw::Window>& w) {
  BindMenuHandler(w, menu::kFileClose, &AboutWindow::FileClose_Action);
}

bool AboutWindow::FileClose_Action() {
  Close();
  return false;
}

}  // namespace korvane
