// The framework's string: UTF-8 bytes that know whether they carry text or
// raw bytes read from a resource. Text functions count characters: code
// points of text, bytes of raw bytes. Controls show raw bytes as UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

class String {
 public:
  String() = default;
  String(const char* utf8) : bytes_(utf8 ? utf8 : "") {}
  String(std::string utf8) : bytes_(std::move(utf8)) {}
  String(std::string_view utf8) : bytes_(utf8) {}

  // A string of raw bytes, one character per byte.
  static String Raw(std::string bytes);

  const std::string& Bytes() const { return bytes_; }
  bool IsRaw() const { return raw_; }
  bool IsEmpty() const { return bytes_.empty(); }

  // Concatenation; the result is raw when either side is.
  friend String operator+(const String& a, const String& b);
  // Byte equality (use StringCompare for the framework's comparison).
  friend bool operator==(const String& a, const String& b) { return a.bytes_ == b.bytes_; }

 private:
  std::string bytes_;
  bool raw_ = false;
};

// Number of characters.
int Len(const String& s);
// The last `count` characters; empty for a count below 1, all for one beyond.
String Right(const String& s, int count);
// The first `count` characters.
String Left(const String& s, int count);
// Field n (from 1) of s, fields separated by `separator`; the last field runs
// to the end. A field beyond the last, n below 1 or an empty separator give "".
String NthField(const String& s, const String& separator, int n);
// Number of fields (1 for an empty separator or a string without it).
int CountFields(const String& s, const String& separator);
// The numeric value of the leading number in s (blanks, sign, digits,
// fraction, exponent); 0 when s does not start with one.
double Val(const String& s);
// Decimal text of an integer.
String Str(std::int64_t value);
// The one-character string of a code (a raw byte below 128).
String Chr(int code);
// Three-way comparison that ignores the case of ASCII letters; 0 for equal.
int StringCompare(const String& a, const String& b);
// A double converted to a 32-bit integer: truncated toward zero, saturated
// at the range's ends, 0 for NaN.
std::int32_t CvtReal64ToSInt32(double value);

}  // namespace fw
