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

std::shared_ptr<HintWindow> HintWindow::Instance() { return fw::ImplicitWindow<HintWindow>(); }

void HintWindow::Layout() {
  static const std::string record = WindowRecord(Look());
  fw::SetProperties(*this, record);
}

void HintWindow::CreateControls() { CreateControls0(); }

void HintWindow::CreateControls0() {
  static const std::string record = LabelRecord("HintText", {13, 13, 300, 40}, 0, {.multiLine = true});
  CreateControl<fw::StaticText>(Self<HintWindow>(), "HintText", record);
}

void HintWindow::AddMenuHandlers(const std::shared_ptr<fw::Window>& w) { fw::CheckedCast<HintWindow>(w); }

}  // namespace korvane
