// The Qt side of a menu item. Only the framework includes this.
#pragma once

#include <QAction>
#include <QPointer>

#include "framework/Menu.h"

namespace fw {

// One action per command, shared by the menu bars of every window, so that a
// shortcut works whichever window is active.
struct MenuItem::View {
  QPointer<QAction> action;
  ~View() { delete action.data(); }
};

}  // namespace fw
