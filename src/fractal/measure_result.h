#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "failure/failure.h"
#include "fractal/fit_log_log.h"
#include "image/image_buffer.h"
#include "image/point_series.h"

namespace kep {

// What the engine answers when it finds no dimension.
inline constexpr double kNoDimension = -1.0;

// One measurement of one image: the dimension with the fit and the points it was
// made from, or the failure that kept it from being made.
struct MeasureResult {
  // The method's points. After a failure, whatever the method appended before it
  // (none when the method never ran): the windows show these too.
  PointSeries points;
  std::int64_t outlinePoints = 0;
  std::size_t particles = 0;
  // Set exactly when there is a dimension.
  std::optional<LogLogFit> fit;
  double dimension = kNoDimension;
  std::optional<Failure> failure;
  // The picture the method measured (the outline image, or the distance map that
  // the distance-map method leaves), when the caller asked for it; copies of the
  // result share it.
  std::shared_ptr<ImageBuffer> outline;

  bool HasDimension() const { return !failure.has_value(); }
};

}  // namespace kep
