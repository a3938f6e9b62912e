#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "failure/failure.h"
#include "fractal/fit_log_log.h"
#include "image/image_buffer.h"
#include "image/point_series.h"
#include "preprocess/particle_regions.h"

namespace kep {

struct ParticleMeasurement;

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
  // The dimension that the slope between each two consecutive points of the fit
  // gives by the method's rule (not a number where the two share their x); set
  // whenever two points enter the fit, with or without a dimension.
  std::vector<double> localDimensions;
  std::optional<Failure> failure;
  // Every particle of the image measured on its own, when the caller asked for it.
  std::vector<ParticleMeasurement> eachParticle;
  // The picture the method measured (the outline image, or the distance map that
  // the distance-map method leaves), when the caller asked for it; copies of the
  // result share it.
  std::shared_ptr<ImageBuffer> outline;

  // Defined below, where the particle type is complete.
  static MeasureResult Failed(Failure why);

  bool HasDimension() const { return !failure.has_value(); }
  // The 95 % confidence interval of the dimension: dimension -/+ t * standard
  // error. Only with a dimension.
  double Ci95Low() const { return dimension - fit->halfWidth95; }
  double Ci95High() const { return dimension + fit->halfWidth95; }
};

// One particle of an image, numbered from 1 in the order of its first pixel in a
// row-by-row scan, measured on its own.
struct ParticleMeasurement {
  std::int32_t number = 0;
  ParticleRegion region;
  MeasureResult result;
};

inline MeasureResult MeasureResult::Failed(Failure why) {
  MeasureResult result;
  result.failure = std::move(why);
  return result;
}

}  // namespace kep
