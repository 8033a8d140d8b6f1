#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tess {

// Appends value as 4 / 2 little-endian bytes.
inline void appendLittleEndian32(std::string& out, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((bits >> shift) & 0xFF);
}

inline void appendLittleEndian16(std::string& out, std::int16_t value) {
  const auto bits = static_cast<std::uint16_t>(value);
  out += static_cast<char>(bits & 0xFF);
  out += static_cast<char>(bits >> 8);
}

// The little-endian int32 at bytes[offset]; the caller has checked the size.
inline std::int32_t readLittleEndian32(std::string_view bytes, std::size_t offset) {
  std::uint32_t bits = 0;
  for (int i = 3; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(bytes[offset + i]);
  return static_cast<std::int32_t>(bits);
}

}  // namespace tess
