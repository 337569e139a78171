// The one file access of the codec library: loading a whole file for the
// parsers, which work on bytes in memory.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace codec {

// Generous for a resource file (its data area stays below 16 MiB), small
// enough that a wrong path cannot exhaust memory.
inline constexpr std::size_t kMaxFileBytes = 64u << 20;

// The whole content of a regular file; nullopt when it cannot be opened or
// read, or holds more than `limit` bytes.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path,
                                         std::size_t limit = kMaxFileBytes);

}  // namespace codec
