#include "codec/ContentLimits.h"

namespace codec {
namespace {

// Counted as ASCII only: other break opportunities make a run look longer,
// never shorter.
bool BreaksLine(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '-'; }

}  // namespace

ByteRun LongestUnbreakableRun(std::string_view text) {
  ByteRun longest, current;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (BreaksLine(text[at])) {
      current = {at + 1, 0};
    } else if (++current.length > longest.length) {
      longest = current;
    }
  }
  return longest;
}

bool TopicWithinLimits(std::string_view text, std::string_view styl) {
  return text.size() <= kMaxTopicTextBytes && styl.size() <= kMaxStyleScrapBytes &&
         LongestUnbreakableRun(text).length <= kMaxUnbreakableBytes;
}

}  // namespace codec
