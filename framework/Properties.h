// How a property record's entries reach a window or control: each class
// has one table of property name and setter, and a name its table lacks goes
// on to its base class's table; a name no table has is ignored.
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

}  // namespace fw::property
