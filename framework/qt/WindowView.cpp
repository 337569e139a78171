#include "framework/qt/WindowView.h"

#include <algorithm>

namespace fw {

Window::View::SizeLimits Window::View::Limits() const {
  if (!resizeable) return {designWidth, designHeight, designWidth, designHeight};
  return {minWidth, minHeight, std::max(minWidth, maxWidth), std::max(minHeight, maxHeight)};
}

int Window::View::MenuBarHeight() const {
  if (!menuBar || menuBar->isNativeMenuBar()) return 0;
  return menuBar->sizeHint().height();
}

void Window::View::ApplySize() {
  if (!frame) return;
  int bar = MenuBarHeight();
  SizeLimits limits = Limits();
  int maxW = std::min(limits.maxWidth, QWIDGETSIZE_MAX);
  int maxH = std::min(limits.maxHeight, QWIDGETSIZE_MAX - bar);
  content->setMinimumSize(limits.minWidth, limits.minHeight);
  content->setMaximumSize(maxW, maxH);
  frame->setMinimumSize(limits.minWidth, limits.minHeight + bar);
  frame->setMaximumSize(maxW, maxH + bar);
  QRect g = frame->geometry();
  frame->setGeometry(g.x(), g.y(), contentWidth, contentHeight + bar);
  content->resize(contentWidth, contentHeight);
}

void Window::View::ApplyFlags() {
  if (!frame) return;
  bool floating = frameKind == kFloatingFrame;
  Qt::WindowFlags flags = (floating ? Qt::Tool : Qt::Window) | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint;
  if (closeButton) flags |= Qt::WindowCloseButtonHint;
  if (minimizeButton && !floating) flags |= Qt::WindowMinimizeButtonHint;
  bool canGrow = resizeable && (maxWidth > minWidth || maxHeight > minHeight);
  if (maximizeButton && canGrow && !floating) flags |= Qt::WindowMaximizeButtonHint;
  // A floating window never takes the keyboard from the document windows.
  if (floating) flags |= Qt::WindowDoesNotAcceptFocus;
  QRect g = frame->geometry();
  frame->setWindowFlags(flags);
  frame->setAttribute(Qt::WA_ShowWithoutActivating, floating);
  frame->setGeometry(g);
  flagsApplied = true;
}

void Window::View::ApplyBackground() {
  if (!content) return;
  content->setAutoFillBackground(hasBackColor);
  QPalette p = content->palette();
  if (hasBackColor) p.setColor(QPalette::Window, QColor(backColor.red, backColor.green, backColor.blue));
  content->setPalette(p);
}

void Window::View::DestroyFrame() {
  if (!frame) return;
  frame->hide();
  frame->deleteLater();
  frame = nullptr;
}

std::shared_ptr<Window> WindowOfWidget(const QWidget* widget) {
  if (!widget) return nullptr;
  auto* frame = dynamic_cast<const WindowFrame*>(widget->window());
  return frame ? frame->Owner() : nullptr;
}

QWidget* ContentWidgetOf(const Window& window) { return window.GetView().content; }
QWidget* FrameWidgetOf(const Window& window) { return window.GetView().frame; }

}  // namespace fw
