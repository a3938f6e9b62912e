#pragma once

// Generated pictures of known dimension for the tests and the benchmarks: bright
// particles (255) on a dark background (0), square images.

#include <cstdint>
#include <string>

#include "image/image_buffer.h"

namespace kep::shapes {

// A Koch snowflake filling most of the image, refined until its sides are about
// two pixels long.
ImageBuffer KochSnowflake(std::int32_t size);
// A quadratic Koch island (eight-segment generator) refined the same way.
ImageBuffer QuadraticKochIsland(std::int32_t size);
// `count` lumpy blobs of random size and shape at random places (some overlap).
ImageBuffer RandomParticles(std::int32_t size, std::int32_t count, std::uint32_t seed);

// Writes an 8-bit grey bitmap; false when the file cannot be written.
bool WriteGreyBmp(const ImageBuffer& image, const std::string& path);

}  // namespace kep::shapes
