// Parameterised test cases named once: the name is the test's suffix and what
// gtest prints for the parameter (instead of a dump of its bytes).
#pragma once

#include <gtest/gtest.h>

#include <stdlib.h>

#include <cctype>
#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace korvane_test {

struct NamedCase {
  const char* name;
  friend std::ostream& operator<<(std::ostream& out, const NamedCase& c) { return out << c.name; }
};

// For INSTANTIATE_TEST_SUITE_P: the case's name, characters that gtest does
// not allow in test names replaced by '_'.
struct CaseName {
  template <class Case>
  std::string operator()(const testing::TestParamInfo<Case>& info) const {
    std::string name = info.param.name;
    for (char& c : name)
      if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
  }
};

// Hand-built binary data: each value one byte.
inline std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

// `piece` `times` times over.
inline std::string Repeat(const std::string& piece, std::size_t times) {
  std::string out;
  for (std::size_t k = 0; k < times; ++k) out += piece;
  return out;
}

// The bytes of a resource of the file ("<missing>" for none).
template <class Ref>
std::string DataOf(std::string_view file, const Ref* ref) {
  return ref ? std::string(file.substr(ref->dataOffset, ref->length)) : "<missing>";
}

// A fresh temporary folder, removed with the object.
class TempDir {
 public:
  TempDir() {
    std::string name = (std::filesystem::temp_directory_path() / "korvane-test-XXXXXX").string();
    if (mkdtemp(name.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
    path_ = name;
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path Path(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

}  // namespace korvane_test
