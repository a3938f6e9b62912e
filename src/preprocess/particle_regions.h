#pragma once

#include <cstdint>
#include <vector>

#include "image/image_buffer.h"
#include "image/point_series.h"

namespace kep {

// One particle: an 8-connected region of pixels of the particle value.
struct ParticleRegion {
  // Its first pixel in a row-by-row scan from the top left.
  SeriesPoint seed;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  std::int64_t area = 0;
  // The mean of its pixels' coordinates.
  double centroidX = 0.0;
  double centroidY = 0.0;
};

// The particles of the value, in the order of their first pixels in a
// row-by-row scan. Throws std::bad_alloc when its working memory cannot be made.
std::vector<ParticleRegion> FindParticleRegions(const ImageBuffer& image, std::uint8_t value);

// Copies the part of `image` from (x0, y0) that `cut` has room for (its size is
// the part's), with every pixel of the value that does not belong to the particle
// of `region` painted `background`.
void CutOutParticle(const ImageBuffer& image, const ParticleRegion& region, std::uint8_t value,
                    std::uint8_t background, std::int32_t x0, std::int32_t y0, ImageBuffer& cut);

}  // namespace kep
