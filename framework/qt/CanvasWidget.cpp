#include "framework/qt/CanvasWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "framework/Canvas.h"
#include "framework/qt/Dispatch.h"

namespace fw {

void CanvasWidget::paintEvent(QPaintEvent*) {
  // Nothing of its own to draw leaves what lies below visible.
  if (backdrop.isNull()) return;
  QPainter p(this);
  p.drawPixmap(0, 0, backdrop);
}

// A second press in quick succession is a press all the same.
void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* e) { mousePressEvent(e); }

void CanvasWidget::mousePressEvent(QMouseEvent* e) {
  auto canvas = owner.lock();
  if (!canvas) return;
  QPoint at = e->position().toPoint();
  detail::CallHandler([&] { canvas->MousePressed(at.x(), at.y()); });
}

}  // namespace fw
