#pragma once

#include <cstdint>
#include <vector>

#include "image/image_buffer.h"
#include "image/point_series.h"

namespace kep {

// Traces every boundary run that leaves the start pixel, counter-clockwise on the
// screen, as direction codes in this thread's trace state. Neighbours outside the
// image count as not having the start pixel's value. Returns the chain length.
std::int32_t TraceBoundary(const ImageBuffer& image, std::int32_t x, std::int32_t y);
// Turns this thread's current chain into pixel positions; returns their number.
std::int32_t ChainToPoints(PointSeries& points);
// The direction codes of this thread's current chain.
std::vector<std::uint8_t> CurrentChain();

}  // namespace kep
