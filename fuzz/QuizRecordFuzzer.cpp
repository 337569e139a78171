// A quiz record split the way the quiz loader splits it, with the framework's
// text functions on the raw resource data. The pieces must be exactly those a
// plain byte split gives, and a plain correct-choice number must read as
// itself.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "codec/ContentIds.h"
#include "framework/String.h"
#include "fuzz/Check.h"

namespace {

// Piece n (from 1) of `s` cut at `separator`; "" beyond the last.
std::string_view Piece(std::string_view s, char separator, int n) {
  for (; n > 1; --n) {
    const std::size_t hit = s.find(separator);
    if (hit == std::string_view::npos) return {};
    s.remove_prefix(hit + 1);
  }
  return s.substr(0, s.find(separator));
}

// The loader's result for one piece: raw bytes equal to the plain split.
void CheckPiece(const fw::String& piece, std::string_view expected) {
  Check(piece.IsRaw() && piece.Bytes() == expected);
}

// Only blanks, an optional sign and up to nine digits: Val reads it exactly.
bool IsPlainInteger(std::string_view s, int& value) {
  s.remove_prefix(std::min(s.find_first_not_of(" \t"), s.size()));
  const bool negative = !s.empty() && s.front() == '-';
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) s.remove_prefix(1);
  if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string_view::npos)
    return false;
  value = 0;
  for (char c : s) value = value * 10 + (c - '0');
  if (negative) value = -value;
  return true;
}

// Only a positive exponent or a very long number can be out of a double's
// range at the large end; anything else reads as a finite value.
bool MayOverflow(std::string_view s) {
  const std::size_t e = s.find_first_of("eE");
  return s.size() > 300 || (e != std::string_view::npos && e + 1 < s.size() && s[e + 1] != '-');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view resource(reinterpret_cast<const char*>(data), size);
  fw::String s = fw::String::Raw(std::string(resource));
  s = fw::Right(s, fw::Len(s) - 2);
  const std::string_view body = resource.substr(std::min<std::size_t>(2, size));
  CheckPiece(s, body);

  const fw::String field = fw::Chr(codec::kQuizFieldSeparator), item = fw::Chr(codec::kQuizItemSeparator);
  CheckPiece(fw::NthField(s, field, 1), Piece(body, codec::kQuizFieldSeparator, 1));
  CheckPiece(fw::NthField(s, field, 4), Piece(body, codec::kQuizFieldSeparator, 4));
  const fw::String choices = fw::NthField(s, field, 2), feedback = fw::NthField(s, field, 3);
  const fw::String correct = fw::NthField(s, field, 5);
  CheckPiece(correct, Piece(body, codec::kQuizFieldSeparator, 5));
  const double value = fw::Val(correct);
  Check(std::isfinite(value) || MayOverflow(correct.Bytes()));
  const std::int32_t r = fw::CvtReal64ToSInt32(value);
  if (int plain = 0; IsPlainInteger(correct.Bytes(), plain)) Check(r == plain);

  // Whatever the arrangement, the loader reads items 1 to 4 of both lists.
  const auto plainItem = [body](int k, int n) {
    return Piece(Piece(body, codec::kQuizFieldSeparator, k), codec::kQuizItemSeparator, n);
  };
  for (int n = 1; n <= 4; ++n) {
    CheckPiece(fw::NthField(choices, item, n), plainItem(2, n));
    CheckPiece(fw::NthField(feedback, item, n), plainItem(3, n));
  }
  return 0;
}
