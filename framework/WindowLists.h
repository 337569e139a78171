// The framework's lists of windows: every open window, the implicit
// instances by class name, the windows waiting to reach or leave the screen,
// and the stacking order.
#pragma once

#include <memory>
#include <string_view>

namespace fw {

class Window;

// The open window registered under a class name ("Window1.Window1"), hidden
// or not, or nil.
std::shared_ptr<Window> GetImplicitWindow(std::string_view className);

// The window in front (floating windows aside), or nil.
std::shared_ptr<Window> FrontWindow();

// The framework's window lists, released at shutdown in this order.
void ReleaseImplicitWindowList();
void ReleaseDirtyWindowList();
void ReleaseWindowList();

}  // namespace fw
