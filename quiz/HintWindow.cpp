#include "quiz/HintWindow.h"

#include "quiz/LabelRecord.h"

namespace korvane {

using namespace declare;

Fields HintWindow::WindowFields() {
  return {
      {"Placement", 2},
      {"Width", 327},
      {"Height", 68},
      {"MinWidth", 64},
      {"MinHeight", 64},
      {"MaxWidth", 32000},
      {"MaxHeight", 32000},
      {"Frame", 3},
      {"Composite", false},
      {"HasBackColor", true},
      {"BackColor", Color{252, 255, 229}},
      {"Title", "Hint"},
      {"Visible", true},
      {"FullScreen", false},
      {"MenuBarVisible", true},
      {"CloseButton", true},
      {"Resizeable", false},
      {"LiveResize", false},
      {"MaximizeButton", false},
      {"MinimizeButton", false},
      {"BalloonHelp", ""},
      {"MacProcID", 0},
  };
}

std::shared_ptr<HintWindow> HintWindow::Instance() { return fw::ImplicitWindow<HintWindow>(); }

void HintWindow::Layout() {
  static const std::string record = codec::EncodeRecord(WindowFields());
  fw::SetProperties(*this, record);
}

void HintWindow::CreateControls() { CreateControls0(); }

void HintWindow::CreateControls0() {
  static const std::string record = LabelRecord("HintText", {13, 13, 300, 40}, 0, {.multiLine = true});
  CreateControl<fw::StaticText>(Self<HintWindow>(), "HintText", record);
}

void HintWindow::AddMenuHandlers(const std::shared_ptr<fw::Window>& w) { fw::CheckedCast<HintWindow>(w); }

}  // namespace korvane
