#include "support/random_picture.h"

#include <algorithm>
#include <vector>

#include "preprocess/picture.h"

namespace kep::test {

std::int32_t Between(std::mt19937& random, std::int32_t low, std::int32_t high) {
  return low + static_cast<std::int32_t>(random() % static_cast<std::uint32_t>(high - low + 1));
}

ImageBuffer RandomPicture(std::mt19937& random, std::uint8_t particle, std::uint8_t ground) {
  const std::int32_t largest = std::vector<std::int32_t>{8, 32, 128}[random() % 3];
  const std::int32_t width = Between(random, 1, largest);
  const std::int32_t height = Between(random, 1, largest);
  ImageBuffer image = test::Filled(width, height, ground);
  const std::int32_t shapes = Between(random, 0, 10);
  for (std::int32_t s = 0; s < shapes; ++s) {
    std::int32_t x = Between(random, -4, width + 3);
    std::int32_t y = Between(random, -4, height + 3);
    const std::int32_t size = Between(random, 0, std::max(width, height) / 2 + 1);
    switch (random() % 4) {
      case 0:
        for (std::int32_t dy = 0; dy <= size; ++dy) {
          for (std::int32_t dx = 0; dx <= size / 2; ++dx) image.SetPixel(x + dx, y + dy, particle);
        }
        break;
      case 1:
        for (std::int32_t dy = -size; dy <= size; ++dy) {
          for (std::int32_t dx = -size; dx <= size; ++dx) {
            if (dx * dx + dy * dy <= size * size) image.SetPixel(x + dx, y + dy, particle);
          }
        }
        break;
      case 2:
        for (std::int32_t step = 0; step < size * 8; ++step) {
          image.SetPixel(x, y, particle);
          x += Between(random, -1, 1);
          y += Between(random, -1, 1);
        }
        break;
      default:
        image.SetPixel(x, y, particle);
        break;
    }
  }
  if (random() % 4 == 0) {
    const std::int32_t noise = Between(random, 0, width * height / 4);
    for (std::int32_t i = 0; i < noise; ++i) {
      image.SetPixel(Between(random, 0, width - 1), Between(random, 0, height - 1),
                     random() % 5 == 0 ? 100 : particle);
    }
  }
  return image;
}

}  // namespace kep::test
