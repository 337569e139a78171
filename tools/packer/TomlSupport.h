// What the quiz files and the manifest share: TOML parsing whose every
// failure is a PackError with the line to fix.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <toml++/toml.h>

namespace packer {

// Throws PackError for a syntax error, at its line. Before the TOML library
// sees the text: for a key of more than 16 dotted parts, brackets and braces
// nested more than 32 deep, a line over 16 KiB.
toml::table ParseToml(std::string_view text, const std::string& file);

// The node's first line in its file, 0 when unknown.
int LineOf(const toml::node& node);
int LineOf(const toml::node* node);

// The value under `key`; throws PackError at the table's line when missing.
const toml::node& Require(const toml::table& table, std::string_view key, const std::string& file);

// Throws PackError at the first key of `table` not among `known`: a
// misspelt key would otherwise be silently left out.
void RefuseUnknownKeys(const toml::table& table, std::initializer_list<std::string_view> known,
                       const std::string& file);

}  // namespace packer
