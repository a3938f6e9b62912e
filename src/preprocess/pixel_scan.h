#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

#include "image/image_buffer.h"

namespace kep {

// The first x in [from, to) whose byte of the row differs from `value`, or `to`:
// the end of a run of the value, found eight bytes at a time.
inline std::int32_t EndOfRun(const std::uint8_t* row, std::int32_t from, std::int32_t to,
                             std::uint8_t value) {
  const std::uint64_t repeated = 0x0101010101010101ull * value;
  std::int32_t x = from;
  for (; x + 8 <= to; x += 8) {
    std::uint64_t word;
    std::memcpy(&word, row + x, sizeof word);
    if (word != repeated) {
      // The lowest differing byte is the first one on a little-endian machine.
      if constexpr (std::endian::native == std::endian::little) {
        return x + std::countr_zero(word ^ repeated) / 8;
      }
      break;
    }
  }
  while (x < to && row[x] == value) ++x;
  return x;
}

// The first x in [from, to) whose byte of the row equals `value`, or `to`.
inline std::int32_t FindValue(const std::uint8_t* row, std::int32_t from, std::int32_t to,
                              std::uint8_t value) {
  if (from >= to) return to;
  const void* found = std::memchr(row + from, value, static_cast<std::size_t>(to - from));
  return found == nullptr
             ? to
             : static_cast<std::int32_t>(static_cast<const std::uint8_t*>(found) - row);
}

// Calls visit(x, y) for every pixel of the value in the columns x0..x1 and rows
// y0..y1 (ends included, within the image), row by row, left to right. Made for
// thin outlines: the rest of a row is skipped at the speed of memchr.
template <typename Visit>
void ForEachPixelOfValue(const ImageBuffer& image, std::uint8_t value, std::int32_t x0,
                         std::int32_t y0, std::int32_t x1, std::int32_t y1, Visit visit) {
  if (x0 > x1) return;
  for (std::int32_t y = y0; y <= y1; ++y) {
    const std::uint8_t* row = image.PixelAddress(0, y);
    const std::uint8_t* end = row + x1 + 1;
    for (const std::uint8_t* p = row + x0;
         (p = static_cast<const std::uint8_t*>(
              std::memchr(p, value, static_cast<std::size_t>(end - p)))) != nullptr;
         ++p) {
      visit(static_cast<std::int32_t>(p - row), y);
    }
  }
}

}  // namespace kep
