#pragma once

#include <cstdint>
#include <optional>

#include "image/image_buffer.h"
#include "image/point_series.h"

namespace kep {

class FractalEngine;
class MethodAnimation;

// What a method hands back while it measures the engine's prepared outlines,
// which it only reads.
struct MethodRun {
  // The method appends its points here.
  PointSeries& points;
  // The window the steps are drawn into; null when nothing is animated.
  MethodAnimation* animation = nullptr;
  // A picture of the method's own that takes the outline image's place once the
  // method is done (the distance map); none for the other methods.
  std::optional<ImageBuffer> picture;
};

// A method: reads the outline image, the outlines, the bounding box, the grey
// values and the three parameters of a prepared engine.
using MethodFunction = void (*)(const FractalEngine& engine, MethodRun& run);

// How many pixels beyond the outlines a method reads with the engine's
// parameters: a particle measured on its own is cut out of its picture with a
// margin of at least this many pixels.
using MethodReach = std::int32_t (*)(const FractalEngine& engine);

// The reach of the methods that read only the outlines and their bounding box.
inline std::int32_t OutlinesOnly(const FractalEngine&) { return 0; }

}  // namespace kep
