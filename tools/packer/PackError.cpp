#include "tools/packer/PackError.h"

namespace packer {
namespace {

std::string Located(const std::string& file, int line, const std::string& message) {
  return file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + message;
}

}  // namespace

PackError::PackError(const std::string& file, int line, const std::string& message)
    : std::runtime_error(Located(file, line, message)), file_(file), line_(line) {}

}  // namespace packer
