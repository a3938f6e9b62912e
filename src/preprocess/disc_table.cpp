#include "preprocess/disc_table.h"

#include <algorithm>
#include <cmath>

namespace kep {

std::vector<std::int32_t> DiscHalfWidths(std::int32_t radius, std::int32_t maxDy) {
  std::vector<std::int32_t> widths;
  if (radius < 0 || maxDy < 0) return widths;
  const std::int64_t r2 = static_cast<std::int64_t>(radius) * radius;
  const std::int32_t rows = std::min(radius, maxDy);
  widths.resize(static_cast<std::size_t>(rows) + 1);
  for (std::int32_t dy = 0; dy <= rows; ++dy) {
    const std::int64_t rest = r2 - static_cast<std::int64_t>(dy) * dy;
    // The square root in double can be one off either way for large radii.
    auto w = static_cast<std::int64_t>(std::sqrt(static_cast<double>(rest)));
    while (w * w > rest) --w;
    while ((w + 1) * (w + 1) <= rest) ++w;
    widths[static_cast<std::size_t>(dy)] = static_cast<std::int32_t>(w);
  }
  return widths;
}

}  // namespace kep
