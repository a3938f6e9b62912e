#pragma once

#include <cstdint>
#include <cstring>

#include "image/image_buffer.h"

namespace kep {

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
