// The one file access of the codec library: loading a whole file for the
// parsers, which work on bytes in memory.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "codec/ContentLimits.h"

namespace codec {

// The whole content of a regular file; nullopt when it cannot be opened or
// read, or holds more than `limit` bytes. By default the limit is that of a
// resource file, which also keeps a wrong path from exhausting memory.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path,
                                         std::size_t limit = kMaxResourceFileBytes);

}  // namespace codec
