// The resource-file layout, defined once for the reader (ResourceMap) and the
// writer (WriteResourceFile). A file is a 256-byte header, a data area of
// length-prefixed blocks, and a map: a map header, a type list, one reference
// list per type and a name list of Pascal strings. Integers are big-endian and
// nothing is padded.
//
// The Read* functions return nullopt when the structure does not fit in
// `bytes` at `at`; they check nothing else. The Append* functions write exactly
// the structure's size.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace codec::rsrc {

inline constexpr std::uint64_t kFileHeaderSize = 16;    // the fields; 240 reserved bytes follow
inline constexpr std::uint64_t kCanonicalDataOffset = 256;
inline constexpr std::uint64_t kMapHeaderSize = 28;
inline constexpr std::uint64_t kTypeCountSize = 2;
inline constexpr std::uint64_t kTypeEntrySize = 8;
inline constexpr std::uint64_t kReferenceSize = 12;
inline constexpr std::uint64_t kBlockLengthSize = 4;  // before each resource's data
inline constexpr std::uint64_t kTypeCodeSize = 4;

inline constexpr std::uint16_t kNoName = 0xFFFF;          // name offset of an unnamed resource
inline constexpr std::uint8_t kCompressedAttribute = 0x01;
inline constexpr std::uint64_t kMaxNameLength = 255;
// Data offsets are 24-bit, so the whole data area stays below 16 MiB.
inline constexpr std::uint64_t kMaxDataArea = 0x1000000;
// Map offsets are 16-bit and some readers take the name-list offset as signed.
inline constexpr std::uint64_t kMaxMapLength = 0x7FFF;

struct FileHeader {
  std::uint32_t dataOffset = 0, mapOffset = 0, dataLength = 0, mapLength = 0;
};

// Only the two offsets of the map header carry meaning; the other 24 bytes
// (reserved fields and file attributes) are written as zero and ignored.
struct MapHeader {
  std::uint16_t typeListOffset = 0;  // from the map start
  std::uint16_t nameListOffset = 0;  // from the map start
};

struct TypeEntry {
  std::string code;                  // kTypeCodeSize bytes
  std::uint16_t countMinusOne = 0;
  std::uint16_t refListOffset = 0;   // from the type list's count word
};

struct ReferenceEntry {
  std::int16_t id = 0;
  std::uint16_t nameOffset = kNoName;  // from the name list
  std::uint8_t attributes = 0;
  std::uint32_t dataOffset = 0;        // 24-bit, from the data area, of the length word
};

std::optional<FileHeader> ReadFileHeader(std::string_view bytes, std::uint64_t at);
std::optional<MapHeader> ReadMapHeader(std::string_view bytes, std::uint64_t at);
// The stored count word: number of types minus one, 0xFFFF for none.
std::optional<std::uint16_t> ReadTypeCount(std::string_view bytes, std::uint64_t at);
std::optional<TypeEntry> ReadTypeEntry(std::string_view bytes, std::uint64_t at);
std::optional<ReferenceEntry> ReadReference(std::string_view bytes, std::uint64_t at);
std::optional<std::uint32_t> ReadBlockLength(std::string_view bytes, std::uint64_t at);

void AppendFileHeader(std::string& out, const FileHeader& header);  // 16 bytes
void AppendMapHeader(std::string& out, const MapHeader& header);
void AppendTypeCount(std::string& out, std::uint16_t countMinusOne);
void AppendTypeEntry(std::string& out, const TypeEntry& entry);  // code must be 4 bytes
void AppendReference(std::string& out, const ReferenceEntry& entry);
void AppendBlockLength(std::string& out, std::uint32_t length);

}  // namespace codec::rsrc
