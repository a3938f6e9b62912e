#pragma once

#include <cstdint>
#include <vector>

namespace kep {

// Half-widths of the digital disc of the radius, for dy = 0 .. min(radius, maxDy):
// entry dy is the largest w >= 0 with w*w + dy*dy <= radius*radius. The disc is
// symmetric, so rows above and below the centre share an entry. Empty for a
// negative radius or maxDy.
std::vector<std::int32_t> DiscHalfWidths(std::int32_t radius, std::int32_t maxDy);

}  // namespace kep
