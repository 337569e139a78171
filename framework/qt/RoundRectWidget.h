// The widget of a RoundRectangle: a filled, bordered rectangle with round
// corners.
#pragma once

#include <QWidget>

#include "codec/PropertyRecord.h"

namespace fw {

class RoundRectWidget : public QWidget {
 public:
  using QWidget::QWidget;
  struct Shape {
    codec::Color fill{255, 255, 255}, border{0, 0, 0};
    int borderWidth = 1, ovalWidth = 0, ovalHeight = 0;
  } shape;

 protected:
  void paintEvent(QPaintEvent*) override;
};

}  // namespace fw
