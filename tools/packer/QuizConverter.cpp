#include "tools/packer/QuizConverter.h"

#include <array>
#include <toml++/toml.h>

#include "codec/ContentIds.h"
#include "codec/ContentLimits.h"
#include "codec/QuizRecord.h"
#include "tools/packer/PackError.h"
#include "tools/packer/TomlSupport.h"

namespace packer {
namespace {

constexpr std::size_t kItems = std::tuple_size_v<decltype(codec::QuizRecord::choices)>;

std::string CheckedText(const toml::node& node, std::string_view key, const std::string& file) {
  const auto* value = node.as_string();
  if (value == nullptr) throw PackError(file, LineOf(node), "\"" + std::string(key) + "\" must be a string");
  const std::string& text = value->get();
  if (text.empty()) throw PackError(file, LineOf(node), "\"" + std::string(key) + "\" is empty");
  if (text.find_first_of(std::string{codec::kQuizFieldSeparator, codec::kQuizItemSeparator}) != std::string::npos)
    throw PackError(file, LineOf(node),
                    "\"" + std::string(key) + "\" holds byte 17 or 18, which separate a record's fields");
  return text;
}

std::string Text(const toml::table& scenario, std::string_view key, const std::string& file) {
  return CheckedText(Require(scenario, key, file), key, file);
}

std::array<std::string, kItems> FourItems(const toml::table& scenario, std::string_view key,
                                          const std::string& file) {
  const toml::node& node = Require(scenario, key, file);
  const auto* items = node.as_array();
  if (items == nullptr || items->size() != kItems)
    throw PackError(file, LineOf(node), "\"" + std::string(key) + "\" must be a list of exactly 4 texts");
  std::array<std::string, kItems> texts;
  for (std::size_t i = 0; i < kItems; ++i) texts[i] = CheckedText(*items->get(i), key, file);
  return texts;
}

std::string Correct(const toml::table& scenario, const std::string& file) {
  const toml::node& node = Require(scenario, "correct", file);
  const auto* value = node.as_integer();
  if (value == nullptr || value->get() < 1 || value->get() > 4)
    throw PackError(file, LineOf(node), "\"correct\" must be an integer from 1 to 4");
  return std::to_string(value->get());
}

std::string RecordData(const toml::table& scenario, const std::string& file) {
  RefuseUnknownKeys(scenario, {"text", "choices", "feedback", "hint", "correct"}, file);
  const codec::QuizRecord record{Text(scenario, "text", file), FourItems(scenario, "choices", file),
                                 FourItems(scenario, "feedback", file), Text(scenario, "hint", file),
                                 Correct(scenario, file)};
  const std::string text = record.Text();
  if (text.size() > codec::kMaxQuizRecordText)
    throw PackError(file, LineOf(scenario),
                    "the record is " + std::to_string(text.size()) + " bytes; at most 65535 fit");
  return codec::QuizRecordData(text);
}

}  // namespace

std::vector<std::string> ConvertQuiz(std::string_view toml, const std::string& file) {
  const toml::table document = ParseToml(toml, file);
  RefuseUnknownKeys(document, {"scenario"}, file);
  const toml::node& node = Require(document, "scenario", file);
  const auto* scenarios = node.as_array();
  if (scenarios == nullptr || !scenarios->is_array_of_tables())
    throw PackError(file, LineOf(node), "scenarios are written as [[scenario]] tables");
  if (scenarios->size() != codec::kRecordsPerQuiz) {
    const int line = scenarios->size() > codec::kRecordsPerQuiz ? LineOf(*scenarios->get(codec::kRecordsPerQuiz)) : 0;
    throw PackError(file, line, "the quiz has " + std::to_string(scenarios->size()) +
                                    " scenarios; it needs exactly 10");
  }
  std::vector<std::string> records;
  for (const toml::node& scenario : *scenarios) records.push_back(RecordData(*scenario.as_table(), file));
  return records;
}

}  // namespace packer
