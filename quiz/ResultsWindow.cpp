#include "quiz/ResultsWindow.h"

namespace korvane {

std::shared_ptr<ResultsWindow> ResultsWindow::Instance() { return fw::ImplicitWindow<ResultsWindow>(); }

}  // namespace korvane
