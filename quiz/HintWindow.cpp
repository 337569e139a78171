#include "quiz/HintWindow.h"

namespace korvane {

std::shared_ptr<HintWindow> HintWindow::Instance() { return fw::ImplicitWindow<HintWindow>(); }

}  // namespace korvane
