// A source the packer refuses, with the place to fix it.
#pragma once

#include <stdexcept>
#include <string>

namespace packer {

class PackError : public std::runtime_error {
 public:
  // line 0: no particular line. what() reads "file:line: message", or
  // "file: message" without a line.
  PackError(const std::string& file, int line, const std::string& message);

  const std::string& file() const { return file_; }
  int line() const { return line_; }

 private:
  std::string file_;
  int line_;
};

}  // namespace packer
