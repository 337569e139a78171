#include "framework/qt/WindowFrame.h"

#include <QCloseEvent>

#include "framework/RectControl.h"
#include "framework/Window.h"
#include "framework/qt/Dispatch.h"
#include "framework/qt/WindowView.h"

namespace fw {

void WindowFrame::closeEvent(QCloseEvent* event) {
  // The close box closes the window the framework's way, Close event included.
  event->ignore();
  if (auto w = Owner()) detail::CallHandler([&w] { w->Close(); });
}

void ContentArea::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  auto w = owner_.lock();
  if (!w) return;
  Window::View& v = w->GetView();
  v.contentWidth = width();
  v.contentHeight = height();
  for (const auto& c : w->Controls())
    c->FollowWindowResize(v.contentWidth - v.designWidth, v.contentHeight - v.designHeight);
}

}  // namespace fw
