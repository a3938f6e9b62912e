#pragma once

#include <cstdint>

namespace kep {

// Integers assembled from file bytes in a given byte order.
inline std::uint32_t LittleEndianValue(const std::uint8_t* bytes, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[i];
  return value;
}

inline std::uint32_t BigEndianValue(const std::uint8_t* bytes, int count) {
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i) value = (value << 8) | bytes[i];
  return value;
}

}  // namespace kep
