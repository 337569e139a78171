// A style table applied to a text, both arbitrary. Input: a 16-bit
// big-endian text length, the text, then the style table.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "codec/StyleScrap.h"
#include "codec/Utf8.h"
#include "fuzz/Check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data) + 2, size - 2);
  const std::string_view text = input.substr(0, std::size_t{data[0]} << 8 | data[1]);
  const std::string_view styl = input.substr(text.size());

  const auto spans = codec::StyleSpansForText(text, styl);
  if (text.empty()) {
    Check(spans.empty());
    return 0;
  }
  Check(!spans.empty() && spans.size() <= std::max<std::size_t>(1, codec::DecodeStyleScrap(styl).size()));
  Check(spans.front().begin == 0 && spans.back().end == text.size());
  std::size_t character = 0;  // start of the character at or before the span's begin
  for (std::size_t i = 0; i < spans.size(); ++i) {
    const codec::StyledSpan& span = spans[i];
    Check(span.begin < span.end && span.hasStyle == spans.front().hasStyle);
    if (i > 0) Check(span.begin == spans[i - 1].end);
    // A span begins where a character begins; a stray byte is a character.
    while (character < span.begin)
      character += std::max<std::size_t>(1, codec::Utf8SequenceLength(text, character));
    Check(character == span.begin);
  }
  Check(spans.front().hasStyle || spans.size() == 1);
  return 0;
}
