// Font and colours of a control's text, as its record and code set them.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

#include <initializer_list>
#include <string_view>
#include <utility>

#include "codec/PropertyRecord.h"
#include "framework/Properties.h"
#include "framework/String.h"

class QWidget;

namespace fw {

struct TextStyle {
  String font = "System";
  int size = 12;
  bool bold = false, italic = false, underline = false;
  codec::Color color{0, 0, 0};

  // Takes the property if it is one of the text style's; says whether it did.
  bool Take(std::string_view name, const codec::PropertyValue& v) {
    return property::Set(kProperties, *this, name, v);
  }
  QFont Font() const;

  static const property::Setter<TextStyle> kProperties[6];
};

inline QColor ToQColor(codec::Color c) { return QColor(c.red, c.green, c.blue); }

// Sets palette colours, only where they differ: a palette change is costly
// and most controls keep the style's black on white.
void SetColors(QWidget* w, std::initializer_list<std::pair<QPalette::ColorRole, QColor>> colors);

}  // namespace fw
