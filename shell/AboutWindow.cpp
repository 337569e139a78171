#include "shell/AboutWindow.h"

#include "framework/Controls.h"
#include "framework/Delegate.h"
#include "declare/Declare.h"
#include "shell/MenuNames.h"

namespace korvane {

using namespace declare;

const std::string& AboutWindow::WindowRecord() {
  // The minimum and maximum equal the size: the window keeps 440 by 328.
  static const std::string record = declare::WindowRecord({
      .width = 440, .height = 328,
      .minWidth = 440, .minHeight = 328, .maxWidth = 440, .maxHeight = 328,
      .title = "More About Korvane",
      .resizeable = true, .liveResize = true, .maximizeButton = true, .minimizeButton = true,
  });
  return record;
}

const std::string& AboutWindow::EditFieldRecord() {
  // One pixel wider than the window, 14 pixels short of its bottom.
  static const std::string record =
      declare::EditFieldRecord("EditField1", {0, 0, 441, 314}, {.tabIndex = 0, .border = false},
                               {.left = true, .top = true, .right = true, .bottom = true});
  return record;
}

std::shared_ptr<AboutWindow> AboutWindow::Instance() { return fw::ImplicitWindow<AboutWindow>(); }

void AboutWindow::Layout() { fw::SetProperties(*this, WindowRecord()); }

void AboutWindow::CreateControls() { CreateControls0(); }

void AboutWindow::CreateControls0() {
  CreateControl<fw::EditField>(Self<AboutWindow>(), "EditField1", EditFieldRecord());
}

void AboutWindow::AddMenuHandlers(const std::shared_ptr<fw::Window>& w) {
  auto window = fw::CheckedCast<AboutWindow>(w);
  fw::Need(window).AddMenuHandler(menu::kFileClose, fw::MakeDelegate(window, &AboutWindow::FileClose_Action));
}

bool AboutWindow::FileClose_Action() {
  Close();
  return false;
}

}  // namespace korvane
