#pragma once

#include <functional>

#include "fractal/fractal_engine.h"
#include "fractal/method_run.h"
#include "image/image_buffer.h"
#include "image/point_series.h"

namespace kep {

// Called after each radius with the pixels that it reached first, x in the outer
// order and y in the inner one.
using DistanceStepView = std::function<void(std::int32_t radius, const PointSeries& reached)>;

// The label of the distance map for a radius: 255 - r outward from bright
// outlines, r outward from dark ones, in 8 bits (wrapping from radius 255 on).
std::uint8_t DistanceLabel(std::uint8_t objectValue, std::int64_t radius);

// The points of the distance-map method, from the engine's outline image and
// parameters (to radius, step): the outline is dilated by r = 1, 1 + step, ...
// below the to radius; a pixel is reached by the first radius whose dilation makes
// it object, and is then labelled in `distanceMap` and counted once, whatever its
// label; each radius gives (r, pixels reached so far). The outline's own pixels are
// never reached; they and every other pixel never reached hold the background
// value. The object value must be 0 or 255 and the background value the other one.
// False (no map) when a scratch image cannot be made; a step below 1, which would
// never reach the end, leaves a map of background and no point.
bool MeasureDistanceMap(const FractalEngine& engine, PointSeries& points, ImageBuffer& distanceMap,
                        const DistanceStepView& view = nullptr);

// The distance-map method of the method table; the distance map takes the outline
// image's place afterwards.
void DistanceMapMethod(const FractalEngine& engine, MethodRun& run);
// Its reach: the to radius.
std::int32_t DistanceMapReach(const FractalEngine& engine);

}  // namespace kep
