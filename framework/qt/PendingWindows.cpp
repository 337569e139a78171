// Windows reach or leave the screen at the next turn of the event loop, all
// at once: a window created and closed within one handler never appears.
#include <QApplication>

#include "framework/Window.h"
#include "framework/qt/MenuDispatch.h"
#include "framework/qt/RuntimeState.h"
#include "framework/qt/WindowRegistry.h"
#include "framework/qt/WindowView.h"

namespace fw::detail {

void ScheduleSync(const std::shared_ptr<Window>& w) {
  if (MarkPending(w))
    QMetaObject::invokeMethod(qApp, [] { detail::SyncPendingWindows(); }, Qt::QueuedConnection);
}

void SyncPendingWindows() {
  auto pending = TakePending();
  if (!pending) return;  // the lists are released
  for (const auto& w : *pending) {
    if (!w->IsOpen()) continue;
    Window::View& v = w->GetView();
    if (!v.frame) continue;
    if (w->Visible()) {
      if (auto bar = std::exchange(v.pendingMenuBar, nullptr)) {
        v.menuBar = detail::BuildMenuBar(v.frame, bar);
        v.ApplySize();
      }
      if (!v.flagsApplied) v.ApplyFlags();
      if (!v.frame->isVisible()) detail::Trace("window on screen " + w->ClassName());
      v.frame->show();
      if (!detail::Headless()) v.frame->raise();
    } else if (v.frame->isVisible()) {
      detail::Trace("window off screen " + w->ClassName());
      v.frame->hide();
    }
  }
  // The front document window takes the keyboard.
  if (auto front = FrontWindow(); front && front->GetView().frame) {
    // Windows without a screen have no stacking to change.
    if (!detail::Headless()) front->GetView().frame->raise();
    front->GetView().frame->activateWindow();
  }
  // Floating windows stay above the document windows, also where no window
  // manager keeps them there.
  if (detail::Headless()) return;
  for (const auto& w : OpenWindows())
    if (QWidget* frame = w->GetView().frame; frame && w->IsFloating() && frame->isVisible()) frame->raise();
}

}  // namespace fw::detail
