#include "framework/qt/TextStyle.h"

#include <QWidget>

#include "framework/Properties.h"
#include "framework/qt/Internal.h"

namespace fw {

bool TextStyle::Take(std::string_view name, const codec::PropertyValue& v) {
  if (name == "TextFont") font = property::Str(v);
  else if (name == "TextSize") size = property::Int(v);
  else if (name == "Bold") bold = property::Bool(v);
  else if (name == "Italic") italic = property::Bool(v);
  else if (name == "Underline") underline = property::Bool(v);
  else if (name == "TextColor") color = property::Colour(v);
  else return false;
  return true;
}

QFont TextStyle::Font() const { return detail::FontFor(font, size, bold, italic, underline); }

void SetColors(QWidget* w, std::initializer_list<std::pair<QPalette::ColorRole, QColor>> colors) {
  QPalette p = w->palette();
  bool changed = false;
  for (const auto& [role, color] : colors) {
    if (p.color(role) == color) continue;
    p.setColor(role, color);
    changed = true;
  }
  if (changed) w->setPalette(p);
}

}  // namespace fw
