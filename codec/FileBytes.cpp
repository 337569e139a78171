#include "codec/FileBytes.h"

#include <fstream>

namespace codec {

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::size_t limit) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  // Read the size the file has in one go, then on to the end rather than
  // trusting that size (the file may change while it is read).
  std::uintmax_t expected = std::filesystem::file_size(path, error);
  if (!error && expected <= limit) {
    bytes.resize(static_cast<std::size_t>(expected));
    in.read(bytes.data(), static_cast<std::streamsize>(expected));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() < expected) return in.bad() ? std::nullopt : std::optional<std::string>(std::move(bytes));
  }
  char chunk[1 << 16];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    if (bytes.size() + static_cast<std::size_t>(in.gcount()) > limit) return std::nullopt;
    bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) return std::nullopt;
  return bytes;
}

}  // namespace codec
