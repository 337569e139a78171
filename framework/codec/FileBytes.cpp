#include "framework/codec/FileBytes.h"

#include <fstream>

namespace codec {

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::size_t limit) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  char chunk[1 << 16];
  // Read to the end rather than trusting the size the file had when opened.
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    if (bytes.size() + static_cast<std::size_t>(in.gcount()) > limit) return std::nullopt;
    bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) return std::nullopt;
  return bytes;
}

}  // namespace codec
