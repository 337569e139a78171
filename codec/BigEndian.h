// Big-endian integers in byte strings, shared by the binary codecs.
// The getters read at a position the caller has already checked: `at + width`
// must not exceed `bytes.size()`.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace codec {

inline std::uint32_t GetBigEndian(std::string_view bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = 0; i < width; ++i)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return value;
}

inline std::uint16_t GetU16(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint16_t>(GetBigEndian(bytes, at, 2));
}
inline std::uint32_t GetU24(std::string_view bytes, std::size_t at) { return GetBigEndian(bytes, at, 3); }
inline std::uint32_t GetU32(std::string_view bytes, std::size_t at) { return GetBigEndian(bytes, at, 4); }

inline void PutBigEndian(std::string& out, std::uint32_t value, int width) {
  for (int shift = 8 * (width - 1); shift >= 0; shift -= 8)
    out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

inline void PutU16(std::string& out, std::uint16_t value) { PutBigEndian(out, value, 2); }
inline void PutU24(std::string& out, std::uint32_t value) { PutBigEndian(out, value, 3); }
inline void PutU32(std::string& out, std::uint32_t value) { PutBigEndian(out, value, 4); }

}  // namespace codec
