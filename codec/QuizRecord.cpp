#include "codec/QuizRecord.h"

#include <stdexcept>

#include "codec/BigEndian.h"
#include "codec/ContentIds.h"
#include "codec/ContentLimits.h"

namespace codec {
namespace {

std::string Joined(const std::array<std::string, 4>& items) {
  std::string out = items[0];
  for (std::size_t i = 1; i < items.size(); ++i) out += kQuizItemSeparator + items[i];
  return out;
}

}  // namespace

std::string QuizRecord::Text() const {
  const char f = kQuizFieldSeparator;
  return scenario + f + Joined(choices) + f + Joined(feedback) + f + hint + f + correct;
}

std::string QuizRecord::Bytes() const { return QuizRecordData(Text()); }

std::string QuizRecordData(std::string_view text) {
  if (text.size() > kMaxQuizRecordText) throw std::length_error("a quiz record's text is over 65535 bytes");
  std::string out;
  PutU16(out, static_cast<std::uint16_t>(text.size()));
  return out.append(text);
}

}  // namespace codec
