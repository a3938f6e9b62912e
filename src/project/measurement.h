#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "draw/draw_context.h"
#include "fractal/fractal_engine.h"
#include "image/image_buffer.h"
#include "image/point_series.h"

namespace kep {

// What the system says when the engine finds no dimension.
inline constexpr const char* kNoDimensionMessage = "Sorry! I can't Calculate Fractal Dimension!";

// What one measurement runs with: the method, its three parameters, and the grey
// values of the particles and of the background.
struct MeasureSettings {
  std::uint32_t method = 0;
  std::array<std::int32_t, 3> params{};
  std::uint32_t objectValue = 255;
  std::uint32_t backgroundValue = 0;
};

// One run of the engine on an image.
struct Measurement {
  double fd = kNoDimension;
  PointSeries points;
  std::int64_t outlinePoints = 0;
  std::size_t particles = 0;
};

// Measures the image as it is (no pre-processing) with the engine, which keeps
// the outline image and the outlines it measured. `animation`, when given, is the
// window the method draws its progress into.
Measurement MeasureImage(FractalEngine& engine, const ImageBuffer& image,
                         const MeasureSettings& settings, DrawContext* animation = nullptr);

}  // namespace kep
