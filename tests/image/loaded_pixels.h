#pragma once

#include <cstdint>
#include <vector>

#include "image/image_buffer.h"

namespace kep::test {

// The pixels of an image row by row, without the row padding.
inline std::vector<std::uint8_t> LoadedPixels(const ImageBuffer& image) {
  std::vector<std::uint8_t> pixels;
  for (std::int32_t y = 0; y < image.Height(); ++y) {
    const std::uint8_t* row = image.PixelAddress(0, y);
    pixels.insert(pixels.end(), row, row + image.Width());
  }
  return pixels;
}

// `count` varied bytes for fixtures, from `first` on in steps of 37.
inline std::vector<std::uint8_t> Ramp(std::size_t count, std::uint8_t first = 0) {
  std::vector<std::uint8_t> bytes(count);
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>(first + 37 * i);
  return bytes;
}

}  // namespace kep::test
