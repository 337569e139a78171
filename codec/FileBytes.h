// The one file access of the codec library: loading a whole file for the
// parsers, which work on bytes in memory.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "codec/ContentLimits.h"

namespace codec {

// A whole file's bytes, in a buffer that is not cleared before the file is
// read into it (a std::string would be: the resource file is read at every
// topic switch).
class FileBuffer {
 public:
  std::string_view View() const { return {data_.get(), size_}; }

 private:
  friend std::optional<FileBuffer> ReadFile(const std::filesystem::path&, std::size_t);
  std::unique_ptr<char[]> data_;
  std::size_t size_ = 0;
};

// The whole content of a regular file; nullopt when it cannot be opened or
// read, or holds more than `limit` bytes. By default the limit is that of a
// resource file, which also keeps a wrong path from exhausting memory.
std::optional<FileBuffer> ReadFile(const std::filesystem::path& path, std::size_t limit = kMaxResourceFileBytes);
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path,
                                         std::size_t limit = kMaxResourceFileBytes);

}  // namespace codec
