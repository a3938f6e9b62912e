#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "image/image_buffer.h"

namespace kep::test {

// Builds an image from rows of characters: '#' is 255, '.' is 0, a digit d is d.
inline ImageBuffer Picture(const std::vector<std::string>& rows) {
  ImageBuffer image;
  image.Create(rows.empty() ? 0 : static_cast<std::int32_t>(rows[0].size()),
               static_cast<std::int32_t>(rows.size()), 1);
  for (std::size_t y = 0; y < rows.size(); ++y) {
    for (std::size_t x = 0; x < rows[y].size(); ++x) {
      const char c = rows[y][x];
      const int value = c == '#' ? 255 : (c >= '0' && c <= '9') ? c - '0' : 0;
      image.SetPixel(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y),
                     static_cast<std::uint8_t>(value));
    }
  }
  return image;
}

// The inverse of Picture for images of 0, 255 and single digits; other values are '?'.
inline std::vector<std::string> Rows(const ImageBuffer& image) {
  std::vector<std::string> rows;
  for (std::int32_t y = 0; y < image.Height(); ++y) {
    std::string row;
    for (std::int32_t x = 0; x < image.Width(); ++x) {
      const int v = image.GetPixel(x, y);
      row += v == 255 ? '#' : v == 0 ? '.' : v < 10 ? static_cast<char>('0' + v) : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

// An image of the given size with every pixel set to value.
inline ImageBuffer Filled(std::int32_t width, std::int32_t height, std::uint8_t value) {
  ImageBuffer image;
  image.Create(width, height, 1);
  std::fill(image.Data(), image.Data() + image.ByteCount(), value);
  return image;
}

}  // namespace kep::test
