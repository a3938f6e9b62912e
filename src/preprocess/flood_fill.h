#pragma once

#include <cstdint>

#include "image/image_buffer.h"
#include "preprocess/particle_regions.h"

namespace kep {

// One horizontal run of filled pixels: x in [xStart, xEnd) on row y.
struct FillSpan {
  std::int32_t xStart = 0;
  std::int32_t y = 0;
  std::int32_t xEnd = 0;
};

// Scan-line fill of the 4-connected region of the seed pixel's value with
// fillValue, kept marginX/marginY pixels away from the image edges. Returns the
// number of spans painted (0 when nothing was filled). The spans and the area stay
// in this thread's fill state until the next fill.
std::int32_t FloodFill(ImageBuffer& image, std::int32_t x, std::int32_t y, std::uint8_t fillValue,
                       std::int32_t marginX, std::int32_t marginY);
// Paints every span of this thread's last fill with value.
void RepaintLastFill(ImageBuffer& image, std::uint8_t value);
// Pixels painted by this thread's last fill.
std::int32_t LastFillArea();

// Paints the 8-connected region of the seed pixel's value with fillValue (the
// engine erases traced particles with it); nothing for a seed outside the image or
// already of fillValue. Does not touch the fill state. When `region` is given it
// receives the region's pixel count, centroid and bounding box. Throws
// std::bad_alloc when its list of pending spans cannot grow.
void FloodFill8(ImageBuffer& image, std::int32_t x, std::int32_t y, std::uint8_t fillValue,
                ParticleRegion* region = nullptr);

}  // namespace kep
