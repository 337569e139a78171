// The Qt side of windows and controls. Only the framework includes this.
#pragma once

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>
#include <QWidget>

#include <memory>

#include "framework/Controls.h"
#include "framework/Menu.h"
#include "framework/Window.h"

namespace fw {

// The top-level widget of a window.
class WindowFrame : public QMainWindow {
 public:
  explicit WindowFrame(std::weak_ptr<Window> owner) : owner_(std::move(owner)) {}
  std::shared_ptr<Window> Owner() const { return owner_.lock(); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::weak_ptr<Window> owner_;
};

// The window's content area: controls sit on it at their record's pixels.
class ContentArea : public QWidget {
 public:
  explicit ContentArea(std::weak_ptr<Window> owner) : owner_(std::move(owner)) {}

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::weak_ptr<Window> owner_;
};

struct Window::View {
  QPointer<WindowFrame> frame;
  QPointer<ContentArea> content;
  QPointer<QMenuBar> menuBar;
  std::shared_ptr<fw::MenuBar> pendingMenuBar;  // to be built when the window first shows

  int placement = 0;
  int frameKind = 0;
  bool hasBackColor = false;
  Color backColor{255, 255, 255};
  bool closeButton = true, resizeable = true, maximizeButton = true, minimizeButton = true;
  bool menuBarVisible = true;
  int minWidth = 64, minHeight = 64, maxWidth = 32000, maxHeight = 32000;
  int contentWidth = 100, contentHeight = 100;
  int designWidth = 0, designHeight = 0;  // content size the controls were laid out for
  bool placed = false;
  bool flagsApplied = false;

  int MenuBarHeight() const;
  // Applies the size limits and the content size to the frame.
  void ApplySize();
  void ApplyFlags();
  void ApplyBackground();
};

// Every control's view holds its widget; the widget is parented to the
// window's content area when the control is added.
struct RectControl::View {
  explicit View(QWidget* w) : widget(w) {}
  virtual ~View();
  QPointer<QWidget> widget;
};

// One action per command, shared by the menu bars of every window, so that a
// shortcut works whichever window is active.
struct MenuItem::View {
  QPointer<QAction> action;
  ~View() { delete action.data(); }
};

// Which framework window a widget belongs to, or nil.
std::shared_ptr<Window> WindowOfWidget(const QWidget* widget);
// The widget of a window's content area / frame, for the framework's own tests.
QWidget* ContentWidgetOf(const Window& window);
QWidget* FrameWidgetOf(const Window& window);
QWidget* WidgetOf(const RectControl& control);

}  // namespace fw
