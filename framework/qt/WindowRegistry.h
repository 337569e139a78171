// The framework's lists of windows (open, implicit, front to back, waiting
// for the screen). Not for the program.
#pragma once

#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace fw {
class Window;
}

namespace fw::detail {

// The content area of the window whose NewControl is running, or null: the
// parent new control widgets are made on (see Window::NewControlScope).
QWidget* NewControlParent();

// The window lists (WindowLists.cpp).
void CreateWindowLists();
void RegisterWindow(const std::shared_ptr<Window>& w);
void ForgetImplicitWindow(const Window* w);
void ForgetWindow(const Window* w);
void BringToFront(const std::shared_ptr<Window>& w);
void RemoveFromFront(const Window* w);
std::vector<std::shared_ptr<Window>> OpenWindows();
void ForgetWindows();

// Adds a window to those waiting to reach or leave the screen; true when a
// sync must be posted (none is yet).
bool MarkPending(const std::shared_ptr<Window>& w);
// The windows waiting, taken off the list; nothing once the lists are released.
std::optional<std::vector<std::shared_ptr<Window>>> TakePending();
// Brings the window to or off the screen at the next turn of the event loop.
void ScheduleSync(const std::shared_ptr<Window>& w);
// Maps the windows waiting for the screen now, rather than at the next turn
// of the event loop.
void SyncPendingWindows();

}  // namespace fw::detail
