// The style scrap ('styl' resource): the style runs of a topic's text.
// Layout: a 16-bit count, then that many 20-byte elements, big-endian.
// A run's start counts bytes of the UTF-8 text it styles.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace codec {

inline constexpr std::uint8_t kFaceBold = 0x01;
inline constexpr std::uint8_t kFaceItalic = 0x02;
inline constexpr std::uint8_t kFaceUnderline = 0x04;
inline constexpr int kMaxStyleElements = 1601;
// A scrap of kMaxStyleElements: the count, then 20 bytes an element.
inline constexpr std::size_t kMaxStyleScrapBytes = 2 + 20 * kMaxStyleElements;

struct StyleElement {
  std::int32_t startChar = 0;          // byte offset into the text
  std::int16_t height = 0, ascent = 0;  // line metrics in pixels; readers measure instead
  std::int16_t font = 0;               // classic family number: 0 system, 3 Geneva, 20 Times...
  std::uint8_t face = 0;               // kFace* bits
  std::int16_t size = 0;               // points; <= 0 means "use a default"
  std::uint16_t red = 0, green = 0, blue = 0;  // 16 bits per channel
  friend bool operator==(const StyleElement&, const StyleElement&) = default;
};

// Throws std::invalid_argument for more than kMaxStyleElements elements.
std::string EncodeStyleScrap(const std::vector<StyleElement>& elements);

// Lenient: fewer than 2 bytes or a negative count give no elements; otherwise
// as many elements as the count names, the bytes hold and the format allows
// (kMaxStyleElements), in stored order, unchecked.
std::vector<StyleElement> DecodeStyleScrap(std::string_view bytes);

struct StyledSpan {
  std::size_t begin = 0, end = 0;  // byte offsets into the text, [begin, end)
  StyleElement style;              // meaningful only when hasStyle
  bool hasStyle = false;
};

// The text cut into styled spans: contiguous, in order, non-empty, together
// covering the whole text, each beginning and ending on a UTF-8 character
// boundary (a byte that is not part of a valid sequence counts as a character
// of its own). Empty text gives no spans.
//
// Elements are used in stored order. A start inside a multi-byte character
// moves back to that character's start. An element is dropped when its start
// is negative, at or past the end of the text, or (after that move) not
// greater than the start of the element kept before it, so the first of two
// elements landing on one character wins. Text before the first kept start
// takes that element's style. With no element kept the result is one span
// with hasStyle == false.
std::vector<StyledSpan> StyleSpansForText(std::string_view text, std::string_view styl);

}  // namespace codec
