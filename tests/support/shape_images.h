#pragma once

// Grey pictures of simple shapes in image files, for the tests that measure whole
// files; the readers' own tests build their files byte by byte instead.

#include <cstdint>
#include <functional>

#include "support/image_file_bytes.h"

namespace kep::test {

// Whether the pixel (x, y) belongs to the shape.
using Shape = std::function<bool(std::int32_t x, std::int32_t y)>;

// The disc of the radius about (cx, cy).
Shape Disc(std::int32_t cx, std::int32_t cy, std::int32_t radius);

// A width x height picture, `inside` where the shape holds and `outside`
// elsewhere: its grey rows top row first, as an 8-bit bitmap with a grey palette,
// or as an 8-bit TIFF file.
Bytes ShapeRows(std::int32_t width, std::int32_t height, const Shape& shape,
                std::uint8_t inside = 255, std::uint8_t outside = 0);
Bytes ShapeBitmap(std::int32_t width, std::int32_t height, const Shape& shape,
                  std::uint8_t inside = 255, std::uint8_t outside = 0);
Bytes ShapeTiff(std::int32_t width, std::int32_t height, const Shape& shape,
                std::uint8_t inside = 255, std::uint8_t outside = 0, bool littleEndian = true);

}  // namespace kep::test
