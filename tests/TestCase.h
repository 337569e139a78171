// Parameterised test cases named once: the name is the test's suffix and what
// gtest prints for the parameter (instead of a dump of its bytes).
#pragma once

#include <gtest/gtest.h>

#include <stdlib.h>

#include <cctype>
#include <filesystem>
#include <initializer_list>
#include <ostream>
#include <stdexcept>
#include <string>

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
