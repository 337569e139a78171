// Damaged files never crash the reader: each is refused, or every resource it
// reports lies inside the bytes. Meant to run under the sanitizers as well.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "codec/BigEndian.h"
#include "codec/ResourceMap.h"
#include "codec/ResourceWriter.h"
#include "tests/TestCase.h"

namespace codec {
namespace {

// TEXT 128 "One", TEXT 129 unnamed, styl 128 unnamed.
std::string Sample() {
  return WriteResourceFile({{"TEXT", 128, "One", "first"},
                            {"TEXT", 129, std::nullopt, "second"},
                            {"styl", 128, std::nullopt, "xy"}});
}

// Where the sample's structures stand, as file offsets.
struct Layout {
  explicit Layout(std::string_view file)
      : dataLength(GetU32(file, 8)), map(GetU32(file, 4)), mapLength(GetU32(file, 12)) {}
  std::uint32_t dataLength, map, mapLength;
  std::size_t typeList() const { return map + 28; }
  std::size_t type(std::size_t i) const { return typeList() + 2 + 8 * i; }
  std::size_t ref(std::size_t j) const { return typeList() + 2 + 16 + 12 * j; }
};

void Set(std::string& file, std::size_t at, std::uint32_t value, int width) {
  std::string bytes;
  PutBigEndian(bytes, value, width);
  file.replace(at, bytes.size(), bytes);
}

// Parses a heap copy of exactly the given size, so that a read past the end
// is caught by the sanitizer rather than landing in a string's spare capacity.
std::optional<ResourceMap> ParseExact(std::string_view bytes) {
  auto copy = std::make_unique<char[]>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), copy.get());
  return ResourceMap::Parse(std::string_view(copy.get(), bytes.size()));
}

bool RefusedOrInside(std::string_view bytes) {
  const auto map = ParseExact(bytes);
  if (!map) return true;
  for (const std::string& type : map->Types())
    for (int i = 0; i < map->Count(type); ++i) {
      const ResourceRef* ref = map->At(type, i);
      if (ref->dataOffset > bytes.size() || ref->length > bytes.size() - ref->dataOffset) return false;
      if (map->ById(type, ref->id) != ref) return false;
    }
  return true;
}

TEST(ResourceCorruption, EveryTruncationIsRefused) {
  const std::string file = Sample();
  ASSERT_TRUE(ParseExact(file));
  for (std::size_t length = 0; length < file.size(); ++length)
    EXPECT_FALSE(ParseExact(std::string_view(file).substr(0, length))) << length;
}

TEST(ResourceCorruption, EveryChangedByteIsRefusedOrReadsInsideTheFile) {
  const std::string file = Sample();
  for (std::size_t at = 0; at < file.size(); ++at)
    for (int value : {0x00, 0x01, 0x02, 0x7F, 0x80, 0xFE, 0xFF}) {
      std::string damaged = file;
      damaged[at] = static_cast<char>(value);
      EXPECT_TRUE(RefusedOrInside(damaged)) << "byte " << at << " = " << value;
    }
}

struct Corruption : korvane_test::NamedCase {
  std::function<void(std::string&, const Layout&)> apply;
};

class ResourceCorruptionRefused : public ::testing::TestWithParam<Corruption> {};

TEST_P(ResourceCorruptionRefused, Refused) {
  std::string file = Sample();
  GetParam().apply(file, Layout(file));
  EXPECT_FALSE(ParseExact(file));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResourceCorruptionRefused,
    ::testing::Values(
        Corruption{"data area past the end", [](auto& f, auto& l) { Set(f, 8, l.dataLength + 1000, 4); }},
        Corruption{"data area inside the header", [](auto& f, auto&) { Set(f, 0, 8, 4); }},
        Corruption{"map past the end", [](auto& f, auto& l) { Set(f, 12, l.mapLength + 1, 4); }},
        Corruption{"huge map length", [](auto& f, auto&) { Set(f, 12, 0xFFFFFFFF, 4); }},
        Corruption{"huge map offset", [](auto& f, auto&) { Set(f, 4, 0xFFFFFFF0, 4); }},
        Corruption{"map overlapping the data", [](auto& f, auto& l) { Set(f, 4, l.map - 1, 4); }},
        Corruption{"map shorter than its header", [](auto& f, auto&) { Set(f, 12, 29, 4); }},
        Corruption{"type list inside the map header", [](auto& f, auto& l) { Set(f, l.map + 24, 20, 2); }},
        Corruption{"type list at the end of the map", [](auto& f, auto& l) { Set(f, l.map + 24, 0xFFFF, 2); }},
        Corruption{"name list past the map", [](auto& f, auto& l) { Set(f, l.map + 26, l.mapLength + 1, 2); }},
        Corruption{"type count 0xFFFE", [](auto& f, auto& l) { Set(f, l.typeList(), 0xFFFE, 2); }},
        Corruption{"resource count 0xFFFF", [](auto& f, auto& l) { Set(f, l.type(0) + 4, 0xFFFF, 2); }},
        Corruption{"reference list past the map", [](auto& f, auto& l) { Set(f, l.type(1) + 4, 100, 2); }},
        Corruption{"reference list inside the type list", [](auto& f, auto& l) { Set(f, l.type(0) + 6, 2, 2); }},
        Corruption{"reference lists overlapping",
                   [](auto& f, auto& l) { Set(f, l.type(1) + 6, 2 + 16 + 12, 2); }},
        Corruption{"type listed twice", [](auto& f, auto& l) { f.replace(l.type(1), 4, "TEXT"); }},
        Corruption{"id twice within a type", [](auto& f, auto& l) { Set(f, l.ref(1), 128, 2); }},
        Corruption{"data block past the data area",
                   [](auto& f, auto& l) { Set(f, l.ref(2) + 5, l.dataLength - 3, 3); }},
        Corruption{"block length past the data area", [](auto& f, auto&) { Set(f, 256, 1000, 4); }},
        Corruption{"name offset at the end of the map", [](auto& f, auto& l) { Set(f, l.ref(0) + 2, 4, 2); }},
        Corruption{"name running past the map", [](auto& f, auto& l) { Set(f, l.ref(0) + 2, 3, 2); }}),
    korvane_test::CaseName());

}  // namespace
}  // namespace codec
