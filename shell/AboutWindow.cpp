#include "shell/AboutWindow.h"

namespace korvane {

std::shared_ptr<AboutWindow> AboutWindow::Instance() { return fw::ImplicitWindow<AboutWindow>(); }

}  // namespace korvane
