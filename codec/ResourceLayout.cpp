#include "codec/ResourceLayout.h"

#include "codec/BigEndian.h"

namespace codec::rsrc {
namespace {

bool Fits(std::string_view bytes, std::uint64_t at, std::uint64_t size) {
  return at <= bytes.size() && size <= bytes.size() - at;
}

}  // namespace

std::optional<FileHeader> ReadFileHeader(std::string_view bytes, std::uint64_t at) {
  if (!Fits(bytes, at, kFileHeaderSize)) return std::nullopt;
  return FileHeader{GetU32(bytes, at), GetU32(bytes, at + 4), GetU32(bytes, at + 8),
                    GetU32(bytes, at + 12)};
}

std::optional<MapHeader> ReadMapHeader(std::string_view bytes, std::uint64_t at) {
  if (!Fits(bytes, at, kMapHeaderSize)) return std::nullopt;
  return MapHeader{GetU16(bytes, at + 24), GetU16(bytes, at + 26)};
}

std::optional<std::uint16_t> ReadTypeCount(std::string_view bytes, std::uint64_t at) {
  if (!Fits(bytes, at, kTypeCountSize)) return std::nullopt;
  return GetU16(bytes, at);
}

std::optional<TypeEntry> ReadTypeEntry(std::string_view bytes, std::uint64_t at) {
  if (!Fits(bytes, at, kTypeEntrySize)) return std::nullopt;
  return TypeEntry{std::string(bytes.substr(at, kTypeCodeSize)), GetU16(bytes, at + 4),
                   GetU16(bytes, at + 6)};
}

std::optional<ReferenceEntry> ReadReference(std::string_view bytes, std::uint64_t at) {
  if (!Fits(bytes, at, kReferenceSize)) return std::nullopt;
  return ReferenceEntry{static_cast<std::int16_t>(GetU16(bytes, at)), GetU16(bytes, at + 2),
                        static_cast<std::uint8_t>(bytes[at + 4]), GetU24(bytes, at + 5)};
}

std::optional<std::uint32_t> ReadBlockLength(std::string_view bytes, std::uint64_t at) {
  if (!Fits(bytes, at, kBlockLengthSize)) return std::nullopt;
  return GetU32(bytes, at);
}

void AppendFileHeader(std::string& out, const FileHeader& header) {
  PutU32(out, header.dataOffset);
  PutU32(out, header.mapOffset);
  PutU32(out, header.dataLength);
  PutU32(out, header.mapLength);
}

void AppendMapHeader(std::string& out, const MapHeader& header) {
  out.append(24, '\0');
  PutU16(out, header.typeListOffset);
  PutU16(out, header.nameListOffset);
}

void AppendTypeCount(std::string& out, std::uint16_t countMinusOne) { PutU16(out, countMinusOne); }

void AppendTypeEntry(std::string& out, const TypeEntry& entry) {
  out.append(entry.code);
  PutU16(out, entry.countMinusOne);
  PutU16(out, entry.refListOffset);
}

void AppendReference(std::string& out, const ReferenceEntry& entry) {
  PutU16(out, static_cast<std::uint16_t>(entry.id));
  PutU16(out, entry.nameOffset);
  out.push_back(static_cast<char>(entry.attributes));
  PutU24(out, entry.dataOffset);
  PutU32(out, 0);  // handle, meaningful only in memory
}

void AppendBlockLength(std::string& out, std::uint32_t length) { PutU32(out, length); }

}  // namespace codec::rsrc
