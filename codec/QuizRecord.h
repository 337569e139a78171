// The quiz record, the data of a 'wstr' resource: the text's length as 2
// bytes big-endian, then the text. The program reads the fields one by one
// from the text; this is the one place that writes them.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace codec {

struct QuizRecord {
  std::string scenario;
  std::array<std::string, 4> choices;
  std::array<std::string, 4> feedback;  // item j answers choice j
  std::string hint;
  std::string correct;  // the right choice's number, 1 to 4, as decimal text

  // The five fields separated by kQuizFieldSeparator, the choices and the
  // feedback texts each joined by kQuizItemSeparator.
  std::string Text() const;
  // The resource's data: QuizRecordData(Text()).
  std::string Bytes() const;
};

// Any text, well formed or not, behind its length. Throws std::length_error
// for a text over kMaxQuizRecordText bytes, whose length does not fit.
std::string QuizRecordData(std::string_view text);

}  // namespace codec
