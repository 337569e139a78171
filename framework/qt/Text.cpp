#include <QFont>
#include <QString>

#include <map>
#include <string>
#include <tuple>

#include "framework/String.h"
#include "framework/qt/TextConversion.h"

namespace fw::detail {

QString ToQString(const String& s) {
  const std::string& b = s.Bytes();
  return QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size()));
}

String FromQString(const QString& s) { return String(s.toUtf8().toStdString()); }

QString ToDisplayText(const String& s) {
  QString text = ToQString(s);
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

String FromDisplayText(const QString& s) {
  QString text = s;
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\r'));
  text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
  return FromQString(text);
}

bool EqualNoCase(const String& a, const String& b) { return StringCompare(a, b) == 0; }

namespace {

// The classic faces are not installed here; these stand in for them.
const char* const kSans = "DejaVu Sans";
const char* const kSerif = "DejaVu Serif";
const char* const kMono = "DejaVu Sans Mono";

}  // namespace

QString FamilyForFontName(const String& name) {
  // Design-time names may carry trailing control bytes; only the letters count.
  QString clean;
  for (QChar c : ToQString(name))
    if (c.isPrint()) clean += c;
  clean = clean.trimmed();
  const QString key = clean.toLower();
  if (key.isEmpty() || key == "system" || key == "geneva" || key == "chicago" || key == "helvetica" ||
      key == "charcoal" || key == "lucida grande")
    return kSans;
  if (key == "times" || key == "new york" || key == "palatino") return kSerif;
  if (key == "monaco" || key == "courier") return kMono;
  return clean;
}

QString FamilyForFontNumber(int number) {
  switch (number) {
    case 2:   // New York
    case 20:  // Times
      return kSerif;
    case 4:   // Monaco
    case 22:  // Courier
      return kMono;
    default:  // system, application font, Geneva, Helvetica and anything unknown
      return kSans;
  }
}

QFont FontFor(const String& name, int size, bool bold, bool italic, bool underline) {
  // Every control asks for one of a handful of faces; make each once.
  static std::map<std::tuple<std::string, int, bool, bool, bool>, QFont> made;
  auto key = std::make_tuple(name.Bytes(), size, bold, italic, underline);
  if (auto it = made.find(key); it != made.end()) return it->second;
  QFont font(FamilyForFontName(name));
  QString family = font.family();
  font.setStyleHint(family == kSerif ? QFont::Serif : family == kMono ? QFont::Monospace : QFont::SansSerif);
  // Classic sizes are points at 72 dpi: one point is one pixel.
  font.setPixelSize(size > 0 ? size : 12);
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  if (made.size() < 256) made.emplace(key, font);
  return font;
}

}  // namespace fw::detail
