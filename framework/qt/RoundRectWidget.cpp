#include "framework/qt/RoundRectWidget.h"

#include <QPainter>

#include "framework/qt/TextStyle.h"

namespace fw {

void RoundRectWidget::paintEvent(QPaintEvent*) {
  const auto& [fill, border, borderWidth, ovalWidth, ovalHeight] = shape;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  qreal inset = borderWidth / 2.0;
  QRectF r = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
  p.setBrush(ToQColor(fill));
  if (borderWidth > 0) p.setPen(QPen(ToQColor(border), borderWidth));
  else p.setPen(Qt::NoPen);
  p.drawRoundedRect(r, ovalWidth / 2.0, ovalHeight / 2.0);
}

}  // namespace fw
