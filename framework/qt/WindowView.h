// The Qt side of a window. Only the framework includes this.
#pragma once

#include <QMenuBar>
#include <QPointer>

#include <memory>

#include "codec/PropertyRecord.h"
#include "framework/Window.h"
#include "framework/qt/WindowFrame.h"

namespace fw {

struct Window::View {
  // The record's Frame code of a floating window: no menu bar, and never the
  // front window or the keyboard's.
  static constexpr int kFloatingFrame = 3;
  // The record's Placement code that centres the window on the main screen.
  static constexpr int kCentredPlacement = 2;

  QPointer<WindowFrame> frame;
  QPointer<ContentArea> content;
  QPointer<QMenuBar> menuBar;
  std::shared_ptr<fw::MenuBar> pendingMenuBar;  // to be built when the window first shows

  int placement = 0;
  int frameKind = 0;
  bool hasBackColor = false;
  codec::Color backColor{255, 255, 255};
  bool closeButton = true, resizeable = true, maximizeButton = true, minimizeButton = true;
  bool menuBarVisible = true;
  int minWidth = 64, minHeight = 64, maxWidth = 32000, maxHeight = 32000;
  int contentWidth = 100, contentHeight = 100;
  int designWidth = 0, designHeight = 0;  // content size the controls were laid out for
  bool placed = false;
  bool flagsApplied = false;

  struct SizeLimits {
    int minWidth, minHeight, maxWidth, maxHeight;
  };
  // The content sizes the window may take: a window that cannot be resized
  // keeps the size it was laid out for.
  SizeLimits Limits() const;
  int MenuBarHeight() const;
  // Applies the size limits and the content size to the frame.
  void ApplySize();
  void ApplyFlags();
  void ApplyBackground();
  // Takes the frame off the screen and deletes it once Qt is done with it.
  void DestroyFrame();
};

// Which framework window a widget belongs to, or nil.
std::shared_ptr<Window> WindowOfWidget(const QWidget* widget);
// The widget of a window's content area / frame, for the framework's own tests.
QWidget* ContentWidgetOf(const Window& window);
QWidget* FrameWidgetOf(const Window& window);

}  // namespace fw
