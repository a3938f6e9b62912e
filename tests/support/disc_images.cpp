#include "support/disc_images.h"

namespace kep::test {

namespace {

std::uint8_t DiscPixel(std::int32_t x, std::int32_t y, std::int32_t size, std::int32_t radius,
                       std::uint8_t disc, std::uint8_t ground) {
  const std::int32_t dx = x - size / 2;
  const std::int32_t dy = y - size / 2;
  return dx * dx + dy * dy <= radius * radius ? disc : ground;
}

}  // namespace

Bytes DiscBitmap(std::int32_t size, std::int32_t radius, std::uint8_t disc, std::uint8_t ground) {
  const std::int32_t stride = (size + 3) / 4 * 4;
  Bytes rows;
  for (std::int32_t y = size - 1; y >= 0; --y) {  // bottom row first
    for (std::int32_t x = 0; x < stride; ++x) {
      rows.push_back(x < size ? DiscPixel(x, y, size, radius, disc, ground) : 0);
    }
  }
  return BmpBuilder(size, size).Bits(8).Palette(GreyPalette()).Rows(rows).Build();
}

Bytes DiscTiff(std::int32_t size, std::int32_t radius, std::uint8_t disc, std::uint8_t ground) {
  Bytes rows;
  for (std::int32_t y = 0; y < size; ++y) {
    for (std::int32_t x = 0; x < size; ++x) rows.push_back(DiscPixel(x, y, size, radius, disc, ground));
  }
  return BuildPictureTiff(true, static_cast<std::uint32_t>(size), static_cast<std::uint32_t>(size), 8,
                          rows);
}

}  // namespace kep::test
