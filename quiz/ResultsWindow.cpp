#include "quiz/ResultsWindow.h"

#include "quiz/HintWindow.h"

namespace korvane {

using namespace declare;

std::shared_ptr<ResultsWindow> ResultsWindow::Instance() { return fw::ImplicitWindow<ResultsWindow>(); }

void ResultsWindow::Layout() {
  // The hint window's record but for its place, size, frame and title.
  static const std::string record = [] {
    WindowLook look = HintWindow::Look();
    look.placement = 0;
    look.width = 353;
    look.height = 76;
    look.frame = 0;
    look.title = "Quiz Results";
    return WindowRecord(look);
  }();
  fw::SetProperties(*this, record);
}

void ResultsWindow::CreateControls() { CreateControls0(); }

void ResultsWindow::CreateControls0() {
  static const std::string record = LabelRecord("StaticText1", {13, 13, 326, 44}, 0, {.size = 12, .multiLine = true});
  CreateControl<fw::StaticText>(Self<ResultsWindow>(), "StaticText1", record);
}

void ResultsWindow::AddMenuHandlers(const std::shared_ptr<fw::Window>& w) { fw::CheckedCast<ResultsWindow>(w); }

}  // namespace korvane
