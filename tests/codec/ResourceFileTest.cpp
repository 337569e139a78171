// Reader against writer, both against hand-built files, and damaged files,
// which never crash the reader: each is refused, or every resource it
// reports lies inside the bytes (meant to run under the sanitizers as well).
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "codec/BigEndian.h"
#include "codec/ResourceMap.h"
#include "codec/ResourceWriter.h"
#include "tests/TestCase.h"

namespace codec {
namespace {

using korvane_test::Bytes;
using korvane_test::DataOf;

// One 'TEXT' 128 named "Hi" holding "Hi!", laid out byte by byte.
std::string HiFile() {
  std::string f = Bytes({0, 0, 1, 0, 0, 0, 1, 7, 0, 0, 0, 7, 0, 0, 0, 0x35});
  f.append(240, '\0');
  f += Bytes({0, 0, 0, 3, 'H', 'i', '!'});
  f.append(22, '\0');  // map: header copy, handle, file reference
  f += Bytes({0, 0, 0, 0x1C, 0, 0x32,                 // attributes, type list, name list
              0, 0, 'T', 'E', 'X', 'T', 0, 0, 0, 0x0A,  // one type, one resource
              0, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,    // id 128, name 0, data 0
              2, 'H', 'i'});
  return f;
}

std::string EmptyFile() {
  std::string f = Bytes({0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0x1E});
  f.append(240 + 22, '\0');
  f += Bytes({0, 0, 0, 0x1C, 0, 0x1E, 0xFF, 0xFF});
  return f;
}

// And of the empty list, which reads as no resources.
TEST(ResourceFile, WriterProducesTheCanonicalBytesOfAOneResourceFile) {
  const std::string expected = HiFile();
  EXPECT_EQ(WriteResourceFile({{"TEXT", 128, "Hi", "Hi!"}}), expected);

  const auto map = ResourceMap::Parse(expected);
  ASSERT_TRUE(map);
  EXPECT_EQ(map->Types(), std::vector<std::string>{"TEXT"});
  const ResourceRef* ref = map->ById("TEXT", 128);
  ASSERT_NE(ref, nullptr);
  EXPECT_TRUE(ref->hasName);
  EXPECT_EQ(ref->name, "Hi");
  EXPECT_EQ(ref->dataOffset, 0x104u);
  EXPECT_EQ(DataOf(expected, ref), "Hi!");
  EXPECT_EQ(map->ByName("TEXT", "Hi"), ref);
  EXPECT_EQ(map->At("TEXT", 0), ref);

  EXPECT_EQ(WriteResourceFile({}), EmptyFile());
  const auto empty = ResourceMap::Parse(EmptyFile());
  ASSERT_TRUE(empty);
  EXPECT_TRUE(empty->Types().empty());
  EXPECT_EQ(empty->Count("TEXT"), 0);
  EXPECT_EQ(empty->At("TEXT", 0), nullptr);
  EXPECT_EQ(empty->ById("TEXT", 128), nullptr);
}

TEST(ResourceFile, RoundTripKeepsTypesOrderNamesIdsAndData) {
  const std::string longName(255, 'n');
  const std::vector<ResourceSpec> specs = {
      {"TEXT", 300, "Straw Man", "text one\r"},
      {"styl", 128, std::nullopt, std::string("\0\x01", 2)},
      {"TEXT", -32768, std::nullopt, ""},
      {"PNG ", 169, longName, std::string(1000, '\x89')},
      {"TEXT", 32767, "", "last"},
      {"TEXT", 0, "Straw Man", "second of that name"},
  };
  const std::string file = WriteResourceFile(specs);
  const auto map = ResourceMap::Parse(file);
  ASSERT_TRUE(map);

  EXPECT_EQ(map->Types(), (std::vector<std::string>{"TEXT", "styl", "PNG "}));
  ASSERT_EQ(map->Count("TEXT"), 4);
  const std::vector<int> textIds = {300, -32768, 32767, 0};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(map->At("TEXT", i)->id, textIds.at(static_cast<std::size_t>(i))) << i;
  EXPECT_EQ(map->At("TEXT", 4), nullptr);
  EXPECT_EQ(map->At("TEXT", -1), nullptr);

  for (const ResourceSpec& spec : specs) {
    const ResourceRef* ref = map->ById(spec.type, spec.id);
    ASSERT_NE(ref, nullptr) << spec.type << spec.id;
    EXPECT_EQ(DataOf(file, ref), spec.data);
    EXPECT_EQ(ref->hasName, spec.name.has_value());
    EXPECT_EQ(ref->name, spec.name.value_or(""));
  }
  EXPECT_EQ(map->ByName("TEXT", "Straw Man")->id, 300);  // first in reference order
  EXPECT_EQ(map->ByName("TEXT", "")->id, 32767);         // an empty name is a name
  EXPECT_EQ(map->ByName("TEXT", "straw man"), nullptr);
  EXPECT_EQ(map->ByName("PNG ", longName)->id, 169);
  EXPECT_EQ(map->ById("styl", 129), nullptr);
  EXPECT_EQ(map->Count("WAVE"), 0);
}

TEST(ResourceFile, CompressedResourcesAreAbsent) {
  std::string file = WriteResourceFile({{"TEXT", 128, "a", "x"}, {"TEXT", 129, "b", "y"},
                                        {"snd ", 1, std::nullopt, "z"}});
  const std::size_t refs = GetU32(file, 4) + 28 + 2 + 2 * 8;
  file[refs + 4] = 0x01;                        // TEXT 128
  file[refs + 2 * 12 + 4] = 0x21;               // snd 1, also purgeable
  const auto map = ResourceMap::Parse(file);
  ASSERT_TRUE(map);
  EXPECT_EQ(map->Count("TEXT"), 1);
  EXPECT_EQ(map->At("TEXT", 0)->id, 129);
  EXPECT_EQ(map->ById("TEXT", 128), nullptr);
  EXPECT_EQ(map->ByName("TEXT", "a"), nullptr);
  EXPECT_EQ(map->Types(), std::vector<std::string>{"TEXT"});
}

// A legal file that no canonical writer makes: map first, type list moved,
// reference lists in reverse type order, gaps everywhere.
TEST(ResourceFile, ReaderFollowsStoredOffsets) {
  std::string map(28, '\0');
  map[25] = 30;  // type list at 30
  map[27] = 80;  // name list at 80
  map += Bytes({0, 0,                                   // padding before the type list
                0, 1,                                   // two types
                'A', 'A', 'A', 'A', 0, 0, 0, 30,        // AAAA: one, list at map 60
                'B', 'B', 'B', 'B', 0, 0, 0, 18});      // BBBB: one, list at map 48
  map += Bytes({0, 2, 0xFF, 0xFF, 0, 0, 0, 8, 0, 0, 0, 0});   // BBBB 2, unnamed, data 8
  map += Bytes({0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0});         // AAAA 1, name at 1, data 0
  map += std::string(8, '\0');                                // gap
  map += Bytes({9, 2, 'o', 'k'});                              // name list at 80
  const std::string data = Bytes({0, 0, 0, 2, 'a', 'a', 9, 9, 0, 0, 0, 1, 'b'});

  const int dataOffset = 16 + static_cast<int>(map.size()) + 5;
  std::string file = Bytes({0, 0, 0, dataOffset, 0, 0, 0, 16, 0, 0, 0,
                            static_cast<int>(data.size()), 0, 0, 0, static_cast<int>(map.size())});
  file += map + std::string(5, '\0') + data;

  const auto parsed = ResourceMap::Parse(file);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->Types(), (std::vector<std::string>{"AAAA", "BBBB"}));
  EXPECT_EQ(DataOf(file, parsed->ById("AAAA", 1)), "aa");
  EXPECT_EQ(parsed->ById("AAAA", 1)->name, "ok");
  EXPECT_EQ(DataOf(file, parsed->ById("BBBB", 2)), "b");
  EXPECT_FALSE(parsed->ById("BBBB", 2)->hasName);
}

struct WriterRefusal : korvane_test::NamedCase {
  std::vector<ResourceSpec> specs;
};

class ResourceWriterRefuses : public ::testing::TestWithParam<WriterRefusal> {};

TEST_P(ResourceWriterRefuses, WhatTheFormatCannotHold) {
  EXPECT_THROW(WriteResourceFile(GetParam().specs), std::invalid_argument);
}

std::vector<ResourceSpec> ManyResources(int count) {
  std::vector<ResourceSpec> specs;
  for (int i = 0; i < count; ++i) specs.push_back({"wstr", static_cast<std::int16_t>(i), {}, "x"});
  return specs;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResourceWriterRefuses,
    ::testing::Values(
        WriterRefusal{"short type", {{"PNG", 1, {}, ""}}},
        WriterRefusal{"long type", {{"TEXTS", 1, {}, ""}}},
        WriterRefusal{"id twice", {{"TEXT", 5, {}, "a"}, {"styl", 5, {}, "b"}, {"TEXT", 5, {}, "c"}}},
        WriterRefusal{"name of 256 bytes", {{"TEXT", 1, std::string(256, 'x'), ""}}},
        WriterRefusal{"data area over 16 MiB",
                      {{"PNG ", 1, {}, std::string(8 << 20, 'a')}, {"PNG ", 2, {}, std::string(8 << 20, 'b')}}},
        WriterRefusal{"map over 32767 bytes", ManyResources(2728)}),
    korvane_test::CaseName());

TEST(ResourceFile, LargestMapThatFitsIsWritten) {
  const auto map = ResourceMap::Parse(WriteResourceFile(ManyResources(2727)));
  ASSERT_TRUE(map);
  EXPECT_EQ(map->At("wstr", 2726)->id, 2726);
  EXPECT_EQ(map->At("wstr", 2727), nullptr);
}

// --- Damaged files -------------------------------------------------------------

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
  std::size_t dataLength, map, mapLength;
  std::size_t typeList() const { return map + 28; }
  std::size_t type(std::size_t i) const { return typeList() + 2 + 8 * i; }
  std::size_t ref(std::size_t j) const { return typeList() + 2 + 16 + 12 * j; }
};

void Set(std::string& file, std::size_t at, std::size_t value, int width) {
  std::string bytes;
  PutBigEndian(bytes, static_cast<std::uint32_t>(value), width);
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
