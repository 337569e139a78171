// Quiz sources (TOML) to quiz records. A quiz file holds exactly ten
//
//   [[scenario]]
//   text = "..."
//   choices = ["...", "...", "...", "..."]
//   feedback = ["...", "...", "...", "..."]   # item j answers choice j
//   hint = "..."
//   correct = 3                               # the right choice, 1 to 4
//
// Each scenario becomes one codec::QuizRecord.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace packer {

// The quiz's records in file order, each as the data of its 'wstr' resource:
// the record text's length as 2 bytes big-endian, then the text.
//
// Throws PackError naming `file` and the offending line: a TOML syntax error,
// a missing, unknown or mistyped key, an empty text, a text holding byte 17 or
// 18, not exactly four choices or feedback texts, `correct` not an integer
// from 1 to 4, not exactly ten scenarios, a record text over 65535 bytes.
std::vector<std::string> ConvertQuiz(std::string_view toml, const std::string& file);

}  // namespace packer
