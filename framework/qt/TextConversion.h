// Text and fonts between the framework's strings and Qt's. Not for the program.
#pragma once

class QFont;
class QString;

namespace fw {
class String;
}

namespace fw::detail {

QString ToQString(const String& s);
String FromQString(const QString& s);
// Classic text uses CR as its line end; Qt uses LF.
QString ToDisplayText(const String& s);
String FromDisplayText(const QString& s);
// The installed face for a classic font name and size (pixels).
QFont FontFor(const String& name, int size, bool bold, bool italic, bool underline);
// The installed face for a classic font family number.
QString FamilyForFontNumber(int number);
QString FamilyForFontName(const String& name);

bool EqualNoCase(const String& a, const String& b);

}  // namespace fw::detail
