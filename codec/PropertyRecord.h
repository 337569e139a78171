// Property records: the byte strings that declare a window's or a control's
// design-time properties. A record is a run of entries with no header or
// terminator: ASCII name, one space, then the value in the fixed type of that
// name (int32 big-endian, 1-byte Boolean, 3-byte colour, or a string as an
// int32 big-endian byte count and that many bytes).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace codec {

struct Color {
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

enum class PropertyType { Integer, Boolean, Color, String };

// Value of one entry. Strings are raw bytes (UTF-8 in practice).
using PropertyValue = std::variant<std::int32_t, bool, Color, std::string>;

struct PropertyEntry {
  std::string name;            // as the record spells it
  std::string_view canonical;  // the table's spelling; valid for the program's life
  PropertyValue value;
};

// Raised for a record that cannot be encoded or decoded: an unknown name, a
// value of the wrong type, or a record cut short.
class PropertyRecordError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The fixed type of a property name, matched without regard to case.
// Throws PropertyRecordError for a name that is not in the table.
PropertyType TypeOfProperty(std::string_view name);

// The canonical spelling of a known name (e.g. "multiline" -> "MultiLine").
std::string_view CanonicalPropertyName(std::string_view name);

// One readable table entry: {"Width", 625}, {"Visible", true},
// {"BackColor", Color{255, 255, 255}}, {"Title", "Hint"}.
struct RecordField {
  RecordField(const char* n, std::int32_t v) : name(n), value(v) {}
  RecordField(const char* n, bool v) : name(n), value(v) {}
  RecordField(const char* n, Color v) : name(n), value(v) {}
  RecordField(const char* n, const char* v) : name(n), value(std::string(v)) {}
  RecordField(const char* n, std::string v) : name(n), value(std::move(v)) {}
  const char* name;
  PropertyValue value;
};

// Builds the record's bytes from a table, in table order. Throws
// PropertyRecordError when a name is unknown or its value has the wrong type.
std::string EncodeRecord(const std::vector<RecordField>& fields);
std::string EncodeRecord(std::initializer_list<RecordField> fields);

// Reads a record back into its entries, in record order, with names in the
// spelling the record uses. Throws PropertyRecordError on a truncated record,
// a name that is not followed by a space, or an unknown name.
std::vector<PropertyEntry> DecodeRecord(std::string_view bytes);

}  // namespace codec
