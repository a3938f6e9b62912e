#pragma once

#include <cstdint>

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

}  // namespace kep
