// The Qt side of a control. Only the framework includes this.
#pragma once

#include <QPointer>
#include <QWidget>

#include "framework/RectControl.h"

namespace fw {

// Every control's view holds its widget; the widget is parented to the
// window's content area when the control is added.
struct RectControl::View {
  explicit View(QWidget* w) : widget(w) {}
  virtual ~View();
  QPointer<QWidget> widget;
};

// The view of a control of a known kind.
template <class V>
const V& ViewOf(const RectControl& c) {
  return static_cast<const V&>(c.GetView());
}
template <class V>
V& ViewOf(RectControl& c) {
  return static_cast<V&>(c.GetView());
}

QWidget* WidgetOf(const RectControl& control);

}  // namespace fw
