// Menu commands and the Qt menu bar that shows a MenuBar. Not for the program.
#pragma once

#include <memory>

class QMenuBar;
class QWidget;

namespace fw {
class MenuBar;
class MenuItem;
}

namespace fw::detail {

void DispatchMenuCommand(const std::shared_ptr<MenuItem>& item);
QMenuBar* BuildMenuBar(QWidget* frame, const std::shared_ptr<MenuBar>& bar);

}  // namespace fw::detail
