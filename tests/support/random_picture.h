#pragma once

// Seeded random pictures for the differential tests: rectangles, discs, random
// walks and single pixels of the particle value, anywhere (partly outside the
// image too), and sometimes noise of particle pixels and of a grey value that is
// neither particle nor background.

#include <cstdint>
#include <random>

#include "image/image_buffer.h"

namespace kep::test {

// A number in [low, high] from the generator's raw bits.
std::int32_t Between(std::mt19937& random, std::int32_t low, std::int32_t high);

// Up to 8, 32 or 128 pixels on a side, on a ground of `ground`.
ImageBuffer RandomPicture(std::mt19937& random, std::uint8_t particle, std::uint8_t ground);

}  // namespace kep::test
