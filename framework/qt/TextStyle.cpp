#include "framework/qt/TextStyle.h"

#include <QWidget>

#include "framework/qt/TextConversion.h"

namespace fw {

const property::Setter<TextStyle> TextStyle::kProperties[6] = {
    {"TextFont", [](TextStyle& s, const auto& v) { s.font = property::Str(v); }},
    {"TextSize", [](TextStyle& s, const auto& v) { s.size = property::Int(v); }},
    {"Bold", [](TextStyle& s, const auto& v) { s.bold = property::Bool(v); }},
    {"Italic", [](TextStyle& s, const auto& v) { s.italic = property::Bool(v); }},
    {"Underline", [](TextStyle& s, const auto& v) { s.underline = property::Bool(v); }},
    {"TextColor", [](TextStyle& s, const auto& v) { s.color = property::Colour(v); }},
};

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
