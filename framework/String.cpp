#include "framework/String.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace fw {
namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Byte offset of character `index` (0-based) in s, or s.size() beyond the end.
std::size_t OffsetOfChar(const String& s, int index) {
  const std::string& b = s.Bytes();
  if (s.IsRaw()) return std::min<std::size_t>(static_cast<std::size_t>(index), b.size());
  std::size_t pos = 0;
  for (int i = 0; i < index && pos < b.size(); ++i) {
    ++pos;
    while (pos < b.size() && IsContinuation(static_cast<unsigned char>(b[pos]))) ++pos;
  }
  return pos;
}

String Slice(const String& s, std::size_t from, std::size_t to) {
  std::string part = s.Bytes().substr(from, to - from);
  return s.IsRaw() ? String::Raw(std::move(part)) : String(std::move(part));
}

// from_chars reports a number too small for a double as out of range, just
// like one too large. The power of ten of the first significant digit tells
// them apart: from 10^0 up, the number is too large.
bool TooLarge(std::string_view number) {
  if (number.front() == '-') number.remove_prefix(1);
  const std::size_t e = std::min(number.find_first_of("eE"), number.size());
  const std::string_view mantissa = number.substr(0, e);
  std::string_view exponentText = number.substr(std::min(e + 1, number.size()));
  const bool negativeExponent = !exponentText.empty() && exponentText.front() == '-';
  if (!exponentText.empty() && (exponentText.front() == '-' || exponentText.front() == '+'))
    exponentText.remove_prefix(1);
  std::int64_t exponent = 0;
  for (char c : exponentText) exponent = std::min<std::int64_t>(exponent * 10 + (c - '0'), 1'000'000'000);
  if (negativeExponent) exponent = -exponent;

  const auto point = static_cast<std::int64_t>(std::min(mantissa.find('.'), mantissa.size()));
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return false;
  const auto at = static_cast<std::int64_t>(first);
  const std::int64_t power = at < point ? point - at - 1 : point - at;
  return power + exponent >= 0;
}

char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

String String::Raw(std::string bytes) {
  String s(std::move(bytes));
  s.raw_ = true;
  return s;
}

String operator+(const String& a, const String& b) {
  String out(a.bytes_ + b.bytes_);
  out.raw_ = a.raw_ || b.raw_;
  return out;
}

int Len(const String& s) {
  const std::string& b = s.Bytes();
  if (s.IsRaw()) return static_cast<int>(b.size());
  return static_cast<int>(std::count_if(b.begin(), b.end(), [](char c) {
    return !IsContinuation(static_cast<unsigned char>(c));
  }));
}

String Right(const String& s, int count) {
  if (count <= 0) return Slice(s, 0, 0);
  int length = Len(s);
  if (count >= length) return s;
  return Slice(s, OffsetOfChar(s, length - count), s.Bytes().size());
}

String Left(const String& s, int count) {
  if (count <= 0) return Slice(s, 0, 0);
  return Slice(s, 0, OffsetOfChar(s, count));
}

String NthField(const String& s, const String& separator, int n) {
  const std::string& b = s.Bytes();
  const std::string& sep = separator.Bytes();
  if (n < 1 || sep.empty()) return Slice(s, 0, 0);
  std::size_t start = 0;
  for (int field = 1; field < n; ++field) {
    std::size_t hit = b.find(sep, start);
    if (hit == std::string::npos) return Slice(s, 0, 0);
    start = hit + sep.size();
  }
  std::size_t end = b.find(sep, start);
  return Slice(s, start, end == std::string::npos ? b.size() : end);
}

int CountFields(const String& s, const String& separator) {
  const std::string& b = s.Bytes();
  const std::string& sep = separator.Bytes();
  if (sep.empty()) return 1;
  int count = 1;
  for (std::size_t pos = b.find(sep); pos != std::string::npos; pos = b.find(sep, pos + sep.size()))
    ++count;
  return count;
}

double Val(const String& s) {
  const std::string& b = s.Bytes();
  std::size_t i = 0;
  while (i < b.size() && (b[i] == ' ' || b[i] == '\t')) ++i;
  std::size_t begin = i;
  auto digits = [&] {
    std::size_t from = i;
    while (i < b.size() && b[i] >= '0' && b[i] <= '9') ++i;
    return i - from;
  };
  if (i < b.size() && (b[i] == '+' || b[i] == '-')) ++i;
  std::size_t mantissa = digits();
  if (i < b.size() && b[i] == '.') {
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return 0.0;
  std::size_t end = i;
  if (i < b.size() && (b[i] == 'e' || b[i] == 'E')) {
    ++i;
    if (i < b.size() && (b[i] == '+' || b[i] == '-')) ++i;
    if (digits() > 0) end = i;
  }
  // from_chars rejects a leading '+'.
  if (b[begin] == '+') ++begin;
  double value = 0.0;
  auto result = std::from_chars(b.data() + begin, b.data() + end, value);
  if (result.ec == std::errc::result_out_of_range) {
    const bool negative = b[begin] == '-';
    const double magnitude = TooLarge(std::string_view(b).substr(begin, end - begin))
                                 ? std::numeric_limits<double>::infinity()
                                 : 0.0;
    return negative ? -magnitude : magnitude;
  }
  return result.ec == std::errc() ? value : 0.0;
}

String Str(std::int64_t value) { return String(std::to_string(value)); }

String Chr(int code) {
  if (code >= 0 && code < 128) return String::Raw(std::string(1, static_cast<char>(code)));
  // Above ASCII: the character's UTF-8 encoding.
  std::string out;
  auto cp = static_cast<std::uint32_t>(code);
  if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
  } else {
    if (cp > 0x10FFFF) cp = 0xFFFD;
    if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    }
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
  }
  out += static_cast<char>(0x80 | (cp & 0x3F));
  return String(std::move(out));
}

int StringCompare(const String& a, const String& b) {
  const std::string& x = a.Bytes();
  const std::string& y = b.Bytes();
  std::size_t n = std::min(x.size(), y.size());
  for (std::size_t i = 0; i < n; ++i) {
    auto cx = static_cast<unsigned char>(FoldCase(x[i]));
    auto cy = static_cast<unsigned char>(FoldCase(y[i]));
    if (cx != cy) return cx < cy ? -1 : 1;
  }
  if (x.size() == y.size()) return 0;
  return x.size() < y.size() ? -1 : 1;
}

std::int32_t CvtReal64ToSInt32(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);  // truncates toward zero
}

}  // namespace fw
