#include "fractal/outline_path.h"

#include <limits>

#include "fractal/fractal_engine.h"

namespace kep {

void AddClosedPathLength(const SeriesPoint* points, std::size_t count, double& length) {
  if (count == 0) return;
  for (std::size_t i = 1; i < count; ++i) length += PointDistance(points[i - 1], points[i]);
  length += PointDistance(points[count - 1], points[0]);
}

void AddClosedPathLength(const OutlinePath& path, double& length) {
  AddClosedPathLength(path.data(), path.size(), length);
}

void AddOpenPathLength(const OutlinePath& path, double& length) {
  for (std::size_t i = 1; i < path.size(); ++i) length += PointDistance(path[i - 1], path[i]);
}

std::int32_t TruncateToInt32(double value) {
  constexpr double kTop = std::numeric_limits<std::int32_t>::max();
  constexpr double kBottom = std::numeric_limits<std::int32_t>::min();
  if (value >= kTop) return std::numeric_limits<std::int32_t>::max();
  if (value <= kBottom) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

std::int32_t ClampToInt32(std::int64_t value) {
  if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

}  // namespace kep
