// The two widgets of every window: its frame and the content area the
// controls sit on.
#pragma once

#include <QMainWindow>
#include <QWidget>

#include <memory>

namespace fw {

class Window;

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

}  // namespace fw
