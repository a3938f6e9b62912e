#include <cmath>

#include "fractal/fractal_engine.h"

namespace kep {

bool IsWithinRadius(std::int32_t x, std::int32_t y, std::int32_t r, std::int32_t cx,
                    std::int32_t cy) {
  // Each square fits in 64 unsigned bits; their sum may not, so the second square is
  // compared with what the first leaves of r^2.
  const auto square = [](std::int64_t v) {
    const auto magnitude = static_cast<std::uint64_t>(v < 0 ? -v : v);
    return magnitude * magnitude;
  };
  const std::uint64_t dx2 = square(static_cast<std::int64_t>(x) - cx);
  const std::uint64_t dy2 = square(static_cast<std::int64_t>(y) - cy);
  const std::uint64_t r2 = square(r);
  return dx2 <= r2 && dy2 <= r2 - dx2;
}

double PointDistance(const SeriesPoint& a, const SeriesPoint& b) {
  const double dy = static_cast<double>(static_cast<std::int64_t>(a.y) - b.y);
  const double dx = static_cast<double>(static_cast<std::int64_t>(a.x) - b.x);
  return std::sqrt(dy * dy + dx * dx);
}

}  // namespace kep
