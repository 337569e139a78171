#include "tools/packer/TomlSupport.h"

#include <algorithm>

#include "tools/packer/PackError.h"

namespace packer {

toml::table ParseToml(std::string_view text, const std::string& file) {
  try {
    return toml::parse(text, file);
  } catch (const toml::parse_error& error) {
    throw PackError(file, static_cast<int>(error.source().begin.line), std::string(error.description()));
  }
}

int LineOf(const toml::node& node) { return static_cast<int>(node.source().begin.line); }

int LineOf(const toml::node* node) { return node ? LineOf(*node) : 0; }

const toml::node& Require(const toml::table& table, std::string_view key, const std::string& file) {
  const toml::node* node = table.get(key);
  if (node == nullptr) throw PackError(file, LineOf(table), "missing \"" + std::string(key) + "\"");
  return *node;
}

void RefuseUnknownKeys(const toml::table& table, std::initializer_list<std::string_view> known,
                       const std::string& file) {
  for (const auto& [key, value] : table)
    if (std::find(known.begin(), known.end(), key.str()) == known.end())
      throw PackError(file, static_cast<int>(key.source().begin.line),
                      "unknown key \"" + std::string(key.str()) + "\"");
}

}  // namespace packer
