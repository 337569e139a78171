// Reading a resource file (Korvane.rsrc): a validated index of the resources
// in one file's bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace codec {

// One resource as found in the file. Its data is
// `file.substr(ref.dataOffset, ref.length)`.
struct ResourceRef {
  std::string type;  // 4 bytes, compared byte for byte
  std::int16_t id = 0;
  bool hasName = false;
  std::string name;  // empty when !hasName; an empty name also exists
  std::size_t dataOffset = 0;  // file offset of the data itself, after its length word
  std::size_t length = 0;
};

// A validated view of one resource file. It keeps offsets, never a copy of the
// file: the caller keeps the bytes alive for as long as it reads data through
// the refs. Every ref's data range lies inside the bytes that were parsed.
//
// A resource marked compressed cannot be read by Korvane and is treated as
// absent: Count, At, ById and ByName skip it, and a type holding nothing else
// is left out of Types().
class ResourceMap {
 public:
  // Checks the whole structure before anything is used: no more bytes than
  // the packer writes (kMaxResourceFileBytes), header and areas
  // inside the file and apart from each other, type and reference lists inside
  // the map and not overlapping, no type listed twice, no id twice within a
  // type, every data block and name inside its area. Returns nullopt when any
  // check fails; never reads outside `file`.
  static std::optional<ResourceMap> Parse(std::string_view file);

  int Count(std::string_view type) const;
  // 0-based, in the file's reference-list order; nullptr outside 0..Count-1.
  const ResourceRef* At(std::string_view type, int index) const;
  // nullptr when there is no such resource.
  const ResourceRef* ById(std::string_view type, int id) const;
  // The first in reference-list order whose name matches byte for byte; nullptr
  // when none does. Unnamed resources never match.
  const ResourceRef* ByName(std::string_view type, std::string_view name) const;
  // In type-list order.
  std::vector<std::string> Types() const;

 private:
  ResourceMap(std::vector<std::string> types, std::vector<ResourceRef> refs)
      : types_(std::move(types)), refs_(std::move(refs)) {}

  std::vector<std::string> types_;
  std::vector<ResourceRef> refs_;  // grouped by type in type-list order, then reference order
};

}  // namespace codec
