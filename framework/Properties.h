// The value converters of property records, for the framework's classes
// that take records.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <variant>

#include "framework/String.h"
#include "codec/PropertyRecord.h"

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

}  // namespace fw::property
