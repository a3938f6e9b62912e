#include "support/shape_images.h"

namespace kep::test {

Shape Disc(std::int32_t cx, std::int32_t cy, std::int32_t radius) {
  return [=](std::int32_t x, std::int32_t y) {
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
  };
}

Bytes ShapeRows(std::int32_t width, std::int32_t height, const Shape& shape, std::uint8_t inside,
                std::uint8_t outside) {
  Bytes rows;
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < width; ++x) rows.push_back(shape(x, y) ? inside : outside);
  }
  return rows;
}

Bytes ShapeBitmap(std::int32_t width, std::int32_t height, const Shape& shape, std::uint8_t inside,
                  std::uint8_t outside) {
  const std::int32_t padding = (4 - width % 4) % 4;
  Bytes rows;
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < width + padding; ++x) {
      rows.push_back(x >= width ? 0 : shape(x, y) ? inside : outside);
    }
  }
  return BmpBuilder(width, -height).Palette(GreyPalette()).Rows(rows).Build();
}

Bytes ShapeTiff(std::int32_t width, std::int32_t height, const Shape& shape, std::uint8_t inside,
                std::uint8_t outside, bool littleEndian) {
  return BuildPictureTiff(littleEndian, static_cast<std::uint32_t>(width),
                          static_cast<std::uint32_t>(height), 8,
                          ShapeRows(width, height, shape, inside, outside));
}

}  // namespace kep::test
