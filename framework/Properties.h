// How a property record's entries reach a window or control: each class
// has one table of property name and setter, and a name its table lacks goes
// on to its base class's table. A name no table has changes nothing; the
// names that may do so are listed below, once for every class.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "codec/PropertyRecord.h"
#include "framework/String.h"

namespace fw::property {

using Value = codec::PropertyValue;

// A record names each property with its one type, so these cannot fail on
// a decoded record.
inline int Int(const Value& v) { return std::get<std::int32_t>(v); }
// Sizes below zero count as zero.
inline int Size(const Value& v) { return std::max(0, Int(v)); }
inline bool Bool(const Value& v) { return std::get<bool>(v); }
inline String Str(const Value& v) { return String(std::get<std::string>(v)); }
inline codec::Color Colour(const Value& v) { return std::get<codec::Color>(v); }

// One row of a class's table: a property's canonical name and its setter.
template <class T>
struct Setter {
  std::string_view name;
  void (*set)(T& target, const Value& value);
};

// Runs the table's setter for `name`; false when the table has none.
template <class T, std::size_t N>
bool Set(const Setter<T> (&table)[N], T& target, std::string_view name, const Value& value) {
  for (const Setter<T>& row : table) {
    if (row.name != name) continue;
    row.set(target, value);
    return true;
  }
  return false;
}

// Names that records carry and that change nothing on this platform, by the
// class that receives them; every control also has RectControl's. Any other
// name that a class has no setter for is a mistake in a record (see
// testing::SetStrictProperties).
struct Ignored {
  std::string_view owner;
  std::string_view names;  // separated by single spaces
};
inline constexpr Ignored kIgnored[] = {
    {"Window", "Composite FullScreen LiveResize BalloonHelp MacProcID"},
    {"RectControl", "Index TabPanelIndex AutoDeactivate BalloonHelp DisabledBalloonHelp DataField DataSource"},
    {"EditField", "Mask Format Alignment LimitText UseFocusRing Password ScrollBar"},
    {"Listbox",
     "ColumnsResizable DefaultRowHeight GridLinesVertical GridLinesHorizontal ScrollPosition ScrollPositionX "
     "HeadingIndex SelectionType EnableDragReorder EnableDrag Hierarchical UseFocusRing HasHeading ColumnWidths "
     "ColumnCount"},
    {"Canvas", "UseFocusRing AcceptTabs EraseBackground"},
};

inline bool Ignores(std::string_view owner, std::string_view name) {
  for (const Ignored& row : kIgnored) {
    if (row.owner != owner) continue;
    for (std::string_view rest = row.names; !rest.empty();) {
      std::size_t end = std::min(rest.find(' '), rest.size());
      if (rest.substr(0, end) == name) return true;
      rest.remove_prefix(std::min(end + 1, rest.size()));
    }
  }
  return false;
}

// Whether a name that no table has is to be checked against kIgnored
// (tests); otherwise it passes unseen.
bool Strict();
// Raises PropertyRecordException unless `owner` or its base ignores `name`.
void CheckIgnored(std::string_view owner, std::string_view base, std::string_view name);

}  // namespace fw::property
