// The widget of a Canvas: draws its backdrop and hands mouse presses to its
// control.
#pragma once

#include <QPixmap>
#include <QWidget>

#include <memory>

namespace fw {

class Canvas;

class CanvasWidget : public QWidget {
 public:
  using QWidget::QWidget;
  std::weak_ptr<Canvas> owner;
  QPixmap backdrop;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
};

}  // namespace fw
