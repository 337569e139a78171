// Parameterised test cases named once: the name is the test's suffix and what
// gtest prints for the parameter (instead of a dump of its bytes).
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <initializer_list>
#include <ostream>
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

}  // namespace korvane_test
