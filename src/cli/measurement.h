#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "cli/measured_image.h"
#include "cli/method_options.h"
#include "fractal/fractal_engine.h"
#include "image/image_buffer.h"
#include "image/point_series.h"

namespace kep::cli {

// What the system says when the engine finds no dimension.
inline constexpr const char* kNoDimensionMessage = "Sorry! I can't Calculate Fractal Dimension!";

// One run of the engine on an image, as the commands that measure report it.
struct Measurement {
  int method = 0;
  std::array<std::int32_t, 3> params{};
  double fd = kNoDimension;
  PointSeries points;
  std::int64_t outlinePoints = 0;
  std::size_t particles = 0;
};

Measurement MeasureImage(const ImageBuffer& image, const MeasuredImageOptions& input,
                         const MethodOptions& method);

}  // namespace kep::cli
