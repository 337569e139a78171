#include "shell/AboutBox.h"

namespace korvane {

std::shared_ptr<AboutBox> AboutBox::Instance() { return fw::ImplicitWindow<AboutBox>(); }

}  // namespace korvane
