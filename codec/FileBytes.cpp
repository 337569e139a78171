#include "codec/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace codec {
namespace {

struct Fd {
  int fd;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

std::optional<FileBuffer> ReadFile(const std::filesystem::path& path, std::size_t limit) {
  // Only regular files: opening a pipe or device could block or never end.
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  Fd file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
  if (file.fd < 0 || ::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  // Room for the size the file has, and one byte more to see it end; read on
  // to the end rather than trusting that size (the file may change while it
  // is read).
  const auto expected = static_cast<std::uintmax_t>(info.st_size);
  std::size_t capacity = expected < limit ? static_cast<std::size_t>(expected) + 1 : limit + 1;
  FileBuffer buffer;
  buffer.data_.reset(new char[capacity]);
  for (;;) {
    if (buffer.size_ == capacity) {
      if (capacity > limit) return std::nullopt;
      std::size_t grown = capacity > limit / 2 ? limit + 1 : capacity * 2;
      std::unique_ptr<char[]> bigger(new char[grown]);
      std::memcpy(bigger.get(), buffer.data_.get(), buffer.size_);
      buffer.data_ = std::move(bigger);
      capacity = grown;
    }
    ssize_t got = ::read(file.fd, buffer.data_.get() + buffer.size_, capacity - buffer.size_);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return std::nullopt;
    if (got == 0) break;
    buffer.size_ += static_cast<std::size_t>(got);
  }
  if (buffer.size_ > limit) return std::nullopt;
  return buffer;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::size_t limit) {
  auto file = ReadFile(path, limit);
  if (!file) return std::nullopt;
  return std::string(file->View());
}

}  // namespace codec
