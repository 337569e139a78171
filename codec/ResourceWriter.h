// Writing a resource file (Korvane.rsrc) in the canonical layout: header, data
// blocks back to back, then the map running to the end of the file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace codec {

struct ResourceSpec {
  std::string type;  // exactly 4 bytes
  std::int16_t id = 0;
  std::optional<std::string> name;  // nullopt: unnamed; "" is a real, empty name
  std::string data;
};

// The bytes of a file holding `resources`. Types stand in the order of their
// first appearance, and each type's resources in the order given, which is
// the order ResourceMap::At reports. An empty list gives the empty file.
//
// Throws std::invalid_argument, writing nothing, for what the format cannot
// hold: a type that is not 4 bytes, an id used twice within a type, a name
// longer than 255 bytes, a data area over 16 MiB, a map over 32767 bytes.
std::string WriteResourceFile(const std::vector<ResourceSpec>& resources);

}  // namespace codec
