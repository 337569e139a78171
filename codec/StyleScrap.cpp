#include "codec/StyleScrap.h"

#include <algorithm>
#include <stdexcept>

#include "codec/BigEndian.h"
#include "codec/Utf8.h"

namespace codec {
namespace {

constexpr std::size_t kCountSize = 2;
constexpr std::size_t kElementSize = 20;
static_assert(kMaxStyleScrapBytes == kCountSize + kElementSize * kMaxStyleElements);

void AppendElement(std::string& out, const StyleElement& e) {
  PutU32(out, static_cast<std::uint32_t>(e.startChar));
  PutU16(out, static_cast<std::uint16_t>(e.height));
  PutU16(out, static_cast<std::uint16_t>(e.ascent));
  PutU16(out, static_cast<std::uint16_t>(e.font));
  out.push_back(static_cast<char>(e.face));
  out.push_back('\0');  // filler
  PutU16(out, static_cast<std::uint16_t>(e.size));
  PutU16(out, e.red);
  PutU16(out, e.green);
  PutU16(out, e.blue);
}

StyleElement ElementAt(std::string_view bytes, std::size_t at) {
  StyleElement e;
  e.startChar = static_cast<std::int32_t>(GetU32(bytes, at));
  e.height = static_cast<std::int16_t>(GetU16(bytes, at + 4));
  e.ascent = static_cast<std::int16_t>(GetU16(bytes, at + 6));
  e.font = static_cast<std::int16_t>(GetU16(bytes, at + 8));
  e.face = static_cast<std::uint8_t>(bytes[at + 10]);
  e.size = static_cast<std::int16_t>(GetU16(bytes, at + 12));
  e.red = GetU16(bytes, at + 14);
  e.green = GetU16(bytes, at + 16);
  e.blue = GetU16(bytes, at + 18);
  return e;
}

// For each byte of the text: does a character start there?
std::vector<bool> CharacterStarts(std::string_view text) {
  std::vector<bool> starts(text.size(), false);
  for (std::size_t at = 0; at < text.size();) {
    starts[at] = true;
    at += std::max<std::size_t>(1, Utf8SequenceLength(text, at));
  }
  return starts;
}

struct Run {
  std::size_t start;
  StyleElement style;
};

std::vector<Run> UsableRuns(std::string_view text, const std::vector<StyleElement>& elements) {
  const std::vector<bool> starts = CharacterStarts(text);
  std::vector<Run> runs;
  for (const StyleElement& e : elements) {
    if (e.startChar < 0 || static_cast<std::size_t>(e.startChar) >= text.size()) continue;
    auto start = static_cast<std::size_t>(e.startChar);
    while (!starts[start]) --start;  // byte 0 always starts a character
    if (!runs.empty() && start <= runs.back().start) continue;
    runs.push_back({start, e});
  }
  return runs;
}

}  // namespace

std::string EncodeStyleScrap(const std::vector<StyleElement>& elements) {
  if (elements.size() > static_cast<std::size_t>(kMaxStyleElements))
    throw std::invalid_argument("a style scrap holds at most 1601 elements");
  std::string out;
  out.reserve(kCountSize + kElementSize * elements.size());
  PutU16(out, static_cast<std::uint16_t>(elements.size()));
  for (const StyleElement& e : elements) AppendElement(out, e);
  return out;
}

std::vector<StyleElement> DecodeStyleScrap(std::string_view bytes) {
  if (bytes.size() < kCountSize) return {};
  const auto count = static_cast<std::int16_t>(GetU16(bytes, 0));
  if (count < 0) return {};
  const std::size_t n = std::min({static_cast<std::size_t>(count),
                                  (bytes.size() - kCountSize) / kElementSize,
                                  static_cast<std::size_t>(kMaxStyleElements)});
  std::vector<StyleElement> elements;
  elements.reserve(n);
  for (std::size_t i = 0; i < n; ++i) elements.push_back(ElementAt(bytes, kCountSize + kElementSize * i));
  return elements;
}

std::vector<StyledSpan> StyleSpansForText(std::string_view text, std::string_view styl) {
  if (text.empty()) return {};
  const std::vector<Run> runs = UsableRuns(text, DecodeStyleScrap(styl));
  if (runs.empty()) return {StyledSpan{0, text.size(), {}, false}};
  std::vector<StyledSpan> spans;
  spans.reserve(runs.size());
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const std::size_t begin = i == 0 ? 0 : runs[i].start;
    const std::size_t end = i + 1 < runs.size() ? runs[i + 1].start : text.size();
    spans.push_back({begin, end, runs[i].style, true});
  }
  return spans;
}

}  // namespace codec
