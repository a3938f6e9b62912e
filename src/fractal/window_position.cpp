#include "fractal/window_position.h"

#include <cmath>
#include <limits>

namespace kep {

std::int32_t ScaleToWindow(std::int64_t v, double scale) {
  constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
  const double position = std::trunc(static_cast<double>(v) * scale);
  if (std::isnan(position)) return 0;
  if (position <= kLowest) return std::numeric_limits<std::int32_t>::min();
  if (position >= kHighest) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(position);
}

}  // namespace kep
