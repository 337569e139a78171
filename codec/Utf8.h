// UTF-8 character boundaries, as the style runs and the packer see them.
#pragma once

#include <cstddef>
#include <string_view>

namespace codec {

// Length (1 to 4) of the well-formed UTF-8 sequence starting at `at`, or 0
// when the bytes there are not one (stray continuation byte, overlong form,
// surrogate, value past U+10FFFF, cut short). `at` must be < text.size().
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at);

// Offset of the first byte that does not belong to a well-formed sequence;
// text.size() when the whole text is valid UTF-8.
std::size_t FirstInvalidUtf8(std::string_view text);

}  // namespace codec
